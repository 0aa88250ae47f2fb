#pragma once

#include <cstdint>

// One table as a voice reads it: 32-bit float frames in borrowed memory.
// `stride` is the distance in floats between consecutive frames, so the
// first channel of an interleaved multi-channel buffer reads as one table.
struct zunTable {
  const float* data;
  long long frames;
  long long stride;

  bool empty() const { return data == nullptr || frames <= 0 || stride < 1; }

  double at(std::uint64_t index) const {
    return static_cast<double>(data[index * static_cast<std::uint64_t>(stride)]);
  }

  // Reads the table at a real position x, 0 <= x < frames.
  // Mode 0 truncates, mode 1 interpolates linearly towards the next entry
  // (the last entry towards entry 0), any other mode reads silence.
  // Positions outside [0, frames) are clamped to the table's ends, so no
  // value of x reads outside it: rounding can produce x == frames, and a
  // NaN position reads entry 0.
  double read(double x, int mode) const {
    if (mode != 0 && mode != 1) return 0.0;
    const double last = static_cast<double>(frames - 1);
    std::uint64_t i;
    if (x >= 0.0 && x < last) {
      i = static_cast<std::uint64_t>(x);
    } else {
      if (!(x >= 0.0)) x = 0.0;
      i = static_cast<std::uint64_t>(frames - 1);
      if (x < last) i = static_cast<std::uint64_t>(x);
      else if (x > static_cast<double>(frames)) x = static_cast<double>(frames);
    }
    const double a = at(i);
    if (mode == 0) return a;
    const std::uint64_t j = i + 1 >= static_cast<std::uint64_t>(frames) ? 0 : i + 1;
    return (at(j) - a) * (x - static_cast<double>(i)) + a;
  }
};
