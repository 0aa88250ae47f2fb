// Cost of one grain voice's render routines, per output sample, with the
// voice sounding for the whole run.

#include <benchmark/benchmark.h>

#include "bench_tables.h"
#include "zunGrain.h"

using namespace zunbench;

namespace {

// Long enough that no run reaches the grain's end (about 11 days of audio).
constexpr double kEndlessSeconds = 1e6;

void reportPerSample(benchmark::State& state, const zunGrain& voice) {
  if (!voice.getStatus()) {
    state.SkipWithError("the grain ended inside the timed loop");
    return;
  }
  state.counters["ns_per_voice_sample"] = benchmark::Counter(
      kVector * 1e-9,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The pulsar routine as the pulsar engine drives it: two wave tables morphed
// half-way, deformed window (attack and decay 0.125), glissando on.
void voiceMorph(benchmark::State& state, bool cubic) {
  Tables& t = tables();
  zunGrain voice(kSampleRate);
  voice.setParameters(0.5, 220.0, 0.0, kEndlessSeconds);
  voice.setInterpMode(static_cast<int>(state.range(0)));
  voice.setCubic(cubic);
  voice.setMorph(0.5);
  voice.setGlisson(1.0 / 12.0);
  voice.setEnvelopeDeformation(0.125, 0.125);
  voice.start();
  double out[kVector];
  for (auto _ : state) {
    voice.Processing_2(out, kVector, kTableFrames, kTableFrames, kTableFrames, t.sine.data(),
                       t.hann.data(), t.saw.data());
    benchmark::ClobberMemory();
  }
  reportPerSample(state, voice);
}
void BM_VoiceMorph(benchmark::State& state) { voiceMorph(state, false); }
void BM_VoiceMorphCubic(benchmark::State& state) { voiceMorph(state, true); }
BENCHMARK(BM_VoiceMorph)->ArgName("interp")->Arg(0)->Arg(1);
BENCHMARK(BM_VoiceMorphCubic)->ArgName("interp")->Arg(1);

// The sample routine as the sample engine drives it: a 10 s sample read at
// its own rate, plain window.
void voiceSample(benchmark::State& state, bool cubic) {
  Tables& t = tables();
  zunGrain voice(kSampleRate);
  voice.setParameters(0.5, kSampleRate / static_cast<double>(kSampleFrames), 0.25,
                      kEndlessSeconds);
  voice.setInterpMode(static_cast<int>(state.range(0)));
  voice.setCubic(cubic);
  voice.start();
  double out[kVector];
  for (auto _ : state) {
    voice.Processing(out, kVector, kSampleFrames, kTableFrames, t.noise.data(), t.hann.data());
    benchmark::ClobberMemory();
  }
  reportPerSample(state, voice);
}
void BM_VoiceSample(benchmark::State& state) { voiceSample(state, false); }
void BM_VoiceSampleCubic(benchmark::State& state) { voiceSample(state, true); }
BENCHMARK(BM_VoiceSample)->ArgName("interp")->Arg(0)->Arg(1);
BENCHMARK(BM_VoiceSampleCubic)->ArgName("interp")->Arg(1);

}  // namespace
