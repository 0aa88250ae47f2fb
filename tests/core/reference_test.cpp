#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "reference_voice.h"
#include "voice_fixture.h"

namespace {

// Bitwise equality, so that -0.0 and +0.0 differ and NaN equals itself.
bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

struct Tables {
  std::vector<float> wave1, window, wave2;
  long long stride;
  zunTable table(std::vector<float>& t) const {
    return zunTable{t.data(), static_cast<long long>(t.size() / stride), stride};
  }
};

Tables randomTables(std::mt19937& rng) {
  std::uniform_real_distribution<float> value(-1.f, 1.f);
  const int sizes[] = {0, 1, 2, 3, 4, 7, 64, 511, 2048};
  Tables t;
  t.stride = 1 + rng() % 3;
  auto fill = [&](std::vector<float>& v) {
    v.resize(sizes[rng() % 9] * t.stride);
    for (float& x : v) x = value(rng);
  };
  fill(t.wave1);
  fill(t.window);
  fill(t.wave2);
  return t;
}

// A voice with random, sometimes degenerate, parameters, part way through
// its grain or about to end.
zunGrain randomVoice(std::mt19937& rng) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const double odd[] = {0.0, -0.0, 1.0, -1.0, 1e-300, 1e300, std::numeric_limits<double>::infinity(),
                        std::numeric_limits<double>::quiet_NaN()};
  auto maybeOdd = [&](double usual) { return rng() % 8 == 0 ? odd[rng() % 8] : usual; };
  zunGrain v(rng() % 2 ? 44100.0 : 48000.0);
  v.setParameters(unit(rng), maybeOdd(unit(rng) * 4000.0 - 500.0), unit(rng),
                  maybeOdd(unit(rng) * 0.2));
  v.setGlisson(maybeOdd(unit(rng) * 4.0 - 2.0));
  v.setMorph(unit(rng) * 1.4 - 0.2);
  v.setEnvelopeDeformation(maybeOdd(unit(rng) * 0.5), maybeOdd(unit(rng) * 0.5));
  v.setInterpMode(rng() % 4 == 0 ? 2 : static_cast<int>(rng() % 2));
  v.setInvert(static_cast<int>(rng() % 2));
  v.start();
  const double grainPosition = unit(rng) < 0.2 ? 1.0 - unit(rng) * 1e-3 : unit(rng);
  place(v, grainPosition, unit(rng));
  v.setCubic(rng() % 4 == 0);
  return v;
}

void expectSameState(const zunGrain& a, const zunGrain& b, int trial) {
  EXPECT_TRUE(sameBits(a.running().phase, b.running().phase)) << trial;
  EXPECT_TRUE(sameBits(a.running().grainPosition, b.running().grainPosition)) << trial;
  EXPECT_TRUE(sameBits(a.running().windowPosition, b.running().windowPosition)) << trial;
  EXPECT_EQ(a.running().status, b.running().status) << trial;
}

}  // namespace

// Every render routine, on thousands of random voices, tables, strides and
// block lengths, gives the plain rendering's samples and end state exactly.
TEST(Reference, VoiceRoutinesMatchThePlainRendering) {
  std::mt19937 rng(2024);
  for (int trial = 0; trial < 6000; ++trial) {
    Tables t = randomTables(rng);
    const zunTable w1 = t.table(t.wave1), win = t.table(t.window), w2 = t.table(t.wave2);
    zunGrain fast = randomVoice(rng);
    zunGrain plain = fast;
    const int variant = trial % 3;
    const int count = static_cast<int>(rng() % 300);
    std::vector<double> a(count + 1, 7.0), b(count + 1, 7.0);
    if (variant == 0)
      fast.Processing(a.data(), count, w1.frames, win.frames, t.wave1.data(), t.window.data(),
                      t.stride, t.stride);
    else if (variant == 1)
      fast.Processing_1(a.data(), count, w1.frames, win.frames, t.wave1.data(), t.window.data(),
                        t.stride, t.stride);
    else
      fast.Processing_2(a.data(), count, w1.frames, win.frames, w2.frames, t.wave1.data(),
                        t.window.data(), t.wave2.data(), t.stride, t.stride, t.stride);
    referenceRender(plain, variant, b.data(), count, w1, win, variant == 2 ? w2 : w1);
    for (int k = 0; k <= count; ++k) ASSERT_TRUE(sameBits(a[k], b[k])) << trial << " at " << k;
    expectSameState(fast, plain, trial);
  }
}
