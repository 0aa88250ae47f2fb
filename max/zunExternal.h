#pragma once

// What burst.zun~ and cloud.zun~ do alike in Max: bind a table name, hold
// their buffer~s locked for one vector, post a refusal, answer assist and
// deliver grain events, and number the objects for their clock seeds.
// What a message means is host-neutral and lives in zunMessages.h.

#include <atomic>
#include <cstring>

#include "ext.h"
#include "ext_buffer.h"
#include "ext_obex.h"
#include "zunMessages.h"
#include "zunRun.h"

// A buffer reference of the object record. The audio thread reads it every
// vector while a message thread may make it, so it is published atomically.
typedef std::atomic<t_buffer_ref*> zunBufferRef;

// A reference is made on the first binding and rebound afterwards; the
// name is bound whether or not a buffer~ has it yet. Should two message
// threads make it at once, one reference wins and the other is freed.
inline void zunBind(t_object* owner, zunBufferRef& ref, t_symbol* name) {
  t_buffer_ref* current = ref.load(std::memory_order_acquire);
  if (current) {
    buffer_ref_set(current, name);
    return;
  }
  t_buffer_ref* made = buffer_ref_new(owner, name);
  if (!ref.compare_exchange_strong(current, made, std::memory_order_acq_rel)) {
    object_free(made);
    buffer_ref_set(current, name);
  }
}

// An object's tables for one vector, in role order: every buffer~ resolved
// afresh, then all of them locked, and each lock that succeeded released
// when the vector is done.
template <int Roles>
class zunLockedTables {
 public:
  explicit zunLockedTables(zunBufferRef* const (&refs)[Roles]) : tables(), buffers(), locked() {
    t_buffer_ref* bound[Roles];
    for (int r = 0; r < Roles; ++r)
      if (!(bound[r] = refs[r]->load(std::memory_order_acquire))) return;
    for (int r = 0; r < Roles; ++r)
      if (!(buffers[r] = buffer_ref_getobject(bound[r]))) return;
    for (int r = 0; r < Roles; ++r) locked[r] = buffer_locksamples(buffers[r]);
    for (int r = 0; r < Roles; ++r)
      if (!locked[r]) return;
    for (int r = 0; r < Roles; ++r)
      tables[r] = {locked[r], buffer_getframecount(buffers[r]), stride(buffers[r])};
  }
  ~zunLockedTables() {
    for (int r = 0; r < Roles; ++r)
      if (locked[r]) buffer_unlocksamples(buffers[r]);
  }
  zunLockedTables(const zunLockedTables&) = delete;
  zunLockedTables& operator=(const zunLockedTables&) = delete;

  // Samples only where every buffer~ was there and locked.
  zunHostTable tables[Roles];

 private:
  // A buffer~ holds its channels interleaved: the engines read the first
  // channel, one frame every `channels` floats.
  static long long stride(t_buffer_obj* b) {
    const t_atom_long channels = buffer_getchannelcount(b);
    return channels > 1 ? static_cast<long long>(channels) : 1;
  }

  t_buffer_obj* buffers[Roles];
  float* locked[Roles];
};

// The notifications a buffer~ sends its clients when it appears under a
// name, goes, or its contents or length change.
inline bool zunTableChange(t_symbol* msg) {
  return msg == gensym("buffer_modified") || msg == gensym("globalsymbol_binding") ||
         msg == gensym("globalsymbol_unbinding");
}

// Refusals are posted as errors of no particular object.
inline void zunRefuse(const char* text) {
  if (text) object_error(nullptr, "%s", text);
}

template <size_t Inlets>
void zunAssist(long kind, long index, char* text, const char* eventNames,
               const zunInlet (&inlets)[Inlets]) {
  const char* found = nullptr;
  if (kind == ASSIST_OUTLET) {
    if (index == 0)
      found = "(signal) Output Left Signal";
    else if (index == 1)
      found = "(signal) Output Right Signal";
    else if (index == 2)
      found = "(message) Output Granulator Informations";
    else if (index == 3)
      found = "(list) Grain Events: ";
  } else if (index == 0) {
    found = "(message) Configure Granulator";
  } else if (index >= 1 && index <= static_cast<long>(Inlets)) {
    found = inlets[index - 1].assist;
  }
  if (found) std::strcpy(text, found);
  if (kind == ASSIST_OUTLET && index == 3) std::strcat(text, eventNames);
}

// Grain events go out of the rightmost outlet, each as a list, sent by a
// clock (zunEventRound); lost ones are reported as errors.
struct zunEventOutlet {
  void* outlet;
  t_clock* clock;
  unsigned long long reported;  // events lost and reported so far
};

inline void zunEventsMade(zunEventOutlet& events, t_object* owner, method tick) {
  events.outlet = listout(owner);
  events.clock = clock_new(owner, tick);
  events.reported = 0;
}

// After an "events" message: the clock runs while events are on.
template <class Engine>
void zunEventsSwitched(zunEventOutlet& events, Engine& engine) {
  if (engine.options.wantsEvents()) clock_delay(events.clock, 0);
}

template <class Engine>
void zunEventsTick(zunEventOutlet& events, Engine& engine) {
  const auto send = [&](const double (&values)[zunEventFields]) {
    t_atom list[zunEventFields];
    for (int i = 0; i < zunEventFields; ++i) {
      if (i < zunEventIntegers) {
        list[i].a_type = A_LONG;
        list[i].a_w.w_long = static_cast<t_atom_long>(values[i]);
      } else {
        list[i].a_type = A_FLOAT;
        list[i].a_w.w_float = values[i];
      }
    }
    outlet_list(events.outlet, nullptr, zunEventFields, list);
  };
  const auto lost = [](unsigned long long n) { object_error(nullptr, zunEventsLostText, n); };
  if (zunEventRound(engine, events.reported, send, lost))
    clock_delay(events.clock, static_cast<long>(zunEventInterval));
}

// dsp64's connection counts, one for each inlet, the trigger input first:
// which signal inlets the engine reads.
template <class Engine>
void zunInletsConnected(Engine& engine, const short* counts) {
  for (int k = 0; k < Engine::inletCount; ++k)
    engine.inlets.setConnected(k, counts && counts[k + 1] > 0);
}

// A float into a signal inlet after the trigger input sends the message
// that inlet's signal stands for; into the first, it is not understood.
template <class Engine, size_t Inlets>
void zunFloat(t_object* x, Engine& engine, const zunMessageTable<Engine>& table,
              const zunInlet (&inlets)[Inlets], double v) {
  const long inlet = proxy_getinlet(x);
  if (inlet < 1) return object_error(x, "doesn't understand \"float\"");
  zunRefuse(zunInletFloat(engine, table, inlets, inlet, v));
}
