#pragma once

#include <vector>

#include "zunGrain.h"

// Renders `count` samples of a voice with the plain routine, or the
// glissando or pulsar routine, into a fresh vector.
enum class Routine { plain, glisson, pulsar };

inline std::vector<double> renderVoice(zunGrain& voice, Routine routine, int count,
                                       std::vector<float>& wave, std::vector<float>& window,
                                       std::vector<float>* wave2 = nullptr) {
  std::vector<double> out(count, -1.0);
  const long long n = static_cast<long long>(wave.size());
  const long long w = static_cast<long long>(window.size());
  switch (routine) {
    case Routine::plain:
      voice.Processing(out.data(), count, n, w, wave.data(), window.data());
      break;
    case Routine::glisson:
      voice.Processing_1(out.data(), count, n, w, wave.data(), window.data());
      break;
    case Routine::pulsar: {
      std::vector<float>& second = wave2 ? *wave2 : wave;
      voice.Processing_2(out.data(), count, n, w, static_cast<long long>(second.size()),
                         wave.data(), window.data(), second.data());
      break;
    }
  }
  return out;
}

// A sounding voice at rate 1 Hz whose wave advances by `increment` of the
// table per sample, amplitude 1, lasting far longer than any test renders.
// Moves a voice's grain to `grainPosition` with its read at `phase`.
inline void place(zunGrain& v, double grainPosition, double phase) {
  zunGrainRunning r = v.running();
  r.grainPosition = grainPosition;
  r.phase = phase;
  v.setRunning(r);
}

inline zunGrain steadyVoice(double increment) {
  zunGrain voice(1.0);
  voice.setParameters(1.0, increment, 0.0, 1e6);
  voice.start();
  return voice;
}
