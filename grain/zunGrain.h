#pragma once

#include <limits>
#include <optional>

#include "zunTable.h"

// Every value a grain starts with, as the engines give them. The defaults
// are those of a voice never given them.
struct zunGrainStart {
  double amplitude = 0.0;
  double frequency = 0.0;   // Hz, negative for a read backwards
  double phase = 0.0;       // where the read starts, 0 to 1
  double length = 0.0;      // seconds
  double glisson = 0.0;     // the frequency ends at (1 + glisson) times its start
  double morph = 0.0;       // the second wave table's weight
  double attack = 0.5;      // see setEnvelopeDeformation
  double decay = 0.5;
  bool shapedWindow = false;
  double lead = 0.0;        // see startEarly
  std::optional<double> partialLimit;  // none: the voice keeps the one it had
};

// What a grain latches at its start, or a message sets between grains.
// These member names, with zunGrainRunning's, are the voice's fixed names.
// The pool reads the read mode and the window's shape of every voice each
// block: they come first, next to the running state's status.
struct zunGrainLatched {
  int interpMode = 0;           // 0 plain, 1 linear; any other reads silence
  bool shapedWindow = false;    // see setShapedWindow
  bool cubic = false;           // see setCubic
  double phaseIncrement = 0.0;  // frequency / absoluteSR: the phase's step per sample
  double absoluteSR = 44100.0;  // the sample rate, Hz
  double grainIncrement = 0.0;  // 1 / length / absoluteSR: the position's step per sample
  double glisson = 0.0;         // the frequency ends at (1 + glisson) times its start
  // Until deformed, the envelope reads the window once across the grain,
  // exactly as the plain render routines do: half the grain for each half.
  double attack = 0.5;          // where the deformed window's sustain begins
  double decay = 0.5;           // the decay's share of the grain
  double sustain = 0.0;         // 1 - attack - decay
  double amplitude = 0.0;       // the gain of every sample
  double length = 0.0;          // seconds
  double frequency = 0.0;       // Hz
  double morph = 0.0;           // the second wave table's weight
  double direction = 1.0;       // -1 for the sample routine read backwards
  double partialLimit = std::numeric_limits<double>::infinity();  // see setPartialLimit
};

// What a grain runs on, sample by sample; status last, next to the
// latched values the pool reads with it.
struct zunGrainRunning {
  double phase = 0.0;           // the read's place in the wave table, 0 to 1
  double windowPosition = 0.0;  // the deformed window's last position read
  double grainPosition = 0.0;   // how far the grain has run, 0 to 1
  bool status = false;          // sounding
};

// One grain voice: a one-shot oscillator that reads a wave table cyclically
// at `frequency` for `length` seconds, shaped by a window read once across
// the grain and scaled by `amplitude`. The voice owns no tables; each render
// call borrows them for that call.
// Processing, Processing_1 and Processing_2 step the grain by the rule of
// zunGrainStep-inl.h, which the group renderer shares; their reads and products
// are written again, to the bit, in the group renderer (zunVoiceGroup.cpp)
// and the tests' plain rendering (tests/core/reference_voice.h) writes the
// whole voice again. Change them together; the Group and Reference tests
// fail on any difference.
class zunGrain {
 public:
  explicit zunGrain(double sampleRate);
  ~zunGrain() {}

  void setParameters(double amplitude, double frequency, double phase, double length);
  void setAmplitude(double amplitude);
  void setMorph(double morph);
  void setGlisson(double glisson);
  void setAbsoluteSR(double sampleRate);
  void setInterpMode(int mode);
  // Reads every table with four-point cubic interpolation while interpMode
  // is 0 or 1; other modes stay silent.
  void setCubic(bool on);
  void setInvert(int invert);
  void setFrequency(double frequency);
  void setLength(double length);
  void setEnvelopeDeformation(double attack, double decay);
  // Whether the sample routine reads the window deformed by attack and
  // decay, as the pulsar routine always does.
  void setShapedWindow(bool on) { values.shapedWindow = on; }
  void trigger();
  void start();
  // Takes the values of a grain started now, in the order their setters
  // depend on each other: the increments first, startEarly after them.
  void latch(const zunGrainStart& grain);
  // For a grain that has just started `lead` of a sample (0 to 1) before the
  // moment it is due: moves its position and phase back by that much, so
  // that its samples are those of a grain started between two samples.
  void startEarly(double lead);
  // The partials of a wave table that stay below half the sample rate over
  // the whole grain: partial h does while h < limit. Band-limited renders
  // read the wave tables' level that fits; it is infinite until set.
  void setPartialLimit(double limit);
  void setStatus(bool status);
  bool getStatus() const { return state.status; }
  // The values the grain latched, and where it has got to.
  const zunGrainLatched& latched() const { return values; }
  const zunGrainRunning& running() const { return state; }
  // For a renderer of the voice's samples other than its own (the group
  // renderer), or a test that places a grain: where the grain has got to.
  void setRunning(const zunGrainRunning& running) { state = running; }

  // Render `count` samples into out[0 .. count-1].
  // Sample engine: direction, plain window (deformed while shapedWindow).
  void Processing(double* out, int count, const zunTable& wave, const zunTable& window);
  // Glissando, plain window.
  void Processing_1(double* out, int count, const zunTable& wave, const zunTable& window);
  // Pulsar engine: glissando, deformed window, morph of two wave tables.
  void Processing_2(double* out, int count, const zunTable& wave1, const zunTable& window,
                    const zunTable& wave2);
  // The same with each table given as its length, its first float and its
  // stride, the distance in floats between consecutive frames (1 for a mono
  // buffer).
  void Processing(double* out, int count, long long waveLength, long long windowLength,
                  float* wave, float* window, long long waveStride = 1,
                  long long windowStride = 1);
  void Processing_1(double* out, int count, long long waveLength, long long windowLength,
                    float* wave, float* window, long long waveStride = 1,
                    long long windowStride = 1);
  void Processing_2(double* out, int count, long long wave1Length, long long windowLength,
                    long long wave2Length, float* wave1, float* window, float* wave2,
                    long long wave1Stride = 1, long long windowStride = 1,
                    long long wave2Stride = 1);

 private:
  // In this order what the pool reads of a voice each block (the status,
  // the read mode, the window's shape) lies within 16 bytes.
  zunGrainRunning state;
  zunGrainLatched values;

  template <int Variant, int Mode>
  void renderIn(double* out, int count, const zunTable wave1, const zunTable window,
                const zunTable wave2);
  template <int Variant>
  void render(double* out, int count, const zunTable& wave1, const zunTable& window,
              const zunTable& wave2);
  void updateGrainIncrement();
};

// An attack or decay of x, as the engines take it: x/2 of the grain, up to
// half of it.
double zunEnvelopePart(double x);

// Brings a phase that one wrap could not hold back into [0, 1].
double zunWrapPhase(double phase);
