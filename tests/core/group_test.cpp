#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "reference_voice.h"
#include "voice_fixture.h"
#include "zunVoicePool.h"

namespace {

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Now and then a table holds infinities, whose products with a zero weight
// or a zero gain make NaNs.
std::vector<float> randomTable(std::mt19937& rng, long long stride, bool held) {
  const int sizes[] = {1, 2, 3, 5, 64, 511, 2048};
  std::uniform_real_distribution<float> value(-1.f, 1.f);
  std::vector<float> t(sizes[held ? 4 + rng() % 3 : rng() % 7] * stride);
  const bool infinite = rng() % (held ? 2 : 4) == 0;
  for (float& x : t) x = infinite && rng() % 16 == 0 ? INFINITY : value(rng);
  return t;
}

// Which voices read cubic: now and then one (where not `held`), or all.
enum class Cubic { some, all };

// `held`: values a group keeps inside its tables, so that it renders in
// squares, where the renderer takes its shortcuts.
void randomize(zunGrain& v, std::mt19937& rng, int mode, bool firstWaveOnly, bool held,
               Cubic cubic) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  // -1e-300 Hz from phase 0 wraps to a phase of exactly 1: a read at the
  // table's length.
  const double odd[] = {0.0, 1.0, -1.0, 1e300, std::numeric_limits<double>::infinity(),
                        std::numeric_limits<double>::quiet_NaN(), -1e-300};
  auto maybeOdd = [&](double usual) { return !held && rng() % 10 == 0 ? odd[rng() % 7] : usual; };
  // Now and then a frequency near or past the sample rate: phase steps of
  // half a table and more.
  const double frequency =
      !held && rng() % 5 == 0 ? unit(rng) * 200000.0 - 100000.0 : unit(rng) * 3000.0 - 300.0;
  v.setParameters(unit(rng), maybeOdd(frequency), 0.0, maybeOdd(unit(rng) * 0.05));
  // Glissandi below -1 turn the phase back before the grain ends.
  v.setGlisson(maybeOdd(unit(rng) * 4.0 - 3.0));
  // A morph below half an ulp of 1 leaves the first weight at exactly 1.
  const double firstOnly = rng() % 2 ? 0.0 : 0x1p-60;
  v.setMorph(firstWaveOnly ? firstOnly : unit(rng) * 1.4 - 0.2);
  v.setEnvelopeDeformation(maybeOdd(unit(rng) * 0.5), unit(rng) * 0.5);
  v.setInterpMode(mode);
  v.setInvert(static_cast<int>(rng() % 2));
  v.trigger();
  const double grainPosition = unit(rng) * 0.98;
  place(v, grainPosition, rng() % 8 == 0 ? 0.0 : unit(rng));
  v.setCubic(cubic == Cubic::all || (!held && rng() % 8 == 0));
  v.setPartialLimit(unit(rng) * 64.0);
}

}  // namespace

