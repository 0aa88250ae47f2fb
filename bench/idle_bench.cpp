// Cost of one vector of an engine that sounds no voice: the grain stream is
// off, so only the per-vector work remains (the scheduling pass, clearing
// and copying the mix, and the walk over the 128 idle voices). The time
// column is ns per vector.

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

}  // namespace
