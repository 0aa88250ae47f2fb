#pragma once

// burst.zun~ and cloud.zun~ in Pd: one object record and one set of
// methods for either engine. The class registers every message of its
// table in zunMessages.h; what a message means lives there, and what is
// Pd's own lives here: arrays looked up by name, the outlets, pd_error, the
// DSP method, the signal inlet and the clocks that deliver grain events,
// make band-limited wave tables and warn of samples sent as 0.
//
// The parameters' signal inlets, to the right of the first, are Max's.
// Pd 0.53 hands an unconnected signal inlet a vector of its last float, so
// an inlet counts as connected only where the patch wires a signal outlet
// to it, found when the DSP starts; a float into one sets its parameter.
// cloud.zun~'s live input is the last signal inlet, a float into it a
// constant signal, as into the first.
//
// `@chans N` among the creation arguments makes the multichannel form: N
// signal outlets in place of the stereo pair, and the channel settings of
// the Max twin (mc.burst.zun~, mc.cloud.zun~). Pd 0.53 has no
// multichannel signals, and an object's outlets are made with it, so the
// count is the creation argument's: a later "chans" is refused.

#include <m_pd.h>
extern "C" {  // m_imp.h declares C functions without saying so
#include <m_imp.h>
}
#include <g_canvas.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <type_traits>

// The one name an external module exports: its setup function.
#ifdef _WIN32
#define ZUN_PD_SETUP extern "C" __declspec(dllexport)
#else
#define ZUN_PD_SETUP extern "C" __attribute__((visibility("default")))
#endif

#include "zunMessages.h"
#include "zunRandom.h"
#include "zunSettings.h"
#include "zunRun.h"
#include "zunTableNotice.h"

template <class Engine, size_t Roles>
struct zunPdObject {
  t_object header;
  t_float signalIn;         // the left inlet's value while no signal is connected
  Engine* engine;
  zunSettings<Engine>* settings;  // the last value each setter took
  t_symbol* tables[Roles];  // the array name bound to each role
  zunTableNotice<Roles>* notice;
  t_outlet* infoOutlet;
  t_outlet* eventOutlet;
  t_clock* eventClock;
  unsigned long long eventsReported;  // events lost and reported so far
  t_clock* levelClock;                // burst.zun~ only
  zunTable levelSources[2];           // the arrays the wave tables' levels were made from
  unsigned long long levelPrints[2];  // and the fingerprints of their contents then
  t_clock* finiteClock;               // warns that samples went out as 0
  bool finiteTold;                    // this DSP run
  double* work;                       // the engine's output vectors, then its input
  int workFrames;
  int channels;                       // of the multichannel form; 0 for the stereo pair
  bool creating;                      // while the creation arguments are taken
  t_glist* canvas;                    // where its connections are
  // Each parameter inlet's float, NaN while none waits to be taken.
  t_float* floats[Engine::inletCount];
  t_float taken[Engine::inletCount];  // by the audio, yet to be recorded
  bool toRecord[Engine::inletCount];
  const char* refusals[Engine::inletCount];
  t_clock* recordClock;

  using Self = zunPdObject;
  static constexpr bool bandLimits = std::is_same<Engine, zunBurst>::value;
  // How often, in ms, band-limited levels are checked against their arrays.
  static constexpr double arrayCheckInterval = 100.0;

  static inline t_class* pdClass = nullptr;
  static inline zunMessageTable<Engine> messages{};  // of the multichannel form
  static inline zunMessageTable<Engine> stereoMessages{};
  static inline zunAttributeTable<Engine> attributes{};  // of the multichannel form
  static inline zunAttributeTable<Engine> stereoAttributes{};
  static inline const char* banner = nullptr;
  static inline const char* const (*roles)[Roles] = nullptr;
  static constexpr int inlets = Engine::inletCount;
  // The signal inputs: the first, the parameters' and cloud.zun~'s live
  // input, last.
  static constexpr int signalIns = 1 + inlets + (std::is_same<Engine, zunCloud>::value ? 1 : 0);
  // The message each parameter inlet's float sends.
  static inline const zunMessage<Engine>* inletMessages[inlets] = {};

