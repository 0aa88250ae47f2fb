// What the engines' switches beyond their own do to the sound, measured on
// renders: sub-sample grain onsets, band-limited wave tables, cubic reads,
// voice stealing, formants.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "spectrum.h"
#include "zunBurst.h"
#include "zunCloud.h"

namespace {

using spectrum::cents;
using spectrum::decibels;
using spectrum::pi;

std::vector<float> shape(int n, std::function<double(double)> f) {
  std::vector<float> t(n);
  for (int i = 0; i < n; ++i) t[i] = static_cast<float>(f(static_cast<double>(i) / n));
  return t;
}
std::vector<float> ones(int n = 64) { return std::vector<float>(n, 1.f); }
std::vector<float> hann(int n = 2048) {
  return shape(n, [](double x) { return 0.5 - 0.5 * std::cos(2 * pi * x); });
}
// Partials 1 to `count`, partial h of amplitude 1/h: a sawtooth's first ones.
std::vector<float> partials(int count, int n = 2048) {
  return shape(n, [count](double x) {
    double v = 0;
    for (int h = 1; h <= count; ++h) v += std::sin(2 * pi * h * x) / h;
    return v;
  });
}
std::vector<float> saw(int n = 2048) {
  return shape(n, [](double x) { return x < 0.5 ? 2 * x : 2 * x - 2; });
}

// An engine with its tables, rendering its left output vector by vector.
template <class Engine>
struct Rig {
  Rig(double rate, std::vector<float> w1, std::vector<float> win, std::vector<float> w2 = {})
      : engine(128, rate), wave(std::move(w1)), window(std::move(win)), wave2(std::move(w2)) {
    engine.setSeed(1);
    engine.setInterp(1);
    engine.setToggle(1);
  }
  std::vector<double> render(long frames) {
    std::vector<double> left(frames), right(frames);
    for (long done = 0; done < frames; done += 64) {
      double* outs[2] = {left.data() + done, right.data() + done};
      process(outs, std::min(64L, frames - done));
    }
    return left;
  }
  void process(double** outs, long n);
  // Band-limits both wave tables from their contents.
  void bandLimit() {
    engine.setBandLimit(1);
    engine.refreshWaveLevels(0, [&](auto use) { use(zunTable{wave.data(), size(wave), 1}); });
    engine.refreshWaveLevels(1, [&](auto use) { use(zunTable{wave2.data(), size(wave2), 1}); });
  }
  static long long size(const std::vector<float>& t) { return static_cast<long long>(t.size()); }

  Engine engine;
  std::vector<float> wave, window, wave2;
};

template <>
void Rig<zunBurst>::process(double** outs, long n) {
  engine.Processing(nullptr, 0, outs, 2, n, size(wave), size(window), size(wave2), wave.data(),
                    window.data(), wave2.data());
}
template <>
void Rig<zunCloud>::process(double** outs, long n) {
  engine.Processing(nullptr, 0, outs, 2, n, size(wave), size(window), wave.data(), window.data());
}

// Grains one period long under a Hann window, reading a table of ones: a
// raised cosine at the grain rate.
template <class Engine>
double trainFundamental(double rate, double density, bool subsample) {
  Rig<Engine> rig(rate, ones(), hann(), ones());
  if constexpr (std::is_same_v<Engine, zunBurst>) {
    rig.engine.setAttack(1);  // the window read plainly across the grain
    rig.engine.setDecay(1);
  }
  rig.engine.setLength(1000.0 / density);
  rig.engine.setDensity(density);
  rig.engine.setSubsample(subsample);
  return spectrum::frequency(rig.render(static_cast<long>(2.2 * rate)), rate, density);
}

}  // namespace

