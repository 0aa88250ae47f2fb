#include "zunWorkBuffers.h"

zunWorkBuffers::zunWorkBuffers(unsigned int frames)
    : size(0),
      grainBuffer(nullptr),
      leftBuffer(nullptr),
      rightBuffer(nullptr),
      rows(),
      rowStorage(nullptr),
      rowCount(zunGroupLanes()) {
  setBufferSize(frames);
}

zunWorkBuffers::~zunWorkBuffers() {
  delete[] grainBuffer;
  delete[] leftBuffer;
  delete[] rightBuffer;
  delete[] rowStorage;
}

void zunWorkBuffers::setBufferSize(unsigned int frames) {
  // A buffer of no frames could never make progress through a vector.
  if (frames == 0) frames = 1;
  delete[] grainBuffer;
  delete[] leftBuffer;
  delete[] rightBuffer;
  delete[] rowStorage;
  grainBuffer = new double[frames]();
  leftBuffer = new double[frames]();
  rightBuffer = new double[frames]();
  rowStorage = new double[static_cast<size_t>(frames) * rowCount]();
  for (int r = 0; r < rowCount; ++r) rows[r] = rowStorage + static_cast<size_t>(frames) * r;
  size = frames;
}