  // The tables of the stereo form, then of the multichannel form, which
  // begin with the stereo form's.
  static void setup(const char* className, const char* bannerText,
                    const char* const (&roleNames)[Roles], zunMessageTable<Engine> stereoTable,
                    zunAttributeTable<Engine> stereoAttributeTable, zunMessageTable<Engine> table,
                    zunAttributeTable<Engine> attributeTable) {
    banner = bannerText;
    roles = &roleNames;
    messages = table;
    stereoMessages = stereoTable;
    attributes = attributeTable;
    stereoAttributes = stereoAttributeTable;
    const zunInletList inletList = zunInletsOf(className);
    for (int k = 0; k < inlets; ++k) inletMessages[k] = table.find(inletList.begin[k].setter);
    pdClass = class_new(gensym(className), reinterpret_cast<t_newmethod>(create),
                        reinterpret_cast<t_method>(destroy), sizeof(Self), CLASS_DEFAULT, A_GIMME,
                        0);
    CLASS_MAINSIGNALIN(pdClass, Self, signalIn);
    class_addmethod(pdClass, reinterpret_cast<t_method>(dsp), gensym("dsp"), A_CANT, 0);
    for (const zunMessage<Engine>* m = table.begin; m != table.end; ++m) {
      if (std::strcmp(m->selector, "info") == 0)
        class_addmethod(pdClass, reinterpret_cast<t_method>(info), gensym(m->selector), A_NULL);
      else if (std::strcmp(m->selector, "dump") == 0)
        class_addmethod(pdClass, reinterpret_cast<t_method>(dump), gensym(m->selector), A_NULL);
      else if (const t_method handler = methodFor(*m))
        class_addmethod(pdClass, handler, gensym(m->selector), A_GIMME, 0);
    }
    for (const zunAttribute* a = attributes.begin; a != attributes.end; ++a)
      if (std::strcmp(a->name, a->selector) != 0)
        class_addmethod(pdClass, reinterpret_cast<t_method>(attributeMessage), gensym(a->name),
                        A_GIMME, 0);
    class_addmethod(pdClass, reinterpret_cast<t_method>(get), gensym("get"), A_GIMME, 0);
  }

 private:
  // The method answering a message in Pd, or null for those Pd has no use
  // for: the host's own calls ("dsp64", "assist", "dblclick", "notify") are
  // Max's, and Pd has its own "dsp".
  static t_method methodFor(const zunMessage<Engine>& m) {
    if (std::strcmp(m.selector, "events") == 0) return reinterpret_cast<t_method>(events);
    if (std::strcmp(m.selector, "chans") == 0) return reinterpret_cast<t_method>(chans);
    if (bandLimits && std::strcmp(m.selector, "bandlimit") == 0)
      return reinterpret_cast<t_method>(bandlimit);
    switch (m.argument) {
      case zunArgument::symbol:
        return zunRoleOf(*roles, m.selector) >= 0 ? reinterpret_cast<t_method>(bindOne) : nullptr;
      case zunArgument::symbols:
        return reinterpret_cast<t_method>(bindAll);
      case zunArgument::none:
        return m.action ? reinterpret_cast<t_method>(engineMessage) : nullptr;
      case zunArgument::integer:
        return m.integer ? reinterpret_cast<t_method>(engineMessage) : nullptr;
      case zunArgument::real:
        return m.real ? reinterpret_cast<t_method>(engineMessage) : nullptr;
      case zunArgument::pair:
        return m.pair ? reinterpret_cast<t_method>(engineMessage) : nullptr;
      case zunArgument::list:
        return m.list ? reinterpret_cast<t_method>(engineMessage) : nullptr;
      default:
        return nullptr;
    }
  }

