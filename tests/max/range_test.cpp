// Each range of the message tables is what the object does at its edges: a
// value just inside is taken, one just outside is refused with a text,
// ignored in silence, or folded onto the edge; NaN changes nothing.

#include <cmath>

#include "message_checks.h"
#include "zunMessages.h"

namespace {

using namespace zunTest;

struct Edge {
  double value;
  double outward;  // the direction leaving the range
  bool included;
};

// One step from x toward `direction`: a whole one for integer arguments.
double step(double x, double direction, bool integer) {
  if (integer) return x + direction;
  return std::nextafter(x, direction * INFINITY);
}

// A value one step out renders like the edge even when misfolded, so the
// folded ones are probed farther out: they sound as the edge or, folded by
// magnitude into the range, as their magnitude.
template <class Messages>
void checkFolded(t_object* (*make)(), const zunRange& r, const Edge& e, Messages message) {
  const double far = e.value + e.outward * (0.5 * std::fabs(e.value) + 1.0);
  const Outcome out = play(make, message(far));
  EXPECT_TRUE(out.errors.empty());
  const bool asEdge = play(make, message(e.value)).sound.left == out.sound.left;
  const bool asMagnitude = r.contains(std::fabs(far)) &&
                           play(make, message(std::fabs(far))).sound.left == out.sound.left;
  EXPECT_TRUE(asEdge || asMagnitude) << far;
}

template <class Engine>
void checkEdge(t_object* (*make)(), const zunMessage<Engine>& m, const Edge& e) {
  const bool integer = m.argument == zunArgument::integer;
  const double inside = e.included ? e.value : step(e.value, -e.outward, integer);
  const double outside = e.included ? step(e.value, e.outward, integer) : e.value;
  SCOPED_TRACE(testing::Message() << m.selector << " " << inside << " / " << outside);
  ASSERT_TRUE(m.range.contains(inside));
  ASSERT_FALSE(m.range.contains(outside));
  ASSERT_TRUE(e.included || m.range.outside != zunOutside::folded);
  // One seed for all, so that random deviations match.
  const Message seed{"seed", {1}};
  const auto message = [&](double v) {
    const zun::Atom a = integer ? zun::Atom(static_cast<long long>(v)) : zun::Atom(v);
    return std::vector<Message>{seed, {m.selector, {a}}};
  };
  const Outcome none = play(make, {seed});
  const Outcome in = play(make, message(inside));
  const Outcome out = play(make, message(outside));
  EXPECT_TRUE(in.errors.empty());
  switch (m.range.outside) {
    case zunOutside::refused:
      same(none.sound, out.sound);
      EXPECT_EQ(out.errors.size(), 1u);
      break;
    case zunOutside::ignored:
      differs(none.sound, in.sound);
      same(none.sound, out.sound);
      EXPECT_TRUE(out.errors.empty());
      break;
    case zunOutside::folded:
      checkFolded(make, m.range, e, message);
      break;
    case zunOutside::nothing:
      break;
  }
}

// NaN is outside every range and names no value: it changes nothing.
template <class Engine>
void checkNaN(t_object* (*make)(), const zunMessage<Engine>& m) {
  SCOPED_TRACE(testing::Message() << m.selector << " nan");
  const Message seed{"seed", {1}};
  const Outcome out = play(make, {seed, {m.selector, {std::nan("")}}});
  same(play(make, {seed}).sound, out.sound);
  EXPECT_TRUE(out.errors.empty());
}

template <class Engine>
void walk(t_object* (*make)(), zunMessageTable<Engine> table) {
  for (const zunMessage<Engine>* m = table.begin; m != table.end; ++m) {
    const bool numeric = m->argument == zunArgument::integer || m->argument == zunArgument::real;
    if (!numeric || m->range.outside == zunOutside::nothing) continue;
    const zunRange& r = m->range;
    if (std::isfinite(r.low)) checkEdge(make, *m, {r.low, -1.0, r.lowIncluded});
    if (std::isfinite(r.high)) checkEdge(make, *m, {r.high, 1.0, r.highIncluded});
    if (m->argument == zunArgument::real) checkNaN(make, *m);
  }
}

TEST_F(ExternalTest, EveryRangeIsWhatTheObjectDoesAtItsEdges) {
  walk(makeBurst, zunBurstMessages());
  walk(makeCloud, zunCloudMessages());
}

}  // namespace
