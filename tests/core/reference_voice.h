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
  const bool noTable = wave1.empty() || window.empty() || (variant == 2 && wave2.empty());
  const bool reads = !noTable && (v.interpMode == 0 || v.interpMode == 1);
  const int mode = !reads ? -1 : v.cubic ? zunCubicRead : v.interpMode;
  for (int i = 0; i < count; ++i) {
    v.grainPosition += v.grainIncrement;
    if (v.grainPosition >= 1.0) {
      v.status = false;
      out[i] = 0.0;
      continue;
    }
    double w = v.grainPosition;
    if (variant == 2) {
      const double p = v.grainPosition;
      if (p < v.attack) w = p / v.attack * 0.5;
      else if (p < v.attack + v.sustain) w = 0.5;
      else w = (1.0 - p) / v.decay * (-0.5) + 1.0;
      v.windowPosition = w;
    }
    if (variant == 0) {
      v.phase += v.phaseIncrement * v.direction;
    } else {
      const double d = (v.glisson * v.grainPosition + 1.0) * v.phaseIncrement;
      if (!(d > 1.0)) v.phase += d;
    }
    if (v.phase >= 1.0) v.phase -= 1.0;
    else if (v.phase < 0.0) v.phase += 1.0;
    if (!(v.phase >= 0.0 && v.phase <= 1.0))
      v.phase = std::isfinite(v.phase) ? v.phase - std::floor(v.phase) : 0.0;
    double wave = readInMode(wave1, v.phase * static_cast<double>(wave1.frames), mode);
    if (variant == 2)
      wave = (1.0 - v.morph) * wave + v.morph * readInMode(wave2, v.phase * static_cast<double>(wave2.frames), mode);
    out[i] = (readInMode(window, w * static_cast<double>(window.frames), mode) * wave) * v.amplitude;
  }
}
