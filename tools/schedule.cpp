#include "schedule.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace zun::tools {

namespace {

auto orderKey(double seconds, int line, long long step) {
  return std::make_tuple(seconds, line, step);
}

}  // namespace

long long frameAtOrAfter(double seconds, double sampleRate) {
  const double x = seconds * sampleRate;
  const double nearest = std::nearbyint(x);
  if (std::fabs(x - nearest) <= 1e-6) return static_cast<long long>(nearest);
  return static_cast<long long>(std::ceil(x));
}

bool MessageSchedule::Later::operator()(const RampCursor& a, const RampCursor& b) const {
  return orderKey(a.seconds, a.ramp->line, a.step) > orderKey(b.seconds, b.ramp->line, b.step);
}

MessageSchedule::MessageSchedule(const Score& score, double sampleRate, double untilSeconds)
    : rate_(sampleRate), until_(untilSeconds) {
  for (const AtStatement& a : score.messages) {
    if (a.time.seconds > untilSeconds) continue;
    ScheduledMessage m;
    m.seconds = a.time.seconds;
    m.frame = frameAtOrAfter(a.time.seconds, sampleRate);
    m.line = a.line;
    m.object = &a.object;
    m.selector = &a.selector;
    m.inlet = a.inlet ? &*a.inlet : nullptr;
    for (const Value& v : a.args) m.args.push_back(v.toAtom());
    fixed_.push_back(std::move(m));
  }
  std::stable_sort(
      fixed_.begin(), fixed_.end(), [](const ScheduledMessage& a, const ScheduledMessage& b) {
        return orderKey(a.seconds, a.line, a.step) < orderKey(b.seconds, b.line, b.step);
      });
  for (const RampStatement& r : score.ramps)
    if (r.start.seconds <= untilSeconds) ramps_.push(cursorAt(r, 0));
}

MessageSchedule::RampCursor MessageSchedule::cursorAt(const RampStatement& r,
                                                      long long step) const {
  const double t = r.start.seconds + static_cast<double>(step) * r.everySeconds;
  // The step that would come within a billionth of an interval of T1, or
  // after it, is T1 itself.
  const bool last = !(t < r.end.seconds - r.everySeconds * 1e-9);
  const double seconds = last ? r.end.seconds : t;
  return {&r, step, seconds, frameAtOrAfter(seconds, rate_), last};
}

bool MessageSchedule::fixedFirst() const {
  if (fixedNext_ >= fixed_.size()) return false;
  if (ramps_.empty()) return true;
  const ScheduledMessage& f = fixed_[fixedNext_];
  const RampCursor& r = ramps_.top();
  return orderKey(f.seconds, f.line, f.step) < orderKey(r.seconds, r.ramp->line, r.step);
}

long long MessageSchedule::nextFrame() const {
  return fixedFirst() ? fixed_[fixedNext_].frame : ramps_.top().frame;
}

ScheduledMessage MessageSchedule::pop() {
  if (fixedFirst()) return std::move(fixed_[fixedNext_++]);
  const RampCursor c = ramps_.top();
  ramps_.pop();
  const RampStatement& r = *c.ramp;
  const double from = r.from.number();
  const double to = r.to.number();
  double value = to;
  if (!c.last)
    value =
        from + (to - from) * ((c.seconds - r.start.seconds) / (r.end.seconds - r.start.seconds));
  ScheduledMessage m;
  m.seconds = c.seconds;
  m.frame = c.frame;
  m.line = r.line;
  m.step = c.step;
  m.object = &r.object;
  m.selector = &r.selector;
  m.inlet = r.inlet ? &*r.inlet : nullptr;
  m.args.emplace_back(value);
  if (!c.last) {
    RampCursor next = cursorAt(r, c.step + 1);
    if (next.seconds <= until_) ramps_.push(next);
  }
  return m;
}

}  // namespace zun::tools
