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
#include "hostInternal.h"
#include "typedCall.h"

namespace {

struct Clock {
  t_object ob;  // first, so that a t_clock* points at the clock
  void* owner;
  method task;
};

struct Due {
  double time;
  unsigned long long order;  // clocks due at one time go off as they were set
  Clock* clock;
};

// Clocks are set from message threads while a driver runs the scheduler.
std::mutex scheduleMutex;
std::vector<Due> schedule;
double now = 0.0;
unsigned long long setCount = 0;

void unset(Clock* c) {
  schedule.erase(std::remove_if(schedule.begin(), schedule.end(),
                                [c](const Due& d) { return d.clock == c; }),
                 schedule.end());
}

void releaseClock(t_object* x) {
  Clock* c = reinterpret_cast<Clock*>(x);
  {
    std::lock_guard<std::mutex> lock(scheduleMutex);
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
  std::lock_guard<std::mutex> lock(scheduleMutex);
  unset(c);
  const double delay = milliseconds > 0.0 ? milliseconds : 0.0;
  schedule.push_back({now + delay, setCount++, c});
}

extern "C" void clock_delay(t_clock* x, long milliseconds) {
  clock_fdelay(x, static_cast<double>(milliseconds));
}

extern "C" void clock_unset(t_clock* x) {
  Clock* c = asClock(x);
  if (!c) return;
  std::lock_guard<std::mutex> lock(scheduleMutex);
  unset(c);
}

extern "C" void clock_getftime(double* time) {
  std::lock_guard<std::mutex> lock(scheduleMutex);
  *time = now;
}

extern "C" void freeobject(void* op) { object_free(op); }

namespace zun {

namespace detail {

void resetScheduler() {
  std::lock_guard<std::mutex> lock(scheduleMutex);
  schedule.clear();
  now = 0.0;
}

}  // namespace detail

void runScheduler(double milliseconds) {
  double until;
  {
    std::lock_guard<std::mutex> lock(scheduleMutex);
    until = now + (milliseconds > 0.0 ? milliseconds : 0.0);
  }
  for (;;) {
    Clock* due = nullptr;
    {
      std::lock_guard<std::mutex> lock(scheduleMutex);
      auto first = std::min_element(schedule.begin(), schedule.end(), [](const Due& a, const Due& b) {
        return a.time < b.time || (a.time == b.time && a.order < b.order);
      });
      if (first == schedule.end() || first->time > until) {
        now = until;
        return;
      }
      now = first->time;
      due = first->clock;
      schedule.erase(first);
    }
    detail::methodAs<void (*)(void*)>(due->task)(due->owner);
  }
}

double schedulerTime() {
  std::lock_guard<std::mutex> lock(scheduleMutex);
  return now;
}

}  // namespace zun
