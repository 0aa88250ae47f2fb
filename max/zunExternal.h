#pragma once

// What burst.zun~ and cloud.zun~ do alike in Max: bind a table name, hold
// their buffer~s locked for one vector, post a refusal, answer assist,
// deliver grain events, keep their outputs finite, and number the objects
// for their clock seeds.
// What a message means is host-neutral and lives in zunMessages.h.

#include <algorithm>
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
#include "zunTableNotice.h"

// Built with ZUN_MC, an external is its class's multichannel twin: one
// multichannel outlet in place of the stereo pair, the channel settings
// after every other message, and the channel last in each grain event.
#ifdef ZUN_MC
constexpr bool zunMultichannel = true;
#else
constexpr bool zunMultichannel = false;
#endif
constexpr int zunObjectEventFields = zunMultichannel ? zunMcEventFields : zunEventFields;

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

// The number an argument holds where a table name belongs, or null.
inline const double* zunNumberIn(const t_atom& a, double& number) {
  if (a.a_type == A_LONG) return &(number = static_cast<double>(a.a_w.w_long));
  if (a.a_type == A_FLOAT) return &(number = a.a_w.w_float);
  return nullptr;
}

// A list message's numbers into `values`, the first zunMostListNumbers of
// them; returns how many were given. A symbol among them counts as more
// than a list takes, so that the message refuses it.
inline int zunNumbersIn(long argc, const t_atom* argv, double (&values)[zunMostListNumbers]) {
  for (long k = 0; k < argc; ++k) {
    double number;
    if (!zunNumberIn(argv[k], number)) return zunMostListNumbers + 1;
    if (k < zunMostListNumbers) values[k] = number;
  }
  return argc > zunMostListNumbers ? zunMostListNumbers + 1 : static_cast<int>(argc);
}

// Posts why `role` reads no table, unless that cause was told last.
template <size_t Roles>
void zunTell(t_object* owner, zunBufferRef& ref, zunTableNotice<Roles>& notice, int role) {
  t_buffer_ref* r = ref.load(std::memory_order_acquire);
  const std::string text = notice.see(role, r && buffer_ref_getobject(r));
  if (!text.empty()) object_error(owner, "%s", text.c_str());
}

// Binds `role` to `name` (`given`: the number given instead of one) and
// tells what is known at once. At creation that is only a missing name: a
// buffer~ made later in the patcher is there by the time the DSP starts.
template <size_t Roles>
void zunBindRole(t_object* owner, zunBufferRef& ref, zunTableNotice<Roles>& notice, int role,
                 t_symbol* name, const double* given, bool creating) {
  zunBind(owner, ref, name);
  notice.bind(role, name->s_name, given);
  if (!creating || !notice.named(role)) zunTell(owner, ref, notice, role);
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
      tables[r] = {locked[r], buffer_getframecount(buffers[r]), stride(buffers[r]),
                   stride(buffers[r]), buffer_getsamplerate(buffers[r])};
  }
  ~zunLockedTables() {
    for (int r = 0; r < Roles; ++r)
      if (locked[r]) buffer_unlocksamples(buffers[r]);
  }
  zunLockedTables(const zunLockedTables&) = delete;
  zunLockedTables& operator=(const zunLockedTables&) = delete;

  // Samples only where every buffer~ was there and locked.
  zunTable tables[Roles];

 private:
  // A buffer~ holds its channels interleaved: the engines read one of
  // them (the first unless asked), one frame every `channels` floats.
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
  const long signals = zunMultichannel ? 1 : 2;  // outlets before the info outlet
  if (kind == ASSIST_OUTLET) {
    if (index == 0)
      found = zunMultichannel ? "(multichannelsignal) Output Channels"
                              : "(signal) Output Left Signal";
    else if (index == 1 && !zunMultichannel)
      found = "(signal) Output Right Signal";
    else if (index == signals)
      found = "(message) Output Granulator Informations";
    else if (index == signals + 1)
      found = "(list) Grain Events: ";
  } else if (index == 0) {
    found = "(message) Configure Granulator";
  } else if (index >= 1 && index <= static_cast<long>(Inlets)) {
    found = inlets[index - 1].assist;
  }
  if (found) std::strcpy(text, found);
  if (kind != ASSIST_OUTLET || index != signals + 1) return;
  std::strcat(text, eventNames);
  if (zunMultichannel) std::strcat(text, zunChannelEventName);
}

