#pragma once

#include <cmath>

#include "zunGrain.h"

// The stretch of the sample that grain starts keep to, in fractions of the
// sample. A start outside it wraps into it, as starts wrap at the sample's
// ends while the region is the whole sample.
struct zunRegion {
  double start = 0.0;
  double length = 1.0;
  bool whole = true;

  // A position that may lie anywhere, brought inside.
  double wrap(double position) const { return whole ? zunWrapPhase(position) : inside(position); }
  // A position already within the sample, brought inside.
  double keep(double position) const { return whole ? position : inside(position); }

 private:
  // A region of no length holds its start only; rounding that lands on the
  // end, and a NaN, land on the start.
  double inside(double position) const {
    if (!(length > 0.0)) return start;
    const double offset = position - start;
    const double wrapped = start + (offset - std::floor(offset / length) * length);
    return wrapped >= start && wrapped < start + length ? wrapped : start;
  }
};
