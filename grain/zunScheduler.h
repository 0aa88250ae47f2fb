#pragma once

#include <limits>

// Samples from one grain start to the next, as a real number: the sample
// rate over the grain's randomised density. A deviation that takes the
// density to 0 or below names no rate at all, so the nominal density stands
// in for it; the schedule keeps its pace instead of stalling or firing every
// sample.
inline double zunPeriodQuotient(double sampleRate, double density, double nominalDensity) {
  return sampleRate / (density > 0.0 ? density : nominalDensity);
}

// The period of a schedule in whole samples: the quotient truncated toward
// zero. Quotients beyond the counter's range saturate.
inline unsigned long zunPeriod(double quotient) {
  constexpr unsigned long longest = std::numeric_limits<unsigned long>::max();
  if (!(quotient >= 0.0)) return 0;
  if (quotient >= static_cast<double>(longest)) return longest;
  return static_cast<unsigned long>(quotient);
}

// The period of a schedule that starts grains between samples: the quotient
// itself, within the same range.
inline double zunExactPeriod(double quotient) {
  constexpr double longest = static_cast<double>(std::numeric_limits<unsigned long>::max());
  if (!(quotient >= 0.0)) return 0.0;
  return quotient < longest ? quotient : longest;
}

// The scheduling pass of a block: counts samples and, while the stream is on,
// starts a grain each time the count reaches the period. Each start draws the
// next period, so starts are exactly `period` samples apart across blocks.
// startGrain(j, lateness) starts a grain at sample j of the block; here it is
// never late.
template <class Start>
void zunSchedule(int n, unsigned long& sampleCounter, const unsigned long& period, bool toggle,
                 Start startGrain) {
  for (int j = 0; j < n; ++j) {
    ++sampleCounter;
    if (sampleCounter >= period && toggle) {
      startGrain(j, 0.0);
      sampleCounter = 0;
    }
  }
}

// Where a schedule of real periods stands, as each start leaves it: the
// period drawn, and how late that start came, in a fraction of a sample.
struct zunExactSchedule {
  double period = 0.0;
  double lateness = 0.0;
};

// The same pass with real periods. Grains are due exactly `period` after the
// moment the previous one was due; one that falls between two samples starts
// at the later one, and startGrain learns how late it is. A start more than
// a sample late (the stream was off meanwhile) begins the train afresh, on
// time.
template <class Start>
void zunScheduleExact(int n, unsigned long& sampleCounter, const zunExactSchedule& schedule,
                      bool toggle, Start startGrain) {
  for (int j = 0; j < n; ++j) {
    ++sampleCounter;
    const double late =
        static_cast<double>(sampleCounter) - (schedule.period - schedule.lateness);
    if (late >= 0.0 && toggle) {
      startGrain(j, late < 1.0 ? late : 0.0);
      sampleCounter = 0;
    }
  }
}
