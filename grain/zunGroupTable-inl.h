// How the lanes of a voice group read a table: every lane's voice or
// sample at its own position, exactly as zunTable::read does.
// Included once per instruction set by zunVoiceGroup.cpp.
#if defined(ZUN_GROUP_TABLE_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef ZUN_GROUP_TABLE_INL_H_
#undef ZUN_GROUP_TABLE_INL_H_
#else
#define ZUN_GROUP_TABLE_INL_H_
#endif

#include <hwy/highway.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "zunTable.h"
#include "zunVoiceGroup.h"

HWY_BEFORE_NAMESPACE();
namespace zunSimd {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

using D = hn::ScalableTag<double>;
using DF = hn::Rebind<float, D>;
using DI = hn::Rebind<int32_t, D>;
using DL = hn::Rebind<int64_t, D>;
using DF2 = hn::Repartition<float, D>;
using V = hn::Vec<D>;
using M = hn::Mask<D>;
using VI = hn::Vec<DI>;

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

// Where each lane's pair of floats goes: the first floats to the lower half
// of the vector, the second floats to the upper half.
template <size_t Lanes>
struct PairOrder {
  alignas(64) int32_t index[2 * Lanes];
  constexpr PairOrder() : index() {
    for (size_t k = 0; k < Lanes; ++k) {
      index[k] = static_cast<int32_t>(2 * k);
      index[Lanes + k] = static_cast<int32_t>(2 * k + 1);
    }
  }
};

// x86 conversions and gathers taken raw: Highway 1.0.3's generic forms clamp
// before truncating and widen 32-bit indices to 64-bit offsets before a
// gather of 64-bit pairs, which costs 5 to 10 % of a pulsar group
// (BM_Group). Set anew for each instruction set this file is compiled for.
#undef ZUN_X86_GATHERS
#if HWY_TARGET == HWY_AVX3 || HWY_TARGET == HWY_AVX3_DL
#define ZUN_X86_GATHERS 512
#elif HWY_TARGET == HWY_AVX2
#define ZUN_X86_GATHERS 256
#endif

// Truncates positions the caller holds in [0, 2^31) to integers. The
// generic conversion first clamps to the integer range; these cannot need it.
HWY_INLINE VI truncateHeld(V x) {
#if ZUN_X86_GATHERS == 512
  return VI{_mm512_cvttpd_epi32(x.raw)};
#elif ZUN_X86_GATHERS == 256
  return VI{_mm256_cvttpd_epi32(x.raw)};
#else
  return hn::DemoteTo(DI(), x);
#endif
}

// The 64 bits at float index i of `data`, for every lane. x86 gathers take
// the 32-bit indices as they are, scaled by the size of a float.
HWY_INLINE hn::Vec<DL> gatherPairs(const float* data, VI i) {
#if ZUN_X86_GATHERS == 512
  return hn::Vec<DL>{_mm512_i32gather_epi64(i.raw, data, 4)};
#elif ZUN_X86_GATHERS == 256
  return hn::Vec<DL>{_mm256_i32gather_epi64(reinterpret_cast<const long long*>(data), i.raw, 4)};
#else
  const auto offsets = hn::ShiftLeft<2>(hn::PromoteTo(DL(), i));
  return hn::GatherOffset(DL(), reinterpret_cast<const int64_t*>(data), offsets);
#endif
}

// One table as every lane reads it, exactly as zunTable::read does.
// `Fast` tables have unit stride and, in modes 1 and cubic, two frames or
// more: their entry pairs (i, i + 1) load as one 64-bit element per lane,
// which halves the gathers of an interpolating read.
class Table {
 public:
  explicit Table(const zunTable& t)
      : table_(t),
        lastIndex_(hn::Set(DI(), static_cast<int32_t>(t.frames - 1))),
        beforeLastIndex_(hn::Set(DI(), static_cast<int32_t>(t.frames - 2))),
        framesIndex_(hn::Set(DI(), static_cast<int32_t>(t.frames))),
        lastPosition_(hn::Set(D(), static_cast<double>(t.frames - 1))),
        frames_(hn::Set(D(), static_cast<double>(t.frames))),
        head_(hn::Set(D(), t.at(0))) {}

  V frames() const { return frames_; }

  // Whether a read moving by `step` of the table per sample passes more
  // entries over a square than readAlong's span holds, so that it would
  // only try the span and gather after all.
  bool outrunsSpans(double step) const {
    return std::fabs(step) * static_cast<double>(table_.frames) > 2.5;
  }

  // Any position; lanes that do not sound read entry 0.
  template <int Mode, bool Fast>
  V read(V x, M sounding) const {
    const D d;
    x = hn::IfThenElseZero(sounding, x);
    const M inside = hn::And(hn::Ge(x, hn::Zero(d)), hn::Lt(x, frames_));
    if (HWY_UNLIKELY(!hn::AllTrue(d, inside))) return readEachLane<Mode>(table_, x);
    return readHeld<Mode, Fast>(x);
  }