// Whole-sample periods play the rate of the truncated period (3000 grains
// a second at 44.1 kHz sound at 3150 Hz); sub-sample onsets play the
// density itself.
TEST(Subsample, TheFundamentalIsTheDensity) {
  for (double density : {100.0, 300.0, 700.0, 1234.5, 3000.0, 5000.0}) {
    for (bool on : {false, true}) {
      SCOPED_TRACE(testing::Message() << density << (on ? " sub-sample" : " whole"));
      const auto expected = [&](double rate) {
        return on ? density : rate / std::floor(rate / density);
      };
      EXPECT_LT(std::fabs(cents(trainFundamental<zunBurst>(44100, density, on) / expected(44100))),
                0.1);
      EXPECT_LT(std::fabs(cents(trainFundamental<zunCloud>(48000, density, on) / expected(48000))),
                0.1);
    }
  }
}

// A 1 kHz train at 44.1 kHz has a period of 44.1 samples: its onsets fall
// on a pattern that repeats every 441 samples. Grains that did not make up
// for starting off their due moment would jitter by up to a sample and put
// sidebands at every multiple of 100 Hz between the harmonics.
TEST(Subsample, ATrainBetweenSamplesHasNoSidebands) {
  Rig<zunBurst> rig(44100, shape(2048, [](double x) { return std::sin(2 * pi * x); }), hann(),
                    ones());
  rig.engine.setAttack(1);
  rig.engine.setDecay(1);
  rig.engine.setCps(2000);
  rig.engine.setLength(4);
  rig.engine.setDensity(1000);
  rig.engine.setSubsample(1);
  const std::vector<double> out = rig.render(4410 + 44100);
  double harmonic = 0, sideband = 0;
  for (int m = 1; m < 220; ++m) {
    const double power = std::norm(spectrum::dft(out, 4410, 44100, m * 100.0 / 44100));
    (m % 10 == 0 ? harmonic : sideband) = std::fmax(m % 10 == 0 ? harmonic : sideband, power);
  }
  EXPECT_LT(decibels(sideband / harmonic), -100.0);
}

// An early start draws what an on-time one draws, in the same order, and
// keeps the period untruncated.
TEST(Subsample, AnEarlyStartDrawsTheSameValues) {
  for (double lead : {0.0, 0.5}) {
    zunBurst e(128, 44100.0);
    e.setSeed(1);
    e.setRndDensity(1.0);
    e.setRndLength(1.0);
    e.setWidth(1.0);
    e.initializeGrain(0, lead);
    EXPECT_EQ(e.pool->gainLeft[0], 0.5000039131846505);
    EXPECT_EQ(e.getGrainLength(), 0.09059035602580248);
    EXPECT_EQ(e.period, 3200u);
    EXPECT_EQ(e.exactSchedule.period, 3200.749835265223);
    EXPECT_EQ(e.exactSchedule.lead, lead);
    EXPECT_EQ(e.seed, 1878557649);
  }
}

namespace {

// One long grain with a flat envelope at 48 kHz: a steady pulsaret. At
// 3100 Hz every partial lies on a multiple of 100 Hz; those that are not
// multiples of 3100 Hz folded back from above 24 kHz. Returns the folded
// power against the fundamental's.
double aliasing(const std::vector<float>& wave, bool bandLimited) {
  Rig<zunBurst> rig(48000, wave, ones(), wave);
  rig.engine.setAttack(0);
  rig.engine.setDecay(0);
  rig.engine.setLength(10000);
  rig.engine.setDensity(0.01);  // one grain
  rig.engine.setCps(3100);
  if (bandLimited) rig.bandLimit();
  const std::vector<double> out = rig.render(4800 + 48000);
  double folded = 0;
  for (int m = 1; m < 240; ++m)
    if (m % 31 != 0) folded += std::norm(spectrum::dft(out, 4800, 48000, m * 100.0 / 48000));
  return decibels(folded / std::norm(spectrum::dft(out, 4800, 48000, 3100.0 / 48000)));
}

std::vector<double> flatGrain(const std::vector<float>& wave, double glisson, bool bandLimited) {
  Rig<zunBurst> rig(48000, wave, ones(), wave);
  rig.engine.setAttack(0);
  rig.engine.setDecay(0);
  rig.engine.setLength(50);
  rig.engine.setCps(1550);
  rig.engine.setGlisson(glisson);
  if (bandLimited) rig.bandLimit();
  return rig.render(2400);
}

double largestDifference(const std::vector<double>& a, const std::vector<double>& b) {
  double most = 0;
  for (size_t k = 0; k < a.size(); ++k) most = std::fmax(most, std::fabs(a[k] - b[k]));
  return most;
}

}  // namespace

