#pragma once

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "bench_tables.h"

// What the engine benchmarks share: the grain length and pool size they run
// at, the stereo output of one vector, and the steady-state timing loop.
namespace zunbench {

constexpr int kPoolVoices = 128;

// The engines' options beyond their own, one at a time.
enum class Option { none, subsample, cubic, bandlimit };
constexpr double kGrainMs = 85.0;

// Grains per second at which grains of kGrainMs overlap `voices` deep on
// average (the period the scheduler derives from it is truncated to whole
// samples, so the measured count can sit slightly above).
inline double densityFor(int voices) { return voices / (kGrainMs * 0.001); }

struct Stereo {
  std::vector<double> left;
  std::vector<double> right;
  double* outs[2];
  Stereo() : left(kVector), right(kVector), outs{left.data(), right.data()} {}
};

// Audio seconds rendered per CPU second.
inline void reportRealtime(benchmark::State& state) {
  state.counters["realtime_x"] =
      benchmark::Counter(kVector / kSampleRate, benchmark::Counter::kIsIterationInvariantRate);
}

// Mean number of sounding voices after each of `vectors` rendered vectors.
template <class Engine, class Render>
double meanVoices(Engine& engine, Render& render, int vectors) {
  long long sum = 0;
  for (int v = 0; v < vectors; ++v) {
    render();
    sum += engine.getNumOscActive();
  }
  return static_cast<double>(sum) / vectors;
}

// Times render() (one vector of `engine`) once the engine has reached its
// steady state, and reports the voices it sounded, ns per voice-sample and
// the real-time factor.
//
// Grain lengths here carry no random deviation, so every voice sounding at
// a given moment started less than one grain length before it: after one
// grain length the pool is in its steady state. The warm-up runs three and
// compares the voice count over the last of them with the count after the
// timed loop; a pool that is still filling up or leaking voices fails the
// benchmark instead of reporting a figure for the wrong load.
//
// ns_per_voice_sample charges the whole vector (scheduling, clearing and
// copying the mix, and the silent tails of grains that end inside it) to
// the voices that sound, so at low voice counts it includes more overhead.
template <class Engine, class Render>
void runSteadyState(benchmark::State& state, Engine& engine, Render render) {
  const int grainVectors = static_cast<int>(std::ceil(kGrainMs * 0.001 * kSampleRate / kVector));
  for (int v = 0; v < 2 * grainVectors; ++v) render();
  const double before = meanVoices(engine, render, grainVectors);

  for (auto _ : state) {
    render();
    benchmark::ClobberMemory();
  }

  // Counting walks the whole pool, so it stays out of the timed loop: one
  // more second of the same steady state.
  const double voices = meanVoices(engine, render, static_cast<int>(kSampleRate / kVector));
  if (std::fabs(voices - before) > 0.5) {
    state.SkipWithError("voice count not steady across the timed loop");
    return;
  }
  state.counters["voices"] = voices;
  state.counters["ns_per_voice_sample"] = benchmark::Counter(
      voices * kVector * 1e-9,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  reportRealtime(state);
}

}  // namespace zunbench
