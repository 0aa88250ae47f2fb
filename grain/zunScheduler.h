#pragma once

#include <limits>

// Samples from one grain start to the next: the sample rate over the grain's
// randomised density, truncated toward zero. A deviation that takes the
// density to 0 or below names no rate at all, so the nominal density stands
// in for it; the schedule keeps its pace instead of stalling or firing every
// sample. Quotients beyond the counter's range saturate.
inline unsigned long zunPeriod(double sampleRate, double density, double nominalDensity) {
  const double quotient = sampleRate / (density > 0.0 ? density : nominalDensity);
  constexpr unsigned long longest = std::numeric_limits<unsigned long>::max();
  if (!(quotient >= 0.0)) return 0;
  if (quotient >= static_cast<double>(longest)) return longest;
  return static_cast<unsigned long>(quotient);
}

// The scheduling pass of a block: counts samples and, while the stream is on,
// starts a grain each time the count reaches the period. Each start draws the
// next period, so starts are exactly `period` samples apart across blocks.
// `afterSample(j)` runs after the clock's decision on each sample j.
template <class Start, class AfterSample>
void zunSchedule(int n, unsigned long& sampleCounter, const unsigned long& period, bool toggle,
                 Start startGrain, AfterSample afterSample) {
  for (int j = 0; j < n; ++j) {
    ++sampleCounter;
    if (sampleCounter >= period && toggle) {
      startGrain(j);
      sampleCounter = 0;
    }
    afterSample(j);
  }
}

template <class Start>
void zunSchedule(int n, unsigned long& sampleCounter, const unsigned long& period, bool toggle,
                 Start startGrain) {
  zunSchedule(n, sampleCounter, period, toggle, startGrain, [](int) {});
}
