#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine_fixture.h"
#include "zunBurst.h"

namespace {

struct BurstRig : EngineRig {
  explicit BurstRig(double sr = 44100.0, int voices = 128) : engine(voices, sr) {
    engine.setSeed(1);
  }
  // Renders n samples; returns the left channel.
  const std::vector<double>& run(long n) {
    prepare(n);
    engine.Processing(nullptr, 0, outs, 2, n, wave.size(), window.size(), wave.size(),
                      wave.data(), window.data(), wave.data());
    return left;
  }
  zunBurst engine;
};

}  // namespace

TEST(Burst, WorkedGrainStart) {
  zunBurst e(128, 44100.0);
  e.setSeed(1);
  e.setRndDensity(1.0);
  e.setRndLength(1.0);
  e.setWidth(1.0);
  e.initializeGrain(0);
  EXPECT_EQ(e.pool->gainLeft[0], 0.5000039131846505);
  EXPECT_EQ(e.pool->gainRight[0], 0.49999608681534946);
  EXPECT_EQ(e.lengthDeviation, 0.005590356025802476);
  EXPECT_EQ(e.getGrainLength(), 0.09059035602580248);
  EXPECT_EQ(e.pool->voices[0]->latched().length, 0.09059035602580248);
  EXPECT_EQ(e.period, 3200u);
  EXPECT_EQ(e.seed, 1878557649);
}

TEST(Burst, SetterFolding) {
  zunBurst e(4, 44100.0);
  const struct {
    void (zunBurst::*set)(double);
    double given;
    zunRelaxed<double> zunBurst::*field;
    double stored;
  } cases[] = {
      {&zunBurst::setWidth, -2.0, &zunBurst::width, 1.0},
      {&zunBurst::setWidth, -0.3, &zunBurst::width, 0.3},
      {&zunBurst::setAttack, 0.5, &zunBurst::attack, 0.25},
      {&zunBurst::setAttack, 3.0, &zunBurst::attack, 0.5},
      {&zunBurst::setAttack, -0.4, &zunBurst::attack, 0.2},
      {&zunBurst::setDecay, -1.0, &zunBurst::decay, 0.5},
      {&zunBurst::setLength, -85.0, &zunBurst::length, 0.085},
      {&zunBurst::setDensity, -5.0, &zunBurst::density, 5.0},
      {&zunBurst::setRndLength, -3.0, &zunBurst::rndLength, -1.5},
      {&zunBurst::setRndDensity, 1.0, &zunBurst::rndDensity, 0.5},
      {&zunBurst::setRndCps, 12.0, &zunBurst::rndCps, 0.5},
      {&zunBurst::setGlisson, -12.0, &zunBurst::glisson, -1.0},
      {&zunBurst::setRndGlisson, 6.0, &zunBurst::rndGlisson, 0.5},
      {&zunBurst::setMorph, 1.5, &zunBurst::morph, 1.0},
      {&zunBurst::setMorph, -0.2, &zunBurst::morph, 0.0},
      {&zunBurst::setRndMorph, -0.7, &zunBurst::rndMorph, -0.7},
      {&zunBurst::setLevel, -3.0, &zunBurst::level, -3.0},
      {&zunBurst::setCps, -220.0, &zunBurst::cps, -220.0},
  };
  for (const auto& c : cases) {
    (e.*c.set)(c.given);
    EXPECT_EQ(double(e.*c.field), c.stored) << c.given;
    (e.*c.set)(NAN);  // a NaN leaves the value as it was
    EXPECT_EQ(double(e.*c.field), c.stored);
  }
}

TEST(Burst, GrainsStartEveryPeriodAcrossVectors) {
  BurstRig rig;
  rig.engine.setToggle(1);
  std::vector<long> starts;
  std::vector<int> active;
  for (int block = 0; block < 60; ++block) {
    const auto& out = rig.run(512);
    for (int k = 0; k < 512; ++k) {
      const double before = k > 0 ? out[k - 1] : rig.previousLast;
      if (out[k] != 0.0 && before == 0.0) starts.push_back(block * 512L + k);
    }
    rig.previousLast = out[511];
    active.push_back(rig.engine.getNumOscActive());
  }
  ASSERT_GE(starts.size(), 6u);
  for (size_t i = 0; i < starts.size(); ++i) EXPECT_EQ(starts[i], 4410L * i);
  for (int a : active) EXPECT_LE(a, 1);
}

TEST(Burst, GrainStartedInsideAVectorFillsItsTail) {
  BurstRig rig;
  rig.engine.period = 201;  // the next start falls on index 200
  rig.engine.setToggle(1);
  const auto& out = rig.run(512);
  for (int k = 0; k < 200; ++k) ASSERT_EQ(out[k], 0.0) << k;
  for (int k = 200; k < 512; ++k) ASSERT_EQ(out[k], 0.5) << k;
  EXPECT_EQ(rig.engine.pool->grainOffset[0], 0);
  EXPECT_EQ(rig.run(512)[0], 0.5);
}

TEST(Burst, PoolExhaustionDropsGrainsButSpendsDraws) {
  zunBurst e(128, 44100.0);
  for (int i = 0; i < 128; ++i) e.initializeGrain(0);
  EXPECT_EQ(e.getNumOscActive(), 128);
  e.setSeed(1);
  e.initializeGrain(0);
  EXPECT_EQ(e.seed, 1878557649);
  EXPECT_EQ(e.getNumOscActive(), 128);

  BurstRig rig;
  rig.engine.setDensity(2000.0);  // period 22: ~170 grains would overlap
  rig.engine.setToggle(1);
  int most = 0;
  for (int block = 0; block < 40; ++block) {
    rig.run(256);
    most = std::max(most, rig.engine.getNumOscActive());
  }
  EXPECT_EQ(most, 128);
}

