// Cost of one vector of an engine with a few voices sounding, which should
// be in proportion to them, down to none: with the grain stream off, only
// the per-vector work remains (the guard against message threads and the
// scheduling pass). The time column is ns per vector.

#include <benchmark/benchmark.h>

#include "bench_engine.h"

using namespace zunbench;

namespace {

// `voices` voices that keep sounding: grains of a million seconds, started
// one a vector until that many sound, then the stream is switched off.
template <class Engine>
void BM_Sounding(benchmark::State& state) {
  const int voices = static_cast<int>(state.range(0));
  Engine engine(kPoolVoices, kSampleRate);
  engine.setSeed(1);
  engine.setInterp(1);
  engine.setWidth(1.0);
  engine.setLength(1e9);
  engine.setDensity(kSampleRate / kVector);
  engine.setToggle(voices > 0 ? 1 : 0);
  Stereo out;
  while (engine.getNumOscActive() < voices) renderVector(engine, out);
  engine.setToggle(0);
  for (auto _ : state) {
    renderVector(engine, out);
    benchmark::ClobberMemory();
  }
  if (engine.getNumOscActive() != voices) state.SkipWithError("the voice count changed");
  state.counters["voices"] = voices;
  if (voices > 0)
    state.counters["ns_per_voice_sample"] = benchmark::Counter(
        voices * kVector * 1e-9,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  reportRealtime(state);
}
BENCHMARK_TEMPLATE(BM_Sounding, zunBurst)
    ->ArgName("voices")->DenseRange(0, 8)->Arg(16)->Arg(32)->Arg(64)->Arg(128);
BENCHMARK_TEMPLATE(BM_Sounding, zunCloud)
    ->ArgName("voices")->DenseRange(0, 8)->Arg(16)->Arg(32)->Arg(64)->Arg(128);

}  // namespace
