// burst.zun~: the Max signal object around one pulsar granulator engine.
// It binds three buffer~ tables by name (wave table 1, the window, wave
// table 2), forwards its messages to the engine and runs the engine once
// per signal vector on the locked tables. Built with ZUN_MC it is
// mc.burst.zun~, whose one outlet carries "chans" channels.

#include "ext.h"
#include "ext_buffer.h"
#include "ext_obex.h"
#include "z_dsp.h"
#include "zunBurst.h"
#include "zunExternal.h"
#include "zunMessages.h"
#include "zunSettings.h"

namespace {

struct _index {
  t_pxobject header;
  zunBurst* engine;
  zunBufferRef wave1_ref;
  zunBufferRef windowing_ref;
  zunBufferRef wave2_ref;
  zunTableNotice<3>* notice;
  void* info_outlet;
  zunEventOutlet events;
  zunFiniteOutput finite;
  zunSettings<zunBurst>* settings;  // the last value each setter took
  zunChannels channels;
  void* obex;
};

const char* const className = zunMultichannel ? "mc.burst.zun~" : "burst.zun~";
zunMessageTable<zunBurst> messages() {
  return zunMultichannel ? zunMcBurstMessages() : zunBurstMessages();
}
zunAttributeTable<zunBurst> attributes() {
  return zunMultichannel ? zunMcBurstAttributes() : zunBurstAttributes();
}

using Attributes = zunAttributesInMax<_index, zunBurst>;

t_class* burst_class = nullptr;

// ---- band-limited wave tables

// With band-limiting on, makes the levels of wave table `which` (0: wave
// table 1, 1: wave table 2) from its buffer~ as it is now.
void burst_refreshLevels(_index* x, int which) {
  zunBufferRef* ref = which == 0 ? &x->wave1_ref : &x->wave2_ref;
  x->engine->refreshWaveLevels(which, [ref](auto use) {
    const zunLockedTables<1> locked({ref});
    use(locked.tables[0]);
  });
}

// ---- buffer binding

zunBufferRef& burst_ref(_index* x, int role) {
  return role == 0 ? x->wave1_ref : role == 1 ? x->windowing_ref : x->wave2_ref;
}

void burst_bindRole(_index* x, int role, t_symbol* name, const double* given, bool creating) {
  zunBindRole(&x->header.z_ob, burst_ref(x, role), *x->notice, role, name, given, creating);
  x->settings->bound(zunBurstRoles[role], name->s_name);
  if (role != 1) burst_refreshLevels(x, role == 0 ? 0 : 1);
}

void burst_setWave1(_index* x, t_symbol* name) { burst_bindRole(x, 0, name, nullptr, false); }
void burst_setWindowing(_index* x, t_symbol* name) { burst_bindRole(x, 1, name, nullptr, false); }
void burst_setWave2(_index* x, t_symbol* name) { burst_bindRole(x, 2, name, nullptr, false); }

// Arguments in role order: wave table 1, window, wave table 2. Also the
// creation arguments, without a selector.
void burst_setbuf(_index* x, t_symbol* s, long argc, t_atom* argv) {
  zunBindInRoleOrder(zunBurstRoles, argc, [&](int role) {
    double number;
    t_symbol* name = atom_getsymarg(static_cast<short>(role), static_cast<short>(argc), argv);
    burst_bindRole(x, role, name, zunNumberIn(argv[role], number), s == nullptr);
  });
}

// ---- life

void burst_tick(_index* x) { zunEventsTick(x->events, *x->engine); }
void burst_finiteTick(_index* x) { zunFiniteTick(x->finite, &x->header.z_ob); }

void* burst_new(t_symbol*, long argc, t_atom* argv) {
  object_post(nullptr, "%s", zunMultichannel ? zunMcBurstBanner : zunBurstBanner);
  _index* x = static_cast<_index*>(object_alloc(burst_class));
  if (!x) return nullptr;
  // The events outlet is made first, so that it is the rightmost.
  zunEventsMade(x->events, &x->header.z_ob, reinterpret_cast<method>(burst_tick));
  zunFiniteMade(x->finite, &x->header.z_ob, reinterpret_cast<method>(burst_finiteTick));
  x->info_outlet = intout(x);
  object_obex_store(x, gensym("dumpout"), static_cast<t_object*>(x->info_outlet));
  x->settings = new zunSettings<zunBurst>(messages(), attributes());
  x->engine = new zunBurst(zunMostVoices, static_cast<double>(sys_getsr()));
  x->engine->setSeed(zunObjectSeed<zunBurst>(zunMultichannel));
  x->wave2_ref.store(nullptr);
  x->windowing_ref.store(nullptr);
  x->wave1_ref.store(nullptr);
  x->notice = new zunTableNotice<3>(zunBurstRoles, "buffer~");
  z_dsp_setup(&x->header, 1 + zunBurst::inletCount);
  x->channels.inForce = x->engine->options.routing.channelsAsked();
  if (zunMultichannel) {
    outlet_new(x, "multichannelsignal");
  } else {
    outlet_new(x, "signal");
    outlet_new(x, "signal");
  }
  burst_setbuf(x, nullptr, attr_args_offset(static_cast<short>(argc), argv), argv);
  attr_args_process(x, static_cast<short>(argc), argv);
  return x;
}

void burst_free(_index* x) {
  z_dsp_free(&x->header);
  object_free(x->events.clock);
  object_free(x->finite.clock);
  if (t_buffer_ref* ref = x->wave1_ref.load()) object_free(ref);
  if (t_buffer_ref* ref = x->windowing_ref.load()) object_free(ref);
  if (t_buffer_ref* ref = x->wave2_ref.load()) object_free(ref);
  delete x->notice;
  delete x->engine;
  delete x->settings;
}

// ---- messages

// A value for the engine, recorded if it takes it.
const char* take(_index* x, const char* selector, t_atom_long v) {
  return x->settings->set(*x->engine, selector, static_cast<long long>(v));
}
const char* take(_index* x, const char* selector, double v) {
  return x->settings->set(*x->engine, selector, v);
}

void burst_start(_index* x, t_atom_long v) { zunRefuse(zunStart(*x->engine, v)); }
void burst_interp(_index* x, t_atom_long v) { zunRefuse(take(x, "interp", v)); }
void burst_setPanningMode(_index* x, t_atom_long v) { zunRefuse(take(x, "setPanningMode", v)); }
void burst_setDensity(_index* x, double v) { take(x, "setDensity", v); }

void burst_setLevel(_index* x, double v) { take(x, "setLevel", v); }
void burst_setWidth(_index* x, double v) { take(x, "setWidth", v); }
void burst_setAttack(_index* x, double v) { take(x, "setAttack", v); }
void burst_setDecay(_index* x, double v) { take(x, "setDecay", v); }
void burst_setLength(_index* x, double v) { take(x, "setLength", v); }
void burst_setRndLength(_index* x, double v) { take(x, "setRndLength", v); }
void burst_setRndDensity(_index* x, double v) { take(x, "setRndDensity", v); }
void burst_setCps(_index* x, double v) { take(x, "setCps", v); }
void burst_setRndCps(_index* x, double v) { take(x, "setRndCps", v); }
void burst_setGlisson(_index* x, double v) { take(x, "setGlisson", v); }
void burst_setRndGlisson(_index* x, double v) { take(x, "setRndGlisson", v); }
void burst_setMorph(_index* x, double v) { take(x, "setMorph", v); }
void burst_setRndMorph(_index* x, double v) { take(x, "setRndMorph", v); }

void burst_info(_index* x) { zunInfo(x->info_outlet, *x->engine); }

void burst_grain(_index* x) { x->engine->grain(); }
void burst_flush(_index* x) { x->engine->flush(); }

void burst_seed(_index* x, t_atom_long v) { take(x, "seed", v); }
// Beyond the first set of messages.
void burst_setRndMask(_index* x, double v) { take(x, "setRndMask", v); }
void burst_setBurstPlay(_index* x, t_atom_long v) { take(x, "setBurstPlay", v); }
void burst_setBurstRest(_index* x, t_atom_long v) { take(x, "setBurstRest", v); }
void burst_setRndLevel(_index* x, double v) { take(x, "setRndLevel", v); }
void burst_setPanningLaw(_index* x, t_atom_long v) { zunRefuse(take(x, "setPanningLaw", v)); }
void burst_triggerInput(_index* x, t_atom_long v) { zunRefuse(take(x, "triggerInput", v)); }
void burst_events(_index* x, t_atom_long v) {
  zunRefuse(take(x, "events", v));
  zunEventsSwitched(x->events, *x->engine);
}

void burst_subsample(_index* x, t_atom_long v) { zunRefuse(take(x, "subsample", v)); }
// mc.burst.zun~'s channel settings.
void burst_chans(_index* x, t_atom_long v) { zunRefuse(take(x, "chans", v)); }
void burst_outmode(_index* x, t_atom_long v) { zunRefuse(take(x, "outmode", v)); }
void burst_panmode(_index* x, t_atom_long v) { zunRefuse(take(x, "panmode", v)); }
void burst_setChannel(_index* x, t_atom_long v) { zunRefuse(take(x, "setChannel", v)); }
void burst_setRndChannel(_index* x, double v) { take(x, "setRndChannel", v); }
void burst_cubic(_index* x, t_atom_long v) { zunRefuse(take(x, "cubic", v)); }

// Switched on (again), band-limiting makes both wave tables' levels anew.
void burst_bandlimit(_index* x, t_atom_long v) {
  const char* refusal = take(x, "bandlimit", v);
  zunRefuse(refusal);
  if (refusal || v == 0) return;
  burst_refreshLevels(x, 0);
  burst_refreshLevels(x, 1);
}

// A buffer~ that a reference names tells its clients when it appears, goes
// or changes; band-limited levels are made anew for each wave table whose
// buffer~ sent it, or that has none now.
t_max_err burst_notify(_index* x, t_symbol* s, t_symbol* msg, void* sender, void* data) {
  zunBufferRef* const refs[] = {&x->wave1_ref, &x->windowing_ref, &x->wave2_ref};
  for (zunBufferRef* ref : refs)
    if (t_buffer_ref* r = ref->load()) buffer_ref_notify(r, s, msg, sender, data);
  if (!zunTableChange(msg) || !x->engine->getBandLimit()) return MAX_ERR_NONE;
  for (int which = 0; which < 2; ++which) {
    t_buffer_ref* r = (which == 0 ? x->wave1_ref : x->wave2_ref).load();
    t_buffer_obj* b = r ? buffer_ref_getobject(r) : nullptr;
    if (!b || b == sender) burst_refreshLevels(x, which);
  }
  return MAX_ERR_NONE;
}

void burst_steal(_index* x, t_atom_long v) { zunRefuse(take(x, "steal", v)); }

// Formants: lists of numbers.
void burst_list(_index* x, t_symbol* s, long argc, t_atom* argv) {
  double values[zunMostListNumbers];
  const int count = zunNumbersIn(argc, argv, values);
  zunRefuse(x->settings->set(*x->engine, s->s_name, values, count));
}
void burst_lengthMode(_index* x, t_atom_long v) { zunRefuse(take(x, "lengthMode", v)); }

void burst_dump(_index* x) { Attributes::dump(x); }

void burst_assist(_index*, void*, long kind, long index, char* text) {
  zunAssist(kind, index, text, zunBurstEventNames, zunBurstInlets);
}

// Opens an editor for every bound table, in role order.
void burst_dblclick(_index* x) {
  if (t_buffer_ref* ref = x->wave1_ref.load()) buffer_view(buffer_ref_getobject(ref));
  if (t_buffer_ref* ref = x->windowing_ref.load()) buffer_view(buffer_ref_getobject(ref));
  if (t_buffer_ref* ref = x->wave2_ref.load()) buffer_view(buffer_ref_getobject(ref));
}

// A float into a signal inlet after the trigger input sends the message
// that inlet's signal stands for; into the first, it is not understood.
void burst_float(_index* x, double v) {
  const char* setter = zunInletSetter(zunBurstInlets, proxy_getinlet(&x->header.z_ob));
  if (!setter) return object_error(&x->header.z_ob, "doesn't understand \"float\"");
  zunRefuse(take(x, setter, v));
}

// ---- audio

// Every vector resolves the three tables afresh and holds them locked
// while the engine runs; whenever it cannot run, both outputs carry
// silence.
void burst_perform64(_index* x, t_object*, double** ins, long numIns, double** outs, long numOuts,
                     long sampleFrames, long, void*) {
  const zunLockedTables<3> locked({&x->wave1_ref, &x->windowing_ref, &x->wave2_ref});
  zunRun(*x->engine, ins, numIns, outs, numOuts, sampleFrames, locked.tables);
  zunFiniteVector(x->finite, outs, numOuts, sampleFrames);
}

long burst_multichanneloutputs(_index* x, long outlet) {
  return zunChannelsCompiled(x->channels, *x->engine, outlet);
}

void burst_dsp64(_index* x, t_object* chain, short* counts, double sampleRate, long, long) {
  zunInletsConnected(*x->engine, counts);
  zunChannelsStart(x->channels, *x->engine);
  // On 64-bit targets the SDK's object_method is object_method_imp with ten
  // pointer slots; called as such here, so that no variadic call is made.
#if defined(_WIN32) && !defined(_WIN64)
  object_method(chain, gensym("dsp_add64"), x, burst_perform64, 0, 0);
#else
  object_method_imp(chain, gensym("dsp_add64"), x, reinterpret_cast<void*>(burst_perform64), 0, 0,
                    0, 0, 0, 0);
#endif
  zunFollowRate(*x->engine, sampleRate);
  for (int role = 0; role < 3; ++role)
    zunTell(&x->header.z_ob, burst_ref(x, role), *x->notice, role);
  zunFiniteRunStarts(x->finite);
}

}  // namespace

