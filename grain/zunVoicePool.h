#pragma once

#include "zunGrain.h"

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
  void setInvert(int invert);
  void setAbsoluteSR(double sampleRate);

  // Renders every sounding voice, in voice order, into `grainBuffer` and adds
  // it with its two gains into `left` and `right` from its start offset on.
  // render(voice, out, count) is the engine's choice of render routine.
  template <class Render>
  void renderAndMix(int n, double* grainBuffer, double* left, double* right, Render render) {
    for (int i = 0; i < overlappingFactor; ++i) {
      if (!voices[i]->getStatus()) continue;
      const int offset = grainOffset[i];
      const int m = n - offset;
      render(*voices[i], grainBuffer, m);
      const double gl = gainLeft[i];
      const double gr = gainRight[i];
      for (int k = 0; k < m; ++k) {
        left[offset + k] += grainBuffer[k] * gl;
        right[offset + k] += grainBuffer[k] * gr;
      }
      grainOffset[i] = 0;
    }
  }

  int overlappingFactor;
  zunGrain** voices;
  double* gainLeft;
  double* gainRight;
  int* grainOffset;
};