  // A position every lane holds in [0, frames]. Only x == frames truncates
  // past the last entry; such lanes read as zunTable::read clamps them.
  template <int Mode, bool Fast>
  V readHeld(V x) const {
    if constexpr (Mode == zunCubicRead) return readCubic<Fast>(x);
    const D d;
    const VI i = truncateHeld(x);
    if (Mode == 0) return entries<Fast>(hn::Min(i, lastIndex_));
    V iAsDouble = hn::PromoteTo(d, i);
    V a, b;
    // Loading an entry pair as one 64-bit element needs two floats per lane.
#if HWY_TARGET == HWY_SCALAR
    constexpr bool inPairs = false;
#else
    constexpr bool inPairs = Fast;
    if constexpr (inPairs) {
      pairs(hn::Min(i, hn::Sub(lastIndex_, hn::Set(DI(), 1))), a, b);
    } else
#endif
    {
      const VI held = hn::Min(i, lastIndex_);
      a = entries<Fast>(held);
      b = entries<Fast>(wrapped(hn::Add(held, hn::Set(DI(), 1))));
    }
    // The last entry interpolates towards entry 0.
    const M atLast = hn::Ge(x, lastPosition_);
    if (HWY_UNLIKELY(!hn::AllFalse(d, atLast))) {
      if (inPairs) a = hn::IfThenElse(atLast, b, a);  // came as the second of the pair before it
      b = hn::IfThenElse(atLast, head_, b);
      iAsDouble = hn::IfThenElse(atLast, lastPosition_, iAsDouble);
    }
    return hn::Add(hn::Mul(hn::Sub(b, a), hn::Sub(x, iAsDouble)), a);
  }

#if HWY_TARGET != HWY_SCALAR
  // readHeld<Mode, true> (Mode 1 or cubic) for lanes that are one voice's
  // consecutive samples: when they all fall within one short span of the
  // table, away from its ends, each lane picks its entries from the span
  // loaded at once, without a gather. `Rising` reads usually move forwards,
  // so that the first lane's entry is the span's first. Reads known to
  // `outrun` a span gather at once.
  template <int Mode, bool Rising>
  HWY_INLINE V readAlong(V x, bool outrun = false) const {
    const D d;
    constexpr bool cubic = Mode == zunCubicRead;
    const VI i = truncateHeld(x);
    const int32_t span = 2 * static_cast<int32_t>(hn::Lanes(d));
    const int32_t first =
        Rising ? hn::GetLane(i) : std::min(hn::GetLane(i), hn::ExtractLane(i, hn::Lanes(d) - 1));
    const VI offset = hn::Sub(i, hn::Set(DI(), first));
    // A linear read picks entries i and i + 1 from one span; a cubic one
    // picks entry i from each of four spans loaded one entry apart, which
    // costs a load rather than an index apiece (linear reads measured
    // slower so).
    const int32_t picked = cubic ? span : span - 1;
    const int64_t end = cubic ? int64_t{first} + 2 + span : int64_t{first} + span;
    const bool near =
        !outrun && hn::AllTrue(DI(), hn::And(hn::Gt(offset, hn::Set(DI(), -1)),
                                             hn::Lt(offset, hn::Set(DI(), picked))));
    if (!near || first < (cubic ? 1 : 0) || end > table_.frames) return readHeld<Mode, true>(x);
    const DF2 df2;
    const hn::Repartition<int32_t, D> di2;
    const hn::Half<DF2> half;
    const auto at = hn::IndicesFromVec(df2, hn::ZeroExtendVector(di2, offset));
    auto pick = [&](int32_t k, const decltype(at)& index) {
      const auto entries = hn::LoadU(df2, table_.data + first + k);
      return hn::PromoteTo(d, hn::LowerHalf(half, hn::TableLookupLanes(entries, index)));
    };
    const V f = hn::Sub(x, hn::PromoteTo(d, i));
    if constexpr (cubic) return hermite(pick(-1, at), pick(0, at), pick(1, at), pick(2, at), f);
    const auto next =
        hn::IndicesFromVec(df2, hn::ZeroExtendVector(di2, hn::Add(offset, hn::Set(DI(), 1))));
    const V a = pick(0, at);
    return hn::Add(hn::Mul(hn::Sub(pick(0, next), a), f), a);
  }
#endif