TEST(BandLimit, ASawtoothPulsaretFoldsNothingBack) {
  EXPECT_GT(aliasing(saw(), false), -12.0);
  EXPECT_LT(aliasing(saw(), true), -60.0);
}

// A grain reads the levels that keep its partials below 24 kHz up to the
// highest frequency it reaches. At 1550 Hz that is 15 partials: the level
// of 8 holds the whole table of 8; gliding up an octave to 3100 Hz it is 7:
// the level of 4. Gliding down, the start is the highest.
TEST(BandLimit, AGrainReadsTheLevelsForItsHighestFrequency) {
  const struct { double glisson; int partialsHeard; } cases[] = {{0, 8}, {12, 4}, {-12, 8}};
  for (const auto& c : cases) {
    const double error = largestDifference(flatGrain(partials(8), c.glisson, true),
                                           flatGrain(partials(c.partialsHeard), c.glisson, false));
    EXPECT_LT(error, 2e-6) << c.glisson;
  }
  // A sine has nothing to cut: the levels differ from it by their rounding.
  const std::vector<float> sine = partials(1);
  EXPECT_LT(largestDifference(flatGrain(sine, 12, true), flatGrain(sine, 12, false)), 1e-6);
}

// Levels of tables of every kind of length keep exactly the partials up to
// their highest one, and nothing above it.
TEST(BandLimit, LevelsKeepTheirPartialsAndNothingElse) {
  for (int n : {1, 2, 3, 37, 64, 100, 1000}) {
    std::vector<float> t(n);
    for (int i = 0; i < n; ++i)
      t[i] = static_cast<float>(std::sin(i * 1.7) + std::cos(i * i * 0.1));
    const zunTable table{t.data(), n, 1};
    const auto levels = zunWaveLevels::make(table);
    ASSERT_EQ(levels->count(), n == 1 ? 1 : static_cast<int>(std::log2(n / 2)) + 2) << n;
    const auto asDoubles = [](const zunTable& l) {
      std::vector<double> v;
      for (long long i = 0; i < l.frames; ++i) v.push_back(l.at(i));
      return v;
    };
    const std::vector<double> source = asDoubles(table);
    for (int l = 0, top = n / 2; l < levels->count(); ++l, top /= 2) {
      const std::vector<double> level = asDoubles(levels->level(table, top + 0.5));
      for (int k = 0; k <= n / 2; ++k) {
        const auto kept = spectrum::dft(level, 0, n, double(k) / n);
        const auto expected = k <= top ? spectrum::dft(source, 0, n, double(k) / n) : 0.0;
        EXPECT_LT(std::abs(kept - expected), 1e-5 * n) << n << " level " << l << " partial " << k;
      }
    }
  }
}

// Degenerate tables and frequencies pick a level and sound finite.
TEST(BandLimit, AnyTableAndFrequencyStaysFinite) {
  const double inf = INFINITY;
  for (int n : {1, 2, 3}) {
    for (double cps : {0.0, 3100.0, -3100.0, 1e300, inf, -inf}) {
      for (double glisson : {0.0, 1e300, -inf}) {
        Rig<zunBurst> rig(48000, partials(1, n), hann(), partials(1, n + 1));
        rig.engine.setCps(cps);
        rig.engine.setRndCps(cps == 0.0 ? inf : 0.0);
        rig.engine.setGlisson(glisson);
        rig.engine.setDensity(2000);
        rig.bandLimit();
        for (double x : rig.render(512)) ASSERT_TRUE(std::isfinite(x)) << n << " " << cps;
      }
    }
  }
}