C74_EXPORT int main(void) {
  t_class* c = class_new(className, reinterpret_cast<method>(burst_new),
                         reinterpret_cast<method>(burst_free), static_cast<long>(sizeof(_index)),
                         nullptr, A_GIMME, A_DEFLONG, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_dsp64), "dsp64", A_CANT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_start), "start", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setWave1), "setWave1", A_SYM, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setWave2), "setWave2", A_SYM, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setWindowing), "setWindowing", A_SYM, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setbuf), "setbuf", A_GIMME, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_interp), "interp", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setLevel), "setLevel", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setWidth), "setWidth", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setPanningMode), "setPanningMode", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setAttack), "setAttack", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setDecay), "setDecay", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setLength), "setLength", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setRndLength), "setRndLength", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setDensity), "setDensity", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setRndDensity), "setRndDensity", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setCps), "setCps", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setRndCps), "setRndCps", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setGlisson), "setGlisson", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setRndGlisson), "setRndGlisson", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setMorph), "setMorph", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setRndMorph), "setRndMorph", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_info), "info", A_NOTHING, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_grain), "grain", A_NOTHING, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_assist), "assist", A_CANT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_dblclick), "dblclick", A_CANT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_seed), "seed", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setRndLevel), "setRndLevel", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setRndMask), "setRndMask", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setBurstPlay), "setBurstPlay", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setBurstRest), "setBurstRest", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_setPanningLaw), "setPanningLaw", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_triggerInput), "triggerInput", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_events), "events", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_subsample), "subsample", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_bandlimit), "bandlimit", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_cubic), "cubic", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_notify), "notify", A_CANT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_flush), "flush", A_NOTHING, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_dump), "dump", A_NOTHING, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_float), "float", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_steal), "steal", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_list), "setFormants", A_GIMME, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_list), "setFormantLevels", A_GIMME, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_list), "setFormantPans", A_GIMME, 0);
  class_addmethod(c, reinterpret_cast<method>(burst_lengthMode), "lengthMode", A_LONG, 0);
  if (zunMultichannel) {
    class_addmethod(c, reinterpret_cast<method>(burst_chans), "chans", A_LONG, 0);
    class_addmethod(c, reinterpret_cast<method>(burst_outmode), "outmode", A_LONG, 0);
    class_addmethod(c, reinterpret_cast<method>(burst_panmode), "panmode", A_LONG, 0);
    class_addmethod(c, reinterpret_cast<method>(burst_setChannel), "setChannel", A_LONG, 0);
    class_addmethod(c, reinterpret_cast<method>(burst_setRndChannel), "setRndChannel", A_FLOAT,
                    0);
    class_addmethod(c, reinterpret_cast<method>(burst_multichanneloutputs), "multichanneloutputs",
                    A_CANT, 0);
  }
  Attributes::addTo(c, messages(), attributes());
  class_obexoffset_set(c, calcoffset(_index, obex));
  class_dspinit(c);
  class_register(gensym("box"), c);
  burst_class = c;
  return 0;
}
