#pragma once

// What burst.zun~ and cloud.zun~ do alike: bind a table name, tell the
// strides of an interleaved buffer~, write silence, check a switch, answer
// assist and number the objects for their clock seeds.

#include <atomic>
#include <cstring>

#include "ext.h"
#include "ext_buffer.h"
#include "ext_obex.h"

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

// A buffer~ holds its channels interleaved: the engines read the first
// channel, one frame every `channels` floats.
inline long long zunStride(t_buffer_obj* b) {
  const t_atom_long channels = buffer_getchannelcount(b);
  return channels > 1 ? static_cast<long long>(channels) : 1;
}

// Both outputs carry silence whenever an engine does not run.
inline void zunSilence(double** outs, long numOuts, long sampleFrames) {
  for (long o = 0; o < numOuts && o < 2; ++o)
    for (long i = 0; i < sampleFrames; ++i) outs[o][i] = 0.0;
}

// Switches take 0 or 1 only: anything else, negatives included, is
// refused with the switch's own text and changes nothing.
template <class Engine>
void zunSwitch(Engine* engine, void (Engine::*set)(int), long v, const char* refusal) {
  if (static_cast<unsigned long>(v) < 2)
    (engine->*set)(static_cast<int>(v));
  else
    object_error(nullptr, refusal);
}

inline const char* const zunStartText = "start message: 0 = off; 1 = on";
inline const char* const zunInterpText = "interp message: 0 = no interp; 1 = two point interp.";
inline const char* const zunPanningText =
    "setPanningMode message: 0 = random width (use setWidth) 1 = manual (0 = L 1 = R)";

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