  // ---- life

  static void* create(t_symbol*, int argc, t_atom* argv) {
    post("%s", banner);
    Self* x = reinterpret_cast<Self*>(pd_new(pdClass));
    x->engine = new Engine(zunMostVoices, static_cast<double>(sys_getsr()));
    x->channels = channelsAsked(argc, argv);
    x->engine->setSeed(zunObjectSeed<Engine>(x->channels > 0));
    x->settings = x->channels > 0 ? new zunSettings<Engine>(messages, attributes)
                                  : new zunSettings<Engine>(stereoMessages, stereoAttributes);
    for (t_symbol*& name : x->tables) name = &s_;
    x->notice = new zunTableNotice<Roles>(*roles, "array");
    x->work = nullptr;
    x->workFrames = 0;
    for (int k = 0; k < (x->channels > 0 ? x->channels : 2); ++k)
      outlet_new(&x->header, &s_signal);
    x->infoOutlet = outlet_new(&x->header, &s_float);
    x->eventOutlet = outlet_new(&x->header, &s_list);
    x->eventClock = clock_new(x, reinterpret_cast<t_method>(deliverEvents));
    x->eventsReported = 0;
    x->levelClock = bandLimits ? clock_new(x, reinterpret_cast<t_method>(followArrays)) : nullptr;
    for (zunTable& source : x->levelSources) source = {nullptr, 0, 0};
    for (unsigned long long& print : x->levelPrints) print = 0;
    x->finiteClock = clock_new(x, reinterpret_cast<t_method>(warnNonFinite));
    x->finiteTold = false;
    x->canvas = canvas_getcurrent();
    for (int k = 0; k < inlets; ++k) {
      signalinlet_new(&x->header, waiting());
      x->floats[k] = obj_findsignalscalar(&x->header, k + 1);
      x->toRecord[k] = false;
    }
    for (int k = 1 + inlets; k < signalIns; ++k) signalinlet_new(&x->header, 0);
    x->recordClock = clock_new(x, reinterpret_cast<t_method>(catchUp));
    const int named = firstAttributeArgument(argc, argv);
    bindAll(x, nullptr, named, argv);
    x->creating = true;
    setFromArguments(x, argc - named, argv + named);
    x->creating = false;
    return x;
  }

  // The count after the last "@chans" of the creation arguments, held to
  // 1 to 64 ("chans" tells of a count outside); 0 without one.
  static int channelsAsked(int argc, const t_atom* argv) {
    int asked = 0;
    for (int i = 0; i + 1 < argc; ++i)
      if (isAttributeName(argv[i]) && std::strcmp(argv[i].a_w.w_symbol->s_name, "@chans") == 0)
        asked = argv[i + 1].a_type == A_FLOAT ? static_cast<int>(truncated(argv[i + 1].a_w.w_float))
                                              : 2;
    return asked == 0 ? 0 : (asked < 1 || asked > zunChannelRouting::mostChannels ? 2 : asked);
  }

  static bool isAttributeName(const t_atom& a) {
    return a.a_type == A_SYMBOL && a.a_w.w_symbol->s_name[0] == '@';
  }

  static int firstAttributeArgument(int argc, const t_atom* argv) {
    int i = 0;
    while (i < argc && !isAttributeName(argv[i])) ++i;
    return i;
  }

  // "@name value..." groups of the creation arguments, each sent as the
  // attribute's message.
  static void setFromArguments(Self* x, int argc, t_atom* argv) {
    for (int i = 0; i < argc;) {
      const char* name = argv[i].a_w.w_symbol->s_name + 1;
      const int values = 1 + firstAttributeArgument(argc - i - 1, argv + i + 1);
      const int a = x->settings->attributes().find(name);
      if (a < 0)
        pd_error(x, "%s: no attribute named '%s'", class_getname(pdClass), name);
      else
        pd_typedmess(&x->header.ob_pd, gensym(x->settings->attributes().begin[a].selector),
                     values - 1, argv + i + 1);
      i += values;
    }
  }

