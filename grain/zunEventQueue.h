#pragma once

#include <atomic>

// What an engine knows of a grain as it starts it. Each engine fills the
// fields that apply to it and leaves the others at their defaults.
struct zunGrainEvent {
  unsigned long long sample = 0;  // the engine's running sample count
  int voice = 0;
  unsigned long period = 0;  // samples to the next scheduled grain
  double length = 0.0;       // seconds
  double frequency = 0.0;    // pulsar: cps in Hz; sample: transposition ratio
  double glisson = 0.0;      // the frequency ends at 1 + glisson times its start
  double morph = 0.0;
  double position = 0.0;   // where in the sample the grain starts, 0 to 1
  double direction = 1.0;  // 1 forwards, -1 backwards
  double level = 0.0;
  double gainLeft = 0.0;
  double gainRight = 0.0;
  int channel = 0;  // in a multichannel output, where it sounds most, from 1
  int formant = 0;  // pulsar: the formant (from 1) of a grain of several; 0 for one
};

// A fixed ring of grain events between one producer (the audio thread) and
// one consumer (the message side). Neither side allocates, locks or waits:
// an event that finds the ring full is dropped and counted.
class zunEventQueue {
 public:
  static constexpr unsigned capacity = 1024;  // a power of two

  // Producer.
  void push(const zunGrainEvent& event) {
    const unsigned head = written.load(std::memory_order_relaxed);
    if (head - read.load(std::memory_order_acquire) == capacity) {
      lost.store(lost.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
      return;
    }
    slots[head % capacity] = event;
    written.store(head + 1, std::memory_order_release);
  }

  // Consumer: the oldest event, or false when there is none.
  bool pop(zunGrainEvent& event) {
    const unsigned tail = read.load(std::memory_order_relaxed);
    if (tail == written.load(std::memory_order_acquire)) return false;
    event = slots[tail % capacity];
    read.store(tail + 1, std::memory_order_release);
    return true;
  }

  // Events dropped so far, for the consumer to report.
  unsigned long long dropped() const { return lost.load(std::memory_order_relaxed); }

 private:
  zunGrainEvent slots[capacity];
  std::atomic<unsigned> written{0};
  std::atomic<unsigned> read{0};
  std::atomic<unsigned long long> lost{0};
};
