#include "zunWorkBuffers.h"

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
}
