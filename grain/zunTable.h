#pragma once

// The read mode of a voice whose cubic switch is on. It is no interpolation
// mode: a voice's `interpMode` never selects it, so every mode other than 0
// and 1 stays silent.
constexpr int zunCubicRead = 3;

// One table as a voice reads it: 32-bit float frames in borrowed memory.
// `stride` is the distance in floats between consecutive frames, so the
// first channel of an interleaved multi-channel buffer reads as one table.
// The same value goes from the host through the engine, the pool and the
// group renderer to the read; a null `data` is a table the host could not
// resolve. `channels` and `rate` tell the buffer as its host has it, for the
// sample engine to choose a channel and a rate from; reads use neither.
struct zunTable {
  const float* data;
  long long frames;
  long long stride;
  long long channels = 1;  // interleaved within the stride
  double rate = 0.0;       // the buffer's own sample rate; 0 where the host tells none

  bool empty() const { return data == nullptr || frames <= 0 || stride < 1; }
  // Whether both read the same floats: the same memory, length and stride.
  bool sameFloats(const zunTable& t) const {
    return data == t.data && frames == t.frames && stride == t.stride;
  }

  double at(long long index) const { return static_cast<double>(data[index * stride]); }

  // Reads the table at a real position x, 0 <= x < frames: mode 0
  // truncates, mode 1 interpolates linearly towards the next entry (the
  // last entry towards entry 0), zunCubicRead with the four-point,
  // third-order Hermite curve through the entries before and after, which
  // wrap around the table's ends as the linear read does; other modes read
  // silence, which callers choose before reading.
  // Positions outside [0, frames) are clamped to the table's ends, so no
  // value of x reads outside it: rounding can produce x == frames, and a
  // NaN position reads entry 0. Indices are signed 64-bit: the clamp keeps
  // them non-negative, and signed conversions are single instructions.
  template <int Mode>
  double read(double x) const {
    const double last = static_cast<double>(frames - 1);
    long long i;
    if (x >= 0.0 && x < last) {
      i = static_cast<long long>(x);
    } else {
      if (!(x >= 0.0)) x = 0.0;
      i = frames - 1;
      if (x < last) i = static_cast<long long>(x);
      else if (x > static_cast<double>(frames)) x = static_cast<double>(frames);
    }
    const double a = at(i);
    if (Mode == 0) return a;
    const long long j = i + 1 >= frames ? 0 : i + 1;
    if (Mode == zunCubicRead) return hermite(i, j, x - static_cast<double>(i));
    return (at(j) - a) * (x - static_cast<double>(i)) + a;
  }

 private:
  // Between entries i and j = i + 1 (wrapped) at fraction f. The group
  // renderer does the same arithmetic in the same order (Table::hermite in
  // zunGroupTable-inl.h); the Group tests fail on any difference.
  double hermite(long long i, long long j, double f) const {
    const double before = at(i == 0 ? frames - 1 : i - 1);
    const double a = at(i);
    const double b = at(j);
    const double after = at(j + 1 >= frames ? 0 : j + 1);
    const double c1 = 0.5 * (b - before);
    const double c2 = before - 2.5 * a + 2.0 * b - 0.5 * after;
    const double c3 = 0.5 * (after - before) + 1.5 * (a - b);
    return ((c3 * f + c2) * f + c1) * f + a;
  }
};