// "info" out of the information outlet: an int, or a list of two while
// stealing is on (zunInfoValues).
template <class Engine>
void zunInfo(void* outlet, Engine& engine) {
  long long values[2];
  if (zunInfoValues(engine, values) == 1) {
    outlet_int(outlet, static_cast<t_atom_long>(values[0]));
    return;
  }
  t_atom list[2];
  for (int i = 0; i < 2; ++i) {
    list[i].a_type = A_LONG;
    list[i].a_w.w_long = static_cast<t_atom_long>(values[i]);
  }
  outlet_list(outlet, nullptr, 2, list);
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
  const auto send = [&](const double (&values)[zunMostEventFields], bool formant) {
    t_atom list[zunObjectEventFields + 1];
    for (int i = 0; i < zunObjectEventFields; ++i) {
      if (i < zunEventIntegers) {
        list[i].a_type = A_LONG;
        list[i].a_w.w_long = static_cast<t_atom_long>(values[i]);
      } else {
        list[i].a_type = A_FLOAT;
        list[i].a_w.w_float = values[i];
      }
    }
    list[zunObjectEventFields].a_type = A_LONG;
    list[zunObjectEventFields].a_w.w_long = static_cast<t_atom_long>(values[zunMcEventFields]);
    outlet_list(events.outlet, nullptr, zunObjectEventFields + (formant ? 1 : 0), list);
  };
  const auto lost = [](unsigned long long n) { object_error(nullptr, zunEventsLostText, n); };
  if (zunEventRound(engine, events.reported, send, lost))
    clock_delay(events.clock, static_cast<long>(zunEventInterval));
}

// Output samples that are not finite numbers go out as 0. The audio thread
// counts them; a clock polls the count and warns once per DSP run (from
// one "dsp64" to the next). Max tells an object nothing when audio stops,
// and a warning while it happens serves better than one afterwards.
struct zunFiniteOutput {
  std::atomic<unsigned long long> zeroed;  // this DSP run
  t_clock* clock;
};

constexpr long zunFinitePoll = 100;  // milliseconds

inline void zunFiniteMade(zunFiniteOutput& f, t_object* owner, method tick) {
  f.zeroed.store(0);
  f.clock = clock_new(owner, tick);
}

// At "dsp64": a new run, watched from now on.
inline void zunFiniteRunStarts(zunFiniteOutput& f) {
  f.zeroed.store(0, std::memory_order_relaxed);
  clock_delay(f.clock, zunFinitePoll);
}

// On the audio thread, after the engine wrote its vector.
inline void zunFiniteVector(zunFiniteOutput& f, double** outs, long numOuts, long frames) {
  long zeroed = 0;
  for (long o = 0; o < numOuts; ++o) zeroed += zunZeroNonFinite(outs[o], frames);
  if (zeroed)
    f.zeroed.fetch_add(static_cast<unsigned long long>(zeroed), std::memory_order_relaxed);
}

// The clock: polls until it has warned, for the rest of the run.
inline void zunFiniteTick(zunFiniteOutput& f, t_object* owner) {
  if (f.zeroed.load(std::memory_order_relaxed) == 0) clock_delay(f.clock, zunFinitePoll);
  else object_warn(owner, "%s", zunNonFiniteText);
}

// ---- attributes

// An attribute's value as one atom; false when there is none to tell, or
// more than one atom tells it.
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

// An attribute's value as atoms; returns how many (0: none to tell).
inline long zunAtomsOf(const zunValue& v, t_atom (&a)[zunMostListNumbers]) {
  double numbers[zunMostListNumbers];
  const int count = v.numbers(numbers);
  if (count == 0) return zunAtomOf(v, a[0]) ? 1 : 0;
  for (int i = 0; i < count; ++i) {
    a[i].a_type = A_FLOAT;
    a[i].a_w.w_float = numbers[i];
  }
  return count;
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
      t_atom a[zunMostListNumbers];
      if (const long count = zunAtomsOf(x->settings->value(order[i]), a))
        object_obex_dumpout(x, gensym(table.begin[order[i]].name), count, a);
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
    t_atom a[zunMostListNumbers];
    const long count = zunAtomsOf(x->settings->value(I), a);
    if (count == 0) {
      *ac = 0;
      return MAX_ERR_NONE;
    }
    // Into the caller's atoms as many as they hold; else into new ones.
    if (!*ac || !*av) {
      const t_getbytes_size bytes = static_cast<t_getbytes_size>(count) * sizeof(t_atom);
      *av = reinterpret_cast<t_atom*>(getbytes(bytes));
      if (!*av) {
        *ac = 0;
        return MAX_ERR_OUT_OF_MEM;
      }
      *ac = count;
    }
    *ac = std::min(*ac, count);
    for (long k = 0; k < *ac; ++k) (*av)[k] = a[k];
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

// The multichannel outlet's channels: the count asked for when the chain
// compiles ("multichanneloutputs" comes before "dsp64"), which holds until
// the next compile.
struct zunChannels {
  long inForce;  // at the last compile
};

template <class Engine>
long zunChannelsCompiled(zunChannels& channels, Engine& engine, long outlet) {
  if (outlet != 0) return 0;
  return channels.inForce = engine.options.routing.channelsAsked();
}

// At "dsp64": a stereo engine keeps its pair.
template <class Engine>
void zunChannelsStart(const zunChannels& channels, Engine& engine) {
  if (zunMultichannel) engine.setOutputChannels(static_cast<int>(channels.inForce));
}

// dsp64's connection counts, one for each inlet, the trigger input first:
// which signal inlets the engine reads.
template <class Engine>
void zunInletsConnected(Engine& engine, const short* counts) {
  for (int k = 0; k < Engine::inletCount; ++k)
    engine.inlets.setConnected(k, counts && counts[k + 1] > 0);
}
