#pragma once

#include <cmath>

#include "zunRandom.h"
#include "zunRelaxed.h"

// Where a grain sounds in an output of N channels: on two channels, each
// with its gain. A grain on one channel has its second on the spare
// channel N, which no output reads.
struct zunRoute {
  int first;
  int second;
  double firstGain;
  double secondGain;
};

// How grains are laid out over the N channels of a multichannel output.
// In speakers mode a grain's stereo gains give its place (0 to 1) and its
// total, which go to the two channels nearest that place, on a line of
// channels 1 to N or around a circle where N is followed by 1. In voices
// mode voice k sounds whole on channel k mod N + 1. Either way a chosen
// channel, or one drawn at random, can take every grain instead.
class zunChannelRouting {
 public:
  static constexpr int mostChannels = 64;

  // Message threads.
  void setChannels(int n) { requested = n < 1 ? 1 : (n > mostChannels ? mostChannels : n); }
  void setOutMode(int m) { voicesMode = m > 0; }
  void setPanMode(int m) { circle = m > 0; }
  // 0: by the mode; 1 to 64: that channel, wrapped round a smaller count.
  void setChannel(long long n) {
    if (n >= 0 && n <= mostChannels) fixedChannel = static_cast<int>(n);
  }
  void setRndChannel(double p) {
    if (!std::isnan(p)) rndChannel = p > 1.0 ? 1.0 : (p > 0.0 ? p : 0.0);
  }
  // The count asked for, which the host puts in force at its next DSP start.
  int channelsAsked() const { return requested; }

  // Audio thread: the route of voice `voice` whose stereo gains are `left`
  // and `right` under the law in force, over `count` channels (1 to 64). A
  // random channel takes one draw from `seed`, and only while its chance
  // is above 0.
  template <class State>
  zunRoute route(int voice, double left, double right, bool equalPower, int count,
                 State& seed) const {
    const double chance = rndChannel;
    if (chance > 0.0) {
      const double u = zunUnipolar(seed, 1.0);
      if (u < chance) return whole(drawnChannel(u / chance, count), left, right, equalPower, count);
    }
    const int fixed = fixedChannel;
    if (fixed > 0) return whole((fixed - 1) % count, left, right, equalPower, count);
    if (voicesMode) return whole(voice % count, left, right, equalPower, count);
    return spread(left, right, equalPower, count);
  }

  // The channel (from 0) a route sounds on most.
  static int loudest(const zunRoute& r) { return r.secondGain > r.firstGain ? r.second : r.first; }

 private:
  static int drawnChannel(double u, int count);
  static double total(double left, double right, bool equalPower);
  static zunRoute whole(int channel, double left, double right, bool equalPower, int count);
  zunRoute spread(double left, double right, bool equalPower, int count) const;

  zunRelaxed<int> requested{2};
  zunRelaxed<bool> voicesMode{false};
  zunRelaxed<bool> circle{false};
  zunRelaxed<int> fixedChannel{0};
  zunRelaxed<double> rndChannel{0.0};
};