  static void destroy(Self* x) {
    clock_free(x->eventClock);
    if (x->levelClock) clock_free(x->levelClock);
    delete x->notice;
    clock_free(x->finiteClock);
    clock_free(x->recordClock);
    delete x->engine;
    delete x->settings;
    delete[] x->work;
  }

  // ---- messages

  static void badArguments(Self* x, t_symbol* s) {
    pd_error(x, "Bad arguments for message '%s' to object '%s'", s->s_name,
             class_getname(pdClass));
  }

  static void refuse(Self* x, const char* text) {
    if (text) pd_error(x, "%s", text);
  }

  // Pd's numbers are all floats: where an integer is taken, the float is
  // truncated toward zero, and held within range.
  static long long truncated(t_float f) {
    if (std::isnan(f)) return 0;
    // 2^63, exact as a float: converting a value at or beyond it is undefined.
    if (f >= 9223372036854775808.0f) return 9223372036854775807LL;
    if (f < -9223372036854775808.0f) return -9223372036854775807LL - 1;
    return static_cast<long long>(f);
  }

  // A message of the engine, registered only with the handler its argument
  // calls for. Returns whether the engine took it.
  static bool forward(Self* x, t_symbol* s, int argc, t_atom* argv) {
    catchUp(x);
    const zunMessage<Engine>* m = messages.find(s->s_name);
    if (x->channels == 0 && !stereoMessages.find(s->s_name)) {
      pd_error(x, "%s message: only an object made with @chans N has channels", s->s_name);
      return false;
    }
    if (m->argument == zunArgument::none) {
      m->action(*x->engine);
      return true;
    }
    if (m->argument == zunArgument::list) return forwardList(x, s, *m, argc, argv);
    const int needed = m->argument == zunArgument::pair ? 2 : 1;
    for (int i = 0; i < needed; ++i) {
      if (argc <= i || argv[i].a_type != A_FLOAT) {
        badArguments(x, s);
        return false;
      }
    }
    const t_float v = argv[0].a_w.w_float;
    if (m->argument == zunArgument::pair) {
      const double second = argv[1].a_w.w_float;
      const char* refusal = x->settings->set(*x->engine, *m, static_cast<double>(v), second);
      refuse(x, refusal);
      return !refusal;
    }
    const char* refusal = m->argument == zunArgument::integer
                              ? x->settings->set(*x->engine, *m, truncated(v))
                              : x->settings->set(*x->engine, *m, static_cast<double>(v));
    refuse(x, refusal);
    return !refusal;
  }

  // Floats only; more than the list takes are refused with its text.
  static bool forwardList(Self* x, t_symbol* s, const zunMessage<Engine>& m, int argc,
                          t_atom* argv) {
    double values[zunMostListNumbers];
    for (int i = 0; i < argc; ++i) {
      if (argv[i].a_type != A_FLOAT) {
        badArguments(x, s);
        return false;
      }
      if (i < zunMostListNumbers) values[i] = argv[i].a_w.w_float;
    }
    const char* refusal = x->settings->set(*x->engine, m, values, argc);
    refuse(x, refusal);
    return !refusal;
  }

  static void engineMessage(Self* x, t_symbol* s, int argc, t_atom* argv) {
    forward(x, s, argc, argv);
  }

  // The outlets are there: the count is the creation argument's.
  static void chans(Self* x, t_symbol* s, int argc, t_atom* argv) {
    if (x->creating || x->channels == 0) forward(x, s, argc, argv);
    else pd_error(x, "chans message: in Pd, give the count at creation: @chans N");
  }

  // The clock runs while events are on.
  static void events(Self* x, t_symbol* s, int argc, t_atom* argv) {
    forward(x, s, argc, argv);
    if (x->engine->options.wantsEvents()) clock_delay(x->eventClock, 0);
  }

