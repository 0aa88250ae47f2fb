// cloud.zun~: the Max signal object around one sample granulator engine.
// It binds two buffer~ tables by name (the sample and the window),
// forwards its messages to the engine and runs the engine once per signal
// vector on the locked tables. Built with ZUN_MC it is mc.cloud.zun~, whose
// one outlet carries "chans" channels.

#include "ext.h"
#include "ext_buffer.h"
#include "ext_obex.h"
#include "z_dsp.h"
#include "zunCloud.h"
#include "zunExternal.h"
#include "zunMessages.h"
#include "zunSettings.h"

namespace {

struct _index {
  t_pxobject header;
  zunCloud* engine;
  zunBufferRef sample_ref;
  zunBufferRef windowing_ref;
  zunTableNotice<2>* notice;
  void* info_outlet;
  zunEventOutlet events;
  zunFiniteOutput finite;
  zunSettings<zunCloud>* settings;  // the last value each setter took
  zunChannels channels;
  void* obex;
};

const char* const className = zunMultichannel ? "mc.cloud.zun~" : "cloud.zun~";
zunMessageTable<zunCloud> messages() {
  return zunMultichannel ? zunMcCloudMessages() : zunCloudMessages();
}
zunAttributeTable<zunCloud> attributes() {
  return zunMultichannel ? zunMcCloudAttributes() : zunCloudAttributes();
}

using Attributes = zunAttributesInMax<_index, zunCloud>;

t_class* cloud_class = nullptr;

// ---- buffer binding

zunBufferRef& cloud_ref(_index* x, int role) {
  return role == 0 ? x->sample_ref : x->windowing_ref;
}

void cloud_bindRole(_index* x, int role, t_symbol* name, const double* given, bool creating) {
  zunBindRole(&x->header.z_ob, cloud_ref(x, role), *x->notice, role, name, given, creating);
  x->settings->bound(zunCloudRoles[role], name->s_name);
}

void cloud_setSample(_index* x, t_symbol* name) { cloud_bindRole(x, 0, name, nullptr, false); }
void cloud_setWindowing(_index* x, t_symbol* name) { cloud_bindRole(x, 1, name, nullptr, false); }

// Arguments in role order: sample, window. Also the creation arguments,
// without a selector.
void cloud_setbuf(_index* x, t_symbol* s, long argc, t_atom* argv) {
  zunBindInRoleOrder(zunCloudRoles, argc, [&](int role) {
    double number;
    t_symbol* name = atom_getsymarg(static_cast<short>(role), static_cast<short>(argc), argv);
    cloud_bindRole(x, role, name, zunNumberIn(argv[role], number), s == nullptr);
  });
}

// ---- life

void cloud_tick(_index* x) { zunEventsTick(x->events, *x->engine); }
void cloud_finiteTick(_index* x) { zunFiniteTick(x->finite, &x->header.z_ob); }

void* cloud_new(t_symbol*, long argc, t_atom* argv) {
  object_post(nullptr, "%s", zunMultichannel ? zunMcCloudBanner : zunCloudBanner);
  _index* x = static_cast<_index*>(object_alloc(cloud_class));
  if (!x) return nullptr;
  // The events outlet is made first, so that it is the rightmost.
  zunEventsMade(x->events, &x->header.z_ob, reinterpret_cast<method>(cloud_tick));
  zunFiniteMade(x->finite, &x->header.z_ob, reinterpret_cast<method>(cloud_finiteTick));
  x->info_outlet = intout(x);
  object_obex_store(x, gensym("dumpout"), static_cast<t_object*>(x->info_outlet));
  x->settings = new zunSettings<zunCloud>(messages(), attributes());
  x->engine = new zunCloud(zunMostVoices, static_cast<double>(sys_getsr()));
  x->engine->setSeed(zunObjectSeed<zunCloud>(zunMultichannel));
  x->windowing_ref.store(nullptr);
  x->sample_ref.store(nullptr);
  x->notice = new zunTableNotice<2>(zunCloudRoles, "buffer~");
  z_dsp_setup(&x->header, 1 + zunCloud::inletCount + zunCloud::liveInlets);
  x->channels.inForce = x->engine->options.routing.channelsAsked();
  if (zunMultichannel) {
    outlet_new(x, "multichannelsignal");
  } else {
    outlet_new(x, "signal");
    outlet_new(x, "signal");
  }
  cloud_setbuf(x, nullptr, attr_args_offset(static_cast<short>(argc), argv), argv);
  attr_args_process(x, static_cast<short>(argc), argv);
  return x;
}

void cloud_free(_index* x) {
  z_dsp_free(&x->header);
  object_free(x->events.clock);
  object_free(x->finite.clock);
  if (t_buffer_ref* ref = x->sample_ref.load()) object_free(ref);
  if (t_buffer_ref* ref = x->windowing_ref.load()) object_free(ref);
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

void cloud_start(_index* x, t_atom_long v) { zunRefuse(zunStart(*x->engine, v)); }
void cloud_interp(_index* x, t_atom_long v) { zunRefuse(take(x, "interp", v)); }
void cloud_overlap(_index* x, t_atom_long v) { zunRefuse(take(x, "overlap", v)); }
void cloud_reverse(_index* x, t_atom_long v) { zunRefuse(take(x, "reverse", v)); }
void cloud_setPanningMode(_index* x, t_atom_long v) { zunRefuse(take(x, "setPanningMode", v)); }
void cloud_setDensity(_index* x, double v) { take(x, "setDensity", v); }
void cloud_setPitch(_index* x, double v) { take(x, "setPitch", v); }

void cloud_setLevel(_index* x, double v) { take(x, "setLevel", v); }
void cloud_setWidth(_index* x, double v) { take(x, "setWidth", v); }
void cloud_setLength(_index* x, double v) { take(x, "setLength", v); }
void cloud_setRndLength(_index* x, double v) { take(x, "setRndLength", v); }
void cloud_setRndDensity(_index* x, double v) { take(x, "setRndDensity", v); }
void cloud_setRndPitch(_index* x, double v) { take(x, "setRndPitch", v); }
void cloud_setSamplePosition(_index* x, double v) { take(x, "setSamplePosition", v); }
void cloud_setPhase(_index* x, double v) { take(x, "setPhase", v); }

void cloud_info(_index* x) { zunInfo(x->info_outlet, *x->engine); }

void cloud_grain(_index* x) { x->engine->grain(); }
void cloud_flush(_index* x) { x->engine->flush(); }

void cloud_seed(_index* x, t_atom_long v) { take(x, "seed", v); }
// Beyond the first set of messages.
void cloud_setRndPosition(_index* x, double v) { take(x, "setRndPosition", v); }
void cloud_setScanSpeed(_index* x, double v) { take(x, "setScanSpeed", v); }
void cloud_setRndReverse(_index* x, double v) { take(x, "setRndReverse", v); }
void cloud_setRndLevel(_index* x, double v) { take(x, "setRndLevel", v); }
void cloud_setPanningLaw(_index* x, t_atom_long v) { zunRefuse(take(x, "setPanningLaw", v)); }
void cloud_triggerInput(_index* x, t_atom_long v) { zunRefuse(take(x, "triggerInput", v)); }
void cloud_events(_index* x, t_atom_long v) {
  zunRefuse(take(x, "events", v));
  zunEventsSwitched(x->events, *x->engine);
}
void cloud_subsample(_index* x, t_atom_long v) { zunRefuse(take(x, "subsample", v)); }
// mc.cloud.zun~'s channel settings.
void cloud_chans(_index* x, t_atom_long v) { zunRefuse(take(x, "chans", v)); }
void cloud_outmode(_index* x, t_atom_long v) { zunRefuse(take(x, "outmode", v)); }
void cloud_panmode(_index* x, t_atom_long v) { zunRefuse(take(x, "panmode", v)); }
void cloud_setChannel(_index* x, t_atom_long v) { zunRefuse(take(x, "setChannel", v)); }
void cloud_setRndChannel(_index* x, double v) { take(x, "setRndChannel", v); }
void cloud_cubic(_index* x, t_atom_long v) { zunRefuse(take(x, "cubic", v)); }

void cloud_setRegion(_index* x, double startMs, double endMs) {
  x->settings->set(*x->engine, "setRegion", startMs, endMs);
}
void cloud_setAttack(_index* x, double v) { take(x, "setAttack", v); }
void cloud_setDecay(_index* x, double v) { take(x, "setDecay", v); }
void cloud_sampleRate(_index* x, double v) { take(x, "sampleRate", v); }
void cloud_sampleChannel(_index* x, t_atom_long v) { zunRefuse(take(x, "sampleChannel", v)); }
void cloud_stereoSample(_index* x, t_atom_long v) { zunRefuse(take(x, "stereoSample", v)); }

void cloud_steal(_index* x, t_atom_long v) { zunRefuse(take(x, "steal", v)); }
void cloud_liveBuffer(_index* x, double v) { take(x, "liveBuffer", v); }
void cloud_freeze(_index* x, t_atom_long v) { zunRefuse(take(x, "freeze", v)); }

void cloud_dump(_index* x) { Attributes::dump(x); }

void cloud_assist(_index*, void*, long kind, long index, char* text) {
  zunAssist(kind, index, text, zunCloudEventNames, zunCloudInlets);
}

// Opens an editor for every bound table, in role order.
void cloud_dblclick(_index* x) {
  if (t_buffer_ref* ref = x->sample_ref.load()) buffer_view(buffer_ref_getobject(ref));
  if (t_buffer_ref* ref = x->windowing_ref.load()) buffer_view(buffer_ref_getobject(ref));
}

// A float into a signal inlet after the trigger input sends the message
// that inlet's signal stands for; into the first and the live input, it
// is not understood.
void cloud_float(_index* x, double v) {
  const char* setter = zunInletSetter(zunCloudInlets, proxy_getinlet(&x->header.z_ob));
  if (!setter) return object_error(&x->header.z_ob, "doesn't understand \"float\"");
  zunRefuse(take(x, setter, v));
}

// ---- audio

// Every vector resolves both tables afresh (the window alone while grains
// read the live input) and holds them locked while the engine runs;
// whenever it cannot run, both outputs carry silence.
void cloud_perform64(_index* x, t_object*, double** ins, long numIns, double** outs, long numOuts,
                     long sampleFrames, long, void*) {
  if (x->engine->isLive()) {
    // Grains read the live ring: the window alone is needed.
    const zunLockedTables<1> window({&x->windowing_ref});
    const zunTable tables[2] = {{nullptr, 0, 0}, window.tables[0]};
    zunRun(*x->engine, ins, numIns, outs, numOuts, sampleFrames, tables);
  } else {
    const zunLockedTables<2> locked({&x->sample_ref, &x->windowing_ref});
    zunRun(*x->engine, ins, numIns, outs, numOuts, sampleFrames, locked.tables);
  }
  zunFiniteVector(x->finite, outs, numOuts, sampleFrames);
}

long cloud_multichanneloutputs(_index* x, long outlet) {
  return zunChannelsCompiled(x->channels, *x->engine, outlet);
}

void cloud_dsp64(_index* x, t_object* chain, short* counts, double sampleRate, long, long) {
  zunInletsConnected(*x->engine, counts);
  zunChannelsStart(x->channels, *x->engine);
  // On 64-bit targets the SDK's object_method is object_method_imp with ten
  // pointer slots; called as such here, so that no variadic call is made.
#if defined(_WIN32) && !defined(_WIN64)
  object_method(chain, gensym("dsp_add64"), x, cloud_perform64, 0, 0);
#else
  object_method_imp(chain, gensym("dsp_add64"), x, reinterpret_cast<void*>(cloud_perform64), 0, 0,
                    0, 0, 0, 0);
#endif
  zunFollowRate(*x->engine, sampleRate);
  for (int role = 0; role < 2; ++role)
    zunTell(&x->header.z_ob, cloud_ref(x, role), *x->notice, role);
  zunFiniteRunStarts(x->finite);
}

}  // namespace

C74_EXPORT int main(void) {
  t_class* c = class_new(className, reinterpret_cast<method>(cloud_new),
                         reinterpret_cast<method>(cloud_free), static_cast<long>(sizeof(_index)),
                         nullptr, A_GIMME, A_DEFLONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_dsp64), "dsp64", A_CANT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_start), "start", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setSample), "setSample", A_SYM, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setWindowing), "setWindowing", A_SYM, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setbuf), "setbuf", A_GIMME, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_interp), "interp", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_overlap), "overlap", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_reverse), "reverse", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setLevel), "setLevel", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setWidth), "setWidth", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setPanningMode), "setPanningMode", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setLength), "setLength", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setRndLength), "setRndLength", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setDensity), "setDensity", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setRndDensity), "setRndDensity", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setPitch), "setPitch", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setRndPitch), "setRndPitch", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setSamplePosition), "setSamplePosition",
                  A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setPhase), "setPhase", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_info), "info", A_NOTHING, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_grain), "grain", A_NOTHING, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_assist), "assist", A_CANT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_dblclick), "dblclick", A_CANT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_seed), "seed", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setRndPosition), "setRndPosition", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setScanSpeed), "setScanSpeed", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setRndReverse), "setRndReverse", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setRndLevel), "setRndLevel", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setPanningLaw), "setPanningLaw", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_triggerInput), "triggerInput", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_events), "events", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_subsample), "subsample", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_cubic), "cubic", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_flush), "flush", A_NOTHING, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_dump), "dump", A_NOTHING, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_float), "float", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setRegion), "setRegion", A_FLOAT, A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setAttack), "setAttack", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_setDecay), "setDecay", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_sampleRate), "sampleRate", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_sampleChannel), "sampleChannel", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_stereoSample), "stereoSample", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_steal), "steal", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_liveBuffer), "liveBuffer", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(cloud_freeze), "freeze", A_LONG, 0);
  if (zunMultichannel) {
    class_addmethod(c, reinterpret_cast<method>(cloud_chans), "chans", A_LONG, 0);
    class_addmethod(c, reinterpret_cast<method>(cloud_outmode), "outmode", A_LONG, 0);
    class_addmethod(c, reinterpret_cast<method>(cloud_panmode), "panmode", A_LONG, 0);
    class_addmethod(c, reinterpret_cast<method>(cloud_setChannel), "setChannel", A_LONG, 0);
    class_addmethod(c, reinterpret_cast<method>(cloud_setRndChannel), "setRndChannel", A_FLOAT,
                    0);
    class_addmethod(c, reinterpret_cast<method>(cloud_multichanneloutputs), "multichanneloutputs",
                    A_CANT, 0);
  }
  Attributes::addTo(c, messages(), attributes());
  class_obexoffset_set(c, calcoffset(_index, obex));
  class_dspinit(c);
  class_register(gensym("box"), c);
  cloud_class = c;
  return 0;
}
