#include "hostState.h"

namespace zun::detail {

void HostState::reset() {
  locks.claimed = 0;
  viewed.clear();
  {
    std::lock_guard<std::mutex> lock(scheduler.mutex);
    scheduler.due.clear();
    scheduler.now = 0.0;
    scheduler.setCount = 0;
  }
  {
    std::lock_guard<std::mutex> lock(console.mutex);
    console.lines.clear();
  }
  dsp = Dsp{};
}

// Never destroyed: plug-ins' own statics may still call in while the
// process exits.
HostState& host() {
  static HostState* const state = new HostState;
  return *state;
}

ThreadState& thisThread() {
  thread_local ThreadState state;
  return state;
}

}  // namespace zun::detail
