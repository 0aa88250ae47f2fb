#pragma once

#include <cmath>

#include "zunRelaxed.h"

// Signal inlets that stand for parameters, to the right of the trigger
// input: a connected one replaces its parameter, for each grain, by the
// signal's value at the grain's onset. The host says which inlets are
// connected when it makes its audio chain; an unconnected one is never read.
template <int Count>
class zunSignalInlets {
 public:
  // Host side, while no vector runs.
  void setConnected(int k, bool on) {
    if (k >= 0 && k < Count) connected[k] = on;
  }
  bool isConnected(int k) const { return k >= 0 && k < Count && connected[k]; }

  // Audio thread, once a vector: the host's inputs, the trigger input first.
  void begin(double** ins, long numIns) {
    for (int k = 0; k < Count; ++k) {
      const bool readable = connected[k] && ins && k + 1 < numIns && ins[k + 1];
      signal[k] = readable ? ins[k + 1] : nullptr;
      if (signal[k] && !reading[k]) previous[k] = signal[k][0];
      reading[k] = signal[k] != nullptr;
    }
  }

  // Audio thread, after each block of n samples the engine scheduled.
  void advance(int n) {
    if (n <= 0) return;
    for (int k = 0; k < Count; ++k) {
      if (!signal[k]) continue;
      previous[k] = signal[k][n - 1];
      signal[k] += n;
    }
  }

  // Inlet k's value at a grain's onset, `lead` of a sample before sample
  // `offset` of the block (linear between the two samples), into `value`.
  // False where the inlet is unconnected or the value is not finite: the
  // parameter's message value stands.
  bool read(int k, int offset, double lead, double& value) const {
    const double* s = signal[k];
    if (!s) return false;
    double v = s[offset];
    if (lead > 0.0) v = (1.0 - lead) * v + lead * (offset > 0 ? s[offset - 1] : previous[k]);
    if (!std::isfinite(v)) return false;
    value = v;
    return true;
  }

 private:
  zunRelaxed<bool> connected[Count];
  // Audio thread only.
  const double* signal[Count] = {};
  double previous[Count] = {};  // the sample before the block's first
  bool reading[Count] = {};
};
