// Each range of the message tables is what the object does at its edges: a
// value just inside is taken, one just outside is refused with a text,
// ignored in silence, or folded onto the edge; NaN changes nothing.

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <string>

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

// The messages that set one number to v, after a seed shared by all, so
// that random deviations match.
using Probe = std::function<std::vector<Message>(double v)>;

template <class Engine>
void checkEdge(t_object* (*make)(), const zunMessage<Engine>& m, const Edge& e,
               const std::vector<Message>& before, const Probe& message) {
  const bool integer = m.argument == zunArgument::integer;
  const double inside = e.included ? e.value : step(e.value, -e.outward, integer);
  const double outside = e.included ? step(e.value, e.outward, integer) : e.value;
  SCOPED_TRACE(testing::Message() << m.selector << " " << inside << " / " << outside);
  ASSERT_TRUE(m.range.contains(inside));
  ASSERT_FALSE(m.range.contains(outside));
  ASSERT_TRUE(e.included || m.range.outside != zunOutside::folded);
  const Outcome none = play(make, before);
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
void checkNaN(t_object* (*make)(), const zunMessage<Engine>& m,
              const std::vector<Message>& before, const Probe& message) {
  SCOPED_TRACE(testing::Message() << m.selector << " nan");
  const Outcome out = play(make, message(NAN));
  same(play(make, before).sound, out.sound);
  EXPECT_TRUE(out.errors.empty());
}

template <class Engine>
void checkEdges(t_object* (*make)(), const zunMessage<Engine>& m,
                const std::vector<Message>& before, const Probe& message) {
  const zunRange& r = m.range;
  if (std::isfinite(r.low)) checkEdge(make, m, {r.low, -1.0, r.lowIncluded}, before, message);
  if (std::isfinite(r.high)) checkEdge(make, m, {r.high, 1.0, r.highIncluded}, before, message);
  if (m.argument != zunArgument::integer) checkNaN(make, m, before, message);
}

// A message of several numbers is probed one number at a time, the others
// inside the range, after what lets every number be heard.
struct Several {
  const char* selector;
  std::vector<Message> context;
  std::vector<double> values;
};

const Several severals[] = {
    {"setRegion", {}, {100.0, 150.0}},
    {"setFormantPans", {{"setFormants", {1.0, 1.5, 2.0}}}, {0.25, 0.5, 0.75}},
};

template <class Engine>
void walk(t_object* (*make)(), zunMessageTable<Engine> table) {
  const Message seed{"seed", {1}};
  for (const zunMessage<Engine>* m = table.begin; m != table.end; ++m) {
    if (m->range.outside == zunOutside::nothing) continue;
    const bool integer = m->argument == zunArgument::integer;
    if (integer || m->argument == zunArgument::real) {
      checkEdges(make, *m, {seed}, [&](double v) {
        const zun::Atom a = integer ? zun::Atom(static_cast<long long>(v)) : zun::Atom(v);
        return std::vector<Message>{seed, {m->selector, {a}}};
      });
      continue;
    }
    const auto named = [&](const Several& s) { return std::string(s.selector) == m->selector; };
    const auto several = std::find_if(std::begin(severals), std::end(severals), named);
    ASSERT_NE(several, std::end(severals)) << m->selector << " has a range and no probe";
    std::vector<Message> before{seed};
    before.insert(before.end(), several->context.begin(), several->context.end());
    for (size_t k = 0; k < several->values.size(); ++k) {
      SCOPED_TRACE(testing::Message() << "number " << k + 1);
      checkEdges(make, *m, before, [&](double v) {
        std::vector<zun::Atom> args(several->values.begin(), several->values.end());
        args[k] = zun::Atom(v);
        std::vector<Message> messages = before;
        messages.push_back({m->selector, args});
        return messages;
      });
    }
  }
}

TEST_F(ExternalTest, EveryRangeIsWhatTheObjectDoesAtItsEdges) {
  walk(makeBurst, zunBurstMessages());
  walk(makeCloud, zunCloudMessages());
}

}  // namespace
