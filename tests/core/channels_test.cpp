// Multichannel output: where grains sound among N channels, measured on
// renders with all-ones tables, where a grain adds its level times its gain.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "zunBurst.h"
#include "zunCloud.h"

namespace {

struct ChannelRig {
  explicit ChannelRig(int channels) : count(channels) {
    engine.setSeed(1);
    engine.setToggle(1);
    engine.setLevel(1.0);
    if (channels > 0) engine.setOutputChannels(channels);
  }
  // Renders `frames` samples, vector by vector; out[c] is channel c.
  void render(long frames) {
    const int width = count > 0 ? count : 2;
    out.assign(width, std::vector<double>(frames));
    std::vector<double*> outs(width);
    for (long done = 0; done < frames; done += 64) {
      for (int c = 0; c < width; ++c) outs[c] = out[c].data() + done;
      const long n = std::min(64L, frames - done);
      engine.Processing(nullptr, 0, outs.data(), width, n, 64, 64, 64, wave.data(), wave.data(),
                        wave.data());
    }
  }
  std::vector<zunGrainEvent> events() {
    std::vector<zunGrainEvent> all;
    for (zunGrainEvent e; engine.options.events.pop(e);) all.push_back(e);
    return all;
  }
  double peak(int c) const {
    double p = 0.0;
    for (double v : out[c]) p = std::fmax(p, std::fabs(v));
    return p;
  }
  double energy(const std::vector<double>& s) const {
    double sum = 0.0;
    for (double v : s) sum += v * v;
    return sum;
  }

  int count;
  zunBurst engine{128, 44100.0};
  std::vector<float> wave = std::vector<float>(64, 1.f);
  std::vector<std::vector<double>> out;
};

constexpr double h = 0.70710678118654752;  // cos and sin of an eighth of a turn

}  // namespace

// One grain at a time, panned by hand: each channel's peak is its gain.
TEST(Channels, SpeakersPlaceGrainsBetweenTheNearestChannels) {
  const struct {
    int law, circle, count;
    double place;
    std::vector<double> gains;
  } cases[] = {
      {0, 0, 4, 0.5, {0, 0.5, 0.5, 0}},    {0, 0, 4, 1.0, {0, 0, 0, 1}},
      {0, 0, 3, 0.25, {0.5, 0.5, 0}},      {1, 0, 4, 0.5, {0, h, h, 0}},
      {1, 0, 5, 0.25, {0, 1, 0, 0, 0}},    {0, 1, 4, 0.5, {0, 0, 1, 0}},
      {0, 1, 4, 0.875, {0.5, 0, 0, 0.5}},  {1, 1, 4, 0.875, {h, 0, 0, h}},
      {1, 1, 3, 1.0, {1, 0, 0}},           {0, 0, 1, 0.8, {1}},
      {0, 0, 2, 0.3, {0.7, 0.3}},          {0, 1, 2, 0.25, {0.5, 0.5}},
  };
  for (const auto& c : cases) {
    ChannelRig rig(c.count);
    rig.engine.setPanningMode(1);
    rig.engine.setWidth(c.place);
    rig.engine.options.setPanningLaw(c.law);
    rig.engine.options.routing.setPanMode(c.circle);
    rig.engine.setLength(50);
    rig.render(22050);
    for (int k = 0; k < c.count; ++k)
      EXPECT_NEAR(rig.peak(k), c.gains[k], 1e-12)
          << "law " << c.law << " circle " << c.circle << " place " << c.place << " ch " << k;
  }
}

TEST(Channels, EqualPowerKeepsTheTotalPowerEverywhere) {
  for (int circle = 0; circle < 2; ++circle) {
    for (double place = 0.0; place <= 1.0; place += 0.05) {
      ChannelRig rig(5);
      rig.engine.setPanningMode(1);
      rig.engine.setWidth(place);
      rig.engine.options.setPanningLaw(1);
      rig.engine.options.routing.setPanMode(circle);
      rig.render(8192);
      double power = 0.0;
      for (int k = 0; k < 5; ++k) power += rig.peak(k) * rig.peak(k);
      EXPECT_NEAR(power, 1.0, 1e-12) << "circle " << circle << " place " << place;
    }
  }
}

