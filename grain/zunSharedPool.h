#pragma once

#include <mutex>
#include <utility>

#include "zunAudioGate.h"
#include "zunRelaxed.h"
#include "zunVoicePool.h"

// An engine's voice pool as both threads see it: the audio thread renders
// it block by block, message threads count it, trigger a voice, change every
// voice or replace the whole pool. The gate keeps the two apart, so message
// threads never touch a pool while a block renders it, and the audio thread
// never waits.
class zunSharedPool {
 public:
  zunSharedPool(int count, double sampleRate) : pool(new zunVoicePool(count, sampleRate)) {}
  ~zunSharedPool() { delete pool; }
  zunSharedPool(const zunSharedPool&) = delete;
  zunSharedPool& operator=(const zunSharedPool&) = delete;

  // The current pool, for the audio thread inside a block and for a caller
  // that owns the engine on one thread.
  zunVoicePool* operator->() const { return pool; }
  zunVoicePool& operator*() const { return *pool; }

  // Audio thread: runs block() on the pool unless a message thread holds it,
  // in which case the block is not rendered and false is returned. A flush
  // asked for is done first.
  template <class Block>
  bool render(Block block) {
    if (!gate.enter()) return false;
    if (flushRequest.exchange(false)) pool->fadeOut();
    block(*pool);
    gate.leave();
    return true;
  }

  // Message threads. Replacing the pool cuts every sounding grain; the new
  // voices carry their defaults, but for the cubic switch, which stays as
  // it was. Counts that are not positive, or equal to the current one,
  // change nothing.
  // The new pool is built, and the old one freed, outside the gate, so that
  // the gate is closed only for the swap.
  void setOverlap(int count, double sampleRate) {
    std::lock_guard<std::mutex> serial(rebuilds);
    if (count <= 0 || count == pool->overlappingFactor) return;
    zunVoicePool* old = new zunVoicePool(count, sampleRate);
    {
      zunAudioGate::Exclusive hold(gate);
      if (cubic) old->setCubic(true);
      std::swap(old, pool);
    }
    delete old;
  }
  int overlappingFactor() const {
    zunAudioGate::Exclusive hold(gate);
    return pool->overlappingFactor;
  }
  int countActive() const {
    zunAudioGate::Exclusive hold(gate);
    return pool->countActive();
  }
  void trigger() {
    zunAudioGate::Exclusive hold(gate);
    pool->trigger();
  }
  void setInterpMode(int mode) {
    zunAudioGate::Exclusive hold(gate);
    pool->setInterpMode(mode);
  }
  void setInvert(int invert) {
    zunAudioGate::Exclusive hold(gate);
    pool->setInvert(invert);
  }
  void setCubic(bool on) {
    zunAudioGate::Exclusive hold(gate);
    cubic = on;
    pool->setCubic(on);
  }
  // Every grain sounding when the next block renders fades out
  // (zunVoicePool::fadeOut). Asking never waits for the audio thread, so
  // no block is left silent for it.
  void flush() { flushRequest = true; }
  // Runs change() while no block renders, as the operations above do.
  template <class Change>
  void exclusive(Change change) {
    zunAudioGate::Exclusive hold(gate);
    change();
  }
  // Sets the engine's rate and every voice's under one hold, so that no
  // block sees the two disagree.
  void setAbsoluteSR(double sampleRate, zunRelaxed<double>& engineRate) {
    zunAudioGate::Exclusive hold(gate);
    engineRate = sampleRate;
    pool->setAbsoluteSR(sampleRate);
  }

 private:
  // Only rebuilds write `pool`; they are serialized, so one may read it
  // before it holds the gate.
  zunVoicePool* pool;
  bool cubic = false;  // written and read with the gate held
  zunRelaxed<bool> flushRequest{false};
  std::mutex rebuilds;
  mutable zunAudioGate gate;
};
