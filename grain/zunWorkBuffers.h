#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "zunRelaxed.h"
#include "zunSharedPool.h"
#include "zunVoicePool.h"

// The mix buffers of a multichannel output: one for each channel, then the
// spare that takes what no channel does.
struct zunChannelMix {
  zunChannelMix(int count, unsigned int frames);
  int count;
  std::vector<double> storage;
  std::vector<double*> buffers;
};

// The three work buffers of an engine (one voice's block, the left and the
// right mix) and the block cycle that uses them: schedule the block's grain
// starts, render and mix every sounding voice, copy the mix out. With a
// channel count set, the block is mixed into that many channels instead.
class zunWorkBuffers {
 public:
  explicit zunWorkBuffers(unsigned int frames);
  ~zunWorkBuffers();
  zunWorkBuffers(const zunWorkBuffers&) = delete;
  zunWorkBuffers& operator=(const zunWorkBuffers&) = delete;

  // Neither may run while a block renders.
  void setBufferSize(unsigned int frames);
  // From the next block on, `count` channels (0: the stereo pair). The
  // buffers are made on the calling thread, and swapped in while `pool`
  // renders no block.
  void setChannels(int count, zunSharedPool& pool);
  // The channel count in force, 0 for the stereo pair.
  int channelCount() const { return inForce; }

  // Renders a host vector of any length into outs[0] (left) and outs[1]
  // (right), or with channels into outs[0] to outs[numOuts - 1], those past
  // the count silent. A vector longer than the buffers is rendered as
  // consecutive blocks that fit, just as the host would at a smaller vector
  // size. schedule(n) decides the grain starts of an n-sample block in `pool`.
  template <class Schedule>
  void run(long sampleFrames, double** outs, long numOuts, zunVoicePool& pool, Schedule schedule,
           const zunRenderJob& job, const zunBlockLevels& levels = zunBlockLevels()) {
    if (channels) return runChannels(sampleFrames, outs, numOuts, pool, schedule, job, levels);
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

  // The outputs run() writes, all silent.
  void silence(long sampleFrames, double** outs, long numOuts) const {
    if (sampleFrames <= 0) return;
    const long count = inForce > 0 ? numOuts : 2;
    for (long o = 0; o < count; ++o) std::fill(outs[o], outs[o] + sampleFrames, 0.0);
  }

  unsigned int size;
  double* grainBuffer;
  double* leftBuffer;
  double* rightBuffer;

 private:
  template <class Schedule>
  void runChannels(long sampleFrames, double** outs, long numOuts, zunVoicePool& pool,
                   Schedule schedule, const zunRenderJob& job, const zunBlockLevels& levels) {
    const zunChannelMix& mix = *channels;
    for (long done = 0; done < sampleFrames;) {
      const int n = static_cast<int>(std::min<long>(sampleFrames - done, size));
      pool.beginBlock({n, &job, &levels, grainBuffer, leftBuffer, rightBuffer, mix.buffers.data(),
                       mix.count});
      schedule(n);
      const bool sounded = pool.finishBlock();
      for (long o = 0; o < numOuts; ++o) {
        if (sounded && o < mix.count) std::copy(mix.buffers[o], mix.buffers[o] + n, outs[o] + done);
        else std::fill(outs[o] + done, outs[o] + done + n, 0.0);
      }
      done += n;
    }
  }

  std::unique_ptr<zunChannelMix> channels;
  zunRelaxed<int> inForce{0};  // the count of `channels`, for any thread
};
