// Compiled once per instruction set by Highway's foreach_target; the best one
// the processor supports is chosen at the first call.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "zunVoiceGroup.cpp"
#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

#include <cstdint>

#include "zunVoiceGroup.h"

HWY_BEFORE_NAMESPACE();
namespace zunSimd {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

using D = hn::ScalableTag<double>;
using DF = hn::Rebind<float, D>;
using DI = hn::Rebind<int32_t, D>;
using V = hn::Vec<D>;
using M = hn::Mask<D>;
using VI = hn::Vec<DI>;

int LanesImpl() { return static_cast<int>(hn::Lanes(D())); }

// The rare lanes outside [0, frames): one by one, with the voice's own read.
template <int Mode>
HWY_NOINLINE V readEachLane(const zunTable& table, V x) {
  const D d;
  alignas(64) double positions[zunMaxGroupLanes], values[zunMaxGroupLanes];
  hn::Store(x, d, positions);
  for (size_t lane = 0; lane < hn::Lanes(d); ++lane)
    values[lane] = table.read<Mode>(positions[lane]);
  return hn::Load(d, values);
}

// Every lane's read of one table at positions x, as zunTable::read. Lanes
// that do not sound read entry 0.
template <int Mode, bool UnitStride>
HWY_INLINE V readTable(const zunTable& table, V x, M sounding) {
  const D d;
  const DF df;
  const DI di;
  x = hn::IfThenElseZero(sounding, x);
  const M inside = hn::And(hn::Ge(x, hn::Zero(d)), hn::Lt(x, hn::Set(d, double(table.frames))));
  if (HWY_UNLIKELY(!hn::AllTrue(d, inside))) return readEachLane<Mode>(table, x);

  const VI i = hn::DemoteTo(di, x);  // truncates; x < frames < 2^31
  const VI stride = hn::Set(di, static_cast<int32_t>(table.stride));
  const V a = hn::PromoteTo(d, hn::GatherIndex(df, table.data, UnitStride ? i : hn::Mul(i, stride)));
  if (Mode == 0) return a;
  const VI next = hn::Add(i, hn::Set(di, 1));
  const VI j = hn::IfThenElseZero(hn::Lt(next, hn::Set(di, static_cast<int32_t>(table.frames))), next);
  const V b = hn::PromoteTo(d, hn::GatherIndex(df, table.data, UnitStride ? j : hn::Mul(j, stride)));
  return hn::Add(hn::Mul(hn::Sub(b, a), hn::Sub(x, hn::PromoteTo(d, i))), a);
}

// A phase that one wrap could not hold, lane by lane.
HWY_NOINLINE V wrapEachLane(V phase, M bad) {
  const D d;
  alignas(64) double phases[zunMaxGroupLanes], wrapped[zunMaxGroupLanes];
  hn::Store(phase, d, phases);
  for (size_t lane = 0; lane < hn::Lanes(d); ++lane) wrapped[lane] = zunWrapPhase(phases[lane]);
  return hn::IfThenElse(bad, hn::Load(d, wrapped), phase);
}

// The voices' state and parameters, one lane each.
struct Lanes {
  alignas(64) double position[zunMaxGroupLanes];
  alignas(64) double increment[zunMaxGroupLanes];
  alignas(64) double phase[zunMaxGroupLanes];
  alignas(64) double step[zunMaxGroupLanes];
  alignas(64) double glide[zunMaxGroupLanes];
  alignas(64) double attackEnd[zunMaxGroupLanes];
  alignas(64) double sustainEnd[zunMaxGroupLanes];
  alignas(64) double decay[zunMaxGroupLanes];
  alignas(64) double weight1[zunMaxGroupLanes];
  alignas(64) double weight2[zunMaxGroupLanes];
  alignas(64) double gain[zunMaxGroupLanes];
  alignas(64) double windowPosition[zunMaxGroupLanes];
  alignas(64) double start[zunMaxGroupLanes];
};

template <bool Morph>
void gather(Lanes& l, zunGrain* const* voices, const int* offsets, int count, int n, size_t lanes) {
  // Lanes without a voice carry a fresh voice's values and never start.
  const zunGrain idle(1.0);
  for (size_t lane = 0; lane < lanes; ++lane) {
    const bool used = static_cast<int>(lane) < count;
    const zunGrain& v = used ? *voices[lane] : idle;
    l.position[lane] = v.grainPosition;
    l.increment[lane] = v.grainIncrement;
    l.phase[lane] = v.phase;
    l.step[lane] = Morph ? v.phaseIncrement : v.phaseIncrement * v.direction;
    l.glide[lane] = v.glisson;
    l.attackEnd[lane] = v.attack;
    l.sustainEnd[lane] = v.attack + v.sustain;
    l.decay[lane] = v.decay;
    l.weight1[lane] = 1.0 - v.morph;
    l.weight2[lane] = v.morph;
    l.gain[lane] = v.amplitude;
    l.windowPosition[lane] = v.windowPosition;
    l.start[lane] = used ? offsets[lane] : n;
  }
}

template <bool Morph, int Mode, bool UnitStride>
void renderGroup(const zunRenderJob& job, zunGrain* const* voices, const int* offsets, int count,
                 int n, double* const* rows) {
  const D d;
  const size_t lanes = hn::Lanes(d);
  Lanes l;
  gather<Morph>(l, voices, offsets, count, n, lanes);

  const V one = hn::Set(d, 1.0), zero = hn::Zero(d), half = hn::Set(d, 0.5);
  const V minusHalf = hn::Set(d, -0.5);
  const V increment = hn::Load(d, l.increment), step = hn::Load(d, l.step);
  const V glide = hn::Load(d, l.glide), attackEnd = hn::Load(d, l.attackEnd);
  const V sustainEnd = hn::Load(d, l.sustainEnd), decay = hn::Load(d, l.decay);
  const V weight1 = hn::Load(d, l.weight1), weight2 = hn::Load(d, l.weight2);
  const V gain = hn::Load(d, l.gain), start = hn::Load(d, l.start);
  const V wave1Frames = hn::Set(d, double(job.wave1.frames));
  const V wave2Frames = hn::Set(d, double(job.wave2.frames));
  const V windowFrames = hn::Set(d, double(job.window.frames));
  V position = hn::Load(d, l.position), phase = hn::Load(d, l.phase);
  V windowPosition = hn::Load(d, l.windowPosition);
  M ended = hn::FirstN(d, 0);

  int first = n;
  for (int v = 0; v < count; ++v) first = offsets[v] < first ? offsets[v] : first;

  alignas(64) double out[zunMaxGroupLanes];
  for (int k = first; k < n; ++k) {
    const M started = hn::Le(start, hn::Set(d, double(k)));
    position = hn::IfThenElse(started, hn::Add(position, increment), position);
    const M over = hn::Ge(position, one);
    ended = hn::Or(ended, hn::And(started, over));
    const M sounding = hn::AndNot(over, started);
    V value = zero;
    if (!hn::AllFalse(d, sounding)) {
      V w = position;
      if (Morph) {
        const M inAttack = hn::Lt(position, attackEnd);
        const M inSustain = hn::AndNot(inAttack, hn::Lt(position, sustainEnd));
        w = half;
        // The division only where some lane is in its attack or decay.
        if (!hn::AllFalse(d, hn::AndNot(inSustain, sounding))) {
          const V q = hn::Div(hn::IfThenElse(inAttack, position, hn::Sub(one, position)),
                              hn::IfThenElse(inAttack, attackEnd, decay));
          w = hn::IfThenElse(inAttack, hn::Mul(q, half),
                             hn::IfThenElse(inSustain, half, hn::Add(hn::Mul(q, minusHalf), one)));
        }
        windowPosition = hn::IfThenElse(sounding, w, windowPosition);
        const V glided = hn::Mul(hn::Add(hn::Mul(glide, position), one), step);
        const M moves = hn::AndNot(hn::Gt(glided, one), sounding);
        phase = hn::IfThenElse(moves, hn::Add(phase, glided), phase);
      } else {
        phase = hn::IfThenElse(sounding, hn::Add(phase, step), phase);
      }
      const V wrapped = hn::IfThenElse(hn::Ge(phase, one), hn::Sub(phase, one),
                                       hn::IfThenElse(hn::Lt(phase, zero), hn::Add(phase, one), phase));
      phase = hn::IfThenElse(sounding, wrapped, phase);
      const M held = hn::And(hn::Ge(phase, zero), hn::Le(phase, one));
      const M bad = hn::AndNot(held, sounding);
      if (HWY_UNLIKELY(!hn::AllFalse(d, bad))) phase = wrapEachLane(phase, bad);

      V wave = readTable<Mode, UnitStride>(job.wave1, hn::Mul(phase, wave1Frames), sounding);
      if (Morph)
        wave = hn::Add(hn::Mul(weight1, wave),
                       hn::Mul(weight2, readTable<Mode, UnitStride>(
                                            job.wave2, hn::Mul(phase, wave2Frames), sounding)));
      const V windowValue =
          readTable<Mode, UnitStride>(job.window, hn::Mul(w, windowFrames), sounding);
      value = hn::IfThenElseZero(sounding, hn::Mul(hn::Mul(windowValue, wave), gain));
    }
    hn::Store(value, d, out);
    for (int v = 0; v < count; ++v) rows[v][k] = out[v];
  }

  hn::Store(position, d, l.position);
  hn::Store(phase, d, l.phase);
  hn::Store(windowPosition, d, l.windowPosition);
  alignas(64) double endedLanes[zunMaxGroupLanes];
  hn::Store(hn::IfThenElseZero(ended, one), d, endedLanes);
  for (int v = 0; v < count; ++v) {
    zunGrain& voice = *voices[v];
    voice.grainPosition = l.position[v];
    voice.phase = l.phase[v];
    if (Morph) voice.windowPosition = l.windowPosition[v];
    if (endedLanes[v] != 0.0) voice.status = false;
  }
}

template <bool Morph, int Mode>
void renderGroupStrided(const zunRenderJob& job, zunGrain* const* voices, const int* offsets,
                        int count, int n, double* const* rows) {
  const bool unit = job.wave1.stride == 1 && job.window.stride == 1 && job.wave2.stride == 1;
  if (unit) renderGroup<Morph, Mode, true>(job, voices, offsets, count, n, rows);
  else renderGroup<Morph, Mode, false>(job, voices, offsets, count, n, rows);
}

void RenderGroupImpl(const zunRenderJob& job, int mode, zunGrain* const* voices, const int* offsets,
                     int count, int n, double* const* rows) {
  if (job.morph) {
    if (mode == 0) renderGroupStrided<true, 0>(job, voices, offsets, count, n, rows);
    else renderGroupStrided<true, 1>(job, voices, offsets, count, n, rows);
  } else {
    if (mode == 0) renderGroupStrided<false, 0>(job, voices, offsets, count, n, rows);
    else renderGroupStrided<false, 1>(job, voices, offsets, count, n, rows);
  }
}

}  // namespace HWY_NAMESPACE
}  // namespace zunSimd
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace zunSimd {
HWY_EXPORT(LanesImpl);
HWY_EXPORT(RenderGroupImpl);
}  // namespace zunSimd

