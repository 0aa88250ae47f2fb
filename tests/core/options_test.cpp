// The opt-in controls, by their effect on the sound. Tables of ones (or a
// ramp sample) make every sample of a grain tell its level, gains or read
// position; grains are kept apart so that each onset is one grain.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "zunBurst.h"
#include "zunCloud.h"

namespace {

struct Sound {
  std::vector<double> left, right;
};

void process(zunBurst& e, double** ins, double** outs, long n, std::vector<float>& wave,
             std::vector<float>& window) {
  e.Processing(ins, 1, outs, 2, n, wave.size(), window.size(), wave.size(), wave.data(),
               window.data(), wave.data());
}

void process(zunCloud& e, double** ins, double** outs, long n, std::vector<float>& wave,
             std::vector<float>& window) {
  e.Processing(ins, 1, outs, 2, n, wave.size(), window.size(), wave.data(), window.data());
}

// An engine at 40960 Hz (a grain every 4096 samples at the default density)
// on tables of ones, hard left at level 1, with an optional trigger signal.
template <class Engine>
struct Rig {
  explicit Rig(int voices = 128) : e(voices, 40960.0) {
    e.setSeed(7);
    e.setLevel(1.0);
    e.setPanningMode(1);
  }
  // Renders `total` samples in vectors of `vector` samples.
  Sound run(long total, long vector = 64) {
    Sound s{std::vector<double>(total), std::vector<double>(total)};
    input.resize(total, 0.0);
    for (long done = 0; done < total; done += vector) {
      const long n = std::min(vector, total - done);
      double* ins[1] = {input.data() + done};
      double* outs[2] = {s.left.data() + done, s.right.data() + done};
      process(e, ins, outs, n, wave, window);
    }
    return s;
  }
  Engine e;
  std::vector<float> wave = std::vector<float>(64, 1.f);
  std::vector<float> window = std::vector<float>(64, 1.f);
  std::vector<double> input;
};

// A sample whose frame i holds i, so that a grain's samples tell where it
// reads; 32768 frames make the positions in it exact.
std::vector<float> rampSample() {
  std::vector<float> t(32768);
  for (size_t i = 0; i < t.size(); ++i) t[i] = static_cast<float>(i);
  return t;
}

// Where grains begin: a sounding sample after a silent one.
std::vector<long> onsets(const std::vector<double>& v) {
  std::vector<long> found;
  for (size_t i = 0; i < v.size(); ++i)
    if (v[i] != 0.0 && (i == 0 || v[i - 1] == 0.0)) found.push_back(static_cast<long>(i));
  return found;
}

std::vector<double> at(const std::vector<double>& v, const std::vector<long>& where,
                       long shift = 0) {
  std::vector<double> values;
  for (long i : where) values.push_back(v[i + shift]);
  return values;
}

// How many of n draws fall under a chance p, with five standard deviations
// either side.
void expectShare(long count, long n, double p) {
  const double mean = n * p, spread = 5.0 * std::sqrt(n * p * (1.0 - p));
  EXPECT_GE(count, mean - spread);
  EXPECT_LE(count, mean + spread);
}

}  // namespace

// With every option at its off value, a trigger signal present and events
// on, both engines play exactly what they play untouched, and draw the
// same random values.
TEST(Options, OffValuesChangeNothing) {
  auto check = [](auto& plain, auto& asked) {
    for (auto* rig : {&plain, &asked}) {
      rig->e.setRndDensity(1.0);
      rig->e.setRndLength(1.0);
      rig->e.setPanningMode(0);
      rig->e.setWidth(0.7);
      rig->e.setToggle(1);
    }
    asked.e.options.setRndLevel(0.0);
    asked.e.options.setPanningLaw(0);
    asked.e.options.setEvents(1);
    asked.input.assign(40000, 0.0);
    for (long i = 0; i < 40000; i += 333) asked.input[i] = 1.0;
    const Sound a = plain.run(40000, 100), b = asked.run(40000, 100);
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.right, b.right);
    EXPECT_EQ(int(plain.e.seed), int(asked.e.seed));
  };
  Rig<zunBurst> b1, b2;
  b2.e.setRndMask(0.0);
  b2.e.setBurstPlay(3);
  b2.e.setBurstRest(0);
  check(b1, b2);
  Rig<zunCloud> c1, c2;
  c2.e.setRndPosition(0.0);
  c2.e.setScanSpeed(0.0);
  c2.e.setRndReverse(0.0);
  check(c1, c2);
}

