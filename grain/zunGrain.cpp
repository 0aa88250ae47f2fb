#include "zunGrain.h"

#include <cmath>
#include <limits>

#include "zunGrainStep-inl.h"

using zunSimd::HWY_NAMESPACE::zunGrainStep;
using zunSimd::HWY_NAMESPACE::zunScalarLanes;
using zunSimd::HWY_NAMESPACE::zunStepChecks;
using zunSimd::HWY_NAMESPACE::zunStepOf;
using zunSimd::HWY_NAMESPACE::zunStepParameters;
using zunSimd::HWY_NAMESPACE::zunStepState;

namespace {

enum Variant { plainVariant, glissonVariant, morphVariant, shapedPlainVariant };

// The sample routine with its window deformed as the pulsar routine's is.
constexpr bool deformsWindow(int v) { return v == morphVariant || v == shapedPlainVariant; }
constexpr bool stepsPlainly(int v) { return v == plainVariant || v == shapedPlainVariant; }

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

zunGrain::zunGrain(double sampleRate) {
  values.absoluteSR = sampleRate;
  setParameters(0.5, 440.0, 0.0, 85.0);
}

void zunGrain::setParameters(double amplitude_, double frequency_, double phase_,
                             double length_) {
  values.amplitude = amplitude_;
  values.frequency = frequency_;
  values.phaseIncrement = frequency_ / values.absoluteSR;
  state.phase = startPhase(phase_);
  values.length = length_;
  updateGrainIncrement();
}

void zunGrain::setAmplitude(double amplitude_) { values.amplitude = amplitude_; }

void zunGrain::setMorph(double morph_) { values.morph = morph_; }

void zunGrain::setGlisson(double glisson_) { values.glisson = glisson_; }

void zunGrain::setAbsoluteSR(double sampleRate) {
  if (!(sampleRate > 0.0)) return;
  values.absoluteSR = sampleRate;
  values.phaseIncrement = values.frequency / sampleRate;
  state.phase = startPhase(state.phase);
  updateGrainIncrement();
}

void zunGrain::setInterpMode(int mode) { values.interpMode = mode; }

void zunGrain::setCubic(bool on) { values.cubic = on; }

void zunGrain::setInvert(int invert) { values.direction = invert == 1 ? -1.0 : 1.0; }

void zunGrain::setFrequency(double frequency_) {
  values.frequency = frequency_;
  values.phaseIncrement = frequency_ / values.absoluteSR;
}

void zunGrain::setLength(double length_) {
  values.length = length_;
  updateGrainIncrement();
}

void zunGrain::setEnvelopeDeformation(double attack_, double decay_) {
  values.attack = attack_;
  values.decay = decay_;
  values.sustain = 1.0 - (attack_ + decay_);
}

double zunEnvelopePart(double x) { return std::fabs(x) > 1.0 ? 0.5 : std::fabs(x) * 0.5; }

void zunGrain::trigger() {
  state.grainPosition = 0.0;
  state.phase = 0.0;
  state.status = true;
}

void zunGrain::start() {
  if (state.status) return;
  trigger();
}

void zunGrain::latch(const zunGrainStart& grain) {
  setParameters(grain.amplitude, grain.frequency, grain.phase, grain.length);
  setGlisson(grain.glisson);
  setMorph(grain.morph);
  setEnvelopeDeformation(grain.attack, grain.decay);
  setShapedWindow(grain.shapedWindow);
  startEarly(grain.lead);
  if (grain.partialLimit) setPartialLimit(*grain.partialLimit);
}

void zunGrain::setStatus(bool status_) { state.status = status_; }

// The phase moves as the plain routine moves it; a glissando's factor is 1
// at the grain's start, so the glissando routines' first fraction of a
// step is the same. A grain that ends at its first sample stays as it is.
void zunGrain::startEarly(double lead) {
  if (!(lead > 0.0) || !(values.grainIncrement < 1.0)) return;
  state.grainPosition -= lead * values.grainIncrement;
  state.phase = zunWrapPhase(state.phase - lead * values.phaseIncrement * values.direction);
}

void zunGrain::setPartialLimit(double limit) { values.partialLimit = limit; }

// 1 / length / rate, except that a grain must always end: a length that is
// not positive (or NaN) ends the grain at its first sample, as a length of 0
// does, and a vanishing advance is raised to the smallest one that ends.
void zunGrain::updateGrainIncrement() {
  const double increment = 1.0 / values.length / values.absoluteSR;
  if (increment >= minimumGrainIncrement) {
    values.grainIncrement = increment;
  } else {
    values.grainIncrement = values.length > 0.0 ? minimumGrainIncrement
                                   : std::numeric_limits<double>::infinity();
  }
}

// A phase that one wrap could not hold comes from an advance of a whole table
// or more per sample, or from a NaN or infinite one.
double zunWrapPhase(double phase) {
  if (!std::isfinite(phase)) return 0.0;
  return phase - std::floor(phase);
}

// For the instruction set the step rule is compiled for (on arm64 it
// differs from the default), so that the rule inlines into the loop.
template <int Variant, int Mode>
HWY_ATTR void zunGrain::renderIn(double* out, int count, const zunTable wave1,
                                 const zunTable window, const zunTable wave2) {
  using Step = zunGrainStep<zunScalarLanes, !stepsPlainly(Variant), deformsWindow(Variant)>;
  // Every member the loop reads is copied first, the tables too: `out` may
  // alias any double, so the compiler would otherwise reload each of them
  // every sample.
  const zunGrainLatched& v = values;
  const zunStepParameters<zunScalarLanes> p = zunStepOf(v, !stepsPlainly(Variant));
  const double wave1Weight = 1.0 - v.morph;
  const double wave2Weight = v.morph;
  const double gain = v.amplitude;
  const double wave1Frames = static_cast<double>(wave1.frames);
  const double wave2Frames = static_cast<double>(wave2.frames);
  const double windowFrames = static_cast<double>(window.frames);
  double position = state.grainPosition;
  double phase = state.phase;
  double windowPosition = state.windowPosition;
  bool sounding = state.status;

  // The step's pieces in a loop of their own: for one voice, a branch at the
  // end costs fewer instructions than carrying the step's masks.
  for (int i = 0; i < count; ++i) {
    position += p.increment;
    if (position >= 1.0) {
      sounding = false;
      out[i] = 0.0;
      continue;
    }
    if (deformsWindow(Variant)) windowPosition = Step::template window<true>(p, position, true);
    const double windowAt = deformsWindow(Variant) ? windowPosition : position;
    phase = Step::wrapStray(Step::template wrapOnce<false>(Step::advancedPhase(p, phase, position)),
                            true);
    if (Mode != 0 && Mode != 1 && Mode != zunCubicRead) {
      // No read: silence, formed as a read's product is, so a gain's sign or NaN shows alike.
      out[i] = (0.0 * 0.0) * gain;
      continue;
    }
    double waveValue = wave1.read<Mode>(phase * wave1Frames);
    if (Variant == morphVariant)
      waveValue = wave1Weight * waveValue + wave2Weight * wave2.read<Mode>(phase * wave2Frames);
    out[i] = (window.read<Mode>(windowAt * windowFrames) * waveValue) * gain;
  }

  state.grainPosition = position;
  state.phase = phase;
  if (deformsWindow(Variant)) state.windowPosition = windowPosition;
  state.status = sounding;
}

template <int Variant>
void zunGrain::render(double* out, int count, const zunTable& wave1, const zunTable& window,
                      const zunTable& wave2) {
  // A missing table reads silence, as any mode other than 0 and 1 does.
  const bool noTable = wave1.empty() || window.empty() || (Variant == morphVariant && wave2.empty());
  const int mode = noTable ? -1 : values.interpMode;
  if (values.cubic && (mode == 0 || mode == 1))
    renderIn<Variant, zunCubicRead>(out, count, wave1, window, wave2);
  else if (mode == 0) renderIn<Variant, 0>(out, count, wave1, window, wave2);
  else if (mode == 1) renderIn<Variant, 1>(out, count, wave1, window, wave2);
  else renderIn<Variant, -1>(out, count, wave1, window, wave2);
}

void zunGrain::Processing(double* out, int count, const zunTable& wave,
                          const zunTable& window) {
  if (values.shapedWindow) render<shapedPlainVariant>(out, count, wave, window, wave);
  else render<plainVariant>(out, count, wave, window, wave);
}

void zunGrain::Processing_1(double* out, int count, const zunTable& wave,
                            const zunTable& window) {
  render<glissonVariant>(out, count, wave, window, wave);
}

void zunGrain::Processing_2(double* out, int count, const zunTable& wave1,
                            const zunTable& window, const zunTable& wave2) {
  render<morphVariant>(out, count, wave1, window, wave2);
}

void zunGrain::Processing(double* out, int count, long long waveLength, long long windowLength,
                          float* wave, float* window, long long waveStride,
                          long long windowStride) {
  Processing(out, count, {wave, waveLength, waveStride}, {window, windowLength, windowStride});
}

void zunGrain::Processing_1(double* out, int count, long long waveLength,
                            long long windowLength, float* wave, float* window,
                            long long waveStride, long long windowStride) {
  Processing_1(out, count, {wave, waveLength, waveStride}, {window, windowLength, windowStride});
}

void zunGrain::Processing_2(double* out, int count, long long wave1Length,
                            long long windowLength, long long wave2Length, float* wave1,
                            float* window, float* wave2, long long wave1Stride,
                            long long windowStride, long long wave2Stride) {
  Processing_2(out, count, {wave1, wave1Length, wave1Stride},
               {window, windowLength, windowStride}, {wave2, wave2Length, wave2Stride});
}
