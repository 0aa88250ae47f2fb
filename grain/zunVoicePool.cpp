#include "zunVoicePool.h"

zunVoicePool::zunVoicePool(int count, double sampleRate)
    : overlappingFactor(count),
      voices(new zunGrain*[count]),
      gainLeft(new double[count]()),
      gainRight(new double[count]()),
      grainOffset(new int[count]()) {
  for (int i = 0; i < count; ++i) voices[i] = new zunGrain(sampleRate);
}

zunVoicePool::~zunVoicePool() {
  for (int i = 0; i < overlappingFactor; ++i) delete voices[i];
  delete[] voices;
  delete[] gainLeft;
  delete[] gainRight;
  delete[] grainOffset;
}

int zunVoicePool::firstIdle() const {
  for (int i = 0; i < overlappingFactor; ++i)
    if (!voices[i]->getStatus()) return i;
  return -1;
}

int zunVoicePool::countActive() const {
  int active = 0;
  for (int i = 0; i < overlappingFactor; ++i) active += voices[i]->getStatus() ? 1 : 0;
  return active;
}

void zunVoicePool::trigger() {
  const int i = firstIdle();
  if (i >= 0) voices[i]->trigger();
}

void zunVoicePool::setInterpMode(int mode) {
  for (int i = 0; i < overlappingFactor; ++i) voices[i]->setInterpMode(mode);
}

void zunVoicePool::setInvert(int invert) {
  for (int i = 0; i < overlappingFactor; ++i) voices[i]->setInvert(invert);
}

void zunVoicePool::setAbsoluteSR(double sampleRate) {
  for (int i = 0; i < overlappingFactor; ++i) voices[i]->setAbsoluteSR(sampleRate);
}
