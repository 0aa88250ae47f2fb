#include "zunChannelRouting.h"

namespace {
// pi / 2, spelled out as zunGrainOptions.cpp does.
constexpr double quarterTurn = 3.14159265358979323846 / 2.0;
}  // namespace

// `u` is a hair outside 0 to 1 at the ends of the random source's range.
int zunChannelRouting::drawnChannel(double u, int count) {
  const double at = u * count;
  if (!(at > 0.0)) return 0;
  return at < count ? static_cast<int>(at) : count - 1;
}

// What the two gains add up to: amplitudes under the linear law, powers
// under the equal-power law.
double zunChannelRouting::total(double left, double right, bool equalPower) {
  return equalPower ? std::sqrt(left * left + right * right) : left + right;
}

zunRoute zunChannelRouting::whole(int channel, double left, double right, bool equalPower,
                                  int count) {
  return {channel, count, total(left, right, equalPower), 0.0};
}

// The place is where the gains put the grain between left and right: its
// share of the right gain, or the angle of the two gains in a quarter turn.
// On two channels on a line that is the stereo object's own panning, so
// the gains stay as they are.
zunRoute zunChannelRouting::spread(double left, double right, bool equalPower, int count) const {
  if (count == 2 && !circle) return {0, 1, left, right};
  const double sum = total(left, right, equalPower);
  if (!(sum > 0.0) || count == 1) return {0, count, sum > 0.0 ? sum : 0.0, 0.0};
  double place = equalPower ? std::atan2(right, left) / quarterTurn : right / (left + right);
  if (!(place > 0.0)) place = 0.0;
  if (place > 1.0) place = 1.0;
  const double at = place * (circle ? count : count - 1);
  int first = static_cast<int>(at);
  if (!circle && first > count - 2) first = count - 2;
  const double fraction = at - first;
  if (first == count) first = 0;  // the circle's end is its start
  const int second = first + 1 == count ? 0 : first + 1;
  const double a = equalPower ? std::cos(fraction * quarterTurn) : 1.0 - fraction;
  const double b = equalPower ? std::sin(fraction * quarterTurn) : fraction;
  return {first, second, sum * a, sum * b};
}