  // Switched on (again), band-limiting makes both wave tables' levels anew,
  // and then follows edits in place of their arrays.
  static void bandlimit(Self* x, t_symbol* s, int argc, t_atom* argv) {
    if constexpr (bandLimits) {
      if (!forward(x, s, argc, argv)) return;
      if (!x->engine->getBandLimit()) return clock_unset(x->levelClock);
      refreshLevels(x, 0);
      refreshLevels(x, 1);
      clock_delay(x->levelClock, arrayCheckInterval);
    }
  }

  // Posts why `role` reads no array, unless that cause was told last.
  static void tell(Self* x, int role) {
    const std::string text = x->notice->see(role, lookUp(x->tables[role]).data != nullptr);
    if (!text.empty()) pd_error(x, "%s: %s", class_getname(pdClass), text.c_str());
  }

  static void bindOne(Self* x, t_symbol* s, int argc, t_atom* argv) {
    if (argc < 1 || argv[0].a_type != A_SYMBOL) return badArguments(x, s);
    const int role = zunRoleOf(*roles, s->s_name);
    x->tables[role] = argv[0].a_w.w_symbol;
    x->settings->bound(s->s_name, x->tables[role]->s_name);
    x->notice->bind(role, x->tables[role]->s_name);
    tell(x, role);
    tableBound(x, role);
  }

  // A name that is not a symbol binds no array. Also the creation
  // arguments, without a selector: then only a missing name is told at
  // once, since an array later in the patch is there when the DSP starts.
  static void bindAll(Self* x, t_symbol* s, int argc, t_atom* argv) {
    zunBindInRoleOrder(*roles, argc, [&](int role) {
      const t_atom& a = argv[role];
      x->tables[role] = a.a_type == A_SYMBOL ? a.a_w.w_symbol : &s_;
      const double number = a.a_type == A_FLOAT ? a.a_w.w_float : 0.0;
      x->notice->bind(role, x->tables[role]->s_name, a.a_type == A_FLOAT ? &number : nullptr);
      if (s || !x->notice->named(role)) tell(x, role);
      x->settings->bound((*roles)[role], x->tables[role]->s_name);
      tableBound(x, role);
    });
  }

  // An attribute's name as a message: the message that sets it, as sent.
  static void attributeMessage(Self* x, t_symbol* s, int argc, t_atom* argv) {
    const char* selector = attributes.begin[attributes.find(s->s_name)].selector;
    pd_typedmess(&x->header.ob_pd, gensym(selector), argc, argv);
  }

  static const zunAttribute& attributeOf(Self* x, int a) {
    return x->settings->attributes().begin[a];
  }

  // "NAME value" out of the info outlet; nothing follows the name of a
  // table never bound or a seed never given.
  static void answer(Self* x, int a) {
    const zunValue v = x->settings->value(a);
    t_atom value[zunMostListNumbers];
    double numbers[zunMostListNumbers];
    const int listed = v.numbers(numbers);
    for (int k = 0; k < listed; ++k) SETFLOAT(&value[k], static_cast<t_float>(numbers[k]));
    if (v.kind == zunValue::Kind::integer) SETFLOAT(&value[0], static_cast<t_float>(v.integer));
    if (v.kind == zunValue::Kind::real) SETFLOAT(&value[0], static_cast<t_float>(v.real));
    if (v.kind == zunValue::Kind::symbol) SETSYMBOL(&value[0], gensym(v.symbol));
    const int count = v.kind == zunValue::Kind::none ? 0 : listed > 0 ? listed : 1;
    outlet_anything(x->infoOutlet, gensym(attributeOf(x, a).name), count, value);
  }

  static void get(Self* x, t_symbol* s, int argc, t_atom* argv) {
    catchUp(x);
    if (argc < 1 || argv[0].a_type != A_SYMBOL) return badArguments(x, s);
    const int a = x->settings->attributes().find(argv[0].a_w.w_symbol->s_name);
    if (a < 0)
      return pd_error(x, "%s: no attribute named '%s'", class_getname(pdClass),
                      argv[0].a_w.w_symbol->s_name);
    answer(x, a);
  }

