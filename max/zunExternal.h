#pragma once

// What burst.zun~ and cloud.zun~ do alike in Max: bind a table name, hold
// their buffer~s locked for one vector, post a refusal, answer assist and
// deliver grain events, and number the objects for their clock seeds.
// What a message means is host-neutral and lives in zunMessages.h.

#include <atomic>
#include <cstdio>
#include <cstring>
#include <utility>

#include "ext.h"
#include "ext_buffer.h"
#include "ext_obex.h"
#include "zunMessages.h"
#include "zunRun.h"
#include "zunSettings.h"

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

inline void zunAssist(long kind, long index, char* text, const char* eventNames) {
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

// ---- attributes

// An attribute's value as one atom; false when there is none to tell.
inline bool zunAtomOf(const zunValue& v, t_atom& a) {
  switch (v.kind) {
    case zunValue::Kind::integer:
      a.a_type = A_LONG;
      a.a_w.w_long = static_cast<t_atom_long>(v.integer);
      return true;
    case zunValue::Kind::real:
      a.a_type = A_FLOAT;
      a.a_w.w_float = v.real;
      return true;
    case zunValue::Kind::symbol:
      a.a_type = A_SYM;
      a.a_w.w_sym = gensym(v.symbol);
      return true;
    default:
      return false;
  }
}

// Every value a setter message sets is an attribute of the class (Object,
// with its `settings`), named in zunSettings.h. Its setter sends that
// message, so that a value set in the box, by message, by the inspector or
// by pattr meets the same checks and texts; its getter answers the value
// the message last took.
template <class Object, class Engine>
class zunAttributesInMax {
 public:
  static void addTo(t_class* c, zunMessageTable<Engine> messageTable,
                    zunAttributeTable<Engine> attributeTable) {
    messages = messageTable;
    table = attributeTable;
    add(c, std::make_index_sequence<zunMaxAttributes>());
  }

  // Every attribute out of the dumpout, in an order that sent back
  // rebuilds the state; those with nothing to tell are left out.
  static void dump(Object* x) {
    int order[zunMaxAttributes];
    const int n = x->settings->dumpOrder(order);
    for (int i = 0; i < n; ++i) {
      t_atom a;
      if (zunAtomOf(x->settings->value(order[i]), a))
        object_obex_dumpout(x, gensym(table.begin[order[i]].name), 1, &a);
    }
  }

 private:
  template <int I>
  static t_max_err set(Object* x, void*, long ac, t_atom* av) {
    object_method_typed(x, gensym(table.begin[I].selector), ac, av, nullptr);
    return MAX_ERR_NONE;
  }

  template <int I>
  static t_max_err get(Object* x, void*, long* ac, t_atom** av) {
    t_atom a;
    if (!zunAtomOf(x->settings->value(I), a)) {
      *ac = 0;
      return MAX_ERR_NONE;
    }
    if (!*ac || !*av) {
      *av = reinterpret_cast<t_atom*>(getbytes(sizeof(t_atom)));
      if (!*av) {
        *ac = 0;
        return MAX_ERR_OUT_OF_MEM;
      }
    }
    *ac = 1;
    **av = a;
    return MAX_ERR_NONE;
  }

  template <size_t... I>
  static void add(t_class* c, std::index_sequence<I...>) {
    (addOne(c, static_cast<int>(I), reinterpret_cast<method>(get<static_cast<int>(I)>),
            reinterpret_cast<method>(set<static_cast<int>(I)>)),
     ...);
  }

  static void addOne(t_class* c, int i, method getter, method setter) {
    if (i >= table.count()) return;
    const zunAttribute& a = table.begin[i];
    const zunAttributeView view = zunViewOf(messages, a);
    class_addattr(c, attribute_new(a.name, gensym(view.type), 0, getter, setter));
    CLASS_ATTR_LABEL(c, a.name, 0, a.label);
    CLASS_ATTR_CATEGORY(c, a.name, 0, a.category);
    char text[32];
    std::snprintf(text, sizeof text, "%d", i + 1);
    CLASS_ATTR_ORDER(c, a.name, 0, text);
    CLASS_ATTR_SAVE(c, a.name, 0);
    if (a.enumValues) {
      CLASS_ATTR_ENUMINDEX(c, a.name, 0, a.enumValues);
    } else if (view.style) {
      CLASS_ATTR_STYLE(c, a.name, 0, view.style);
    }
    // The object holds values itself: the limits are the inspector's.
    if (view.hasMin) {
      std::snprintf(text, sizeof text, "%.17g", view.min);
      CLASS_ATTR_ATTR_PARSE(c, a.name, "min", gensym(view.type), 0, text);
    }
    if (view.hasMax) {
      std::snprintf(text, sizeof text, "%.17g", view.max);
      CLASS_ATTR_ATTR_PARSE(c, a.name, "max", gensym(view.type), 0, text);
    }
  }

  static inline zunMessageTable<Engine> messages{};
  static inline zunAttributeTable<Engine> table{};
};
