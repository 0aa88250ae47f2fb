#include <atomic>
#include <ctime>

#include "zunClock.h"

namespace {
std::atomic<bool> clockFixed{false};
std::atomic<long long> fixedSeconds{0};
}  // namespace

void zun::setFixedClock(std::optional<long long> secondsSinceEpoch) {
  if (secondsSinceEpoch) fixedSeconds = *secondsSinceEpoch;
  clockFixed = secondsSinceEpoch.has_value();
}

extern "C" time_t time(time_t* result) {
  time_t now;
  if (clockFixed) {
    now = static_cast<time_t>(fixedSeconds.load());
  } else {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    now = ts.tv_sec;
  }
  if (result) *result = now;
  return now;
}
