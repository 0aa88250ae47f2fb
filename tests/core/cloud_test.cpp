#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine_fixture.h"
#include "zunCloud.h"

namespace {

struct CloudRig : EngineRig {
  explicit CloudRig(double sr = 44100.0, int voices = 128) : engine(voices, sr) {
    engine.setSeed(1);
  }
  const std::vector<double>& run(long n) {
    prepare(n);
    engine.Processing(nullptr, 0, outs, 2, n, wave.size(), window.size(), wave.data(),
                      window.data());
    return left;
  }
  zunCloud engine;
};

}  // namespace

TEST(Cloud, WorkedGrainStart) {
  CloudRig rig;
  rig.wave.assign(44100, 0.f);
  rig.run(16);  // the sample's length becomes known
  zunCloud& e = rig.engine;
  e.setSeed(1);
  e.setWidth(1.0);
  e.setLength(100.0);
  e.setRndLength(1.0);
  e.setRndDensity(1.0);
  e.initializeGrain(0);
  EXPECT_EQ(e.pool->gainLeft[0], 0.5000039131846505);
  EXPECT_EQ(e.pool->gainRight[0], 0.49999608681534946);
  EXPECT_EQ(e.lengthDeviation, 0.00657688944212056);
  EXPECT_EQ(e.pool->voices[0]->latched().length, 0.10657688944212057);
  EXPECT_EQ(e.period, 3200u);
  EXPECT_EQ(e.pool->voices[0]->latched().frequency, 1.0);
  EXPECT_EQ(e.seed, -1199696159);
}

TEST(Cloud, GrainsStartEveryPeriod) {
  const struct { double sr, density; long period; } cases[] = {{44100, 10, 4410}, {48000, 7, 6857}};
  for (const auto& c : cases) {
    CloudRig rig(c.sr);
    rig.engine.setDensity(c.density);
    rig.engine.setToggle(1);
    std::vector<long> starts;
    for (int block = 0; block < 80; ++block) {
      const auto& out = rig.run(441);
      for (int k = 0; k < 441; ++k) {
        const double before = k > 0 ? out[k - 1] : rig.previousLast;
        if (out[k] != 0.0 && before == 0.0) starts.push_back(block * 441L + k);
      }
      rig.previousLast = out[440];
    }
    ASSERT_GE(starts.size(), 5u);
    for (size_t i = 0; i < starts.size(); ++i) EXPECT_EQ(starts[i], c.period * long(i));
  }
}

TEST(Cloud, SetterFolding) {
  zunCloud e(4, 44100.0);
  const struct {
    void (zunCloud::*set)(double);
    double given;
    zunRelaxed<double> zunCloud::*field;
    double stored;
  } cases[] = {
      {&zunCloud::setLength, -85.0, &zunCloud::length, 0.085},
      {&zunCloud::setDensity, -5.0, &zunCloud::density, 5.0},
      {&zunCloud::setWidth, -0.3, &zunCloud::width, 0.3},
      {&zunCloud::setWidth, 2.0, &zunCloud::width, 1.0},
      {&zunCloud::setPhase, 1.5, &zunCloud::phase, 1.0},
      {&zunCloud::setPhase, -1.0, &zunCloud::phase, 0.0},
      {&zunCloud::setPitch, 12.0, &zunCloud::pitch, 2.0},
      {&zunCloud::setPitch, -12.0, &zunCloud::pitch, 0.5},
      {&zunCloud::setRndPitch, 24.0, &zunCloud::rndPitch, 1.0},
      {&zunCloud::setRndLength, -3.0, &zunCloud::rndLength, -1.5},
      {&zunCloud::setRndDensity, 5.0, &zunCloud::rndDensity, 2.5},
  };
  for (const auto& c : cases) {
    (e.*c.set)(c.given);
    EXPECT_EQ(double(e.*c.field), c.stored) << c.given;
    (e.*c.set)(NAN);
    EXPECT_EQ(double(e.*c.field), c.stored);
  }
}

// Before any block the sample has no length: a position after its start
// waits for the first block that brings one, and a later setPhase wins.
TEST(Cloud, SamplePositionInMilliseconds) {
  const struct { double ms; bool thenPhase; double phase; } cases[] = {
      {10.0, false, 0.01}, {-10.0, false, 0.0}, {0.0, false, 0.0},
      {5000.0, false, 1.0}, {10.0, true, 0.25},
  };
  for (const auto& c : cases) {
    CloudRig rig;
    rig.wave.assign(44100, 0.f);
    rig.engine.setSamplePosition(c.ms);
    if (c.thenPhase) rig.engine.setPhase(0.25);
    rig.wave.clear();
    rig.run(1);  // an empty sample has no length either
    rig.wave.assign(44100, 0.f);
    rig.run(1);
    EXPECT_EQ(rig.engine.phase, c.phase) << c.ms;
  }
  CloudRig rig;
  rig.wave.assign(44100, 0.f);
  rig.run(1);
  rig.engine.setSamplePosition(500.0);
  EXPECT_EQ(rig.engine.phase, 0.5);
  rig.engine.setSamplePosition(5000.0);
  EXPECT_EQ(rig.engine.phase, 1.0);
}

// A ramp sample read at its own rate comes out one frame ahead, forwards or
// backwards, because a grain's first sample is read one step in.
TEST(Cloud, ReadsTheSampleForwardsAndBackwards) {
  for (int reverse : {0, 1}) {
    CloudRig rig(1024.0);
    rig.wave.resize(1024);
    for (int i = 0; i < 1024; ++i) rig.wave[i] = static_cast<float>(i);
    rig.engine.setPanningMode(1);  // manual, hard left
    rig.engine.setLevel(1.0);
    rig.engine.setLength(500.0);
    rig.engine.setPhase(0.5);
    rig.engine.setInvert(reverse);
    rig.engine.setToggle(1);
    const auto& out = rig.run(100);
    for (int k = 0; k < 100; ++k)
      ASSERT_EQ(out[k], reverse ? 511.0 - k : 513.0 + k) << reverse << " " << k;
  }
}

TEST(Cloud, OverlapRebuildDropsInterpolationAndDirection) {
  zunCloud e(128, 44100.0);
  e.setInterp(1);
  e.setInvert(1);
  e.setOverlap(4);
  EXPECT_EQ(e.getOverlappingFactor(), 4);
  EXPECT_EQ(e.pool->voices[0]->latched().interpMode, 0);
  EXPECT_EQ(e.pool->voices[0]->latched().direction, 1.0);
  e.setInvert(2);
  EXPECT_EQ(e.pool->voices[3]->latched().direction, 1.0);
}

TEST(Cloud, ZeroBlockOnlyLearnsTheSampleLength) {
  CloudRig rig;
  rig.engine.setToggle(1);
  rig.run(0);
  EXPECT_EQ(rig.engine.sampleLength, 64u);
  EXPECT_EQ(rig.engine.sampleCounter, 0u);
  EXPECT_EQ(rig.engine.getNumOscActive(), 0);
}

TEST(Cloud, EmptySampleIsSilentAndGrainsEnd) {
  CloudRig rig;
  rig.wave.clear();
  rig.engine.setToggle(1);
  for (int i = 0; i < 20; ++i)
    for (double x : rig.run(512)) ASSERT_EQ(x, 0.0);
  rig.engine.setToggle(0);
  rig.run(8192);
  EXPECT_EQ(rig.engine.getNumOscActive(), 0);
}