// Two channels on a line are the stereo pair, bit for bit, with every
// random draw of both engines going.
TEST(Channels, TwoChannelsAreTheStereoOutput) {
  for (int law = 0; law < 2; ++law) {
    ChannelRig stereo(0), twin(2);
    for (ChannelRig* r : {&stereo, &twin}) {
      r->engine.setRndDensity(1.0);
      r->engine.setRndLength(1.0);
      r->engine.setWidth(0.8);
      r->engine.setDensity(80);
      r->engine.setRndCps(3);
      r->engine.options.setRndLevel(6);
      r->engine.options.setPanningLaw(law);
      r->render(44100);
    }
    EXPECT_EQ(stereo.out, twin.out) << "law " << law;
  }
  zunCloud stereo(128, 44100.0), twin(128, 44100.0);
  twin.setOutputChannels(2);
  std::vector<float> sample(4096), window(512, 1.f);
  for (size_t i = 0; i < sample.size(); ++i) sample[i] = static_cast<float>(std::sin(0.01 * i));
  std::vector<std::vector<double>> out(4, std::vector<double>(64));
  for (zunCloud* e : {&stereo, &twin}) {
    e->setSeed(3);
    e->setToggle(1);
    e->setRndPosition(50);
    e->setWidth(1.0);
    e->setDensity(60);
  }
  for (int v = 0; v < 400; ++v) {
    double* a[2] = {out[0].data(), out[1].data()};
    double* b[2] = {out[2].data(), out[3].data()};
    stereo.Processing(nullptr, 0, a, 2, 64, 4096, 512, sample.data(), window.data());
    twin.Processing(nullptr, 0, b, 2, 64, 4096, 512, sample.data(), window.data());
    ASSERT_EQ(out[0], out[2]);
    ASSERT_EQ(out[1], out[3]);
  }
}

// Grains that sound on one channel each: every channel is the sum of the
// grains its events name, each of its level for its length.
TEST(Channels, WholeGrainsSoundOnTheirChannel) {
  enum Routing { voices, fixed, random };
  const struct {
    Routing routing;
    int count;
    double density, length;
  } cases[] = {{voices, 2, 10, 250}, {fixed, 4, 20, 120}, {random, 8, 200, 20}};
  for (const auto& c : cases) {
    ChannelRig rig(c.count);
    rig.engine.options.setEvents(1);
    rig.engine.setDensity(c.density);
    rig.engine.setLength(c.length);
    rig.engine.setPanningMode(1);
    rig.engine.setWidth(0.6);
    if (c.routing == voices) rig.engine.options.routing.setOutMode(1);
    if (c.routing == fixed) rig.engine.options.routing.setChannel(3);
    if (c.routing == random) rig.engine.options.routing.setRndChannel(1.0);
    const long frames = 88200;
    rig.render(frames);
    std::vector<std::vector<double>> expected(c.count, std::vector<double>(frames));
    std::vector<int> grains(c.count);
    int highestVoice = 0;
    for (const zunGrainEvent& e : rig.events()) {
      ASSERT_GE(e.channel, 1);
      ASSERT_LE(e.channel, c.count);
      const int want = c.routing == voices ? e.voice % c.count + 1 : 3;
      if (c.routing != random) {
        EXPECT_EQ(e.channel, want) << "voice " << e.voice;
      }
      highestVoice = std::max(highestVoice, e.voice);
      ++grains[e.channel - 1];
      const long end = std::min<long>(frames, e.sample + std::lround(e.length * 44100.0));
      for (long t = static_cast<long>(e.sample); t < end; ++t) expected[e.channel - 1][t] += 1.0;
    }
    EXPECT_GE(highestVoice, c.routing == voices ? 2 : 0);
    for (int k = 0; k < c.count; ++k) {
      const double want = rig.energy(expected[k]);
      EXPECT_NEAR(rig.energy(rig.out[k]), want, 0.01 * want + 1e-9) << c.routing << " ch " << k;
    }
    if (c.routing != random) continue;
    // Uniform over the channels: chi-square with 7 degrees of freedom
    // below its 0.1% point.
    double total = 0.0, chi = 0.0;
    for (int n : grains) total += n;
    for (int n : grains) chi += (n - total / c.count) * (n - total / c.count) / (total / c.count);
    EXPECT_GT(total, 300);
    EXPECT_LT(chi, 24.32);
  }
}

// A stereo grain of a two-channel sample (0.25 left, 0.5 right) at the
// centre: its sides on the route's two channels, or both on a channel of
// its own, none into the spare.
TEST(Channels, StereoGrainsKeepBothSides) {
  const struct {
    int count, fixed;
    std::vector<double> expected;
  } cases[] = {{2, 0, {0.25, 0.5}}, {3, 2, {0, 0.75, 0}}, {1, 0, {0.75}}};
  for (const auto& c : cases) {
    zunCloud engine(128, 44100.0);
    engine.setSeed(1);
    engine.setToggle(1);
    engine.setLevel(1.0);
    engine.setLength(10);
    engine.setStereoSample(1);
    engine.setOutputChannels(c.count);
    engine.options.routing.setChannel(c.fixed);
    std::vector<float> sample, window(64, 1.f);
    for (int f = 0; f < 1000; ++f) sample.insert(sample.end(), {0.25f, 0.5f});
    std::vector<std::vector<double>> out(c.count, std::vector<double>(64));
    std::vector<double*> outs;
    for (auto& o : out) outs.push_back(o.data());
    engine.Processing(nullptr, 0, outs.data(), c.count, 64, 1000, 64, sample.data(), window.data(),
                      2, 1, 2);
    for (int ch = 0; ch < c.count; ++ch)
      EXPECT_EQ(out[ch][10], c.expected[ch]) << c.count << " channels, channel " << ch + 1;
  }
}