 private:
  // The four entries around each lane's position, wrapped around the
  // table's ends as zunTable::read wraps them. Away from the ends, fast
  // tables load (before, a) and (b, after) as two pairs.
  template <bool Fast>
  V readCubic(V x) const {
    const D d;
    const DI di;
    const VI one = hn::Set(di, 1);
    const VI i = hn::Min(truncateHeld(x), lastIndex_);
    const V f = hn::Sub(x, hn::PromoteTo(d, i));
    V before, a, b, after;
#if HWY_TARGET != HWY_SCALAR
    if (Fast && hn::AllTrue(di, hn::And(hn::Gt(i, hn::Zero(di)), hn::Lt(i, beforeLastIndex_)))) {
      quads(hn::Sub(i, one), before, a, b, after);
      return hermite(before, a, b, after, f);
    }
#endif
    const VI next = wrapped(hn::Add(i, one));
    before = entries<Fast>(hn::IfThenElse(hn::Eq(i, hn::Zero(di)), lastIndex_, hn::Sub(i, one)));
    a = entries<Fast>(i);
    b = entries<Fast>(next);
    after = entries<Fast>(wrapped(hn::Add(next, one)));
    return hermite(before, a, b, after, f);
  }

  // zunTable::hermite, operation for operation.
  static HWY_INLINE V hermite(V before, V a, V b, V after, V f) {
    const D d;
    const V half = hn::Set(d, 0.5);
    const V c1 = hn::Mul(half, hn::Sub(b, before));
    const V c2 = hn::Sub(hn::Add(hn::Sub(before, hn::Mul(hn::Set(d, 2.5), a)),
                                 hn::Mul(hn::Set(d, 2.0), b)),
                         hn::Mul(half, after));
    const V c3 =
        hn::Add(hn::Mul(half, hn::Sub(after, before)), hn::Mul(hn::Set(d, 1.5), hn::Sub(a, b)));
    return hn::Add(hn::Mul(hn::Add(hn::Mul(hn::Add(hn::Mul(c3, f), c2), f), c1), f), a);
  }

  // An entry index one past the last wraps to entry 0.
  VI wrapped(VI i) const { return hn::IfThenElseZero(hn::Lt(i, framesIndex_), i); }

  template <bool UnitStride>
  V entries(VI i) const {
    const VI at = UnitStride ? i : hn::Mul(i, hn::Set(DI(), static_cast<int32_t>(table_.stride)));
    return hn::PromoteTo(D(), hn::GatherIndex(DF(), table_.data, at));
  }

#if HWY_TARGET != HWY_SCALAR
  template <class PairD = DF2>
  // Entries first and first + 1 of every lane; first + 1 must be in the table.
  void pairs(VI first, V& a, V& b) const {
    static constexpr PairOrder<hn::MaxLanes(D())> order{};
    const PairD df2;
    const hn::Half<PairD> half;
    const auto both = hn::BitCast(df2, gatherPairs(table_.data, first));
    const auto split = hn::TableLookupLanes(both, hn::SetTableIndices(df2, order.index));
    a = hn::PromoteTo(D(), hn::LowerHalf(half, split));
    b = hn::PromoteTo(D(), hn::UpperHalf(half, split));
  }

  // Entries first .. first + 3 of every lane, all in the table: a 128-bit
  // load per lane takes half the loads of two pair gathers, and less time.
  void quads(VI first, V& before, V& a, V& b, V& after) const {
    static constexpr PairOrder<hn::MaxLanes(D())> order{};
    const DF2 df2;
    const hn::Half<DF2> half;
    alignas(64) int32_t at[zunMaxGroupLanes];
    hn::Store(first, DI(), at);
    const auto low = quadsAt(df2, at), high = quadsAt(df2, at + hn::Lanes(D()) / 2);
    const auto pairOrder = hn::SetTableIndices(df2, order.index);
    // Each lane's (before, b) and (a, after), then split into halves.
    const auto evens = hn::TableLookupLanes(hn::ConcatEven(df2, high, low), pairOrder);
    const auto odds = hn::TableLookupLanes(hn::ConcatOdd(df2, high, low), pairOrder);
    before = hn::PromoteTo(D(), hn::LowerHalf(half, evens));
    b = hn::PromoteTo(D(), hn::UpperHalf(half, evens));
    a = hn::PromoteTo(D(), hn::LowerHalf(half, odds));
    after = hn::PromoteTo(D(), hn::UpperHalf(half, odds));
  }

  // The four floats at each of at[0 ..], one lane's after another's.
  template <class DQ>
  hn::Vec<DQ> quadsAt(DQ dq, const int32_t* at) const {
    if constexpr (hn::MaxLanes(dq) == 4) {
      return hn::LoadU(dq, table_.data + at[0]);
    } else {
      const hn::Half<DQ> dh;
      return hn::Combine(dq, quadsAt(dh, at + hn::MaxLanes(dh) / 4), quadsAt(dh, at));
    }
  }
#endif

  const zunTable& table_;
  VI lastIndex_;
  VI beforeLastIndex_;
  VI framesIndex_;
  V lastPosition_;
  V frames_;
  V head_;
};

}  // namespace HWY_NAMESPACE
}  // namespace zunSimd
HWY_AFTER_NAMESPACE();

#endif