TEST(Burst, ToggleAndDensityChangesKeepTheWaitBegun) {
  BurstRig rig;
  rig.engine.setDensity(1.0);
  rig.engine.setToggle(1);
  rig.run(1);  // grain at 0, next due at 44100
  rig.engine.setToggle(0);
  rig.engine.setDensity(100.0);
  rig.run(30869);  // 0.7 s later
  rig.engine.setToggle(1);
  rig.run(44100 - 30870);
  EXPECT_EQ(rig.engine.sampleCounter, 44099u);
  const auto& out = rig.run(1);
  EXPECT_EQ(rig.engine.sampleCounter, 0u);  // the grain at 1.0 s
  EXPECT_NE(out[0], 0.0);
  EXPECT_EQ(rig.engine.period, 441u);  // the new density from here on
}

TEST(Burst, SwitchingOnAfterTheWaitStartsAtOnce) {
  BurstRig rig;
  rig.engine.setDensity(1.0);
  rig.engine.setToggle(1);
  rig.run(1);
  rig.engine.setToggle(0);
  rig.run(88200);
  rig.engine.setToggle(1);
  rig.run(64);
  EXPECT_EQ(rig.engine.sampleCounter, 63u);
}

TEST(Burst, ManualGrainPlaysLastParameters) {
  zunBurst e(2, 44100.0);
  e.setSeed(5);
  e.grain();
  EXPECT_EQ(e.seed, 5);  // no draw
  EXPECT_EQ(e.getNumOscActive(), 1);  // silent (gains 0) but counted
  EXPECT_EQ(e.pool->gainLeft[0], 0.0);
  e.grain();
  e.grain();  // every voice sounds: ignored
  EXPECT_EQ(e.getNumOscActive(), 2);
}

TEST(Burst, OverlapRebuildsWithDefaults) {
  zunBurst e(128, 44100.0);
  e.setInterp(1);
  e.initializeGrain(0);
  e.setOverlap(0);
  e.setOverlap(128);
  EXPECT_EQ(e.getNumOscActive(), 1);
  e.setOverlap(4);
  EXPECT_EQ(e.getOverlappingFactor(), 4);
  EXPECT_EQ(e.getNumOscActive(), 0);
  EXPECT_EQ(e.pool->voices[3]->latched().interpMode, 0);
  EXPECT_EQ(e.pool->voices[3]->latched().absoluteSR, 44100.0);
}

TEST(Burst, SampleRateReachesEveryVoice) {
  zunBurst e(3, 44100.0);
  e.setAbsoluteSR(0.0);
  e.setAbsoluteSR(-44100.0);
  e.setAbsoluteSR(NAN);
  EXPECT_EQ(e.getAbsoluteSR(), 44100.0);
  e.setAbsoluteSR(96000.0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(e.pool->voices[i]->latched().absoluteSR, 96000.0);
}

TEST(Burst, GlissandoAndMorphReachTheVoice) {
  zunBurst e(2, 44100.0);
  e.setGlisson(-12.0);
  e.setMorph(0.8);
  e.setRndMorph(0.6);
  for (int i = 0; i < 50; ++i) {
    e.pool->voices[0]->setStatus(false);
    e.initializeGrain(0);
    EXPECT_EQ(e.pool->voices[0]->latched().glisson, -0.5);
    EXPECT_GE(e.pool->voices[0]->latched().morph, 0.6);
    EXPECT_LE(e.pool->voices[0]->latched().morph, 1.0);
  }
}

TEST(Burst, PanningLaws) {
  const struct { int mode; double width, left, right; } cases[] = {
      {1, 0.0, 1.0, 0.0}, {1, 1.0, 0.0, 1.0}, {1, 0.5, 0.5, 0.5}, {0, 0.0, 1.0, 1.0}};
  for (const auto& c : cases) {
    zunBurst e(1, 44100.0);
    e.setPanningMode(c.mode);
    e.setWidth(c.width);
    e.initializeGrain(0);
    EXPECT_EQ(e.pool->gainLeft[0], c.left);
    EXPECT_EQ(e.pool->gainRight[0], c.right);
  }
}

TEST(Burst, DensityThroughZeroFallsBackToTheNominalRate) {
  zunBurst e(8, 44100.0);
  e.setSeed(1);
  e.setRndDensity(10.0);  // deviations of up to five times the density
  int fallbacks = 0;
  for (int i = 0; i < 200; ++i) {
    e.initializeGrain(0);
    EXPECT_GT(e.period, 0u);
    fallbacks += e.period == 4410u;
  }
  EXPECT_GT(fallbacks, 40);
}

TEST(Burst, NegativeDurationsEndAtOnce) {
  BurstRig rig(44100.0, 4);
  rig.engine.setRndLength(8.0);  // durations from -3 to 5 times the length
  rig.engine.setDensity(400.0);
  rig.engine.setToggle(1);
  for (int block = 0; block < 100; ++block) rig.run(64);
  rig.engine.setToggle(0);
  rig.run(44100);
  EXPECT_EQ(rig.engine.getNumOscActive(), 0);
}

TEST(Burst, HugeRandomMorphKeepsGrainsFinite) {
  for (double spread : {1e300, -1e300, std::numeric_limits<double>::infinity()}) {
    BurstRig rig;
    for (size_t i = 0; i < rig.wave.size(); ++i) rig.wave[i] = i % 2 ? 1e5f : -1e5f;
    rig.engine.setRndMorph(spread);
    rig.engine.setLevel(1e5);
    rig.engine.setToggle(1);
    for (double x : rig.run(2048)) ASSERT_TRUE(std::isfinite(x)) << spread;
    EXPECT_GE(rig.engine.pool->voices[0]->latched().morph, -1048576.0);
  }
}
