#include "zunVoicePool.h"

#include <algorithm>

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

void zunVoicePool::mix(int i, const double* samples, int n, double* left, double* right) {
  const int offset = grainOffset[i];
  const double gl = gainLeft[i];
  const double gr = gainRight[i];
  for (int k = 0; k < n - offset; ++k) {
    left[offset + k] += samples[k] * gl;
    right[offset + k] += samples[k] * gr;
  }
  grainOffset[i] = 0;
}

void zunVoicePool::renderAndMix(int n, const zunRenderJob& job, double* grainBuffer,
                                double* const* rows, int rowCount, double* left,
                                double* right) {
  const int lanes = std::min(zunGroupLanes(), rowCount);
  zunGrain* group[zunMaxGroupLanes];
  int members[zunMaxGroupLanes];
  int offsets[zunMaxGroupLanes];
  int size = 0;
  int mode = 0;
  const bool tablesFit = zunGroupRenders(job, 0);
  auto flush = [&] {
    if (size == 0) return;
    zunRenderGroup(job, mode, group, offsets, size, n, rows);
    for (int v = 0; v < size; ++v) mix(members[v], rows[v] + offsets[v], n, left, right);
    size = 0;
  };
  for (int i = 0; i < overlappingFactor; ++i) {
    zunGrain& voice = *voices[i];
    if (!voice.getStatus()) continue;
    const bool grouped = tablesFit && (voice.interpMode == 0 || voice.interpMode == 1);
    if (size > 0 && (!grouped || voice.interpMode != mode)) flush();
    if (!grouped) {
      job.render(voice, grainBuffer, n - grainOffset[i]);
      mix(i, grainBuffer, n, left, right);
      continue;
    }
    mode = voice.interpMode;
    group[size] = &voice;
    members[size] = i;
    offsets[size] = grainOffset[i];
    if (++size == lanes) flush();
  }
  flush();
}
