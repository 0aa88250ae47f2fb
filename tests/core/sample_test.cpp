// What cloud.zun~'s sample controls do to the grains: the region starts
// keep to, the window's attack and decay, the rate the sample plays at,
// and the channels grains read.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "spectrum.h"
#include "zunCloud.h"

namespace {

// A cloud at 44.1 kHz on a sample of `channels` interleaved channels.
struct SampleRig {
  SampleRig(std::vector<float> frames, long long channels = 1,
            std::vector<float> win = std::vector<float>(64, 1.f))
      : engine(128, 44100.0), sample(std::move(frames)), channels(channels), window(win) {
    engine.setSeed(1);
    engine.setToggle(1);
    engine.setLevel(1);
    engine.options.setEvents(1);
  }
  void render(long frames, double tableRate = 0.0) {
    left.assign(frames, 0.0);
    right.assign(frames, 0.0);
    for (long done = 0; done < frames; done += 64) {
      double* outs[2] = {left.data() + done, right.data() + done};
      engine.Processing(nullptr, 0, outs, 2, std::min(64L, frames - done),
                        static_cast<long long>(sample.size()) / channels,
                        static_cast<long long>(window.size()), sample.data(), window.data(),
                        channels, 1, channels, tableRate);
    }
  }
  std::vector<double> positions() {
    std::vector<double> found;
    for (zunGrainEvent e; engine.options.events.pop(e);) found.push_back(e.position);
    return found;
  }
  zunCloud engine;
  std::vector<float> sample;
  long long channels;
  std::vector<float> window;
  std::vector<double> left, right;
};

}  // namespace

// A second of sample: every start an event tells lies in the region, and
// jittered or scanned starts cover most of it.
TEST(Region, StartsStayInside) {
  const struct {
    double startMs, endMs, low, high, spread;
    std::function<void(zunCloud&)> set;
  } cases[] = {
      {200, 300, 0.2, 0.3, 0, [](zunCloud& e) { e.setPhase(0.9); }},
      {200, 300, 0.2, 0.3, 0.08, [](zunCloud& e) { e.setRndPosition(900); }},
      {200, 300, 0.2, 0.3, 0.08, [](zunCloud& e) { e.setScanSpeed(3); }},
      {300, 200, 0.2, 0.3, 0.08, [](zunCloud& e) { e.setScanSpeed(-3); }},
      {800, 0, 0.8, 1.0, 0.16, [](zunCloud& e) { e.setRndPosition(2000); }},
      {500, 500, 0.5, 0.5, 0, [](zunCloud& e) { e.setRndPosition(500); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.startMs << " to " << c.endMs);
    SampleRig rig(std::vector<float>(44100, 1.f));
    rig.engine.setDensity(200);
    rig.engine.setRegion(c.startMs, c.endMs);
    c.set(rig.engine);
    rig.render(44100);
    const std::vector<double> p = rig.positions();
    ASSERT_GT(p.size(), 150u);
    for (double x : p) ASSERT_TRUE(x >= c.low && (x < c.high || x == c.low)) << x;
    const auto [lowest, highest] = std::minmax_element(p.begin(), p.end());
    EXPECT_GE(*highest - *lowest, c.spread);
    // A scan's head, which the position messages read, runs inside too.
    const double head = rig.engine.phase;
    if (rig.engine.scanSpeed != 0.0) {
      EXPECT_TRUE(head >= c.low && head < c.high) << head;
    }
  }
}

// One 100 ms grain of ones under a triangle window: the envelope peaks once
// the attack has read the window's first half and leaves its peak where the
// decay starts reading the second. Overlapping grains each sound so too.
TEST(WindowShape, AttackAndDecayStretchTheWindowsHalves) {
  const struct { double attack, decay, peakFrom, peakTo; } cases[] = {
      {1, 1, 0.5, 0.5}, {0.2, 1, 0.1, 0.5}, {1, 0.4, 0.5, 0.8}, {0.2, 0.2, 0.1, 0.9}, {0, 0, 0, 1},
  };
  std::vector<float> triangle(4096);
  for (int i = 0; i < 4096; ++i) triangle[i] = static_cast<float>(1 - std::fabs(i / 2048.0 - 1));
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.attack << " " << c.decay);
    const auto grains = [&](double density) {
      SampleRig rig(std::vector<float>(44100, 1.f), 1, triangle);
      rig.engine.setInterp(1);
      rig.engine.setLength(100);
      rig.engine.setDensity(density);
      rig.engine.setAttack(c.attack);
      rig.engine.setDecay(c.decay);
      rig.render(8820);
      return rig.left;
    };
    const std::vector<double> one = grains(0.01), train = grains(20);
    long first = -1, last = -1;
    for (long k = 0; k < 4410; ++k) {
      if (one[k] < 0.999) continue;
      if (first < 0) first = k;
      last = k;
    }
    EXPECT_NEAR(first / 4410.0, c.peakFrom, 0.002);
    EXPECT_NEAR(last / 4410.0, c.peakTo, 0.002);
    for (long k = 0; k < 8820; ++k) {
      double sum = 0;
      for (long start = 0; start <= k; start += 2205) sum += one[k - start];
      ASSERT_NEAR(train[k], sum, 1e-12) << k;
    }
  }
}