TEST(Options, SettersFoldTheirValues) {
  zunBurst b(4, 44100.0);
  zunCloud c(4, 44100.0);
  const struct {
    std::function<void(double)> set;
    std::function<double()> stored;
    double given, expected;
  } cases[] = {
      {[&](double x) { b.options.setRndLevel(x); }, [&] { return double(b.options.rndLevel); },
       -6.0, 6.0},
      {[&](double x) { b.options.setRndLevel(x); }, [&] { return double(b.options.rndLevel); },
       INFINITY, INFINITY},
      {[&](double x) { b.setRndMask(x); }, [&] { return double(b.rndMask); }, 2.0, 1.0},
      {[&](double x) { b.setRndMask(x); }, [&] { return double(b.rndMask); }, -0.5, 0.0},
      {[&](double x) { if (x == x) b.setBurstPlay(static_cast<long long>(x)); },
       [&] { return double(b.burstPlay); }, -3, 0},
      {[&](double x) { if (x == x) b.setBurstRest(static_cast<long long>(x)); },
       [&] { return double(b.burstRest); }, 1e12, 1048576},
      {[&](double x) { c.setRndPosition(x); }, [&] { return double(c.rndPosition); }, -40.0, 20.0},
      {[&](double x) { c.setScanSpeed(x); }, [&] { return double(c.scanSpeed); },
       -INFINITY, -1000.0},
      {[&](double x) { c.setScanSpeed(x); }, [&] { return double(c.scanSpeed); }, 1e300, 1000.0},
      {[&](double x) { c.setRndReverse(x); }, [&] { return double(c.rndReverse); }, 7.0, 1.0},
  };
  for (const auto& k : cases) {
    k.set(k.given);
    EXPECT_EQ(k.stored(), k.expected) << k.given;
    k.set(NAN);
    EXPECT_EQ(k.stored(), k.expected) << "NaN changes nothing";
  }
}

// Each grain's level lies within the spread below the set level, and the
// levels differ from grain to grain; an infinite spread silences grains.
TEST(Options, LevelJitterStaysWithinItsDecibels) {
  for (double db : {6.0, 40.0}) {
    Rig<zunBurst> rig;
    rig.e.setDensity(1000);
    rig.e.setLength(0.5);
    rig.e.options.setRndLevel(db);
    rig.e.setToggle(1);
    const Sound s = rig.run(40960);
    const std::vector<double> levels = at(s.left, onsets(s.left));
    ASSERT_GT(levels.size(), 900u);
    double low = 1.0, high = 0.0;
    for (double l : levels) low = std::fmin(low, l), high = std::fmax(high, l);
    EXPECT_GE(low, std::pow(10.0, -db / 20.0));
    EXPECT_LE(high, 1.0);
    EXPECT_LT(low, std::pow(10.0, -db / 20.0 * 0.95)) << "the spread is used";
    EXPECT_GT(high, std::pow(10.0, -db / 20.0 * 0.05));
  }
  Rig<zunCloud> rig;
  rig.e.options.setRndLevel(INFINITY);
  rig.e.setToggle(1);
  const Sound s = rig.run(20000);
  for (double x : s.left) ASSERT_EQ(x, 0.0);
}

// Burst masking plays and rests exact counts of grains; random masking
// silences its share; masked grains keep the train's timing.
TEST(Options, MaskingPatterns) {
  const struct {
    long play, rest;
    double chance;
    std::vector<long> grains;  // which of the first ten grains sound; empty: count only
  } cases[] = {
      {2, 1, 0.0, {0, 1, 3, 4, 6, 7, 9}},
      {1, 3, 0.0, {0, 4, 8}},
      {0, 2, 0.0, {}},
      {1, 0, 1.0, {}},
      {1, 0, 0.3, {}},
  };
  for (const auto& c : cases) {
    Rig<zunBurst> rig;
    rig.e.setBurstPlay(c.play);
    rig.e.setBurstRest(c.rest);
    rig.e.setRndMask(c.chance);
    rig.e.setToggle(1);
    const long grains = c.chance > 0.0 ? 2000 : 10;
    rig.e.setDensity(c.chance > 0.0 ? 1000 : 10);
    rig.e.setLength(c.chance > 0.0 ? 0.5 : 50);
    const long period = c.chance > 0.0 ? 40 : 4096;
    const std::vector<long> heard = onsets(rig.run(grains * period).left);
    for (long onset : heard) ASSERT_EQ(onset % period, 0) << "masks keep the timing";
    if (c.chance > 0.0 && c.chance < 1.0) {
      expectShare(grains - static_cast<long>(heard.size()), grains, c.chance);
    } else {
      std::vector<long> expected;
      for (long g : c.grains) expected.push_back(g * period);
      EXPECT_EQ(heard, expected) << c.play << ":" << c.rest;
    }
  }
}

