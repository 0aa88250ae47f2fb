#pragma once

#include "zunGrain.h"
#include "zunVoiceGroup.h"
#include "zunWaveLevels.h"

// An engine's voices and the mix state of the grain each one plays, as
// parallel arrays indexed by voice number.
class zunVoicePool {
 public:
  zunVoicePool(int count, double sampleRate);
  ~zunVoicePool();
  zunVoicePool(const zunVoicePool&) = delete;
  zunVoicePool& operator=(const zunVoicePool&) = delete;

  // The lowest-numbered idle voice, or -1 when every voice sounds.
  int firstIdle() const;
  int countActive() const;

  // Linear panning of voice i's grain: a manual position `width` (0 left,
  // 1 right), or a random offset `randomWidth` (0 to width) within the spread.
  void pan(int i, bool manual, double width, double randomWidth) {
    gainLeft[i] = manual ? 1.0 - width : (1.0 - width) + randomWidth;
    gainRight[i] = manual ? width : 1.0 - randomWidth;
  }

  // Starts the lowest idle voice by hand with whatever it last played.
  void trigger();
  void setInterpMode(int mode);
  void setCubic(bool on);
  void setInvert(int invert);
  void setAbsoluteSR(double sampleRate);

  // Renders every sounding voice and adds it with its two gains into `left`
  // and `right` from its start offset on, in voice order. Voices render
  // together in groups where the group renderer takes them, one by one into
  // `grainBuffer` otherwise; either way every sample and every sum is the
  // same. With band-limiting, each voice reads its wave tables' levels;
  // only voices reading the same levels render together.
  void renderAndMix(int n, const zunRenderJob& job, double* grainBuffer, double* left,
                    double* right, const zunBlockLevels& levels = zunBlockLevels());

  int overlappingFactor;
  zunGrain** voices;
  double* gainLeft;
  double* gainRight;
  int* grainOffset;
 private:
  void renderOne(int i, int n, const zunRenderJob& job, double* grainBuffer, double* left,
                 double* right);
  void mix(int i, const double* samples, int n, double* left, double* right);
};
