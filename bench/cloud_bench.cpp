// The sample engine at a steady load of about 8, 64 and 120 sounding voices,
// reading the sample at its own pitch and a fifth up (ratio 1.5).

#include <benchmark/benchmark.h>

#include <cmath>

#include "bench_engine.h"
#include "zunCloud.h"

using namespace zunbench;

namespace {

// Interpolating, grains from a quarter into a 10 s sample, random pan; and
// the same with one option beyond the engine's own on.
void cloudEngine(benchmark::State& state, double ratio, Option option) {
  zunCloud engine(kPoolVoices, kSampleRate);
  engine.setSubsample(option == Option::subsample);
  engine.setCubic(option == Option::cubic);
  engine.setSeed(1);
  engine.setDensity(densityFor(static_cast<int>(state.range(0))));
  engine.setLength(kGrainMs);
  engine.setPitch(12.0 * std::log2(ratio));
  engine.setPhase(0.25);
  engine.setInterp(1);
  engine.setWidth(1.0);
  engine.setToggle(1);
  Stereo out;
  runSteadyState(state, engine, [&] { renderVector(engine, out); });
}
void BM_CloudEngine(benchmark::State& state, double ratio) {
  cloudEngine(state, ratio, Option::none);
}
BENCHMARK_CAPTURE(BM_CloudEngine, ratio_1.0, 1.0)
    ->ArgName("target_voices")->Arg(8)->Arg(64)->Arg(120);
BENCHMARK_CAPTURE(BM_CloudEngine, ratio_1.5, 1.5)
    ->ArgName("target_voices")->Arg(8)->Arg(64)->Arg(120);
void BM_CloudOption(benchmark::State& state, Option option) { cloudEngine(state, 1.5, option); }
BENCHMARK_CAPTURE(BM_CloudOption, ratio_1.5_subsample, Option::subsample)
    ->ArgName("target_voices")->Arg(64);
BENCHMARK_CAPTURE(BM_CloudOption, ratio_1.5_cubic, Option::cubic)
    ->ArgName("target_voices")->Arg(8)->Arg(64)->Arg(120);

}  // namespace