int zunGroupLanes() {
  const int lanes = HWY_DYNAMIC_DISPATCH(zunSimd::LanesImpl)();
  return lanes < zunMaxGroupLanes ? lanes : zunMaxGroupLanes;
}

namespace {
bool indexable(const zunTable& t) {
  return !t.empty() && t.frames <= INT32_MAX / t.stride;
}
}  // namespace

bool zunGroupRenders(const zunRenderJob& job, int mode) {
  return (mode == 0 || mode == 1) && indexable(job.wave1) && indexable(job.window) &&
         (!job.morph || indexable(job.wave2));
}

void zunRenderGroup(const zunRenderJob& job, int mode, zunGrain* const* voices,
                    const int* offsets, int count, int n, double* const* rows) {
  HWY_DYNAMIC_DISPATCH(zunSimd::RenderGroupImpl)(job, mode, voices, offsets, count, n, rows);
}

void zunRenderJob::render(zunGrain& voice, double* out, int count) const {
  if (morph)
    voice.Processing_2(out, count, wave1.frames, window.frames, wave2.frames,
                       const_cast<float*>(wave1.data), const_cast<float*>(window.data),
                       const_cast<float*>(wave2.data), wave1.stride, window.stride, wave2.stride);
  else
    voice.Processing(out, count, wave1.frames, window.frames, const_cast<float*>(wave1.data),
                     const_cast<float*>(window.data), wave1.stride, window.stride);
}
#endif
