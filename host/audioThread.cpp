// The host's audio thread, for drivers that exercise the objects as a
// running host does: process() in a loop while messages arrive elsewhere.

#include <atomic>
#include <thread>

#include "zunHost.h"

namespace zun {

struct AudioThread::State {
  std::atomic<bool> stopping{false};
  std::atomic<long> count{0};
  std::thread thread;
};

AudioThread::AudioThread(std::function<void(long)> betweenVectors) : state(new State) {
  State* s = state.get();
  s->thread = std::thread([s, betweenVectors = std::move(betweenVectors)] {
    while (!s->stopping.load(std::memory_order_acquire)) {
      process();
      const long v = s->count.fetch_add(1, std::memory_order_relaxed);
      if (betweenVectors) betweenVectors(v);
    }
  });
}

AudioThread::~AudioThread() {
  state->stopping.store(true, std::memory_order_release);
  state->thread.join();
}

long AudioThread::vectors() const { return state->count.load(std::memory_order_relaxed); }

}  // namespace zun
