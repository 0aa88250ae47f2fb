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
// startGrain(j, lead) starts a grain at sample j of the block; here it is
// always due on that sample (lead 0). `afterSample(j)` runs after the
// clock's decision on each sample j.
template <class Start, class AfterSample>
void zunSchedule(int n, unsigned long& sampleCounter, const unsigned long& period, bool toggle,
                 Start startGrain, AfterSample afterSample) {
  for (int j = 0; j < n; ++j) {
    ++sampleCounter;
    if (sampleCounter >= period && toggle) {
      startGrain(j, 0.0);
      sampleCounter = 0;
    }
    afterSample(j);
  }
}

// Where a schedule of real periods stands, as each start leaves it: the
// period drawn, and how long before its due moment that start came, in a
// fraction of a sample.
struct zunExactSchedule {
  double period = 0.0;
  double lead = 0.0;
};

// The same pass with real periods. Grains are due exactly `period` after the
// moment the previous one was due. A grain's first sample is one step into
// it, so it begins a sample before it is due; one due between two samples
// starts on the sample after its beginning, which comes `lead` of a sample
// before the moment it is due. A start after its due moment (the stream was
// off meanwhile) begins the train afresh, on time.
template <class Start, class AfterSample>
void zunScheduleExact(int n, unsigned long& sampleCounter, const zunExactSchedule& schedule,
                      bool toggle, Start startGrain, AfterSample afterSample) {
  for (int j = 0; j < n; ++j) {
    ++sampleCounter;
    const double lead =
        (schedule.period + schedule.lead) - static_cast<double>(sampleCounter);
    if (lead < 1.0 && toggle) {
      startGrain(j, lead > 0.0 ? lead : 0.0);
      sampleCounter = 0;
    }
    afterSample(j);
  }
}
