// Clocks and the scheduler. Logical time stands still until a driver moves
// it on (runScheduler): every clock that falls due meanwhile goes off, in
// the order of its time, at that time, and may set itself or others again.
// Drivers move it between vectors, as Max's scheduler in audio interrupt
// runs after each one.

#include <algorithm>
#include <mutex>
#include <vector>

#include "ext.h"
#include "ext_obex.h"
#include "hostState.h"
#include "typedCall.h"

// What clock_new makes.
struct zun::detail::Clock {
  t_object ob;  // first, so that a t_clock* points at the clock
  void* owner;
  method task;
};

namespace {

using zun::detail::Clock;
using zun::detail::host;

// With the scheduler's lock held.
void unset(Clock* c) {
  std::vector<zun::detail::DueClock>& due = host().scheduler.due;
  due.erase(std::remove_if(due.begin(), due.end(),
                           [c](const zun::detail::DueClock& d) { return d.clock == c; }),
            due.end());
}

void releaseClock(t_object* x) {
  Clock* c = reinterpret_cast<Clock*>(x);
  {
    std::lock_guard<std::mutex> lock(host().scheduler.mutex);
    unset(c);
  }
  delete c;
}

t_class* clockClass() {
  static t_class* c = zun::detail::internalClass("clock", releaseClock);
  return c;
}

Clock* asClock(void* p) {
  t_object* x = static_cast<t_object*>(p);
  if (!zun::detail::isLive(x) || x->o_messlist != &clockClass()->link) return nullptr;
  return reinterpret_cast<Clock*>(x);
}

}  // namespace

extern "C" t_clock* clock_new(void* obj, method fn) {
  Clock* c = new Clock{{}, obj, fn};
  c->ob.o_messlist = &clockClass()->link;
  c->ob.o_magic = OB_MAGIC;
  zun::detail::track(&c->ob);
  return c;
}

// A clock that is set already moves to its new time.
extern "C" void clock_fdelay(t_clock* x, double milliseconds) {
  Clock* c = asClock(x);
  if (!c) return;
  zun::detail::Scheduler& s = host().scheduler;
  std::lock_guard<std::mutex> lock(s.mutex);
  unset(c);
  const double delay = milliseconds > 0.0 ? milliseconds : 0.0;
  s.due.push_back({s.now + delay, s.setCount++, c});
}

extern "C" void clock_delay(t_clock* x, long milliseconds) {
  clock_fdelay(x, static_cast<double>(milliseconds));
}

extern "C" void clock_unset(t_clock* x) {
  Clock* c = asClock(x);
  if (!c) return;
  std::lock_guard<std::mutex> lock(host().scheduler.mutex);
  unset(c);
}

extern "C" void clock_getftime(double* time) { *time = zun::schedulerTime(); }

extern "C" void freeobject(void* op) { object_free(op); }

namespace zun {

void runScheduler(double milliseconds) {
  detail::Scheduler& s = detail::host().scheduler;
  double until;
  {
    std::lock_guard<std::mutex> lock(s.mutex);
    until = s.now + (milliseconds > 0.0 ? milliseconds : 0.0);
  }
  for (;;) {
    Clock* due = nullptr;
    {
      std::lock_guard<std::mutex> lock(s.mutex);
      const auto first = std::min_element(
          s.due.begin(), s.due.end(), [](const detail::DueClock& a, const detail::DueClock& b) {
            return a.time < b.time || (a.time == b.time && a.order < b.order);
          });
      if (first == s.due.end() || first->time > until) {
        s.now = until;
        return;
      }
      s.now = first->time;
      due = first->clock;
      s.due.erase(first);
    }
    detail::methodAs<void (*)(void*)>(due->task)(due->owner);
  }
}

double schedulerTime() {
  detail::Scheduler& s = detail::host().scheduler;
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.now;
}

}  // namespace zun
