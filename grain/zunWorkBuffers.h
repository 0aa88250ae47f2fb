#pragma once

#include <algorithm>

#include "zunVoicePool.h"

// The three work buffers of an engine (one voice's block, the left and the
// right mix) and the block cycle that uses them: schedule the block's grain
// starts, render and mix every sounding voice, copy the mix out.
class zunWorkBuffers {
 public:
  explicit zunWorkBuffers(unsigned int frames);
  ~zunWorkBuffers();
  zunWorkBuffers(const zunWorkBuffers&) = delete;
  zunWorkBuffers& operator=(const zunWorkBuffers&) = delete;

  void setBufferSize(unsigned int frames);

  // Renders a host vector of any length into outs[0] (left) and outs[1]
  // (right). A vector longer than the buffers is rendered as consecutive
  // blocks that fit, just as the host would at a smaller vector size.
  // schedule(n) decides the grain starts of an n-sample block in `pool`.
  template <class Schedule>
  void run(long sampleFrames, double** outs, zunVoicePool& pool, Schedule schedule,
           const zunRenderJob& job, const zunBlockLevels& levels = zunBlockLevels()) {
    for (long done = 0; done < sampleFrames;) {
      const int n = static_cast<int>(std::min<long>(sampleFrames - done, size));
      // The voice buffer needs no clearing: a voice writes every sample it mixes.
      pool.beginBlock({n, &job, &levels, grainBuffer, leftBuffer, rightBuffer});
      schedule(n);
      if (pool.finishBlock()) {
        std::copy(leftBuffer, leftBuffer + n, outs[0] + done);
        std::copy(rightBuffer, rightBuffer + n, outs[1] + done);
      } else {
        std::fill(outs[0] + done, outs[0] + done + n, 0.0);
        std::fill(outs[1] + done, outs[1] + done + n, 0.0);
      }
      done += n;
    }
  }

  static void silence(long sampleFrames, double** outs) {
    if (sampleFrames <= 0) return;
    std::fill(outs[0], outs[0] + sampleFrames, 0.0);
    std::fill(outs[1], outs[1] + sampleFrames, 0.0);
  }

  unsigned int size;
  double* grainBuffer;
  double* leftBuffer;
  double* rightBuffer;
};
