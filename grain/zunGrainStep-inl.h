// A grain's step from one sample to the next, written once for one voice
// (zunScalarLanes) and for the group renderer's voices side by side (a lane
// per voice). Every lane performs the same operations in the same order, so
// a voice's samples and end state are the same bits however it is rendered.
// Included by zunGrain.cpp for the compiler's own instruction set and once
// per instruction set by zunVoiceGroup.cpp: code that takes vectors must be
// compiled for their instruction set.
//
// A lane policy L names V (a value per lane) and M (a truth per lane) and
// supplies set, add, sub, mul, div, lt, le, gt, ge, both (a && b), butNot
// (b && !a), either (a || b), select (m ? yes : no), allTrue, allFalse,
// rarely (whether any lane is true, where that is rare) and wrapEach
// (zunWrapPhase on the lanes of a mask).
#if defined(ZUN_GRAIN_STEP_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef ZUN_GRAIN_STEP_INL_H_
#undef ZUN_GRAIN_STEP_INL_H_
#else
#define ZUN_GRAIN_STEP_INL_H_
#endif

#include <hwy/highway.h>

#include "zunGrain.h"

HWY_BEFORE_NAMESPACE();
namespace zunSimd {
namespace HWY_NAMESPACE {

// One voice: lanes of one double.
struct zunScalarLanes {
  using V = double;
  using M = bool;
  static V set(double x) { return x; }
  static V add(V a, V b) { return a + b; }
  static V sub(V a, V b) { return a - b; }
  static V mul(V a, V b) { return a * b; }
  static V div(V a, V b) { return a / b; }
  static M lt(V a, V b) { return a < b; }
  static M le(V a, V b) { return a <= b; }
  static M gt(V a, V b) { return a > b; }
  static M ge(V a, V b) { return a >= b; }
  static M both(M a, M b) { return a && b; }
  static M butNot(M a, M b) { return b && !a; }
  static M either(M a, M b) { return a || b; }
  static V select(M m, V yes, V no) { return m ? yes : no; }
  static bool allTrue(M m) { return m; }
  static bool allFalse(M m) { return !m; }
  static bool rarely(M m) { return m; }
  static V wrapEach(V phase, M bad) { return bad ? zunWrapPhase(phase) : phase; }
};

// What a grain steps by, per lane.
template <class L>
struct zunStepParameters {
  using V = typename L::V;
  V increment;   // of the grain position per sample
  V step;        // of the phase per sample, times direction unless gliding
  V glide;       // glisson: the step grows by this share of itself over the grain
  V attackEnd;   // where the deformed window's sustain begins
  V sustainEnd;  // where its decay begins
  V decay;       // the decay's share of the grain
};

// The rule's inputs from a voice's latched values: a gliding phase steps
// without the direction, a plain one with it.
inline zunStepParameters<zunScalarLanes> zunStepOf(const zunGrainLatched& v, bool glide) {
  const double step = glide ? v.phaseIncrement : v.phaseIncrement * v.direction;
  return {v.grainIncrement, step, v.glisson, v.attack, v.attack + v.sustain, v.decay};
}

// Where a grain is, per lane.
template <class L>
struct zunStepState {
  using V = typename L::V;
  using M = typename L::M;
  V position;        // grainPosition
  V phase;           // in [0, 1]
  V windowPosition;  // the last deformed window position read
  M ended;           // the grain has reached its end
  V lastPosition;    // with zunStepChecks::ends: the position up to the end
  V endedAt;         // with zunStepChecks::ends: the sample the lane ended at
};

// What a step tests besides the rule itself.
enum class zunStepChecks {
  // Lanes vouched to sound throughout, their phases and windows inside
  // their tables: no end test, no fallback wrap.
  held,
  // Lanes vouched for that may end: the end and the sample it falls at are
  // kept, and an ended lane's window stays at its last position, inside the
  // window.
  ends,
  // Lanes in any state: the end test, and the fallback wrap of a phase one
  // wrap could not hold.
  all,
};

// The lanes that sound at a sample, and the window position they read.
template <class L>
struct zunStepped {
  typename L::M sounding;
  typename L::V window;
};

// `Glide`: the phase steps with glissando, else plainly. `Deformed`: the
// window position runs through attack, sustain and decay, else it is the
// grain position.
template <class L, bool Glide, bool Deformed>
struct zunGrainStep {
  using V = typename L::V;
  using M = typename L::M;
  using Parameters = zunStepParameters<L>;
  using State = zunStepState<L>;