TEST(Cubic, WorkedReads) {
  const float four[] = {1, 2, 4, 8}, two[] = {1, 3}, one[] = {5};
  const struct { const float* t; long long n; double x, value; } cases[] = {
      {four, 4, 1.0, 2.0},  {four, 4, 1.5, 2.8125}, {four, 4, 3.5, 4.6875}, {four, 4, 0.5, 0.9375},
      {four, 4, 4.0, 1.0},  {two, 2, 0.5, 2.0},     {one, 1, 0.7, 5.0},
  };
  for (const auto& c : cases)
    EXPECT_EQ((zunTable{c.t, c.n, 1}.read<zunCubicRead>(c.x)), c.value) << c.n << " at " << c.x;
}

// A sine sample read a fifth up, in the flat middle of a long grain: the
// power of everything but the sine. The truncating read leaves about
// -35 dB, the linear one about -76 dB, the cubic one far less.
TEST(Cubic, ASineReadAFifthUpKeepsItsSpursLow) {
  const double cycles = 441;  // in a second at 44.1 kHz
  const auto spurs = [&](int interp, int cubic) {
    const auto sine = [&](double x) { return std::sin(2 * pi * cycles * x); };
    Rig<zunCloud> rig(44100, shape(44100, sine), ones());
    rig.engine.setInterp(interp);
    rig.engine.setCubic(cubic);
    rig.engine.setPitch(7);
    rig.engine.setLength(10000);
    rig.engine.setDensity(0.01);  // one grain
    const std::vector<double> out = rig.render(44100);
    return spectrum::distortion(out, 4410, 32768, cycles * std::exp2(7.0 / 12) / 44100);
  };
  const double truncated = spurs(0, 0), linear = spurs(1, 0), cubic = spurs(1, 1);
  EXPECT_NEAR(truncated, -35, 5);
  EXPECT_NEAR(linear, -76, 5);
  EXPECT_LT(cubic, linear - 30);
  EXPECT_EQ(spurs(0, 1), cubic) << "interp 0 or 1, cubic reads alike";
}

namespace {

// Tables of ones, grains at level 1 on `voices` voices.
template <class Engine>
struct OnesRig : Rig<Engine> {
  explicit OnesRig(int voices) : Rig<Engine>(44100, ones(), ones(), ones()) {
    this->engine.setOverlap(voices);
    this->engine.setLevel(1);
  }
};

// Grains of 100 ms at 100 a second want ten voices: stealing starts every
// grain where four voices drop some, and changes nothing where 128 hold
// them all.
template <class Engine>
void expectEveryGrainStarts() {
  const struct { int voices; bool steal; long started; unsigned crowded; } cases[] = {
      {128, false, 100, 0}, {128, true, 100, 0}, {4, false, 40, 60}, {4, true, 100, 96},
  };
  std::vector<double> heardBy128;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.voices << " voices, steal " << c.steal);
    OnesRig<Engine> rig(c.voices);
    rig.engine.options.setEvents(1);
    rig.engine.options.setSteal(c.steal);
    rig.engine.setLength(100);
    rig.engine.setDensity(100);
    const std::vector<double> out = rig.render(44100);
    long started = 0;
    for (zunGrainEvent e; rig.engine.options.events.pop(e);) ++started;
    EXPECT_EQ(started, c.started);
    EXPECT_EQ(rig.engine.options.takeCrowded(), c.crowded);
    if (c.voices == 128 && !c.steal) heardBy128 = out;
    if (c.voices == 128 && c.steal) {
      EXPECT_EQ(out, heardBy128);
    }
  }
}

// One voice: the second grain, silent, takes the first one's voice at 50
// ms, and the first fades out from its full level in straight steps,
// silent within 2 ms (88 samples at 44.1 kHz).
template <class Engine>
void expectTheStolenGrainFadesOut() {
  OnesRig<Engine> rig(1);
  rig.engine.options.setSteal(1);
  rig.engine.setLength(1000);
  rig.engine.setDensity(20);
  std::vector<double> out = rig.render(64);
  rig.engine.setLevel(0);
  const std::vector<double> rest = rig.render(4000);
  out.insert(out.end(), rest.begin(), rest.end());
  for (long k = 1; k < 2205; ++k) ASSERT_EQ(out[k], 1.0) << k;
  for (long k = 2205; k < 2300; ++k) {
    ASSERT_LE(std::fabs(out[k] - out[k - 1]), 1.0 / 88 + 1e-12) << k;
    if (k >= 2205 + 88) {
      ASSERT_EQ(out[k], 0.0) << k;
    }
  }
}

}  // namespace

