#pragma once

#include <atomic>
#include <mutex>
#include <thread>
#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)
#include <immintrin.h>
#endif

// Keeps the audio thread and the message threads out of an engine's voices
// at the same time, without the audio thread ever blocking: a message thread
// that needs the voices closes the gate and waits for the block in progress
// to finish; a block that finds the gate closed spins for a few microseconds
// (message threads hold it only that long) and, should the holder have been
// preempted, leaves the voices alone for that one block rather than wait.
// (Each side announces itself, then looks at the other; with sequentially
// consistent order at most one of them can see the other absent.)
class zunAudioGate {
 public:
  // Audio thread, at the start of a block: true when the block may use the
  // voices, in which case leave() must follow.
  bool enter() {
    for (int spins = 0;; ++spins) {
      audioInside.store(true, std::memory_order_seq_cst);
      if (!messageInside.load(std::memory_order_seq_cst)) return true;
      audioInside.store(false, std::memory_order_release);
      while (messageInside.load(std::memory_order_acquire)) {
        if (++spins > maximumSpins) return false;
        pause();
      }
    }
  }
  void leave() { audioInside.store(false, std::memory_order_release); }

  // Message threads: holds the voices for as long as it lives.
  class Exclusive {
   public:
    explicit Exclusive(zunAudioGate& gate) : gate(gate), messages(gate.messages) {
      gate.messageInside.store(true, std::memory_order_seq_cst);
      while (gate.audioInside.load(std::memory_order_seq_cst)) std::this_thread::yield();
    }
    ~Exclusive() { gate.messageInside.store(false, std::memory_order_release); }
    Exclusive(const Exclusive&) = delete;
    Exclusive& operator=(const Exclusive&) = delete;

   private:
    zunAudioGate& gate;
    std::lock_guard<std::mutex> messages;
  };

 private:
  // About a hundred microseconds of pause instructions.
  static constexpr int maximumSpins = 4096;

  static void pause() {
#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)
    _mm_pause();
#elif defined(__aarch64__)
    __asm__ __volatile__("yield");
#endif
  }

  std::atomic<bool> audioInside{false};
  std::atomic<bool> messageInside{false};
  std::mutex messages;  // one message thread at a time
};
