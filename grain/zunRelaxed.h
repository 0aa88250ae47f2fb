#pragma once

#include <atomic>

// A parameter that a message thread writes while the audio thread reads it:
// each read sees a whole value, old or new, never a torn one. A relaxed
// atomic that reads and assigns like the plain value; on the processors we
// build for it costs no more than a plain load or store.
template <class T>
class zunRelaxed {
 public:
  zunRelaxed(T initial = T()) : value(initial) {}
  zunRelaxed(const zunRelaxed&) = delete;
  zunRelaxed& operator=(const zunRelaxed&) = delete;

  operator T() const { return value.load(std::memory_order_relaxed); }
  zunRelaxed& operator=(T v) {
    value.store(v, std::memory_order_relaxed);
    return *this;
  }
  // Stores `desired` only if the value is still `expected` (the same bits),
  // that is, if no other thread has stored one since `expected` was read.
  bool replace(T expected, T desired) {
    return value.compare_exchange_strong(expected, desired, std::memory_order_relaxed);
  }

 private:
  std::atomic<T> value;
};