namespace {
void matchesVoiceByVoice(int trials, bool held, Cubic cubic) {
  std::mt19937 rng(99);
  for (int trial = 0; trial < trials; ++trial) {
    const long long stride = held ? 1 : 1 + rng() % 2;
    std::vector<float> wave1 = randomTable(rng, stride, held),
                       window = randomTable(rng, stride, held),
                       wave2 = randomTable(rng, stride, held);
    const bool morph = trial % 2 == 0;
    const zunRenderJob job{morph,
                           {wave1.data(), static_cast<long long>(wave1.size()) / stride, stride},
                           {window.data(), static_cast<long long>(window.size()) / stride, stride},
                           {wave2.data(), static_cast<long long>(wave2.size()) / stride, stride}};
    // Now and then band-limited, with levels for both wave tables.
    std::unique_ptr<const zunWaveLevels> levels1, levels2;
    zunBlockLevels levels;
    if (morph && trial % 4 == 0) {
      levels1 = zunWaveLevels::make(job.wave1);
      levels2 = zunWaveLevels::make(job.wave2);
      levels = {levels1.get(), levels2.get()};
    }
    const int n = 1 + static_cast<int>(rng() % 200);
    const int voices = 1 + static_cast<int>(rng() % 40);
    const int sharedMode = held ? 1 : static_cast<int>(rng() % 2);
    const bool firstWaveOnly = rng() % (held ? 2 : 3) == 0;
    // A third of the pools glide nowhere: their steps' factor is exactly 1.
    const bool still = rng() % 3 == 0;
    zunVoicePool pool(voices, 48000.0), plain(voices, 48000.0);
    for (int i = 0; i < voices; ++i) {
      if (rng() % 4 == 0) continue;  // idle
      const int mode = !held && rng() % 8 == 0 ? static_cast<int>(rng() % 3) : sharedMode;
      randomize(*pool.voices[i], rng, mode, firstWaveOnly, held, cubic);
      if (still) pool.voices[i]->setGlisson(0.0);
      *plain.voices[i] = *pool.voices[i];
      plain.grainOffset[i] = static_cast<int>(rng() % n);
      pool.start(i, plain.grainOffset[i]);
      // An infinite gain shows any silent sample mixed before the start.
      const double gains[] = {0.0, 0.5, 1.0, -0.25, std::numeric_limits<double>::infinity()};
      pool.gainLeft[i] = plain.gainLeft[i] = gains[rng() % 5];
      pool.gainRight[i] = plain.gainRight[i] = gains[rng() % 5];
    }
    std::vector<double> grain(n), left(n, 0.0), right(n, 0.0);
    pool.renderAndMix(n, job, grain.data(), left.data(), right.data(), levels);

    std::vector<double> expectLeft(n, 0.0), expectRight(n, 0.0), one(n);
    for (int i = 0; i < voices; ++i) {
      zunGrain& v = *plain.voices[i];
      if (!v.getStatus()) continue;
      const int o = plain.grainOffset[i];
      const zunRenderJob own = levels.jobFor(job, v);
      referenceRender(v, morph ? 2 : 0, one.data(), n - o, own.wave1, own.window,
                      morph ? own.wave2 : own.wave1);
      for (int k = 0; k < n - o; ++k) {
        expectLeft[o + k] += one[k] * plain.gainLeft[i];
        expectRight[o + k] += one[k] * plain.gainRight[i];
      }
    }
    for (int k = 0; k < n; ++k) {
      ASSERT_TRUE(sameBits(left[k], expectLeft[k])) << trial << " left " << k;
      ASSERT_TRUE(sameBits(right[k], expectRight[k])) << trial << " right " << k;
    }
    for (int i = 0; i < voices; ++i) {
      const zunGrainRunning &a = pool.voices[i]->running(), &b = plain.voices[i]->running();
      ASSERT_TRUE(sameBits(a.phase, b.phase)) << trial << " voice " << i;
      ASSERT_TRUE(sameBits(a.grainPosition, b.grainPosition)) << trial << " voice " << i;
      ASSERT_TRUE(sameBits(a.windowPosition, b.windowPosition)) << trial << " voice " << i;
      ASSERT_EQ(a.status, b.status) << trial << " voice " << i;
      ASSERT_EQ(pool.grainOffset[i], 0);
    }
  }
}
}  // namespace

// Voices rendered in SIMD groups mix to the same bits, and end in the same
// state, as voices rendered one by one through the plain routine and mixed
// in voice order: random pools, offsets, modes (including ones the groups
// do not take), cubic reads among others or in every voice, band-limited
// levels, strides, table sizes and block lengths.
// Every instruction set built in is checked, not only this processor's best.
TEST(Group, MixMatchesVoiceByVoiceRendering) {
  const struct {
    bool held;
    Cubic cubic;
  } rows[] = {{false, Cubic::some}, {true, Cubic::some}, {false, Cubic::all}, {true, Cubic::all}};
  for (int64_t target : hwy::SupportedAndGeneratedTargets()) {
    hwy::SetSupportedTargetsForTest(target);
    SCOPED_TRACE(hwy::TargetName(target));
    for (const auto& row : rows) {
      SCOPED_TRACE(row.cubic == Cubic::all ? "all cubic" : "some cubic");
      matchesVoiceByVoice(1000, row.held, row.cubic);
    }
  }
  hwy::SetSupportedTargetsForTest(0);
}
