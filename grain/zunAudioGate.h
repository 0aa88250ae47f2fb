#pragma once

#include <atomic>
#include <mutex>
#include <thread>

// Keeps the audio thread and the message threads out of an engine's voices
// at the same time, without the audio thread ever waiting: a message thread
// that needs the voices closes the gate and waits for the block in progress
// to finish; a block that finds the gate closed leaves the voices alone.
// (Each side announces itself, then looks at the other; with sequentially
// consistent order at most one of them can see the other absent.)
class zunAudioGate {
 public:
  // Audio thread, at the start of a block: true when the block may use the
  // voices, in which case leave() must follow.
  bool enter() {
    audioInside.store(true, std::memory_order_seq_cst);
    if (messageInside.load(std::memory_order_seq_cst)) {
      audioInside.store(false, std::memory_order_release);
      return false;
    }
    return true;
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
  std::atomic<bool> audioInside{false};
  std::atomic<bool> messageInside{false};
  std::mutex messages;  // one message thread at a time
};