  // Every attribute, in an order that sent back rebuilds the state; those
  // with nothing to tell are left out.
  static void dump(Self* x) {
    catchUp(x);
    int order[zunMaxAttributes];
    const int n = x->settings->dumpOrder(order);
    for (int i = 0; i < n; ++i)
      if (x->settings->value(order[i]).kind != zunValue::Kind::none) answer(x, order[i]);
  }

  // A float, or a list of two while stealing is on (zunInfoValues).
  static void info(Self* x) {
    long long values[2];
    const int count = zunInfoValues(*x->engine, values);
    if (count == 1) return outlet_float(x->infoOutlet, static_cast<t_float>(values[0]));
    t_atom list[2];
    for (int i = 0; i < 2; ++i) SETFLOAT(&list[i], static_cast<t_float>(values[i]));
    outlet_list(x->infoOutlet, &s_list, 2, list);
  }

  // ---- grain events: a list of floats each, the sample count exact up to
  // 2^24

  static void deliverEvents(Self* x) {
    const int fields = x->channels > 0 ? zunMcEventFields : zunEventFields;
    const auto send = [x, fields](const double (&values)[zunMostEventFields], bool formant) {
      t_atom list[zunMostEventFields];
      for (int i = 0; i < fields; ++i) SETFLOAT(&list[i], static_cast<t_float>(values[i]));
      SETFLOAT(&list[fields], static_cast<t_float>(values[zunMcEventFields]));
      outlet_list(x->eventOutlet, &s_list, fields + (formant ? 1 : 0), list);
    };
    const auto lost = [x](unsigned long long n) { pd_error(x, zunEventsLostText, n); };
    if (zunEventRound(*x->engine, x->eventsReported, send, lost))
      clock_delay(x->eventClock, zunEventInterval);
  }

  // ---- band-limited wave tables (burst.zun~). Levels are made here, on
  // Pd's message side, from an array as it is: when a wave table is bound,
  // on "bandlimit 1", when a vector finds that a wave table's array has
  // moved or changed length, and when a check every arrayCheckInterval
  // finds its contents changed in place (Pd tells its readers nothing: the
  // levels follow at the next clock, and the vectors in between read the
  // array as it is).

  // A likeness of a table's contents, cheap enough to take every check: at
  // most 65536 of its samples, evenly spaced, and its length. FNV-1a over
  // each sample's bits, copied out as bits so that any float (NaN, -0) counts.
  static unsigned long long fingerprint(const zunTable& t) {
    unsigned long long print = 14695981039346656037ULL ^ static_cast<unsigned long long>(t.frames);
    const long long step = t.frames / 65536 + 1;
    for (long long i = 0; t.data && i < t.frames; i += step) {
      std::uint32_t bits;
      std::memcpy(&bits, t.data + i * t.stride, sizeof bits);
      print = (print ^ bits) * 1099511628211ULL;
    }
    return print;
  }

  static void refreshLevels(Self* x, int which) {
    if constexpr (bandLimits) {
      const zunTable now = lookUpRole(x, zunBurstWaveRoles[which]);
      x->levelSources[which] = now;
      x->levelPrints[which] = fingerprint(now);
      x->engine->refreshWaveLevels(which, [&now](auto use) { use(now); });
    }
  }

  static void tableBound(Self* x, int role) {
    for (int which = 0; which < 2; ++which)
      if (bandLimits && zunBurstWaveRoles[which] == role) refreshLevels(x, which);
  }

  static bool moved(const zunTable& now, const zunTable& source) {
    return now.data != source.data || now.frames != source.frames;
  }