// The equal-power law keeps left² + right² the same wherever a grain sits:
// 1 for manual panning, 2 for random panning (whose centre keeps the
// linear law's gains of 1 and 1).
TEST(Options, EqualPowerPanningKeepsThePower) {
  const struct { int mode; double width, power; } cases[] = {
      {1, 0.0, 1.0}, {1, 0.3, 1.0}, {1, 1.0, 1.0}, {0, 0.0, 2.0}, {0, 0.5, 2.0}, {0, 1.0, 2.0}};
  for (const auto& c : cases) {
    Rig<zunCloud> rig;
    rig.e.setPanningMode(c.mode);
    rig.e.setWidth(c.width);
    rig.e.options.setPanningLaw(1);
    rig.e.setDensity(1000);
    rig.e.setLength(0.5);
    rig.e.setToggle(1);
    const Sound s = rig.run(8192);
    const std::vector<long> starts = onsets(s.left);
    ASSERT_GT(starts.size(), 150u);
    std::vector<double> lefts;
    for (long i : starts) {
      EXPECT_NEAR(s.left[i] * s.left[i] + s.right[i] * s.right[i], c.power, 1e-12);
      lefts.push_back(s.left[i]);
    }
    if (c.mode == 0 && c.width > 0.0) {
      EXPECT_NE(lefts[0], lefts[1]) << "random places";
    }
    if (c.mode == 0 && c.width == 0.0) {
      EXPECT_NEAR(lefts[0], 1.0, 1e-15);
    }
  }
}

// Impulses start grains at exactly their samples, whatever the vectors,
// with the clock off or in addition to it, in whole samples or not; the
// clock's own grains stay where they were.
TEST(Options, TriggerInputStartsGrainsAtItsCrossings) {
  const std::vector<long> impulses = {5, 64, 66, 1000, 4000, 10001};
  for (long vector : {1L, 64L, 777L}) {
    for (int clock : {0, 1, 2}) {
      Rig<zunBurst> rig;
      rig.e.setLength(0.04);  // one sample long
      rig.e.setToggle(clock);
      rig.e.setSubsample(clock == 2);
      rig.e.options.setTriggerInput(1);
      rig.input.assign(12288, -0.5);
      for (long i : impulses) rig.input[i] = 1.0;
      std::vector<long> expected = impulses;
      if (clock) expected.insert(expected.end(), {0, 4096, 8192});
      std::sort(expected.begin(), expected.end());
      EXPECT_EQ(onsets(rig.run(12288, vector).left), expected) << vector << " " << clock;
    }
  }
}

// Switched on, the input's first sample starts nothing: a signal already
// above 0 needs to fall to 0 or below and rise again.
TEST(Options, TriggerInputSwitchedOnAboveZeroWaitsForACrossing) {
  const struct {
    long before;  // samples rendered with the input off
    long dip;     // the one sample at 0, or -1
    std::vector<long> grains;
  } cases[] = {{0, -1, {}}, {0, 300, {301}}, {128, -1, {}}, {128, 0, {1}}};
  for (const auto& c : cases) {
    Rig<zunBurst> rig;
    rig.e.setLength(0.04);
    rig.run(c.before);
    rig.e.options.setTriggerInput(1);
    rig.input.assign(1024, 0.5);
    if (c.dip >= 0) rig.input[c.dip] = 0.0;
    EXPECT_EQ(onsets(rig.run(1024).left), c.grains) << c.before << " " << c.dip;
  }
}

// Grains start at the position, spread by up to half the jitter either
// side, in the sample read cyclically; the starts differ.
TEST(Options, PositionJitterSpreadsTheStarts) {
  Rig<zunCloud> rig;
  rig.wave = rampSample();
  rig.e.setPhase(0.5);
  rig.e.setRndPosition(100.0);  // 4096 frames at 40960 Hz: 2048 either side
  rig.e.setDensity(1000);
  rig.e.setLength(0.5);
  rig.e.setToggle(1);
  const Sound s = rig.run(40960);
  double low = 1e9, high = 0.0;
  for (double read : at(s.left, onsets(s.left))) {
    low = std::fmin(low, read - 1.0);  // a grain reads one frame in
    high = std::fmax(high, read - 1.0);
  }
  EXPECT_GE(low, 16384 - 2048 - 1);
  EXPECT_LE(high, 16384 + 2048);
  EXPECT_LT(low, 16384 - 1800);
  EXPECT_GT(high, 16384 + 1800);
}

// The head moves by the speed times the frames elapsed, wrapping, and
// holds still at speed 0; a grain every 4096 samples reads where it is.
TEST(Options, ScanSpeedMovesThePosition) {
  for (double speed : {0.5, -1.0, 2.0, 0.0}) {
    for (long vector : {64L, 1000L}) {
      Rig<zunCloud> rig;
      rig.wave = rampSample();
      rig.e.setLength(10);
      rig.e.setScanSpeed(speed);
      rig.e.setToggle(1);
      const Sound s = rig.run(8 * 4096, vector);
      const std::vector<long> starts = onsets(s.left);
      ASSERT_EQ(starts.size(), 8u);
      for (long k = 0; k < 8; ++k) {
        const double head = std::fmod(speed * 4096.0 * k + 32768.0 * 4, 32768.0);
        EXPECT_EQ(s.left[starts[k] + 1], head + 2.0) << speed << " grain " << k;
      }
    }
  }
}