// Two seconds of a 441 Hz tone recorded at 48 kHz, played by a 44.1 kHz
// cloud at pitch 0, and a start 500 ms into it: in the sample's own time,
// or in the output's as before.
TEST(SampleRate, ATonePlaysAtTheRateOfItsSample) {
  const double asBefore = 441 * 44100 / 48000.0, before = 0.25 * 44100 / 48000;
  const struct { double choice, tableRate, heard, position; } cases[] = {
      {0, 48000, asBefore, before}, {1, 48000, 441, 0.25}, {48000, 0, 441, 0.25},
      {1, 0, asBefore, before},  // a host that tells no rate
      {1, NAN, asBefore, before}, {1, -INFINITY, asBefore, before},
  };
  std::vector<float> tone(96000);
  for (size_t i = 0; i < tone.size(); ++i)
    tone[i] = static_cast<float>(std::sin(2 * spectrum::pi * 441 * double(i) / 48000));
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.choice << " " << c.tableRate);
    SampleRig rig(tone);
    rig.engine.setInterp(1);
    rig.engine.setSampleRate(c.choice);
    rig.engine.setLength(1000);
    rig.engine.setDensity(0.01);
    rig.engine.setToggle(0);
    rig.render(64, c.tableRate);  // the sample and its rate become known
    rig.engine.setSamplePosition(500);
    rig.engine.setToggle(1);
    rig.render(44100, c.tableRate);
    EXPECT_NEAR(spectrum::frequency(rig.left, 44100, c.heard), c.heard, 0.01);
    EXPECT_NEAR(rig.positions().at(0), c.position, 1e-12);
  }
}

// Three channels of their own values: grains read the one asked for, or a
// pair of them into the two outputs, the pan then a balance between them.
TEST(SampleChannels, EachChannelIsReadExactly) {
  const float values[] = {0.25f, 0.5f, 0.75f};
  const struct {
    long long channels, channel;
    int stereo;
    double pan, left, right;  // pan < 0: random width 0, both gains 1
  } cases[] = {
      {3, 0, 0, -1, 0.25, 0.25}, {3, 2, 0, -1, 0.5, 0.5},   {3, 7, 0, -1, 0.75, 0.75},
      {3, 0, 1, -1, 0.25, 0.5},  {3, 2, 1, -1, 0.5, 0.75},  {3, 3, 1, -1, 0.75, 0.75},
      {3, 0, 1, 0, 0.25, 0},     {3, 0, 1, 1, 0, 0.5},      {1, 2, 1, -1, 0.25, 0.25},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.channels << " " << c.channel << " " << c.stereo);
    std::vector<float> frames;
    for (int f = 0; f < 1000; ++f) frames.insert(frames.end(), values, values + c.channels);
    SampleRig rig(frames, c.channels);
    rig.engine.setLength(10);
    rig.engine.setSampleChannel(c.channel);
    rig.engine.setStereoSample(c.stereo);
    rig.engine.setPanningMode(c.pan >= 0);
    rig.engine.setWidth(std::fmax(c.pan, 0));
    rig.render(256);
    for (long k = 1; k < 256; ++k) {
      ASSERT_EQ(rig.left[k], c.left) << k;
      ASSERT_EQ(rig.right[k], c.right) << k;
    }
  }
}