  // Audio side: schedules followArrays when a wave table is not the array
  // its levels were made from.
  static void noticeMovedArrays(Self* x, const zunTable (&found)[Roles]) {
    if constexpr (bandLimits) {
      if (!x->engine->getBandLimit()) return;
      for (int which = 0; which < 2; ++which)
        if (moved(found[zunBurstWaveRoles[which]], x->levelSources[which]))
          clock_delay(x->levelClock, 0);
    }
  }

  static void followArrays(Self* x) {
    if constexpr (bandLimits) {
      if (!x->engine->getBandLimit()) return;
      for (int which = 0; which < 2; ++which) {
        const zunTable now = lookUpRole(x, zunBurstWaveRoles[which]);
        if (moved(now, x->levelSources[which]) || fingerprint(now) != x->levelPrints[which])
          refreshLevels(x, which);
      }
      clock_delay(x->levelClock, arrayCheckInterval);
    }
  }

  // ---- floats into the parameter inlets. Pd keeps each as its inlet's
  // value: the audio takes it before the next vector, which the engine
  // then renders as after the message the inlet stands for, and the
  // message side records it (or takes it itself while no DSP runs).

  static t_float waiting() { return std::numeric_limits<t_float>::quiet_NaN(); }

  // Audio side, before the engine runs.
  static void takeFloats(Self* x) {
    for (int k = 0; k < inlets; ++k) {
      const t_float f = *x->floats[k];
      if (std::isnan(f)) continue;
      *x->floats[k] = waiting();
      x->refusals[k] = inletMessages[k]->real(*x->engine, static_cast<double>(f));
      x->taken[k] = f;
      x->toRecord[k] = true;
      clock_delay(x->recordClock, 0);
    }
  }

  // Message side: what the audio took is recorded, and what waits is taken.
  static void catchUp(Self* x) {
    for (int k = 0; k < inlets; ++k) {
      if (x->toRecord[k]) {
        x->toRecord[k] = false;
        if (x->refusals[k]) refuse(x, x->refusals[k]);
        else x->settings->took(*inletMessages[k], static_cast<double>(x->taken[k]));
      }
      const t_float f = *x->floats[k];
      if (std::isnan(f)) continue;
      *x->floats[k] = waiting();
      refuse(x, x->settings->set(*x->engine, *inletMessages[k], static_cast<double>(f)));
    }
  }

  // Which parameter inlets a signal outlet of the patch is wired to.
  static void findConnections(Self* x) {
    bool wired[inlets] = {};
    t_linetraverser t;
    linetraverser_start(&t, x->canvas);
    while (linetraverser_next(&t))
      if (t.tr_ob2 == &x->header && t.tr_inno >= 1 && t.tr_inno <= inlets &&
          obj_issignaloutlet(t.tr_ob, t.tr_outno))
        wired[t.tr_inno - 1] = true;
    for (int k = 0; k < inlets; ++k) x->engine->inlets.setConnected(k, wired[k]);
  }

  // ---- audio

  // The array bound to `name` as it is now. Looked up at every vector, so
  // that an array deleted, resized or made since the last one is never
  // read through a stale pointer.
  static zunTable lookUp(t_symbol* name) {
    t_garray* array = reinterpret_cast<t_garray*>(pd_findbyclass(name, garray_class));
    int frames = 0;
    t_word* words = nullptr;
    if (!array || !garray_getfloatwords(array, &frames, &words) || !words)
      return {nullptr, 0, 0};
    return {&words->w_float, frames, static_cast<long long>(sizeof(t_word) / sizeof(t_float))};
  }

  // A wave table of 2^n + 3 points is what "sinesum" and "cosinesum" make:
  // one cycle of 2^n points with tabosc4~'s guard points, one before and
  // two after, which read as part of the cycle would be heard as a click
  // every period. Such an array is read as its cycle alone.
  static zunTable cycleOf(const zunTable& t) {
    const long long cycle = t.frames - 3;
    if (!t.data || cycle < 2 || (cycle & (cycle - 1)) != 0) return t;
    return {t.data + t.stride, cycle, t.stride};
  }

