// The sample engine at a steady load of about 8, 64 and 120 sounding voices,
// reading the sample at its own pitch and a fifth up (ratio 1.5).

#include <benchmark/benchmark.h>

#include <cmath>

#include "bench_engine.h"
#include "zunCloud.h"

using namespace zunbench;

namespace {

// Interpolating, grains from a quarter into a 10 s sample, random pan.
void BM_CloudEngine(benchmark::State& state, double ratio) {
  zunCloud engine(kPoolVoices, kSampleRate);
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
BENCHMARK_CAPTURE(BM_CloudEngine, ratio_1.0, 1.0)
    ->ArgName("target_voices")->Arg(8)->Arg(64)->Arg(120);
BENCHMARK_CAPTURE(BM_CloudEngine, ratio_1.5, 1.5)
    ->ArgName("target_voices")->Arg(8)->Arg(64)->Arg(120);

}  // namespace
