// cloud.zun~'s live input: grains hear the input as long ago as their
// positions say, and none reads across the write point.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "zunCloud.h"

namespace {

// Renders `input` (one value a sample) through a cloud at 44.1 kHz with a
// window of ones and level 1, so that each output sample is what a grain
// read, in vectors of n cut at parts of `part` samples; set(engine, k)
// starts part k. Returns the left output and fills the grains' onsets.
template <class Set>
std::vector<double> live(double ringMs, std::vector<double> input, long n, long part, Set set,
                         std::vector<long>& onsets) {
  zunCloud e(128, 44100.0);
  e.options.setEvents(1);
  e.setLevel(1);
  e.setLiveBuffer(ringMs);
  std::vector<float> window(64, 1.f);
  const long frames = static_cast<long>(input.size());
  std::vector<double> out(input.size()), right(n);
  for (long t = 0, count = 0; t < frames; t += count) {
    if (t % part == 0) set(e, t / part);
    count = std::min({n, frames - t, part - t % part});
    double* ins[7] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, input.data() + t};
    double* outs[2] = {out.data() + t, right.data()};
    e.Processing(ins, 7, outs, 2, count, 0, 64, nullptr, window.data());
  }
  for (zunGrainEvent g; e.options.events.pop(g);) onsets.push_back(static_cast<long>(g.sample));
  return out;
}

}  // namespace

// A click at 0.1 s, heard by 100 ms grains at pitch 0 where their position
// says: 390 ms ago, at 0.49 s, while recording; frozen at 0.2 s (grains from
// then on), 4399 samples into every grain 200 ms ago, while the input goes
// on at a level the frozen ring never holds.
TEST(Live, AClickIsHeardAsLongAgoAsThePositionSays) {
  const struct { bool freeze; double agoMs; long intoGrain; } cases[] = {
      {false, 390, -1}, {true, 200, 4399}};
  for (const auto& c : cases) {
    std::vector<double> input(96768, 0.125);
    std::fill(input.begin(), input.begin() + 8832, 0.0);
    input[4410] = 1.0;
    std::vector<long> onsets, clicks, expected;
    const std::vector<double> out = live(1000, input, 64, 8832, [&](zunCloud& e, long part) {
      e.setInterp(1);
      e.setLength(100);
      e.setSamplePosition(c.agoMs);
      e.setFreeze(c.freeze && part > 0);
      e.setToggle(!c.freeze || part > 0);
    }, onsets);
    // Positions are fractions of the ring: reads land a hair off frames.
    for (long t = 0; t < static_cast<long>(out.size()); ++t) {
      if (out[t] > 0.999) clicks.push_back(t);
      ASSERT_TRUE(!c.freeze || out[t] > 0.999 || out[t] < 1e-6) << t;
    }
    ASSERT_GT(onsets.size(), 15u);
    if (!c.freeze) expected = {21609};
    for (long onset : onsets)
      if (c.freeze && onset + c.intoGrain < 96768) expected.push_back(onset + c.intoGrain);
    EXPECT_EQ(clicks, expected) << c.freeze;
  }
}

// Grains of random pitch (two octaves either way), length and direction,
// from now and from the far end of a 200 ms ring, through freezes and
// reverses, at every vector size: the input counts the frames recorded, so
// a read across the write point would jump by the ring's length. Within
// each grain the count read steps by at most the grain's rate, and is
// never newer than the newest frame nor older than the ring holds.
TEST(Live, NoGrainReadsAcrossTheWritePoint) {
  const auto frozen = [](long t) { return t >= 8820 && t / 8820 % 3 == 0; };
  std::vector<double> count{1000}, newest{1000};
  for (long t = 1; t < 7 * 8820; ++t) {
    count.push_back(count.back() + (frozen(t - 1) ? 0 : 1));
    newest.push_back(frozen(t) ? newest.back() : count.back());
  }
  for (long n : {1, 2, 7, 63, 64, 65, 512, 1000, 4096}) {
    for (int cubic = 0; cubic < 2; ++cubic) {
      SCOPED_TRACE(testing::Message() << "vector " << n << " cubic " << cubic);
      std::vector<long> onsets;
      const std::vector<double> out = live(200, count, n, 8820, [&](zunCloud& e, long part) {
        e.setToggle(part > 0);
        e.setFreeze(frozen(part * 8820));
        e.setInvert(part % 2);  // turns sounding grains round
        if (part > 0) return;
        e.setOverlap(1);  // one grain at a time
        e.setInterp(1);
        e.setCubic(cubic);
        e.setSubsample(1);
        e.setDensity(300);
        e.setLength(30);
        e.setRndLength(40);
        e.setRndPitch(48);
        e.setRndReverse(0.5);
        e.setRndPosition(60);
      }, onsets);
      ASSERT_GT(onsets.size(), 60u);
      onsets.push_back(static_cast<long>(out.size()));
      for (size_t g = 0; g + 1 < onsets.size(); ++g)
        for (long t = onsets[g]; t < onsets[g + 1] && out[t] != 0.0; ++t) {
          ASSERT_LE(out[t], newest[t]) << t;
          ASSERT_GT(out[t], newest[t] - 8820) << t;
          ASSERT_TRUE(t == onsets[g] || std::fabs(out[t] - out[t - 1]) <= 4.001) << t;
        }
    }
  }
}