  static zunTable lookUpRole(Self* x, int role) {
    const zunTable t = lookUp(x->tables[role]);
    if constexpr (bandLimits)
      if (role == zunBurstWaveRoles[0] || role == zunBurstWaveRoles[1]) return cycleOf(t);
    return t;
  }

  static void warnNonFinite(Self* x) {
    logpost(x, PD_NORMAL, "warning: %s: %s", class_getname(pdClass), zunNonFiniteText);
  }

  // Samples that Pd's signals cannot hold as finite numbers go out as 0.
  // The warning waits for a clock, as Pd's DSP posts nothing; it is told
  // once per DSP run (from one "dsp" to the next).
  static void keepFinite(Self* x, double* const* outs, int count, int n) {
    const double largest = std::numeric_limits<t_sample>::max();
    long zeroed = 0;
    for (int k = 0; k < count; ++k) zeroed += zunZeroNonFinite(outs[k], n, largest);
    if (zeroed == 0 || x->finiteTold) return;
    x->finiteTold = true;
    clock_delay(x->finiteClock, 0);
  }

  int outputs() const { return channels > 0 ? channels : 2; }

  // w holds x, the inputs (the trigger input first), the outputs and the
  // vector size. The inputs are read whole before an output is written:
  // Pd may hand an inlet and an outlet the same vector.
  static t_int* perform(t_int* w) {
    Self* x = reinterpret_cast<Self*>(w[1]);
    const int count = x->outputs();
    const int n = static_cast<int>(w[2 + signalIns + count]);
    zunTable found[Roles];
    for (size_t r = 0; r < Roles; ++r) found[r] = lookUpRole(x, static_cast<int>(r));
    noticeMovedArrays(x, found);
    double* outs[zunChannelRouting::mostChannels];
    for (int k = 0; k < count; ++k) outs[k] = x->work + static_cast<size_t>(k) * n;
    double* ins[signalIns];
    for (int k = 0; k < signalIns; ++k) {
      const bool read = k == 0 || k > inlets || x->engine->inlets.isConnected(k - 1);
      ins[k] = read ? x->work + static_cast<size_t>(count + k) * n : nullptr;
      const t_sample* in = reinterpret_cast<t_sample*>(w[2 + k]);
      for (int i = 0; read && i < n; ++i) ins[k][i] = static_cast<double>(in[i]);
    }
    takeFloats(x);
    zunRun(*x->engine, ins, signalIns, outs, count, n, found);
    keepFinite(x, outs, count, n);
    for (int k = 0; k < count; ++k) {
      t_sample* out = reinterpret_cast<t_sample*>(w[2 + signalIns + k]);
      for (int i = 0; i < n; ++i) out[i] = static_cast<t_sample>(outs[k][i]);
    }
    return w + 3 + signalIns + count;
  }

  // The engine renders in double: its vectors are made here, never on the
  // audio path.
  static void dsp(Self* x, t_signal** sp) {
    const int n = sp[0]->s_n;
    const int count = x->outputs();
    if (n != x->workFrames) {
      delete[] x->work;
      x->work = new double[static_cast<size_t>(count + signalIns) * static_cast<size_t>(n)]();
      x->workFrames = n;
    }
    zunFollowRate(*x->engine, static_cast<double>(sp[0]->s_sr));
    for (size_t r = 0; r < Roles; ++r) tell(x, static_cast<int>(r));
    x->finiteTold = false;
    findConnections(x);
    if (x->channels > 0) x->engine->setOutputChannels(x->channels);
    t_int args[2 + signalIns + zunChannelRouting::mostChannels];
    args[0] = reinterpret_cast<t_int>(x);
    for (int k = 0; k < signalIns + count; ++k)
      args[1 + k] = reinterpret_cast<t_int>(sp[k]->s_vec);
    args[1 + signalIns + count] = static_cast<t_int>(n);
    dsp_addv(perform, 2 + signalIns + count, args);
  }
};
