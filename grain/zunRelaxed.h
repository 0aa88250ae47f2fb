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
  T exchange(T v) { return value.exchange(v, std::memory_order_relaxed); }
  // Stores `v` only if the value is still `expected`, so that a message
  // written meanwhile is not overwritten.
  bool replace(T expected, T v) {
    return value.compare_exchange_strong(expected, v, std::memory_order_relaxed);
  }

 private:
  std::atomic<T> value;
};