  // Moves every started lane on by one sample. `Masked`: some lanes may not
  // have started; they keep still. `Forwards`: no phase moves backwards.
  // `now` is the sample's number, read with zunStepChecks::ends only.
  template <zunStepChecks Checks, bool Masked, bool Forwards = false>
  static HWY_INLINE zunStepped<L> step(const Parameters& p, State& s, M started, V now) {
    const V one = L::set(1.0);
    const V moved = L::add(s.position, p.increment);
    s.position = Masked ? L::select(started, moved, s.position) : moved;
    M sounding = started;
    V at = s.position;
    if constexpr (Checks != zunStepChecks::held) {
      const M over = L::ge(s.position, one);
      const M ends = L::both(started, over);
      sounding = L::butNot(over, started);
      if constexpr (Checks == zunStepChecks::ends) {
        s.endedAt = L::select(L::butNot(s.ended, ends), now, s.endedAt);
        s.lastPosition = L::select(over, s.lastPosition, s.position);
        at = s.lastPosition;
      }
      s.ended = L::either(s.ended, ends);
      if (Checks == zunStepChecks::all && L::allFalse(sounding)) return {sounding, at};
    }
    // Lanes that do not sound keep their state.
    auto ifSounding = [&](V changed, V unchanged) {
      return Checks == zunStepChecks::held && !Masked ? changed
                                                      : L::select(sounding, changed, unchanged);
    };
    V w = at;
    if constexpr (Deformed) {
      w = window<Checks == zunStepChecks::held && !Masked>(p, at, sounding);
      s.windowPosition = ifSounding(w, s.windowPosition);
    }
    s.phase = ifSounding(wrapOnce<Forwards>(advancedPhase(p, s.phase, s.position)), s.phase);
    if constexpr (Checks == zunStepChecks::all) s.phase = wrapStray(s.phase, sounding);
    return {sounding, w};
  }

  // The pieces of the step, for a loop that tests a single voice's end its
  // own way.

  // The deformed window's position at grain position x. Where every lane
  // that sounds is in its sustain (every lane, with `All`), no lane divides.
  template <bool All>
  static HWY_INLINE V window(const Parameters& p, V x, M sounding) {
    const V one = L::set(1.0), half = L::set(0.5);
    const M inAttack = L::lt(x, p.attackEnd);
    const M inSustain = L::butNot(inAttack, L::lt(x, p.sustainEnd));
    if (All ? L::allTrue(inSustain) : L::allFalse(L::butNot(inSustain, sounding))) return half;
    const V q = L::div(L::select(inAttack, x, L::sub(one, x)),
                       L::select(inAttack, p.attackEnd, p.decay));
    return L::select(inAttack, L::mul(q, half),
                     L::select(inSustain, half, L::add(L::mul(q, L::set(-0.5)), one)));
  }

  // The phase one step on, before its wrap. A glissando's step that would
  // pass a whole table is not taken.
  static HWY_INLINE V advancedPhase(const Parameters& p, V phase, V position) {
    if constexpr (Glide) {
      const V one = L::set(1.0);
      const V glided = L::mul(L::add(L::mul(p.glide, position), one), p.step);
      return L::select(L::gt(glided, one), phase, L::add(phase, glided));
    } else {
      return L::add(phase, p.step);
    }
  }

  // One wrap into [0, 1]. A phase that only moves forwards from [0, 1]
  // cannot fall below 0.
  template <bool Forwards>
  static HWY_INLINE V wrapOnce(V phase) {
    const V one = L::set(1.0);
    const V below =
        Forwards ? phase : L::select(L::lt(phase, L::set(0.0)), L::add(phase, one), phase);
    return L::select(L::ge(phase, one), L::sub(phase, one), below);
  }

  // The phase of each sounding lane that one wrap could not hold, wrapped.
  static HWY_INLINE V wrapStray(V phase, M sounding) {
    const M held = L::both(L::ge(phase, L::set(0.0)), L::le(phase, L::set(1.0)));
    const M stray = L::butNot(held, sounding);
    return L::rarely(stray) ? L::wrapEach(phase, stray) : phase;
  }
};

}  // namespace HWY_NAMESPACE
}  // namespace zunSimd
HWY_AFTER_NAMESPACE();

#endif
