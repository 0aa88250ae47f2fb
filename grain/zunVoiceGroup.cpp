// Compiled once per instruction set by Highway's foreach_target; the best one
// the processor supports is chosen at the first call.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "zunVoiceGroup.cpp"
#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "zunGrainStep-inl.h"
#include "zunGroupTable-inl.h"
#include "zunGroupMix-inl.h"
#include "zunVoiceGroup.h"

HWY_BEFORE_NAMESPACE();
namespace zunSimd {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

int LanesImpl() { return static_cast<int>(hn::Lanes(D())); }

// Voices side by side pay only where the processor gathers a vector of
// table entries in one instruction; where each lane loads on its own (SSE4,
// NEON) the voices' own routines are faster.
bool GathersImpl() {
  return HWY_TARGET == HWY_AVX2 || HWY_TARGET == HWY_AVX3 || HWY_TARGET == HWY_AVX3_DL;
}

// A phase that one wrap could not hold, lane by lane.
HWY_NOINLINE V wrapEachLane(V phase, M bad) {
  const D d;
  alignas(64) double phases[zunMaxGroupLanes], wrapped[zunMaxGroupLanes];
  hn::Store(phase, d, phases);
  for (size_t lane = 0; lane < hn::Lanes(d); ++lane) wrapped[lane] = zunWrapPhase(phases[lane]);
  return hn::IfThenElse(bad, hn::Load(d, wrapped), phase);
}

// The group's lanes for the step rule: one voice per vector lane.
struct VectorLanes {
  using V = hn::Vec<D>;
  using M = hn::Mask<D>;
  static HWY_INLINE V set(double x) { return hn::Set(D(), x); }
  static HWY_INLINE V add(V a, V b) { return hn::Add(a, b); }
  static HWY_INLINE V sub(V a, V b) { return hn::Sub(a, b); }
  static HWY_INLINE V mul(V a, V b) { return hn::Mul(a, b); }
  static HWY_INLINE V div(V a, V b) { return hn::Div(a, b); }
  static HWY_INLINE M lt(V a, V b) { return hn::Lt(a, b); }
  static HWY_INLINE M le(V a, V b) { return hn::Le(a, b); }
  static HWY_INLINE M gt(V a, V b) { return hn::Gt(a, b); }
  static HWY_INLINE M ge(V a, V b) { return hn::Ge(a, b); }
  static HWY_INLINE M both(M a, M b) { return hn::And(a, b); }
  static HWY_INLINE M butNot(M a, M b) { return hn::AndNot(a, b); }
  static HWY_INLINE M either(M a, M b) { return hn::Or(a, b); }
  static HWY_INLINE V select(M m, V yes, V no) { return hn::IfThenElse(m, yes, no); }
  static HWY_INLINE bool allTrue(M m) { return hn::AllTrue(D(), m); }
  static HWY_INLINE bool allFalse(M m) { return hn::AllFalse(D(), m); }
  static HWY_INLINE bool rarely(M m) { return HWY_UNLIKELY(!hn::AllFalse(D(), m)); }
  static HWY_INLINE V wrapEach(V phase, M bad) { return wrapEachLane(phase, bad); }
};

// The pulsar routine glides and deforms its window; the sample routine does neither.
template <bool Morph>
using Rule = zunGrainStep<VectorLanes, Morph, Morph>;
using State = zunStepState<VectorLanes>;

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

// Lanes without a voice never start, and hold values that read entry 0 if
// a loop that does not look at starts runs them anyway.
template <bool Morph>
void gather(Lanes& l, zunGrain* const* voices, const int* offsets, int count, int n, size_t lanes) {
  for (size_t lane = 0; lane < lanes; ++lane) {
    if (static_cast<int>(lane) >= count) {
      l.position[lane] = l.increment[lane] = l.phase[lane] = l.step[lane] = l.glide[lane] = 0.0;
      l.attackEnd[lane] = l.sustainEnd[lane] = l.decay[lane] = 0.5;
      l.weight1[lane] = l.weight2[lane] = l.gain[lane] = l.windowPosition[lane] = 0.0;
      l.start[lane] = n;
      continue;
    }
    const zunGrainLatched& v = voices[lane]->latched();
    const zunGrainRunning& r = voices[lane]->running();
    const zunStepParameters<zunScalarLanes> p = zunStepOf(v, Morph);
    l.position[lane] = r.grainPosition;
    l.increment[lane] = p.increment;
    l.phase[lane] = r.phase;
    l.step[lane] = p.step;
    l.glide[lane] = p.glide;
    l.attackEnd[lane] = p.attackEnd;
    l.sustainEnd[lane] = p.sustainEnd;
    l.decay[lane] = p.decay;
    l.weight1[lane] = 1.0 - v.morph;
    l.weight2[lane] = v.morph;
    l.gain[lane] = v.amplitude;
    l.windowPosition[lane] = r.windowPosition;
    l.start[lane] = offsets[lane];
  }
}

// What a group's lanes are vouched for. `held`: every lane keeps its phase
// and its window position inside their tables for as long as it sounds, so
// that reads need no range checks: its position lies in [0, 1) and moves
// forwards; a phase in [0, 1] moving by at most half a table per sample
// (glissando included) stays in [0, 1] after one wrap; the deformed window
// stays in [0, 1] while its attack and decay quotients stay in [0, 2].
// `forwards`: every phase moves forwards, which a glissando below -1 would
// turn back before the grain's end. `glides`: some lane has a glissando; a
// held lane without one steps by exactly its step, its factor being 1.
struct Vouched {
  bool held = true;
  bool forwards = true;
  bool glides = false;
};

// All lanes at once: the same comparisons as lane by lane, and lanes
// without a voice count as vouched for.
template <bool Morph>
Vouched vouch(const Lanes& l, int count) {
  const D d;
  const V zero = hn::Zero(d), one = hn::Set(d, 1.0), two = hn::Set(d, 2.0);
  const V position = hn::Load(d, l.position), phase = hn::Load(d, l.phase);
  const V step = hn::Load(d, l.step), glide = hn::Load(d, l.glide);
  const V maxStep = Morph ? hn::Mul(hn::Add(hn::Abs(glide), one), hn::Abs(step)) : hn::Abs(step);
  M held = hn::And(hn::And(hn::Ge(position, zero), hn::Lt(position, one)),
                   hn::Gt(hn::Load(d, l.increment), zero));
  held = hn::And(held, hn::And(hn::And(hn::Ge(phase, zero), hn::Le(phase, one)),
                               hn::Le(maxStep, hn::Set(d, 0.5))));
  if (Morph) {
    const V attackEnd = hn::Load(d, l.attackEnd), sustainEnd = hn::Load(d, l.sustainEnd);
    const V decay = hn::Load(d, l.decay);
    // std::max(sustainEnd, 0.0), NaN included
    const V sustained = hn::IfThenElse(hn::Lt(sustainEnd, zero), zero, sustainEnd);
    held = hn::And(held, hn::And(hn::And(hn::Gt(attackEnd, zero), hn::Lt(attackEnd, two)),
                                 hn::Gt(decay, zero)));
    held = hn::And(held, hn::And(hn::And(hn::Gt(sustainEnd, hn::Set(d, -1.0)),
                                         hn::Lt(sustainEnd, two)),
                                 hn::Le(hn::Div(hn::Sub(one, sustained), decay), two)));
  }
  M forwards = hn::Ge(step, zero);
  if (Morph) forwards = hn::And(forwards, hn::Ge(glide, hn::Set(d, -1.0)));
  const M none = hn::Not(hn::FirstN(d, static_cast<size_t>(count)));
  const bool still = !Morph || hn::AllTrue(d, hn::Or(hn::Eq(glide, zero), none));
  return {hn::AllTrue(d, hn::Or(held, none)), hn::AllTrue(d, hn::Or(forwards, none)), !still};
}

// How many samples from now every held lane is sure to keep sounding: a
// position below 1 moves by its increment plus at most half an ulp of 1 per
// addition. Lanes without a voice (position and increment 0) never limit it.
int soundingStretch(const Lanes& l, int remaining) {
  const D d;
  const V one = hn::Set(d, 1.0);
  const V sure = hn::Sub(hn::Floor(hn::Div(hn::Sub(one, hn::Load(d, l.position)),
                                           hn::Add(hn::Load(d, l.increment), hn::Set(d, 0x1p-52)))),
                         one);
  if (!hn::AllTrue(d, hn::Ge(sure, one))) return 0;
  const double shortest = hn::GetLane(hn::MinOfLanes(d, sure));
  return static_cast<int>(std::min(static_cast<double>(remaining), shortest));
}

struct Parameters {
  zunStepParameters<VectorLanes> rule;
  V weight1, weight2, gain, start;

