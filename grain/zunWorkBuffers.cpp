#include "zunWorkBuffers.h"

#include <utility>

zunChannelMix::zunChannelMix(int count, unsigned int frames)
    : count(count), storage(static_cast<size_t>(count + 1) * frames), buffers(count + 1) {
  for (int c = 0; c <= count; ++c) buffers[c] = storage.data() + static_cast<size_t>(c) * frames;
}

zunWorkBuffers::zunWorkBuffers(unsigned int frames)
    : size(0),
      grainBuffer(nullptr),
      leftBuffer(nullptr),
      rightBuffer(nullptr) {
  setBufferSize(frames);
}

zunWorkBuffers::~zunWorkBuffers() {
  delete[] grainBuffer;
  delete[] leftBuffer;
  delete[] rightBuffer;
}

void zunWorkBuffers::setBufferSize(unsigned int frames) {
  // A buffer of no frames could never make progress through a vector.
  if (frames == 0) frames = 1;
  delete[] grainBuffer;
  delete[] leftBuffer;
  delete[] rightBuffer;
  grainBuffer = new double[frames]();
  leftBuffer = new double[frames]();
  rightBuffer = new double[frames]();
  size = frames;
  if (channels) channels.reset(new zunChannelMix(channels->count, frames));
}

void zunWorkBuffers::setChannels(int count, zunSharedPool& pool) {
  if (count == channelCount()) return;
  std::unique_ptr<zunChannelMix> mix(count > 0 ? new zunChannelMix(count, size) : nullptr);
  pool.exclusive([&] {
    std::swap(mix, channels);
    inForce = count;
  });
}
