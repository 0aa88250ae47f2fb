#include "zunGrainOptions.h"

#include <cmath>

namespace {
// pi / 2, spelled out: M_PI is not standard C++, and some C libraries
// (MinGW-w64's in strict mode) do not define it.
constexpr double quarterTurn = 3.14159265358979323846 / 2.0;

// The linear law: 1 and 0 at the left end, 0 and 1 at the right one; a
// random offset within the spread gives both 1 at width 0.
zunGains linear(bool manual, double width, double randomWidth) {
  if (manual) return {1.0 - width, width};
  return {(1.0 - width) + randomWidth, 1.0 - randomWidth};
}
}  // namespace

// The equal-power law places the grain where the linear law does (0 left,
// 1 right) and gives it cos and sin of that place times a quarter turn, so
// that the sum of the squared gains is the same wherever it sits. Manual
// panning keeps the linear law's gains at the two ends (1 and 0); random
// panning keeps them at width 0 (1 and 1), and so is scaled by the square
// root of 2.
zunGains zunGrainOptions::pan(bool manual, double width, double randomWidth) const {
  if (!equalPower) return linear(manual, width, randomWidth);
  const double place = manual ? width : 0.5 + width * 0.5 - randomWidth;
  const double scale = manual ? 1.0 : std::sqrt(2.0);
  const double angle = place * quarterTurn;
  return {scale * std::cos(angle), scale * std::sin(angle)};
}