  explicit Parameters(const Lanes& l)
      : rule{hn::Load(D(), l.increment), hn::Load(D(), l.step),       hn::Load(D(), l.glide),
             hn::Load(D(), l.attackEnd), hn::Load(D(), l.sustainEnd), hn::Load(D(), l.decay)},
        weight1(hn::Load(D(), l.weight1)),
        weight2(hn::Load(D(), l.weight2)),
        gain(hn::Load(D(), l.gain)),
        start(hn::Load(D(), l.start)) {}

  M startedAt(int k) const { return hn::Le(start, hn::Set(D(), double(k))); }
};

struct Tables {
  Table wave1, window, wave2;
  // Without morph the second wave table is not read, and may be missing.
  explicit Tables(const zunRenderJob& job)
      : wave1(job.wave1), window(job.window), wave2(job.morph ? job.wave2 : job.wave1) {}
};

// The wave a voice reads at its phase, morphed between the two tables.
template <bool Morph, class Read>
HWY_INLINE V waveAt(const Tables& t, Read read, V phase, V weight1, V weight2) {
  const V wave = read(t.wave1, hn::Mul(phase, t.wave1.frames()));
  if (!Morph) return wave;
  return hn::Add(hn::Mul(weight1, wave),
                 hn::Mul(weight2, read(t.wave2, hn::Mul(phase, t.wave2.frames()))));
}

// The sample a voice makes of its phase and window position, reading each
// table with read(table, x): the same arithmetic whether the lanes are
// voices or one voice's samples.
template <bool Morph, class Read>
HWY_INLINE V voiceSample(const Tables& t, Read read, V phase, V w, V weight1, V weight2, V gain) {
  const V windowValue = read(t.window, hn::Mul(w, t.window.frames()));
  return hn::Mul(hn::Mul(windowValue, waveAt<Morph>(t, read, phase, weight1, weight2)), gain);
}

// Sample k of every lane, each lane's voice doing exactly what its own
// routine does, whatever its state: lanes not yet started or ended give 0.
template <bool Morph, int Mode, bool Fast>
HWY_INLINE V anySample(const Tables& t, const Parameters& p, State& s, int k) {
  const D d;
  const auto at = Rule<Morph>::template step<zunStepChecks::all, true>(p.rule, s, p.startedAt(k),
                                                                       hn::Zero(d));
  if (hn::AllFalse(d, at.sounding)) return hn::Zero(d);
  auto read = [&](const Table& table, V x) { return table.read<Mode, Fast>(x, at.sounding); };
  return hn::IfThenElseZero(
      at.sounding, voiceSample<Morph>(t, read, s.phase, at.window, p.weight1, p.weight2, p.gain));
}

// The same as anySample, in a stretch where vouch and soundingStretch
// vouched for every lane; with `Masked`, lanes that start at a later sample
// give 0.
template <bool Morph, int Mode, bool Fast, bool Masked>
HWY_INLINE V plainSample(const Tables& t, const Parameters& p, State& s, int k) {
  const D d;
  const M started = Masked ? p.startedAt(k) : hn::FirstN(d, hn::Lanes(d));
  const V w =
      Rule<Morph>::template step<zunStepChecks::held, Masked>(p.rule, s, started, hn::Zero(d))
          .window;
  auto read = [](const Table& table, V x) { return table.readHeld<Mode, Fast>(x); };
  const V value = voiceSample<Morph>(t, read, s.phase, w, p.weight1, p.weight2, p.gain);
  return Masked ? hn::IfThenElseZero(started, value) : value;
}

#if HWY_TARGET != HWY_SCALAR

// What the reads of a group's squares may take as known.
struct Shortcuts {
  // The window at its middle, where every sample of a sustained deformed
  // window reads.
  V middle;
  // Every voice's morph weights are exactly 1 and 0 and the second wave
  // table is finite: the second read only adds a zero to the first, which
  // changes at most the sign of a zero sample (see zunRenderGroup).
  bool firstWaveOnly;
  // Bit v: voice v's wave reads outrun a span, so they gather at once.
  uint32_t outrunning;
};

// As many samples as lanes of an interpolating group with fast tables held
// by vouch, added into the mix from sample k on. The lanes' states
// advance sample by sample; then the square of phases and window positions
// is transposed, and each voice renders its samples side by side, where its
// reads usually find their entries in one short span of each table
// (readAlong), and adds them into the mix. `Checked` squares may hold a
// voice's start or end: each voice adds only the samples it sounds. With
// `Forwards`, every lane's phase moves forwards; without `Glide`, no lane
// has a glissando.
template <bool Morph, int Mode, bool Checked, bool Forwards, bool Glide>
HWY_INLINE void renderSquare(const Tables& t, const Shortcuts& known, const Parameters& p,
                             const Lanes& l, State& s, const zunGroup& group, int k, double* left,
                             double* right) {
  using Step = zunGrainStep<VectorLanes, Glide, Morph>;
  const D d;
  V phases[kLanes], windows[kLanes];
  if (Checked) s.lastPosition = hn::IfThenElse(s.ended, s.lastPosition, s.position);
  for (size_t j = 0; j < kLanes; ++j) {
    const int at = k + static_cast<int>(j);
    windows[j] = Checked ? Step::template step<zunStepChecks::ends, true, Forwards>(
                               p.rule, s, p.startedAt(at), hn::Set(d, double(at)))
                               .window
                         : Step::template step<zunStepChecks::held, false, Forwards>(
                               p.rule, s, hn::FirstN(d, kLanes), hn::Zero(d))
                               .window;
    phases[j] = s.phase;
  }
  alignas(64) double endedAt[zunMaxGroupLanes];
  if (Checked) hn::Store(s.endedAt, d, endedAt);
  transposeSquare(phases);
  transposeSquare(windows);
  V mixLeft = hn::LoadU(d, left + k), mixRight = hn::LoadU(d, right + k);
  for (int v = 0; v < group.count; ++v) {
    const double gainLeft = group.gainLeft[v], gainRight = group.gainRight[v];
    auto read = [outrun = (known.outrunning >> v & 1) != 0](const Table& table, V x) {
      return table.readAlong<Mode, Forwards>(x, outrun);
    };
    // A voice adds its samples from its start on, zeros after its end.
    size_t from = 0, to = kLanes;
    if (Checked) {
      auto inSquare = [k](double at) {
        return static_cast<size_t>(std::clamp(at - k, 0.0, double(kLanes)));
      };
      from = inSquare(group.offsets[v]);
      to = inSquare(endedAt[v]);
      // Zeros times finite gains leave the sums as they are.
      if (from >= kLanes || (from >= to && std::isfinite(gainLeft) && std::isfinite(gainRight)))
        continue;
    }
    V value = hn::Zero(d);
    if (from < to) {
      const bool sustained = Morph && hn::AllTrue(d, hn::Eq(windows[v], hn::Set(d, 0.5)));
      const V windowValue =
          sustained ? known.middle
                    : t.window.readAlong<Mode, true>(hn::Mul(windows[v], t.window.frames()));
      const V wave = Morph && known.firstWaveOnly
                         ? read(t.wave1, hn::Mul(phases[v], t.wave1.frames()))
                         : waveAt<Morph>(t, read, phases[v], hn::Set(d, l.weight1[v]),
                                         hn::Set(d, l.weight2[v]));
      value = hn::Mul(hn::Mul(windowValue, wave), hn::Set(d, l.gain[v]));
      if (Checked) value = hn::IfThenElseZero(hn::FirstN(d, to), value);
    }
    const V addLeft = hn::Add(mixLeft, hn::Mul(value, hn::Set(d, gainLeft)));
    const V addRight = hn::Add(mixRight, hn::Mul(value, hn::Set(d, gainRight)));
    const M before = hn::FirstN(d, from);
    mixLeft = Checked ? hn::IfThenElse(before, mixLeft, addLeft) : addLeft;
    mixRight = Checked ? hn::IfThenElse(before, mixRight, addRight) : addRight;
  }
  hn::StoreU(mixLeft, d, left + k);
  hn::StoreU(mixRight, d, right + k);
}

// The lanes of an interpolating group with fast tables and held lanes, from
// sample k on, a square at a time; returns the first sample left over.
template <bool Morph, int Mode, bool Forwards, bool Glide>
int renderSquares(const zunRenderJob& job, const Tables& t, const Parameters& p, const Lanes& l,
                  State& s, const zunGroup& group, int k, int n, double* left, double* right) {
  const D d;
  const int count = group.count;
  const int allStarted = *std::max_element(group.offsets, group.offsets + count);
  const int plainEnd = k + soundingStretch(l, n - k);
  bool firstWaveOnly = Morph;
  for (int v = 0; v < count; ++v)
    firstWaveOnly = firstWaveOnly && l.weight1[v] == 1.0 && l.weight2[v] == 0.0;
  // Wave tables are read at audio rates; a sample read near its own pitch
  // moves about an entry a sample.
  uint32_t outrunning = 0;
  for (int v = 0; Morph && v < count; ++v) {
    const bool outruns = t.wave1.outrunsSpans(l.step[v]) && t.wave2.outrunsSpans(l.step[v]);
    outrunning |= uint32_t{outruns} << v;
  }
  const Shortcuts known{
      hn::Set(d, Morph ? job.window.read<Mode>(0.5 * static_cast<double>(job.window.frames)) : 0.0),
      firstWaveOnly && job.secondWaveFinite(), outrunning};
  s.lastPosition = s.position;
  s.endedAt = hn::Set(d, double(n));
  for (; k + static_cast<int>(kLanes) <= n; k += kLanes) {
    if (k >= allStarted && k + static_cast<int>(kLanes) <= plainEnd)
      renderSquare<Morph, Mode, false, Forwards, Glide>(t, known, p, l, s, group, k, left, right);
    else
      renderSquare<Morph, Mode, true, Forwards, Glide>(t, known, p, l, s, group, k, left, right);
  }
  return k;
}

// renderSquares for held lanes, with what vouch found of them.
template <bool Morph, int Mode>
int renderHeld(const Vouched& lanes, const zunRenderJob& job, const Tables& t,
               const Parameters& p, const Lanes& l, State& s, const zunGroup& group, int k, int n,
               double* left, double* right) {
  const bool glides = Morph && lanes.glides;
  if (lanes.forwards && glides)
    return renderSquares<Morph, Mode, true, true>(job, t, p, l, s, group, k, n, left, right);
  if (lanes.forwards)
    return renderSquares<Morph, Mode, true, false>(job, t, p, l, s, group, k, n, left, right);
  if (glides)
    return renderSquares<Morph, Mode, false, true>(job, t, p, l, s, group, k, n, left, right);
  return renderSquares<Morph, Mode, false, false>(job, t, p, l, s, group, k, n, left, right);
}

#endif

template <bool Morph, int Mode, bool Fast>
void renderGroup(const zunRenderJob& job, const zunGroup& group, int n, double* left,
                 double* right) {
  zunGrain* const* voices = group.voices;
  const int* offsets = group.offsets;
  const int count = group.count;
  const D d;
  // Before the lanes' vectors, which every call would have to spill.
  const Tables t(job);
  Lanes l;
  gather<Morph>(l, voices, offsets, count, n, hn::Lanes(d));
  // Where some lane cannot be held, each sample looks at every lane's
  // state; lanes that start later in the block are vouched for as well,
  // since they advance less.
  const Vouched lanes = vouch<Morph>(l, count);
  const Parameters p(l);
  State s{hn::Load(d, l.position), hn::Load(d, l.phase), hn::Load(d, l.windowPosition),
          hn::FirstN(d, 0), hn::Zero(d), hn::Zero(d)};
  const int first = *std::min_element(offsets, offsets + count);
  Mixer out(group, left, right);
  int k = first;
#if HWY_TARGET != HWY_SCALAR
  if constexpr (Mode != 0 && Fast) {
    if (lanes.held) k = renderHeld<Morph, Mode>(lanes, job, t, p, l, s, group, k, n, left, right);
  } else
#endif
  {
    const int allStarted = *std::max_element(offsets, offsets + count);
    const int plainEnd = lanes.held ? first + soundingStretch(l, n - first) : first;
    for (; k < std::min(allStarted, plainEnd); ++k)
      out.put(plainSample<Morph, Mode, Fast, true>(t, p, s, k), k);
    for (; k < plainEnd; ++k) out.put(plainSample<Morph, Mode, Fast, false>(t, p, s, k), k);
  }
  for (; k < n; ++k) out.put(anySample<Morph, Mode, Fast>(t, p, s, k), k);
  out.finish();

  hn::Store(s.position, d, l.position);
  hn::Store(s.phase, d, l.phase);
  hn::Store(s.windowPosition, d, l.windowPosition);
  alignas(64) double endedLanes[zunMaxGroupLanes] = {};
  hn::Store(hn::IfThenElseZero(s.ended, hn::Set(d, 1.0)), d, endedLanes);
  // Built whole rather than copied and patched: a patched copy went through
  // the stack, each wide reload waiting on narrow stores. A group has no
  // more voices than lanes; the bound shows the compiler every value read
  // back was stored.
  const int voiced = std::min(count, static_cast<int>(hn::Lanes(d)));
  for (int v = 0; v < voiced; ++v) {
    const zunGrainRunning& was = voices[v]->running();
    voices[v]->setRunning({l.phase[v], Morph ? l.windowPosition[v] : was.windowPosition,
                           l.position[v], endedLanes[v] != 0.0 ? false : was.status});
  }
}

template <bool Morph, int Mode>
void renderGroupIn(const zunRenderJob& job, const zunGroup& group, int n, double* left,
                   double* right) {
  if (job.fastTables(Mode)) renderGroup<Morph, Mode, true>(job, group, n, left, right);
  else renderGroup<Morph, Mode, false>(job, group, n, left, right);
}

// Whether `count` floats are all finite: none has an exponent of all ones.
bool AllFiniteImpl(const float* data, int64_t count) {
  const hn::ScalableTag<float> df;
  const hn::RebindToUnsigned<decltype(df)> du;
  const int64_t lanes = static_cast<int64_t>(hn::Lanes(df));
  const auto magnitude = hn::Set(du, 0x7fffffffu);
  auto largest = hn::Zero(du);
  int64_t i = 0;
  for (; i + lanes <= count; i += lanes)
    largest = hn::Max(largest, hn::And(hn::BitCast(du, hn::LoadU(df, data + i)), magnitude));
  bool finite = hn::AllTrue(du, hn::Lt(largest, hn::Set(du, 0x7f800000u)));
  for (; i < count; ++i) finite = finite && std::isfinite(data[i]);
  return finite;
}

void RenderGroupImpl(const zunRenderJob& job, int mode, const zunGroup& group, int n, double* left,
                     double* right) {
  if (job.morph) {
    if (mode == 0) renderGroupIn<true, 0>(job, group, n, left, right);
    else if (mode == 1) renderGroupIn<true, 1>(job, group, n, left, right);
    else renderGroupIn<true, zunCubicRead>(job, group, n, left, right);
  } else {
    if (mode == 0) renderGroupIn<false, 0>(job, group, n, left, right);
    else if (mode == 1) renderGroupIn<false, 1>(job, group, n, left, right);
    else renderGroupIn<false, zunCubicRead>(job, group, n, left, right);
  }
}

}  // namespace HWY_NAMESPACE
}  // namespace zunSimd
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace zunSimd {
HWY_EXPORT(LanesImpl);
HWY_EXPORT(GathersImpl);
HWY_EXPORT(RenderGroupImpl);
HWY_EXPORT(AllFiniteImpl);
}  // namespace zunSimd

