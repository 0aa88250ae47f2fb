#pragma once

// What burst.zun~ and cloud.zun~ do alike in Max: bind a table name, hold
// their buffer~s locked for one vector, post a refusal, answer assist and
// number the objects for their clock seeds. What a message means is
// host-neutral and lives in zunMessages.h.

#include <atomic>
#include <cstring>

#include "ext.h"
#include "ext_buffer.h"
#include "ext_obex.h"
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

// Refusals are posted as errors of no particular object.
inline void zunRefuse(const char* text) {
  if (text) object_error(nullptr, "%s", text);
}

// The number of objects of either class made before this one in the
// process. Each plug-in carries its own copy of the engines, so a static
// count would be one per class: the count lives instead on a private
// symbol's binding, which every plug-in of the process sees, and the first
// plug-in to get there lends its own counter. Max never unloads an
// external, so the counter outlives every object.
inline unsigned zunInstanceNumber() {
  static std::atomic<unsigned> own{0};
  t_symbol* binding = gensym("zun~ instance count");
  t_object* lent = nullptr;
  __atomic_compare_exchange_n(&binding->s_thing, &lent, reinterpret_cast<t_object*>(&own), false,
                              __ATOMIC_ACQ_REL, __ATOMIC_ACQUIRE);
  auto* count = lent ? reinterpret_cast<std::atomic<unsigned>*>(lent) : &own;
  return count->fetch_add(1, std::memory_order_relaxed);
}

inline void zunAssist(long kind, long index, char* text) {
  const char* found = nullptr;
  if (kind == ASSIST_OUTLET) {
    if (index == 0)
      found = "(signal) Output Left Signal";
    else if (index == 1)
      found = "(signal) Output Right Signal";
    else if (index == 2)
      found = "(message) Output Granulator Informations";
  } else if (index == 0) {
    found = "(message) Configure Granulator";
  }
  if (found) std::strcpy(text, found);
}