TEST(Steal, EveryGrainStartsAndNoneIsStolenWhileVoicesSuffice) {
  expectEveryGrainStarts<zunBurst>();
  expectEveryGrainStarts<zunCloud>();
}

TEST(Steal, TheStolenGrainFadesOutWithinTwoMilliseconds) {
  expectTheStolenGrainFadesOut<zunBurst>();
  expectTheStolenGrainFadesOut<zunCloud>();
}

namespace {

// One grain of 1 s at 48 kHz, flat, of formants of a 300 Hz sine: each
// output's amplitudes at `hz`, over 0.8 s of whole cycles of each.
std::vector<double> formantAmplitudes(Rig<zunBurst>& rig, std::vector<double> ratios,
                                      std::vector<double> hz) {
  rig.engine.setAttack(0);
  rig.engine.setDecay(0);
  rig.engine.setLength(1000);
  rig.engine.setDensity(0.01);
  rig.engine.setLevel(1);
  rig.engine.setFormants(ratios.data(), static_cast<int>(ratios.size()));
  std::vector<double> out[2] = {std::vector<double>(48000), std::vector<double>(48000)};
  for (long done = 0; done < 48000; done += 64) {
    double* outs[2] = {out[0].data() + done, out[1].data() + done};
    rig.process(outs, 64);
  }
  std::vector<double> a;
  for (const std::vector<double>& side : out)
    for (double f : hz)
      a.push_back(2 * std::abs(spectrum::dft(side, 4800, 38400, f / 48000)) / 38400);
  return a;
}

}  // namespace

// Peaks at cps times each ratio with its formant's level, left then right;
// a formant with a pan sits there as manual panning places a grain, one
// without where the grain's own pan puts it (width 0: both gains 1).
TEST(Formants, PeaksAtTheRatiosWithTheirLevelsAndPans) {
  const struct { std::vector<double> ratios, levels, pans, heard; } cases[] = {
      {{1, 2.5}, {1, 0.5}, {}, {1, 0.5, 0, 1, 0.5, 0}},
      {{1, 2.5, 4}, {0.25, 1, 0.5}, {}, {0.25, 1, 0.5, 0.25, 1, 0.5}},
      {{4, 1}, {1}, {}, {1, 0, 1, 1, 0, 1}},
      {{1, 2.5}, {1, 0.5}, {0, 1}, {1, 0, 0, 0, 0.5, 0}},
      {{1, 2.5}, {1, 0.5}, {0.25}, {0.75, 0.5, 0, 0.25, 0.5, 0}},
  };
  for (const auto& c : cases) {
    Rig<zunBurst> rig(48000, partials(1), ones(), partials(1));
    rig.engine.setCps(300);
    rig.engine.setFormantLevels(c.levels.data(), static_cast<int>(c.levels.size()));
    rig.engine.setFormantPans(c.pans.data(), static_cast<int>(c.pans.size()));
    const std::vector<double> a = formantAmplitudes(rig, c.ratios, {300, 750, 1200});
    for (size_t k = 0; k < a.size(); ++k) EXPECT_NEAR(a[k], c.heard[k], 0.005) << k;
  }
}

// A 1 kHz sawtooth's formant at 10.5 kHz folds partials back onto odd
// multiples of 500 Hz unless it reads the levels of its own frequency.
TEST(Formants, EachFormantIsBandLimitedAtItsOwnFrequency) {
  for (bool bandLimited : {false, true}) {
    Rig<zunBurst> rig(48000, saw(), ones(), saw());
    rig.engine.setCps(1000);
    if (bandLimited) rig.bandLimit();
    std::vector<double> hz;
    for (int m = 1; m < 48; m += 2)
      if (m % 21 != 0) hz.push_back(m * 500.0);
    hz.push_back(10500);
    const std::vector<double> a = formantAmplitudes(rig, {1, 10.5}, hz);
    double folded = 0;
    for (size_t k = 0; k + 1 < hz.size(); ++k) folded += a[k] * a[k];
    const double ratio = decibels(folded / (a[hz.size() - 1] * a[hz.size() - 1]));
    if (bandLimited) EXPECT_LT(ratio, -60.0);
    else EXPECT_GT(ratio, -30.0);
  }
}

