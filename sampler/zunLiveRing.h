#pragma once

#include <cmath>
#include <limits>
#include <memory>

#include "zunTable.h"

// The object's own input, recorded into a ring of a fixed number of frames
// at the output's rate. Made and freed on a message thread; written and
// read by the audio thread inside a block only.
class zunLiveRing {
 public:
  // A silent ring of `frames` frames.
  explicit zunLiveRing(long long frames)
      : samples(new float[static_cast<size_t>(frames)]()), frames(frames) {}

  long long length() const { return frames; }
  zunTable table() const { return {samples.get(), frames, 1}; }

  // Audio thread: n input samples (none connected: silence). A sample that
  // is no finite number is recorded as 0, so that it cannot sound for as
  // long as the ring holds it.
  void write(const double* in, long n) {
    for (long i = 0; i < n; ++i) {
      const double v = in ? in[i] : 0.0;
      samples[cursor] = std::fabs(v) <= largest ? static_cast<float>(v) : 0.0f;
      if (++cursor == frames) cursor = 0;
    }
  }

  // The newest frame at sample `offset` of a block that wrote `written`
  // samples before its grains started: the one that sample went to, or
  // while nothing is written (frozen) the last one written.
  long long newestAt(int offset, long written) const {
    const long long back = written > 0 ? static_cast<long long>(written) - offset : 1;
    return ((cursor - back) % frames + frames) % frames;
  }

 private:
  static constexpr double largest = std::numeric_limits<float>::max();
  std::unique_ptr<float[]> samples;
  long long frames;
  long long cursor = 0;  // the next frame written
};
