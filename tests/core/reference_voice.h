#pragma once

#include <cmath>

#include "zunGrain.h"
#include "zunTable.h"

// A table read in the mode given at run time; any mode but 0, 1 and the
// cubic read is silent.
inline double readInMode(const zunTable& t, double x, int mode) {
  if (mode == 0) return t.read<0>(x);
  if (mode == 1) return t.read<1>(x);
  if (mode == zunCubicRead) return t.read<zunCubicRead>(x);
  return 0.0;
}

// The voice's render routines written the plain way, one sample at a time,
// reading every member afresh: what any faster rendering must match bit for
// bit. Variant 0 is Processing, 1 Processing_1, 2 Processing_2.
inline void referenceRender(zunGrain& v, int variant, double* out, int count, const zunTable& wave1,
                            const zunTable& window, const zunTable& wave2) {
  const zunGrainLatched& held = v.latched();
  zunGrainRunning run = v.running();
  const bool noTable = wave1.empty() || window.empty() || (variant == 2 && wave2.empty());
  const bool reads = !noTable && (held.interpMode == 0 || held.interpMode == 1);
  const int mode = !reads ? -1 : held.cubic ? zunCubicRead : held.interpMode;
  for (int i = 0; i < count; ++i) {
    run.grainPosition += held.grainIncrement;
    if (run.grainPosition >= 1.0) {
      run.status = false;
      out[i] = 0.0;
      continue;
    }
    double w = run.grainPosition;
    if (variant == 2) {
      const double p = run.grainPosition;
      if (p < held.attack) w = p / held.attack * 0.5;
      else if (p < held.attack + held.sustain) w = 0.5;
      else w = (1.0 - p) / held.decay * (-0.5) + 1.0;
      run.windowPosition = w;
    }
    if (variant == 0) {
      run.phase += held.phaseIncrement * held.direction;
    } else {
      const double d = (held.glisson * run.grainPosition + 1.0) * held.phaseIncrement;
      if (!(d > 1.0)) run.phase += d;
    }
    if (run.phase >= 1.0) run.phase -= 1.0;
    else if (run.phase < 0.0) run.phase += 1.0;
    if (!(run.phase >= 0.0 && run.phase <= 1.0))
      run.phase = std::isfinite(run.phase) ? run.phase - std::floor(run.phase) : 0.0;
    double wave = readInMode(wave1, run.phase * static_cast<double>(wave1.frames), mode);
    if (variant == 2)
      wave = (1.0 - held.morph) * wave + held.morph * readInMode(wave2, run.phase * static_cast<double>(wave2.frames), mode);
    out[i] = (readInMode(window, w * static_cast<double>(window.frames), mode) * wave) * held.amplitude;
  }
  v.setRunning(run);
}