// Where one target is all there is (arm64's NEON), dispatch is static and
// names the function as N_TARGET::NAME in the namespace of HWY_EXPORT.
using namespace zunSimd;

int zunGroupLanes() {
  const int lanes = HWY_DYNAMIC_DISPATCH(LanesImpl)();
  return lanes < zunMaxGroupLanes ? lanes : zunMaxGroupLanes;
}

namespace {
bool indexable(const zunTable& t) {
  return !t.empty() && t.frames <= INT32_MAX / t.stride;
}
}  // namespace

bool zunGroupRenders(const zunRenderJob& job, int mode) {
  return HWY_DYNAMIC_DISPATCH(GathersImpl)() && (mode == 0 || mode == 1 || mode == zunCubicRead) &&
         indexable(job.wave1) && indexable(job.window) &&
         (!job.morph || indexable(job.wave2));
}

void zunRenderGroup(const zunRenderJob& job, int mode, const zunGroup& group, int n, double* left,
                    double* right) {
  HWY_DYNAMIC_DISPATCH(RenderGroupImpl)(job, mode, group, n, left, right);
}

bool zunGroupPays(const zunRenderJob& job, int mode, int count) {
  if (mode != 0 && job.fastTables(mode)) return count >= 2;
  return count * 2 >= zunGroupLanes();
}

bool zunRenderJob::fastTables(int mode) const {
  auto fast = [mode](const zunTable& t) { return t.stride == 1 && (mode == 0 || t.frames >= 2); };
  return fast(wave1) && fast(window) && (!morph || fast(wave2));
}

bool zunRenderJob::secondWaveFinite() const {
  // Looking through a larger table would cost more than the reads it saves.
  constexpr long long largest = 16384;
  if (!finiteLooked.sameFloats(wave2)) {
    const long long floats = wave2.frames * wave2.stride;
    finite = !wave2.empty() && floats <= largest &&
             HWY_DYNAMIC_DISPATCH(AllFiniteImpl)(wave2.data, floats);
    finiteLooked = wave2;
  }
  return finite;
}

void zunRenderJob::render(zunGrain& voice, double* out, int count) const {
  if (morph) voice.Processing_2(out, count, wave1, window, wave2);
  else voice.Processing(out, count, wave1, window);
}
#endif