// Each grain reads backwards with probability p; "reverse" still turns
// every grain round.
TEST(Options, ReverseProbability) {
  const struct { double chance; int invert; } cases[] = {{0.3, 0}, {0.8, 0}, {1.0, 0}, {0.3, 1}};
  for (const auto& c : cases) {
    Rig<zunCloud> rig;
    rig.wave = rampSample();
    rig.e.setPhase(0.5);
    rig.e.setRndReverse(c.chance);
    rig.e.setInvert(c.invert);
    rig.e.setDensity(1000);
    rig.e.setLength(0.5);
    rig.e.setToggle(1);
    const Sound s = rig.run(2000 * 40);
    const std::vector<long> starts = onsets(s.left);
    ASSERT_EQ(starts.size(), 2000u);
    long backwards = 0;
    for (long i : starts) backwards += s.left[i + 1] < s.left[i];
    if (c.invert || c.chance == 1.0) EXPECT_EQ(backwards, 2000);
    else expectShare(backwards, 2000, c.chance);
  }
}

// One event for each grain that sounds, at its onset, with the voice's
// level and gains.
TEST(Options, EventsDescribeTheGrainsPlayed) {
  Rig<zunBurst> rig;
  rig.e.setPanningMode(0);
  rig.e.setWidth(1.0);
  rig.e.options.setRndLevel(6.0);
  rig.e.setBurstRest(1);
  rig.e.setDensity(100);
  rig.e.setLength(1);
  rig.e.setToggle(1);
  rig.e.options.setEvents(1);
  const Sound s = rig.run(40960, 100);
  const std::vector<long> starts = onsets(s.left);
  zunGrainEvent e;
  size_t k = 0;
  for (; rig.e.options.events.pop(e); ++k) {
    ASSERT_LT(k, starts.size());
    EXPECT_EQ(e.sample, static_cast<unsigned long long>(starts[k]));
    EXPECT_EQ(e.period, 409u);
    EXPECT_EQ(s.left[starts[k]], e.level * e.gainLeft);
    EXPECT_EQ(s.right[starts[k]], e.level * e.gainRight);
  }
  EXPECT_EQ(k, starts.size());
  EXPECT_EQ(k, 51u);
}

// A full queue drops and counts what it has no room for.
TEST(Options, FullEventQueueCountsWhatItDrops) {
  zunEventQueue q;
  zunGrainEvent e;
  for (unsigned i = 0; i < zunEventQueue::capacity + 5; ++i) {
    e.voice = static_cast<int>(i);
    q.push(e);
  }
  EXPECT_EQ(q.dropped(), 5u);
  for (unsigned i = 0; i < zunEventQueue::capacity; ++i) ASSERT_TRUE(q.pop(e) && e.voice == int(i));
  EXPECT_FALSE(q.pop(e));
}

// With every voice held by a 100 s grain, a flush fades them all out within
// 5 ms, never stepping by more than the fade's slope, and frees them: the
// clock's grains dropped during the fade are lost, its next one sounds.
template <class Engine>
void expectFlushFreesTheVoices(long vector) {
  Rig<Engine> rig;
  rig.e.setLength(100000.0);
  rig.e.setDensity(640.0);  // a grain every 64 samples
  rig.e.setToggle(1);
  const long held = 157 * 64;  // long after the 128th grain
  ASSERT_EQ(rig.run(held, vector).left.back(), 128.0);
  rig.e.flush();
  const std::vector<double> left = rig.run(2048, vector).left;
  const double fade = zunFadeSeconds * 40960.0;
  double step = 128.0 - left[0];
  for (long i = 1; i < 256; ++i) step = std::max(step, std::fabs(left[i] - left[i - 1]));
  EXPECT_LE(step, 128.0 / fade * 1.01) << vector;
  for (long i = static_cast<long>(std::ceil(fade)); i < 256; ++i)
    ASSERT_EQ(left[i], 0.0) << vector << " at " << i;
  EXPECT_EQ(left[256], 1.0) << vector;
  EXPECT_EQ(rig.e.getNumOscActive(), 2048 / 64 - 4) << vector;
}

TEST(Options, FlushFadesEveryGrainOutAndFreesItsVoice) {
  for (long vector : {1L, 64L, 777L}) {
    expectFlushFreesTheVoices<zunBurst>(vector);
    expectFlushFreesTheVoices<zunCloud>(vector);
  }
}
