#pragma once

// One vector of an object's audio, in any host: the engine runs on the
// tables the host resolved for this vector, or both outputs carry silence.
// A table with null `data` is missing (no name bound yet, no table of that
// name, or samples that could not be locked), which keeps the engine from
// running.

#include <cmath>
#include <limits>

#include "zunBurst.h"
#include "zunCloud.h"

// The engine does not run, but its running sample count (the time of its
// grain events) still passes. A multichannel engine silences every output.
template <class Engine>
void zunSilence(Engine& engine, double** outs, long numOuts, long sampleFrames) {
  engine.options.skip(sampleFrames);
  const long written = engine.getOutputChannels() > 0 ? numOuts : 2;
  for (long o = 0; o < numOuts && o < written; ++o)
    for (long i = 0; i < sampleFrames; ++i) outs[o][i] = 0.0;
}

// Tables in role order: wave table 1, window, wave table 2.
inline void zunRun(zunBurst& engine, double** ins, long numIns, double** outs, long numOuts,
                   long sampleFrames, const zunTable (&t)[3]) {
  if (!t[0].data || !t[1].data || !t[2].data)
    return zunSilence(engine, outs, numOuts, sampleFrames);
  engine.Processing(ins, numIns, outs, numOuts, sampleFrames, t[0], t[1], t[2]);
}

// Tables in role order: the sample, the window. Reading its live input,
// the engine needs no sample.
inline void zunRun(zunCloud& engine, double** ins, long numIns, double** outs, long numOuts,
                   long sampleFrames, const zunTable (&t)[2]) {
  if ((!t[0].data && !engine.isLive()) || !t[1].data)
    return zunSilence(engine, outs, numOuts, sampleFrames);
  engine.Processing(ins, numIns, outs, numOuts, sampleFrames, t[0], t[1]);
}

// An outlet sends 0 for a sample that is not a finite number of the host's
// signals (beyond `largest`): one such sample poisons every recursive
// filter downstream. Returns how many there were; the others stay as they
// are. The common case (all finite) is one pass without branches.
inline long zunZeroNonFinite(double* samples, long count,
                             double largest = std::numeric_limits<double>::max()) {
  bool finite = true;
  for (long i = 0; i < count; ++i) finite &= std::fabs(samples[i]) <= largest;
  if (finite) return 0;
  long zeroed = 0;
  for (long i = 0; i < count; ++i) {
    if (std::fabs(samples[i]) <= largest) continue;  // false for NaN
    samples[i] = 0.0;
    ++zeroed;
  }
  return zeroed;
}

// What an object posts, once per DSP run, when it has sent such samples.
inline const char* const zunNonFiniteText =
    "output samples that were not finite numbers went out as 0 (told once per DSP run)";
