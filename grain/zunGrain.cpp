#include "zunGrain.h"

#include <cmath>
#include <limits>

namespace {

enum Variant { plainVariant, glissonVariant, morphVariant };

// The smallest per-sample advance of a grain: one that still moves a grain
// position near 1 by many ulps, so every grain ends, however long it was
// asked to be (about 230 days at 48 kHz).
constexpr double minimumGrainIncrement = 1e-12;

// A start phase is a magnitude capped at 1; a NaN starts at the table's head.
double startPhase(double phase) {
  const double magnitude = std::fabs(phase);
  if (magnitude <= 1.0) return magnitude;
  return magnitude > 1.0 ? 1.0 : 0.0;
}

}  // namespace

zunGrain::zunGrain(double sampleRate)
    : phase(0.0),
      phaseIncrement(0.0),
      absoluteSR(sampleRate),
      windowPosition(0.0),
      grainPosition(0.0),
      grainIncrement(0.0),
      glisson(0.0),
      interpMode(0),
      status(false),
      amplitude(0.0),
      length(0.0),
      frequency(0.0),
      morph(0.0),
      direction(1.0) {
  setParameters(0.5, 440.0, 0.0, 85.0);
}

void zunGrain::setParameters(double amplitude_, double frequency_, double phase_,
                             double length_) {
  amplitude = amplitude_;
  frequency = frequency_;
  phaseIncrement = frequency_ / absoluteSR;
  phase = startPhase(phase_);
  length = length_;
  updateGrainIncrement();
}

void zunGrain::setAmplitude(double amplitude_) { amplitude = amplitude_; }

void zunGrain::setMorph(double morph_) { morph = morph_; }

void zunGrain::setGlisson(double glisson_) { glisson = glisson_; }

void zunGrain::setAbsoluteSR(double sampleRate) {
  if (!(sampleRate > 0.0)) return;
  absoluteSR = sampleRate;
  phaseIncrement = frequency / sampleRate;
  phase = startPhase(phase);
  updateGrainIncrement();
}

void zunGrain::setInterpMode(int mode) { interpMode = mode; }

void zunGrain::setInvert(int invert) { direction = invert == 1 ? -1.0 : 1.0; }

void zunGrain::setFrequency(double frequency_) {
  frequency = frequency_;
  phaseIncrement = frequency_ / absoluteSR;
}

void zunGrain::setLength(double length_) {
  length = length_;
  updateGrainIncrement();
}

void zunGrain::setEnvelopeDeformation(double attack_, double decay_) {
  attack = attack_;
  decay = decay_;
  sustain = 1.0 - (attack_ + decay_);
}

void zunGrain::trigger() {
  grainPosition = 0.0;
  phase = 0.0;
  status = true;
}

void zunGrain::start() {
  if (status) return;
  trigger();
}

void zunGrain::setStatus(bool status_) { status = status_; }

// 1 / length / rate, except that a grain must always end: a length that is
// not positive (or NaN) ends the grain at its first sample, as a length of 0
// does, and a vanishing advance is raised to the smallest one that ends.
void zunGrain::updateGrainIncrement() {
  const double increment = 1.0 / length / absoluteSR;
  if (increment >= minimumGrainIncrement) {
    grainIncrement = increment;
  } else {
    grainIncrement = length > 0.0 ? minimumGrainIncrement
                                   : std::numeric_limits<double>::infinity();
  }
}

// Brings a phase that one wrap could not hold (an advance of a whole table or
// more per sample, or a NaN or infinite one) back into the table.
double zunGrain::wrapPhase(double phase) {
  if (!std::isfinite(phase)) return 0.0;
  return phase - std::floor(phase);
}

template <int Variant>
void zunGrain::render(double* out, int count, const zunTable& wave1, const zunTable& window,
                      const zunTable& wave2) {
  const bool noTable = wave1.empty() || window.empty() || (Variant == morphVariant && wave2.empty());
  // Any mode other than 0 and 1 reads silence; so does a missing table.
  const int mode = noTable ? -1 : interpMode;
  const double wave1Frames = static_cast<double>(wave1.frames);
  const double wave2Frames = static_cast<double>(wave2.frames);
  const double windowFrames = static_cast<double>(window.frames);
  double position = grainPosition;
  double ph = phase;
  double w = windowPosition;
  bool sounding = status;

  for (int i = 0; i < count; ++i) {
    position += grainIncrement;
    if (position >= 1.0) {
      sounding = false;
      out[i] = 0.0;
      continue;
    }
    if (Variant == morphVariant) {
      if (position < attack) w = position / attack * 0.5;
      else if (position < attack + sustain) w = 0.5;
      else w = (1.0 - position) / decay * (-0.5) + 1.0;
    } else {
      w = position;
    }
    if (Variant == plainVariant) {
      ph += phaseIncrement * direction;
    } else {
      const double d = (glisson * position + 1.0) * phaseIncrement;
      if (!(d > 1.0)) ph += d;
    }
    if (ph >= 1.0) ph -= 1.0;
    else if (ph < 0.0) ph += 1.0;
    if (!(ph >= 0.0 && ph <= 1.0)) ph = wrapPhase(ph);

    double waveValue;
    if (Variant == morphVariant) {
      waveValue = (1.0 - morph) * wave1.read(ph * wave1Frames, mode) +
                  morph * wave2.read(ph * wave2Frames, mode);
    } else {
      waveValue = wave1.read(ph * wave1Frames, mode);
    }
    const double windowValue = window.read(w * windowFrames, mode);
    out[i] = (windowValue * waveValue) * amplitude;
  }

  grainPosition = position;
  phase = ph;
  if (Variant == morphVariant) windowPosition = w;
  status = sounding;
}

void zunGrain::Processing(double* out, int count, long long waveLength, long long windowLength,
                          float* wave, float* window, long long waveStride,
                          long long windowStride) {
  const zunTable waveTable{wave, waveLength, waveStride};
  render<plainVariant>(out, count, waveTable, zunTable{window, windowLength, windowStride},
                       waveTable);
}

void zunGrain::Processing_1(double* out, int count, long long waveLength,
                            long long windowLength, float* wave, float* window,
                            long long waveStride, long long windowStride) {
  const zunTable waveTable{wave, waveLength, waveStride};
  render<glissonVariant>(out, count, waveTable, zunTable{window, windowLength, windowStride},
                         waveTable);
}

void zunGrain::Processing_2(double* out, int count, long long wave1Length,
                            long long windowLength, long long wave2Length, float* wave1,
                            float* window, float* wave2, long long wave1Stride,
                            long long windowStride, long long wave2Stride) {
  render<morphVariant>(out, count, zunTable{wave1, wave1Length, wave1Stride},
                       zunTable{window, windowLength, windowStride},
                       zunTable{wave2, wave2Length, wave2Stride});
}
