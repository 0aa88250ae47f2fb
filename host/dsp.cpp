// The audio chain. Compiling it sends "dsp64" to every signal object; each
// answers by adding its perform routine through the chain's "dsp_add64".
// Every process() then calls the routines in order on one vector, each with
// its object's own input and output vectors, made when the chain compiles:
// one for each "signal" outlet, and for a "multichannelsignal" outlet as
// many as the object's "multichanneloutputs" answers just before "dsp64".

#include <algorithm>
#include <cstdarg>
#include <limits>
#include <map>

#include "ext_obex.h"
#include "hostState.h"
#include "typedCall.h"
#include "z_dsp.h"

namespace {

using zun::detail::ChainEntry;

zun::detail::Dsp& dsp() { return zun::detail::host().dsp; }

t_object* chainObject() {
  static t_object chain = [] {
    t_object o{};
    o.o_messlist = &zun::detail::internalClass("dspchain", nullptr)->link;
    o.o_magic = OB_MAGIC;
    return o;
  }();
  return &chain;
}

bool isSignal(const zun::detail::Outlet* o) {
  return o->type == gensym("signal") || o->type == gensym("multichannelsignal");
}

long signalOutlets(t_object* x) {
  long n = 0;
  for (int i = 0; zun::detail::Outlet* o = zun::detail::outletAt(x, i); ++i)
    if (isSignal(o)) ++n;
  return n;
}

// A multichannel outlet without an answer, or with one below 1, has one
// channel; Max takes at most MC_MAX_CHANS.
long outletChannels(t_object* x, int outlet) {
  const maxclass::Method* m = zun::detail::classOf(x)->find(gensym("multichanneloutputs"));
  if (!m) return 1;
  const long n = zun::detail::methodAs<long (*)(void*, long)>(m->fn)(x, outlet);
  return n < 1 ? 1 : (n > 1024 ? 1024 : n);
}

long outputVectors(t_object* x) {
  long n = 0;
  for (int i = 0; zun::detail::Outlet* o = zun::detail::outletAt(x, i); ++i)
    if (isSignal(o)) n += o->type == gensym("signal") ? 1 : outletChannels(x, i);
  return n;
}

void addPerform(t_object* x, t_perfroutine64 routine, long flags, void* userParam) {
  zun::detail::Dsp& d = dsp();
  if (!routine || std::find(d.signalObjects.begin(), d.signalObjects.end(), x) ==
                      d.signalObjects.end())
    return;
  ChainEntry e{x, routine, flags, userParam, {}, {}, {}};
  const long numIns = reinterpret_cast<t_pxobject*>(x)->z_count;
  const auto compiled = d.compiledOutputs.find(x);
  const long numOuts = compiled != d.compiledOutputs.end() ? compiled->second : signalOutlets(x);
  e.storage.assign(static_cast<size_t>((numIns + numOuts) * d.frames), 0.0);
  for (long i = 0; i < numIns + numOuts; ++i)
    (i < numIns ? e.ins : e.outs).push_back(e.storage.data() + i * d.frames);
  d.chain.push_back(std::move(e));
}

ChainEntry& entryOf(t_object* x) {
  for (ChainEntry& e : dsp().chain)
    if (e.object == x) return e;
  throw zun::HostError("the object has no perform routine in the chain");
}

void perform(ChainEntry& e) {
  const zun::detail::Dsp& d = dsp();
  const long frames = d.frames;
  for (size_t i = 0; i < e.ins.size(); ++i) {
    const auto feed = d.feeds.find({e.object, static_cast<int>(i)});
    if (feed != d.feeds.end()) feed->second(e.ins[i], frames);
    else std::fill(e.ins[i], e.ins[i] + frames, 0.0);
  }
  for (double* out : e.outs) std::fill(out, out + frames, std::numeric_limits<double>::quiet_NaN());
  e.routine(e.object, chainObject(), e.ins.data(), static_cast<long>(e.ins.size()), e.outs.data(),
            static_cast<long>(e.outs.size()), frames, e.flags, e.userParam);
}

void compile() {
  zun::detail::Dsp& d = dsp();
  d.chain.clear();
  d.compiledOutputs.clear();
  const std::vector<t_object*> objects = d.signalObjects;
  for (t_object* x : objects) {
    const maxclass::Method* dsp64 = zun::detail::classOf(x)->find(gensym("dsp64"));
    if (!dsp64) continue;
    d.compiledOutputs[x] = outputVectors(x);
    // Inlets with a feed are connected; every outlet is.
    std::vector<short> counts(static_cast<size_t>(reinterpret_cast<t_pxobject*>(x)->z_count), 0);
    for (size_t i = 0; i < counts.size(); ++i)
      counts[i] = static_cast<short>(d.feeds.count({x, static_cast<int>(i)}));
    counts.resize(counts.size() + static_cast<size_t>(signalOutlets(x)), 1);
    zun::detail::methodAs<void (*)(void*, t_object*, short*, double, long, long)>(dsp64->fn)(
        x, chainObject(), counts.data(), d.rate, d.frames, 0);
  }
}

}  // namespace

