// Clocks: they go off when a driver moves logical time past them, in time
// order (and in the order they were set for one time), each at its time;
// a clock unset, moved or freed does not go off where it was.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ext.h"
#include "zunHost.h"

namespace {

struct Alarm {
  char name;
  long again;  // milliseconds to go off again after, or 0
  t_clock* clock;
};

std::vector<std::string> fired;

void ring(Alarm* a) {
  double now = -1.0;
  clock_getftime(&now);
  fired.push_back(std::string(1, a->name) + "@" + std::to_string(static_cast<int>(now)));
  if (a->again) clock_delay(a->clock, a->again);
}

TEST(Clocks, GoOffInOrderAtTheirTimes) {
  zun::reset();
  fired.clear();
  Alarm alarms[] = {{'a', 10, nullptr}, {'b', 0, nullptr}, {'c', 0, nullptr},
                    {'d', 0, nullptr},  {'e', 0, nullptr}, {'f', 0, nullptr}};
  for (Alarm& a : alarms) a.clock = clock_new(&a, reinterpret_cast<method>(ring));
  clock_delay(alarms[0].clock, 10);
  clock_delay(alarms[1].clock, 5);
  clock_fdelay(alarms[2].clock, 5.0);
  clock_delay(alarms[3].clock, 3);
  clock_unset(alarms[3].clock);
  clock_delay(alarms[4].clock, 1);
  freeobject(alarms[4].clock);
  clock_delay(alarms[5].clock, 2);
  clock_delay(alarms[5].clock, 25);  // moved
  zun::runScheduler(4.0);
  EXPECT_TRUE(fired.empty());
  zun::runScheduler(21.0);
  EXPECT_EQ(fired, (std::vector<std::string>{"b@5", "c@5", "a@10", "a@20", "f@25"}));
  EXPECT_EQ(zun::schedulerTime(), 25.0);
  zun::reset();
  EXPECT_EQ(zun::schedulerTime(), 0.0);
  zun::runScheduler(100.0);
  EXPECT_EQ(fired.size(), 5u) << "reset unsets every clock";
}

}  // namespace
