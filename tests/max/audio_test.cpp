// The audio path of both externals end to end: "dsp64", sample rates,
// grain timing, sample playback, "info", and host vectors of any length.

#include "external_fixture.h"

namespace {

using namespace zunTest;

TEST_F(ExternalTest, Dsp64RegistersThePerformRoutine) {
  for (t_object* (*make)() : {makeBurst, makeCloud}) {
    t_object* x = make();
    zun::startDsp();
    const std::vector<zun::PerformEntry> chain = zun::dspChain();
    ASSERT_EQ(chain.size(), 1u);
    EXPECT_EQ(chain[0].object, x);
    EXPECT_NE(chain[0].routine, nullptr);
    EXPECT_EQ(chain[0].flags, 0);
    EXPECT_EQ(chain[0].userParam, nullptr);
    zun::destroy(x);
    EXPECT_TRUE(zun::dspChain().empty()) << "freeing leaves the chain";
  }
}

TEST_F(ExternalTest, ANewSampleRateReachesTheEngine) {
  for (t_object* (*make)() : {makeBurst, makeCloud}) {
    zun::setSampleRate(44100);
    t_object* x = make();
    zun::setSampleRate(48000);
    zun::startDsp();
    zun::send(x, "start", {1});
    EXPECT_EQ(onsets(render(x, 10000).left), (std::vector<long>{0, 4800, 9600}));
    zun::destroy(x);
  }
}

// The engine starts at the single-precision rate of sys_getsr; "dsp64"
// brings the exact rate. Density 441.0030039 sits between the two: its
// period is 99 samples at 44100.3 Hz and 100 at float(44100.3) Hz.
TEST_F(ExternalTest, Dsp64BringsTheExactRateOverTheSinglePrecisionOne) {
  zun::setSampleRate(44100.3);
  ASSERT_EQ(sys_getsr(), 44100.30078125f);
  for (t_object* (*make)() : {makeBurst, makeCloud}) {
    t_object* x = make();
    zun::startDsp();
    zun::send(x, "start", {1});
    zun::send(x, "setLength", {1});
    zun::send(x, "setDensity", {441.0030039});
    EXPECT_EQ(onsets(render(x, 250).left, 8), (std::vector<long>{0, 99, 198}));
    zun::destroy(x);
  }
}

TEST_F(ExternalTest, BurstPlaysPulsarTrainsEveryTenthOfASecond) {
  t_object* x = makeBurst();
  zun::startDsp();
  zun::send(x, "start", {1});
  const Stereo s = render(x, 4 * 4410 + 100);
  EXPECT_EQ(onsets(s.left), (std::vector<long>{0, 4410, 8820, 13230, 17640}));
  EXPECT_EQ(s.left, s.right) << "width 0: gain 1 on both sides";
  // 85 ms of sound, then silence until the next grain.
  EXPECT_NE(s.left[3700], 0.0);
  for (long i = 3760; i < 4410; ++i) ASSERT_EQ(s.left[i], 0.0) << i;
  // A 440 Hz pulsaret: two sign changes per cycle over the grain.
  int signChanges = 0;
  for (long i = 1; i < 3700; ++i) signChanges += (s.left[i] > 0) != (s.left[i - 1] > 0);
  EXPECT_NEAR(signChanges, 2 * 440 * 3700 / 44100, 2);
}

// At pitch 0 a grain reads one frame per sample, from frame 1 on (the
// first sample is read one step in), under a window of ones, at level 0.5
// with gain 1: output k is frame k + 1 times 0.5. Backwards, from the
// last frame down.
TEST_F(ExternalTest, CloudReplaysTheSampleForwardsAndBackwards) {
  const std::vector<float> sample = ramp();
  const long n = static_cast<long>(sample.size());
  for (bool reverse : {false, true}) {
    t_object* x = makeCloud();
    zun::startDsp();
    zun::send(x, "start", {1});
    zun::send(x, "reverse", {reverse ? 1 : 0});
    const Stereo s = render(x, 4410 + 3700);
    for (long start : {0L, 4410L})
      for (long k = 0; k < 3700; ++k) {
        const double frame = sample[reverse ? n - 1 - k : k + 1];
        ASSERT_EQ(s.left[start + k], frame * 0.5) << (reverse ? "backwards " : "") << k;
        ASSERT_EQ(s.right[start + k], frame * 0.5) << k;
      }
    zun::destroy(x);
  }
}

TEST_F(ExternalTest, InfoCountsTheSoundingGrains) {
  for (t_object* (*make)() : {makeBurst, makeCloud}) {
    t_object* x = make();
    zun::startDsp();
    zun::send(x, "start", {1});
    render(x, 64);
    EXPECT_EQ(info(x), 1);
    render(x, 3840 - 64);
    EXPECT_EQ(info(x), 0) << "between grains, at 3840";
    render(x, 4480 - 3840);
    EXPECT_EQ(info(x), 1) << "at 4480";
    zun::send(x, "setDensity", {1000});
    render(x, 4410 * 2);
    EXPECT_NEAR(info(x), 86, 1) << "85 ms of grains every 44 samples";
    zun::destroy(x);
  }
}

// With stealing on, "info" also tells the grains that found every voice
// sounding since the last "info": 201 grains of a second each in 200 ms
// on 128 voices, all started, 73 of them by stealing.
TEST_F(ExternalTest, InfoWhileStealingTellsTheCrowdedGrainsToo) {
  for (t_object* (*make)() : {makeBurst, makeCloud}) {
    t_object* x = make();
    std::vector<zun::Atom> list;
    zun::connectList(x, 2, [&](const std::vector<zun::Atom>& l) { list = l; });
    zun::startDsp();
    zunTest::sendAll(x, {{"steal", {1}}, {"setDensity", {1000}}, {"setLength", {1000}},
                         {"start", {1}}});
    render(x, 8820);
    for (t_atom_long crowded : {73, 0}) {
      zun::send(x, "info");
      ASSERT_EQ(list.size(), 2u);
      EXPECT_EQ(std::get<t_atom_long>(list[0].value), 128);
      EXPECT_EQ(std::get<t_atom_long>(list[1].value), crowded);
    }
    zun::send(x, "steal", {0});
    EXPECT_EQ(info(x), 128);
    zun::destroy(x);
  }
}

TEST_F(ExternalTest, AManualGrainCountsThoughSilent) {
  for (t_object* (*make)() : {makeBurst, makeCloud}) {
    t_object* x = make();
    zun::startDsp();
    zun::send(x, "grain");
    EXPECT_EQ(info(x), 1);
    EXPECT_TRUE(allZero(render(x, 640).left)) << "a voice never used has gains 0";
    zun::destroy(x);
  }
}

// A host vector longer than the engines' work buffers of 8192 samples
// plays exactly what vectors that fit play: at the default density what
// any vector size plays, and with grains every 44 samples (where a voice
// freed inside a vector is reused only from the next one) what vectors of
// 8192 play.
TEST_F(ExternalTest, LongHostVectorsSoundAsVectorsThatFit) {
  const struct {
    double density;
    long fitting;
  } cases[] = {{10, 64}, {1000, 8192}};
  for (t_object* (*make)() : {makeBurst, makeCloud})
    for (const auto& c : cases) {
      std::vector<Stereo> sounds;
      for (long vectorSize : {c.fitting, 16384L}) {
        zun::setVectorSize(vectorSize);
        t_object* x = make();
        zun::startDsp();
        zun::send(x, "start", {1});
        zun::send(x, "setDensity", {c.density});
        sounds.push_back(render(x, 2 * 16384));
        zun::destroy(x);
      }
      EXPECT_FALSE(allZero(sounds[0].left));
      EXPECT_EQ(sounds[1].left, sounds[0].left) << "density " << c.density;
      EXPECT_EQ(sounds[1].right, sounds[0].right) << "density " << c.density;
    }
}

// Objects made one after the other (within the same second) play streams of
// their own, two clouds panned at random differ; "seed" makes any object
// replay one stream, whatever the other messages before it.
TEST_F(ExternalTest, EachObjectDrawsItsOwnStreamUntilSeeded) {
  const struct { long first, second; bool same; } cases[] = {
      {-1, -1, false}, {5, 5, true}, {5, 6, false}, {0, -2147483648L, false}};
  for (t_object* (*make)() : {makeBurst, makeCloud})
    for (const auto& c : cases) {
      t_object* pair[2] = {make(), make()};
      zun::startDsp();
      for (int i = 0; i < 2; ++i) {
        const long seed = i == 0 ? c.first : c.second;
        if (seed != -1) zun::send(pair[i], "seed", {seed});
        sendAll(pair[i], {{"start", {1}}, {"setWidth", {1}}, {"setDensity", {200}}});
      }
      std::vector<double> left[2];
      for (int v = 0; v < 100; ++v) {
        zun::process();
        for (int i = 0; i < 2; ++i) {
          const double* out = zun::output(pair[i], 0);
          left[i].insert(left[i].end(), out, out + zun::vectorSize());
        }
      }
      EXPECT_FALSE(allZero(left[0]));
      EXPECT_EQ(left[0] == left[1], c.same) << c.first << " " << c.second;
      zun::reset();
    }
}

// A position in milliseconds sent before audio starts (from a loadbang)
// waits until the sample's length is known, and then plays as if sent
// after the first vector.
TEST_F(ExternalTest, ASamplePositionSentBeforeAudioIsKept) {
  std::vector<Stereo> sounds;
  for (bool early : {true, false}) {
    t_object* x = makeCloud();
    if (early) zun::send(x, "setSamplePosition", {46});
    zun::startDsp();
    zun::process();
    if (!early) zun::send(x, "setSamplePosition", {46});
    zun::send(x, "start", {1});
    sounds.push_back(render(x, 4410));
    zun::destroy(x);
  }
  EXPECT_EQ(sounds[0].left, sounds[1].left);
  EXPECT_NE(sounds[0].left[10], 0.5 * ramp()[11]) << "not from the start of the sample";
}

}  // namespace
