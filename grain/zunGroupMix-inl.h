// How a voice group's samples reach the stereo mix: in voice order for
// every sample, as mixing the voices one by one would add them.
// Included once per instruction set by zunVoiceGroup.cpp.
#if defined(ZUN_GROUP_MIX_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef ZUN_GROUP_MIX_INL_H_
#undef ZUN_GROUP_MIX_INL_H_
#else
#define ZUN_GROUP_MIX_INL_H_
#endif

#include <hwy/highway.h>

#include <algorithm>

#include "zunGroupTable-inl.h"
#include "zunVoiceGroup.h"

HWY_BEFORE_NAMESPACE();
namespace zunSimd {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

constexpr size_t kLanes = hn::MaxLanes(D());

#if HWY_TARGET != HWY_SCALAR
// Turns rows[j][lane] into rows[lane][j]. Each round moves one bit of the
// lane number into the row number.
HWY_INLINE void transposeSquare(V* rows) {
  const D d;
  for (size_t round = 1; round < kLanes; round *= 2) {
    V next[kLanes];
    for (size_t i = 0; i < kLanes / 2; ++i) {
      next[i] = hn::ConcatEven(d, rows[2 * i + 1], rows[2 * i]);
      next[kLanes / 2 + i] = hn::ConcatOdd(d, rows[2 * i + 1], rows[2 * i]);
    }
    for (size_t j = 0; j < kLanes; ++j) rows[j] = next[j];
  }
}
#endif

// Adds the lanes' samples into the mix, each voice's from its start on, in
// voice order for every sample. Samples wait here until there is one per
// lane; the square of them is then transposed so that each voice's samples
// add to the mix as one vector.
class Mixer {
 public:
  Mixer(const zunGroup& group, double* left, double* right)
      : group_(group), left_(left), right_(right) {}

  void put(V value, int k) {
    if (held_ == 0) first_ = k;
    hn::Store(value, D(), samples_ + held_ * kLanes);
    if (++held_ == static_cast<int>(kLanes)) {
      mixSquare();
      held_ = 0;
    }
  }

  void finish() {
    mixEach();
    held_ = 0;
  }

 private:
  void mixEach() {
    for (int v = 0; v < group_.count; ++v) {
      const double gl = group_.gainLeft[v], gr = group_.gainRight[v];
      for (int j = std::max(group_.offsets[v] - first_, 0); j < held_; ++j) {
        left_[first_ + j] += samples_[j * kLanes + v] * gl;
        right_[first_ + j] += samples_[j * kLanes + v] * gr;
      }
    }
  }

#if HWY_TARGET == HWY_SCALAR
  void mixSquare() { mixEach(); }
#else
  void mixSquare() {
    const D d;
    V rows[kLanes];
    for (size_t j = 0; j < kLanes; ++j) rows[j] = hn::Load(d, samples_ + j * kLanes);
    transposeSquare(rows);
    V l = hn::LoadU(d, left_ + first_), r = hn::LoadU(d, right_ + first_);
    for (int v = 0; v < group_.count; ++v) {
      const V addL = hn::Add(l, hn::Mul(rows[v], hn::Set(d, group_.gainLeft[v])));
      const V addR = hn::Add(r, hn::Mul(rows[v], hn::Set(d, group_.gainRight[v])));
      const int start = group_.offsets[v] - first_;
      if (start <= 0) {
        l = addL;
        r = addR;
      } else {
        const M before = hn::FirstN(d, static_cast<size_t>(start));
        l = hn::IfThenElse(before, l, addL);
        r = hn::IfThenElse(before, r, addR);
      }
    }
    hn::StoreU(l, d, left_ + first_);
    hn::StoreU(r, d, right_ + first_);
  }
#endif

  alignas(64) double samples_[kLanes * kLanes];
  const zunGroup& group_;
  double* left_;
  double* right_;
  int held_ = 0;
  int first_ = 0;
};

}  // namespace HWY_NAMESPACE
}  // namespace zunSimd
HWY_AFTER_NAMESPACE();

#endif
