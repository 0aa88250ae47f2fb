// The pulsar engine at a steady load of about 8, 64 and 120 sounding voices.

#include <benchmark/benchmark.h>

#include "bench_engine.h"
#include "zunBurst.h"

using namespace zunbench;

namespace {

// Interpolating, morphing half-way between a sine and a saw, attack and
// decay of 0.125 of the grain each, glissando on, random pan.
void BM_BurstEngine(benchmark::State& state) {
  zunBurst engine(kPoolVoices, kSampleRate);
  engine.setSeed(1);
  engine.setDensity(densityFor(static_cast<int>(state.range(0))));
  engine.setLength(kGrainMs);
  engine.setCps(220.0);
  engine.setInterp(1);
  engine.setMorph(0.5);
  engine.setAttack(0.25);
  engine.setDecay(0.25);
  engine.setGlisson(1.0);
  engine.setWidth(1.0);
  engine.setToggle(1);
  Stereo out;
  runSteadyState(state, engine, [&] { renderVector(engine, out); });
}
BENCHMARK(BM_BurstEngine)->ArgName("target_voices")->Arg(8)->Arg(64)->Arg(120);

}  // namespace
