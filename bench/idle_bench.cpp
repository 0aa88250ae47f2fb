// Cost of one vector of an engine that sounds no voice (the grain stream is
// off, so only the per-vector work remains: the guard against message
// threads and the scheduling pass), and of one that sounds a few voices,
// which should cost in proportion to them. The time column is ns per
// vector.

#include <benchmark/benchmark.h>

#include "bench_engine.h"
#include "zunBurst.h"
#include "zunCloud.h"

using namespace zunbench;

namespace {

template <class Engine>
void checkIdle(benchmark::State& state, const Engine& engine) {
  if (engine.getNumOscActive() != 0) state.SkipWithError("an idle engine sounded a voice");
  reportRealtime(state);
}

void BM_BurstIdle(benchmark::State& state) {
  Tables& t = tables();
  zunBurst engine(kPoolVoices, kSampleRate);
  engine.setSeed(1);
  engine.setInterp(1);
  Stereo out;
  for (auto _ : state) {
    engine.Processing(nullptr, 0, out.outs, 2, kVector, kTableFrames, kTableFrames, kTableFrames,
                      t.sine.data(), t.hann.data(), t.saw.data());
    benchmark::ClobberMemory();
  }
  checkIdle(state, engine);
}
BENCHMARK(BM_BurstIdle);

void BM_CloudIdle(benchmark::State& state) {
  Tables& t = tables();
  zunCloud engine(kPoolVoices, kSampleRate);
  engine.setSeed(1);
  engine.setInterp(1);
  Stereo out;
  for (auto _ : state) {
    engine.Processing(nullptr, 0, out.outs, 2, kVector, kSampleFrames, kTableFrames,
                      t.noise.data(), t.hann.data());
    benchmark::ClobberMemory();
  }
  checkIdle(state, engine);
}
BENCHMARK(BM_CloudIdle);

// `voices` voices that keep sounding: grains of a million seconds, started
// one a vector until that many sound, then the stream is switched off.
template <class Engine, class Render>
void runSounding(benchmark::State& state, Engine& engine, Render render) {
  const int voices = static_cast<int>(state.range(0));
  engine.setLength(1e9);
  engine.setDensity(kSampleRate / kVector);
  engine.setToggle(voices > 0 ? 1 : 0);
  while (engine.getNumOscActive() < voices) render();
  engine.setToggle(0);
  for (auto _ : state) {
    render();
    benchmark::ClobberMemory();
  }
  if (engine.getNumOscActive() != voices) state.SkipWithError("the voice count changed");
  state.counters["voices"] = voices;
  if (voices > 0)
    state.counters["ns_per_voice_sample"] = benchmark::Counter(
        voices * kVector * 1e-9,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_BurstSounding(benchmark::State& state) {
  Tables& t = tables();
  zunBurst engine(kPoolVoices, kSampleRate);
  engine.setSeed(1);
  engine.setInterp(1);
  engine.setMorph(0.5);
  engine.setWidth(1.0);
  Stereo out;
  runSounding(state, engine, [&] {
    engine.Processing(nullptr, 0, out.outs, 2, kVector, kTableFrames, kTableFrames, kTableFrames,
                      t.sine.data(), t.hann.data(), t.saw.data());
  });
}
BENCHMARK(BM_BurstSounding)->ArgName("voices")->DenseRange(0, 8)->Arg(16)->Arg(32)->Arg(64)->Arg(128);

void BM_CloudSounding(benchmark::State& state) {
  Tables& t = tables();
  zunCloud engine(kPoolVoices, kSampleRate);
  engine.setSeed(1);
  engine.setInterp(1);
  engine.setWidth(1.0);
  Stereo out;
  runSounding(state, engine, [&] {
    engine.Processing(nullptr, 0, out.outs, 2, kVector, kSampleFrames, kTableFrames,
                      t.noise.data(), t.hann.data());
  });
}
BENCHMARK(BM_CloudSounding)->ArgName("voices")->DenseRange(0, 8)->Arg(16)->Arg(32)->Arg(64)->Arg(128);

}  // namespace
