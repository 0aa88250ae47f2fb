// Cost of the group renderer alone: one full group of sounding voices (as
// many as this processor renders at once), mixed into a stereo block, with
// no scheduling and no voice starting or ending.

#include <benchmark/benchmark.h>

#include <vector>

#include "bench_tables.h"
#include "zunVoiceGroup.h"

using namespace zunbench;

namespace {

constexpr double kEndlessSeconds = 1e6;

void BM_Group(benchmark::State& state, bool morph, bool cubic) {
  Tables& t = tables();
  const int lanes = zunGroupLanes();
  std::vector<zunGrain> voices(lanes, zunGrain(kSampleRate));
  zunGroup group;
  group.count = lanes;
  for (int v = 0; v < lanes; ++v) {
    zunGrain& voice = voices[v];
    voice.setParameters(0.5, morph ? 220.0 + 10.0 * v : kSampleRate / kSampleFrames, 0.0,
                        kEndlessSeconds);
    voice.setInterpMode(1);
    voice.setCubic(cubic);
    voice.setMorph(0.5);
    voice.setGlisson(1.0 / 12.0);
    voice.setEnvelopeDeformation(0.125, 0.125);
    voice.start();
    zunGrainRunning placed = voice.running();
    placed.grainPosition = 0.1 * v / lanes;  // some lanes in the attack, some not
    placed.phase = 0.25 + 0.01 * v;
    voice.setRunning(placed);
    group.voices[v] = &voice;
    group.offsets[v] = 0;
    group.gainLeft[v] = 0.5;
    group.gainRight[v] = 0.5;
  }
  const zunRenderJob job = morph ? zunRenderJob{true,
                                                {t.sine.data(), kTableFrames, 1},
                                                {t.hann.data(), kTableFrames, 1},
                                                {t.saw.data(), kTableFrames, 1}}
                                 : zunRenderJob{false,
                                                {t.noise.data(), kSampleFrames, 1},
                                                {t.hann.data(), kTableFrames, 1},
                                                {t.noise.data(), kSampleFrames, 1}};
  double left[kVector] = {}, right[kVector] = {};
  for (auto _ : state) {
    zunRenderGroup(job, cubic ? zunCubicRead : 1, group, kVector, left, right);
    benchmark::ClobberMemory();
  }
  for (const zunGrain& voice : voices)
    if (!voice.getStatus()) state.SkipWithError("a grain ended inside the timed loop");
  state.counters["lanes"] = lanes;
  state.counters["ns_per_voice_sample"] = benchmark::Counter(
      kVector * lanes * 1e-9,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(BM_Group, pulsar, true, false);
BENCHMARK_CAPTURE(BM_Group, sample, false, false);
BENCHMARK_CAPTURE(BM_Group, pulsar_cubic, true, true);
BENCHMARK_CAPTURE(BM_Group, sample_cubic, false, true);

}  // namespace