// In periods of the first formant, a grain of 3 lasts 3 of its periods
// whatever the cps: a grain of ones sounds that many samples.
TEST(Formants, LengthInPeriodsFollowsTheCps) {
  const struct { double cps, ratio; int mode; long samples; } cases[] = {
      {200, 1, 1, 720}, {480, 1, 1, 300}, {200, 2, 1, 360}, {-480, 1, 1, 300}, {200, 1, 0, 144},
  };
  for (const auto& c : cases) {
    Rig<zunBurst> rig(48000, ones(), ones(), ones());
    rig.engine.setDensity(1);
    rig.engine.setCps(c.cps);
    rig.engine.setFormants(&c.ratio, 1);
    rig.engine.setLengthMode(c.mode);
    rig.engine.setLength(3);
    const std::vector<double> out = rig.render(2000);
    const long sounding = std::count_if(out.begin(), out.end(), [](double x) { return x != 0; });
    EXPECT_NEAR(sounding, c.samples, 1) << c.cps << " " << c.ratio;
  }
}

// One formant at ratio 1 is the grain itself, bit for bit; with more, the
// first formant keeps every grain's draws and the stream after them.
TEST(Formants, FormantsShareTheGrainsDraws) {
  const auto run = [](std::vector<double> ratios, std::vector<double>& firsts) {
    Rig<zunBurst> rig(44100, partials(3), hann(), saw());
    rig.engine.setRndCps(12);
    rig.engine.setRndLength(1);
    rig.engine.setRndDensity(1);
    rig.engine.setRndGlisson(12);
    rig.engine.setRndMorph(1);
    rig.engine.setWidth(1);
    rig.engine.options.setRndLevel(6);
    rig.engine.options.setEvents(1);
    rig.engine.setDensity(40);
    rig.engine.setFormants(ratios.data(), static_cast<int>(ratios.size()));
    const std::vector<double> out = rig.render(22050);
    for (zunGrainEvent e; rig.engine.options.events.pop(e);)
      if (e.formant <= 1)
        firsts.insert(firsts.end(), {double(e.sample), e.length, e.frequency, e.level, e.gainLeft});
    return out;
  };
  std::vector<double> plain, one, first;
  EXPECT_EQ(run({1}, one), run({}, plain));
  run({1, 1.5, 2.25}, first);
  EXPECT_EQ(first, plain);
  EXPECT_GT(plain.size(), 20u);
}

// Formants start in order while voices are free, a grain never taking its
// own formants' voices; with stealing the later ones take older grains'.
TEST(Formants, FewerFreeVoicesThanFormants) {
  const struct { int voices; bool steal; std::vector<int> started; unsigned crowded; } cases[] = {
      {2, false, {1, 2}, 4}, {2, true, {1, 2, 1, 2}, 4}, {3, false, {1, 2, 3}, 3},
      {4, false, {1, 2, 3, 1}, 2}, {4, true, {1, 2, 3, 1, 2, 3}, 2},
  };
  for (const auto& c : cases) {
    OnesRig<zunBurst> rig(c.voices);
    const double ratios[] = {1, 2, 3};
    rig.engine.setFormants(ratios, 3);
    rig.engine.options.setSteal(c.steal);
    rig.engine.options.setEvents(1);
    rig.engine.setLength(1000);
    rig.engine.setDensity(20);
    rig.render(3000);
    std::vector<int> started;
    for (zunGrainEvent e; rig.engine.options.events.pop(e);) started.push_back(e.formant);
    EXPECT_EQ(started, c.started) << c.voices << " steal " << c.steal;
    EXPECT_EQ(rig.engine.options.takeCrowded(), c.crowded) << c.voices << " steal " << c.steal;
  }
}
