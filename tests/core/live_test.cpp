// cloud.zun~'s live input: what the ring records is what grains play, how
// long ago their positions say, and no grain reads across the write point.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "zunCloud.h"

namespace {

// A cloud at 44.1 kHz granulating its input: a window of ones and level 1,
// so that each output sample is the ring's value a grain read.
struct LiveRig {
  explicit LiveRig(double ringMs) : engine(128, 44100.0) {
    engine.setSeed(1);
    engine.setLevel(1);
    engine.setInterp(1);
    engine.options.setEvents(1);
    engine.setLiveBuffer(ringMs);
  }
  // `frames` more samples in vectors of n, input(t) at sample t.
  void render(long frames, long n, const std::function<double(long)>& input) {
    std::vector<double> in(n), parameters(n), l(n), r(n);
    double* ins[7] = {parameters.data(), parameters.data(), parameters.data(), parameters.data(),
                      parameters.data(), parameters.data(), in.data()};
    double* outs[2] = {l.data(), r.data()};
    for (long done = 0; done < frames; done += n) {
      const long count = std::min(n, frames - done);
      for (long i = 0; i < count; ++i) in[i] = input(now + i);
      engine.Processing(ins, 7, outs, 2, count, 0, 64, nullptr, window.data());
      left.insert(left.end(), l.begin(), l.begin() + count);
      now += count;
    }
  }
  std::vector<long> onsets() {
    std::vector<long> found;
    for (zunGrainEvent e; engine.options.events.pop(e);) found.push_back(e.sample);
    return found;
  }
  zunCloud engine;
  std::vector<float> window = std::vector<float>(64, 1.f);
  std::vector<double> left;
  long now = 0;
};

}  // namespace

// A click at 0.1 s, heard by grains at pitch 0 exactly when their position
// says: 390 ms ago at 0.49 s while recording; frozen at 0.2 s, 4399 samples
// into every grain 200 ms ago, while the input goes on at a level the
// frozen ring never takes.
TEST(Live, AClickIsHeardAsLongAgoAsThePositionSays) {
  const struct {
    bool freeze;
    double agoMs;
    long intoGrain;  // where each grain hears it; -1: once, at 0.49 s
  } cases[] = {{false, 390, -1}, {true, 200, 4399}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.freeze);
    LiveRig rig(1000);
    rig.engine.setLength(100);
    rig.engine.setSamplePosition(c.agoMs);
    const auto input = [](long t) { return t == 4410 ? 1.0 : t >= 8832 ? 0.125 : 0.0; };
    rig.engine.setToggle(!c.freeze);
    rig.render(8832, 64, input);
    rig.engine.setFreeze(c.freeze);
    rig.engine.setToggle(1);
    rig.render(88200, 64, input);
    std::vector<long> clicks, expected;
    for (long t = 0; t < rig.now; ++t) {
      // Positions are fractions of the ring: reads land a hair off frames.
      if (rig.left[t] > 0.999) {
        clicks.push_back(t);
      } else if (c.freeze) {
        ASSERT_LT(rig.left[t], 1e-6) << t;
      }
    }
    const std::vector<long> onsets = rig.onsets();
    ASSERT_GT(onsets.size(), 15u);
    if (c.intoGrain < 0) expected = {21609};
    for (long onset : onsets)
      if (c.intoGrain >= 0 && onset + c.intoGrain < rig.now) expected.push_back(onset + c.intoGrain);
    EXPECT_EQ(clicks, expected);
  }
}

// Grains of random pitch, length and direction, from now and from the far
// end of the ring, through freezes and reverses, at every vector size: the input counts
// the frames the ring records, so a grain that read across the write point
// would jump by the ring's length. Each grain reads a smooth stretch of
// that count (steps of at most its rate), never newer than the newest
// frame nor older than the ring holds.
TEST(Live, NoGrainReadsAcrossTheWritePoint) {
  const long sizes[] = {1, 2, 7, 63, 64, 65, 512, 1000, 4096};
  const double ring = 8820;
  // Parts of 11025 samples after the first ring's worth; the third and the
  // sixth frozen.
  const auto frozen = [](long t) { return t >= 8820 && (t - 8820) / 11025 % 3 == 2; };
  for (long n : sizes) {
    for (int cubic = 0; cubic < 2; ++cubic) {
      SCOPED_TRACE(testing::Message() << "vector " << n << " cubic " << cubic);
      LiveRig rig(ring / 44.1);
      rig.engine.setCubic(cubic);
      rig.engine.setSubsample(1);
      rig.engine.setOverlap(1);  // a new pool, which reads as interp 0
      rig.engine.setInterp(1);
      rig.engine.setDensity(300);
      rig.engine.setLength(30);
      rig.engine.setRndLength(40);
      rig.engine.setRndPitch(48);
      rig.engine.setRndReverse(0.5);
      rig.engine.setRndPosition(60);
      std::vector<double> count, newest;  // at each sample: the input, the newest frame's
      for (long t = 0; t < 8820 + 6 * 11025; ++t) {
        count.push_back(t == 0 ? 1000.0 : count.back() + (frozen(t - 1) ? 0.0 : 1.0));
        newest.push_back(frozen(t) ? newest.back() : count.back());
      }
      const auto input = [&](long t) { return count[t]; };
      rig.render(8820, n, input);
      rig.engine.setToggle(1);
      for (int part = 0; part < 6; ++part) {
        rig.engine.setFreeze(frozen(rig.now));
        rig.engine.setInvert(part % 2);  // turns sounding grains round
        rig.render(11025, n, input);
      }
      std::vector<long> onsets = rig.onsets();
      ASSERT_GT(onsets.size(), 60u);
      onsets.push_back(rig.now);
      for (size_t g = 0; g + 1 < onsets.size(); ++g) {
        for (long t = onsets[g]; t < onsets[g + 1]; ++t) {
          const double v = rig.left[t];
          if (v == 0.0) continue;
          ASSERT_LE(v, newest[t]) << t;
          ASSERT_GT(v, newest[t] - ring) << t;
          if (t > onsets[g] && rig.left[t - 1] != 0.0) {
            ASSERT_LE(std::fabs(v - rig.left[t - 1]), 4.001) << t;
          }
        }
      }
    }
  }
}
