#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "voice_fixture.h"

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// A table with NaN canaries on both sides: a read outside it poisons the output.
struct GuardedTable {
  explicit GuardedTable(std::vector<float> values) : memory(values.size() + 64, NAN) {
    std::copy(values.begin(), values.end(), memory.begin() + 32);
    frames = static_cast<long long>(values.size());
  }
  float* data() { return memory.data() + 32; }
  std::vector<float> memory;
  long long frames;
};

bool allFinite(const std::vector<double>& v) {
  for (double x : v)
    if (!std::isfinite(x)) return false;
  return true;
}

std::vector<double> renderGuarded(zunGrain& v, Routine routine, int count, GuardedTable& wave,
                                  GuardedTable& window) {
  std::vector<double> out(count);
  if (routine == Routine::plain)
    v.Processing(out.data(), count, wave.frames, window.frames, wave.data(), window.data());
  else if (routine == Routine::glisson)
    v.Processing_1(out.data(), count, wave.frames, window.frames, wave.data(), window.data());
  else
    v.Processing_2(out.data(), count, wave.frames, window.frames, wave.frames, wave.data(),
                   window.data(), wave.data());
  return out;
}

}  // namespace

TEST(VoiceBounds, LargeAndNonFiniteIncrementsStayInTheTable) {
  GuardedTable wave({0.1f, 0.2f, 0.3f}), window({1.f, 0.5f});
  for (Routine routine : {Routine::plain, Routine::glisson, Routine::pulsar}) {
    for (double increment : {1.0, 2.5, -1.0, -3.7, 1e300, -1e300, inf, -inf, double(NAN)}) {
      for (int mode : {0, 1, zunCubicRead}) {
        zunGrain v = steadyVoice(increment);
        v.setInterpMode(mode == zunCubicRead ? 1 : mode);
        v.setCubic(mode == zunCubicRead);
        const auto out = renderGuarded(v, routine, 16, wave, window);
        EXPECT_TRUE(allFinite(out)) << increment;
        EXPECT_GE(v.running().phase, 0.0);
        EXPECT_LE(v.running().phase, 1.0);
      }
    }
  }
}

TEST(VoiceBounds, PhaseThatWrapsToExactlyOne) {
  // A tiny backward step from 0 wraps to 1.0 exactly: the position equals the
  // table's length and reads its last entry, or interpolates onto entry 0.
  GuardedTable wave({1.f, 2.f, 3.f}), window({1.f});
  for (int mode : {0, 1, zunCubicRead}) {
    zunGrain v = steadyVoice(-1e-30);
    v.setInterpMode(mode == zunCubicRead ? 0 : mode);
    v.setCubic(mode == zunCubicRead);
    const double value = renderGuarded(v, Routine::plain, 1, wave, window)[0];
    EXPECT_EQ(v.running().phase, 1.0);
    EXPECT_EQ(value, mode == 0 ? 3.0 : 1.0);
  }
}

// Random envelopes, glissandi and phases, including degenerate ones, never read
// outside the tables and never produce a non-finite sample.
TEST(VoiceBounds, RandomParametersReadOnlyInsideTheTables) {
  GuardedTable wave({0.5f, -0.25f, 1.f, 0.75f, -1.f}), window({0.f, 0.5f, 1.f, 0.25f});
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> any(-3.0, 3.0);
  const double specials[] = {0.0, -0.0, 1.0, 0.5, 1e-300, -1e-300, inf, -inf, NAN};
  auto pick = [&] { return rng() % 3 == 0 ? specials[rng() % 9] : any(rng); };
  for (int trial = 0; trial < 3000; ++trial) {
    zunGrain v(1000.0);
    v.setParameters(1.0, pick() * 1000.0, pick(), std::fabs(pick()) * 0.01);
    v.setGlisson(pick());
    v.setMorph(any(rng));
    v.setEnvelopeDeformation(pick(), pick());
    v.setInterpMode(static_cast<int>(rng() % 3));
    v.setCubic(rng() % 3 == 0);
    v.start();
    const auto routine = static_cast<Routine>(rng() % 3);
    EXPECT_TRUE(allFinite(renderGuarded(v, routine, 48, wave, window))) << trial;
  }
}

TEST(VoiceBounds, EmptyTablesAreSilentAndGrainsStillEnd) {
  std::vector<float> ones(4, 1.f);
  zunGrain v(4.0);
  v.setParameters(1.0, 1.0, 0.0, 1.0);
  v.start();
  std::vector<double> out(6, -1.0);
  v.Processing_2(out.data(), 6, 0, 4, 4, nullptr, ones.data(), ones.data());
  EXPECT_EQ(out, std::vector<double>(6, 0.0));
  EXPECT_FALSE(v.getStatus());
}

TEST(VoiceBounds, LengthsThatCannotEndEndAtTheFirstSample) {
  std::vector<float> ones(4, 1.f);
  for (double length : {-1.0, -0.0, double(NAN), -inf}) {
    zunGrain v(44100.0);
    v.setLength(length);
    v.start();
    const auto out = renderVoice(v, Routine::plain, 2, ones, ones);
    EXPECT_FALSE(v.getStatus()) << length;
    EXPECT_EQ(out, (std::vector<double>{0, 0}));
  }
}

TEST(VoiceBounds, VeryLongGrainsStillAdvance) {
  for (double length : {1e300, inf}) {
    zunGrain v(48000.0);
    v.setLength(length);
    EXPECT_GT(v.latched().grainIncrement, 0.0);
    // not lost in the rounding of a position near 1
    EXPECT_LT(1.0 - v.latched().grainIncrement, 1.0);
  }
}

TEST(VoiceBounds, StrideReadsOneChannelOfInterleavedFrames) {
  // Two interleaved channels: channel 1 holds 1 2 3 4, channel 2 garbage.
  std::vector<float> stereo{1.f, 99.f, 2.f, 99.f, 3.f, 99.f, 4.f, 99.f};
  std::vector<float> window{1.f, 99.f, 1.f, 99.f};
  zunGrain v = steadyVoice(0.25);
  std::vector<double> out(4);
  v.Processing(out.data(), 4, 4, 2, stereo.data(), window.data(), 2, 2);
  EXPECT_EQ(out, (std::vector<double>{2, 3, 4, 1}));
}
