#pragma once

// Everything the host keeps between calls, in one object: what lasts for
// the process (symbols, classes, attributes, loaded plug-ins) and what a
// session of objects leaves behind, which reset() clears. A part that
// several threads use has its own lock, held only while that part is read
// or changed, never while an object's method runs.

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "hostInternal.h"
#include "z_dsp.h"

namespace zun::detail {

struct SymbolEntry {
  std::unique_ptr<char[]> text;
  t_symbol symbol;
};

struct SymbolTable {
  std::mutex mutex;  // any message thread may make a symbol
  std::unordered_map<std::string, std::unique_ptr<SymbolEntry>> entries;
};

struct ClassRegistry {
  std::vector<std::unique_ptr<maxclass>> all;  // every class made, the host's own too
  std::vector<t_class*> registered;            // in registration order
  std::vector<std::unique_ptr<HostAttribute>> attributes;
  std::map<std::string, std::vector<std::string>> plugins;  // class names by canonical path
};

struct LiveObjects {
  std::mutex mutex;  // message threads make, free and look up objects at once
  std::vector<t_object*> all;  // in creation order
};

struct Stores {
  std::mutex mutex;
  std::map<const t_object*, std::map<t_symbol*, t_object*>> byObject;
};

struct LockRecord {
  LockEvent::Kind kind;
  t_symbol* name;
};

// Buffer locks in order, from any thread. Each record claims its slot, so
// that threads locking at once each log; the capacity is fixed so that
// locking on the audio thread never allocates.
struct LockLog {
  static constexpr size_t capacity = 1 << 16;
  std::vector<LockRecord> records = std::vector<LockRecord>(capacity);
  std::atomic<size_t> claimed{0};

  size_t size() const { return std::min(claimed.load(), capacity); }
};

struct Clock;

struct DueClock {
  double time;
  unsigned long long order;  // clocks due at one time go off as they were set
  Clock* clock;
};

struct Scheduler {
  std::mutex mutex;  // clocks are set from message threads while a driver runs it
  std::vector<DueClock> due;
  double now = 0.0;
  unsigned long long setCount = 0;
};

struct Console {
  std::mutex mutex;  // several message threads may post at once
  std::vector<ConsoleLine> lines;
  bool echo = false;  // a setting of the driver's: outlasts reset
};

struct ChainEntry {
  t_object* object;
  t_perfroutine64 routine;
  long flags;
  void* userParam;
  std::vector<double> storage;  // the input vectors, then the output vectors
  std::vector<double*> ins;
  std::vector<double*> outs;
};

// Driven from one thread: the driver's, between vectors.
struct Dsp {
  static constexpr double initialRate = 44100.0;
  static constexpr long initialFrames = 64;
  double rate = initialRate;
  long frames = initialFrames;
  bool running = false;
  std::vector<t_object*> signalObjects;  // made signal objects, in creation order
  std::vector<ChainEntry> chain;
  std::map<std::pair<t_object*, int>, std::function<void(double*, long)>> feeds;
  std::map<t_object*, long> compiledOutputs;  // output vectors, asked as the chain compiles
};

struct HostState {
  // For the process: registered classes point into plug-ins that stay loaded.
  SymbolTable symbols;
  ClassRegistry classes;
  // For a session of objects.
  LiveObjects live;
  Stores stores;
  LockLog locks;
  std::vector<t_symbol*> viewed;  // buffer_view's buffers, in order
  Scheduler scheduler;
  Console console;
  Dsp dsp;

  // Once every object is freed: audio stopped at 44100 Hz and 64 samples,
  // the schedule empty at time 0, the logs and the console empty.
  void reset();
};

HostState& host();

// What belongs to the calling thread.
struct ThreadState {
  std::vector<ConsoleLine>* captured = nullptr;  // its lines, while a ConsoleCapture lives
  long deliveringInlet = 0;                      // of the message it delivers
};

ThreadState& thisThread();

}  // namespace zun::detail