extern "C" float sys_getsr(void) { return static_cast<float>(dsp().rate); }

extern "C" void z_dsp_setup(t_pxobject* x, long nsignals) {
  if (!x || !zun::detail::isLive(&x->z_ob)) return;
  x->z_in = 0;
  x->z_count = static_cast<short>(nsignals);
  x->z_disabled = 0;
  std::vector<t_object*>& made = dsp().signalObjects;
  if (std::find(made.begin(), made.end(), &x->z_ob) == made.end()) made.push_back(&x->z_ob);
}

extern "C" void z_dsp_free(t_pxobject* x) {
  if (x) zun::detail::dropFromDsp(&x->z_ob);
}

// The host's objects answer one untyped message: the chain's "dsp_add64"
// (object, perform routine, flags, user parameter).
extern "C" void* object_method_imp(void* x, void* sym, void* p1, void* p2, void* p3, void* p4,
                                   void*, void*, void*, void*) {
  if (x == chainObject() && sym == gensym("dsp_add64"))
    addPerform(static_cast<t_object*>(p1), reinterpret_cast<t_perfroutine64>(p2),
               static_cast<long>(reinterpret_cast<t_ptr_int>(p3)), p4);
  return nullptr;
}

// The arguments of "dsp_add64" are read as object, routine, flags (long)
// and user parameter.
extern "C" void* object_method(void* x, t_symbol* s, ...) {
  if (x != chainObject() || s != gensym("dsp_add64")) return nullptr;
  va_list args;
  va_start(args, s);
  void* object = va_arg(args, void*);
  void* routine = va_arg(args, void*);
  const long flags = va_arg(args, long);
  void* userParam = va_arg(args, void*);
  va_end(args);
  addPerform(static_cast<t_object*>(object), reinterpret_cast<t_perfroutine64>(routine), flags,
             userParam);
  return nullptr;
}

namespace zun {

namespace detail {

void dropFromDsp(t_object* x) {
  Dsp& d = dsp();
  for (auto f = d.feeds.begin(); f != d.feeds.end();)
    f = f->first.first == x ? d.feeds.erase(f) : ++f;
  d.signalObjects.erase(std::remove(d.signalObjects.begin(), d.signalObjects.end(), x),
                        d.signalObjects.end());
  d.compiledOutputs.erase(x);
  d.chain.erase(std::remove_if(d.chain.begin(), d.chain.end(),
                               [x](const ChainEntry& e) { return e.object == x; }),
                d.chain.end());
}

}  // namespace detail

// While audio runs, a new rate or vector size recompiles the chain, as Max
// restarts audio on such a change.
void setSampleRate(double sr) {
  if (!(sr > 0.0)) throw HostError("the sample rate must be positive");
  dsp().rate = sr;
  if (dsp().running) compile();
}

double sampleRate() { return dsp().rate; }

void setVectorSize(long n) {
  if (n < 1) throw HostError("the vector size must be positive");
  dsp().frames = n;
  if (dsp().running) compile();
}

long vectorSize() { return dsp().frames; }

void startDsp() {
  dsp().running = true;
  compile();
}

void stopDsp() {
  dsp().running = false;
  dsp().chain.clear();
}

bool dspRunning() { return dsp().running; }

std::vector<PerformEntry> dspChain() {
  std::vector<PerformEntry> entries;
  for (const ChainEntry& e : dsp().chain)
    entries.push_back({e.object, e.routine, e.flags, e.userParam});
  return entries;
}

void process() {
  if (!dsp().running) throw HostError("audio is off");
  for (ChainEntry& e : dsp().chain) perform(e);
}

void process(t_object* x) {
  if (!dsp().running) throw HostError("audio is off");
  perform(entryOf(x));
}

void feedInput(t_object* x, int inlet, std::function<void(double*, long)> fill) {
  if (!detail::isLive(x)) throw HostError("not a live object");
  if (fill) dsp().feeds[{x, inlet}] = std::move(fill);
  else dsp().feeds.erase({x, inlet});
}

int outputCount(t_object* x) { return static_cast<int>(entryOf(x).outs.size()); }

int outputChannels(t_object* x) {
  if (!detail::isLive(x)) throw HostError("not a live object");
  return static_cast<int>(outputVectors(x));
}

const double* output(t_object* x, int channel) {
  const ChainEntry& e = entryOf(x);
  if (channel < 0 || static_cast<size_t>(channel) >= e.outs.size())
    throw HostError("no output vector " + std::to_string(channel));
  return e.outs[static_cast<size_t>(channel)];
}

}  // namespace zun
