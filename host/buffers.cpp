// buffer~ objects and references to them. A buffer~ binds itself to the
// symbol of its name (s_thing), so a reference finds the buffer~ that has
// its name at the moment it asks, or none. A buffer~ that appears, goes or
// changes sends "notify" to the owners of the references naming it. Locks
// are counted per buffer~ and logged in the host's lock log.

#include <algorithm>
#include <atomic>
#include <cstring>
#include <type_traits>

#include "ext_buffer.h"
#include "ext_obex.h"
#include "hostState.h"
#include "typedCall.h"

namespace {

// Lock counts that the audio thread and message threads update at once.
struct SharedLockStats {
  std::atomic<long> locks{0}, unlocks{0}, failedLocks{0}, unmatchedUnlocks{0}, held{0};

  zun::LockStats load() const {
    return {locks.load(), unlocks.load(), failedLocks.load(), unmatchedUnlocks.load(),
            held.load()};
  }
  void clearAllButHeld() {
    locks = 0;
    unlocks = 0;
    failedLocks = 0;
    unmatchedUnlocks = 0;
  }
  // An unlock releases a lock held, or counts as unmatched.
  void unlock() {
    long h = held.load();
    while (h > 0 && !held.compare_exchange_weak(h, h - 1)) {
    }
    if (h > 0) ++unlocks;
    else ++unmatchedUnlocks;
  }
};

struct Buffer {
  t_object ob;  // first, so that a t_buffer_obj* points at the buffer~
  t_symbol* name;
  long frames;
  long channels;
  float* samples;  // frames * channels floats, interleaved; never null
  std::atomic<double> rate{0.0};  // of its sound; 0: the audio's
  bool failLocks;
  SharedLockStats stats;
};
static_assert(std::is_standard_layout_v<Buffer>);

}  // namespace

// A message thread may rebind a reference while the audio thread resolves
// it: the name is swapped whole.
struct _buffer_ref {
  t_object ob;
  std::atomic<t_symbol*> name;
  t_object* owner;
};
static_assert(std::is_standard_layout_v<_buffer_ref>);

namespace {

void record(zun::LockEvent::Kind kind, t_symbol* name) {
  zun::detail::LockLog& log = zun::detail::host().locks;
  // A full log stays full without every lock claiming a slot.
  if (log.claimed.load(std::memory_order_relaxed) >= log.capacity) return;
  const size_t slot = log.claimed.fetch_add(1);
  if (slot < log.capacity) log.records[slot] = {kind, name};
}

float* newSamples(long frames, long channels) {
  const size_t n = static_cast<size_t>(frames) * static_cast<size_t>(channels);
  return new float[std::max<size_t>(n, 1)]();
}

void notifyClients(t_object* buffer, t_symbol* name, const char* what);

void releaseBuffer(t_object* x) {
  Buffer* b = reinterpret_cast<Buffer*>(x);
  if (b->name->s_thing == x) {
    b->name->s_thing = nullptr;
    notifyClients(x, b->name, "globalsymbol_unbinding");
  }
  delete[] b->samples;
  delete b;
}

void releaseReference(t_object* x) { delete reinterpret_cast<_buffer_ref*>(x); }

t_class* bufferClass() {
  static t_class* c = zun::detail::internalClass("buffer~", releaseBuffer);
  return c;
}

t_class* referenceClass() {
  static t_class* c = zun::detail::internalClass("buffer_ref", releaseReference);
  return c;
}

_buffer_ref* asReference(t_object* x) {
  if (!x || x->o_magic != OB_MAGIC || x->o_messlist != &referenceClass()->link) return nullptr;
  return reinterpret_cast<_buffer_ref*>(x);
}

// Calls the "notify" method of every live owner of a reference that names
// the buffer~, as the buffer~ would through the references' attachments.
void notifyClients(t_object* buffer, t_symbol* name, const char* what) {
  using Notify = t_max_err (*)(void*, t_symbol*, t_symbol*, void*, void*);
  t_symbol* msg = gensym(what);
  for (t_object* x : zun::detail::liveObjects()) {
    _buffer_ref* ref = asReference(x);
    if (!ref || ref->name.load() != name || !zun::detail::isLive(ref->owner)) continue;
    const maxclass::Method* m = zun::detail::classOf(ref->owner)->find(gensym("notify"));
    if (m) zun::detail::methodAs<Notify>(m->fn)(ref->owner, name, msg, buffer, nullptr);
  }
}

// The buffer~ an object pointer stands for, or null if it is not one.
Buffer* asBuffer(t_object* x) {
  if (!x || x->o_magic != OB_MAGIC || x->o_messlist != &bufferClass()->link) return nullptr;
  return reinterpret_cast<Buffer*>(x);
}

Buffer* named(const std::string& name) { return asBuffer(gensym(name.c_str())->s_thing); }

Buffer* require(const std::string& name) {
  Buffer* b = named(name);
  if (!b) throw zun::HostError("no buffer~ named " + name);
  return b;
}

void checkShape(long frames, long channels) {
  if (frames < 0 || channels < 1)
    throw zun::HostError("a buffer~ needs frames >= 0 and channels >= 1");
}

// A new size, keeping what fits and zeroing the rest.
void reshape(Buffer* b, long frames, long channels) {
  float* samples = newSamples(frames, channels);
  for (long f = 0; f < std::min(frames, b->frames); ++f)
    for (long c = 0; c < std::min(channels, b->channels); ++c)
      samples[f * channels + c] = b->samples[f * b->channels + c];
  delete[] b->samples;
  b->samples = samples;
  b->frames = frames;
  b->channels = channels;
}

}  // namespace

extern "C" t_buffer_ref* buffer_ref_new(t_object* self, t_symbol* name) {
  _buffer_ref* ref = new _buffer_ref{};
  ref->ob.o_messlist = &referenceClass()->link;
  ref->ob.o_magic = OB_MAGIC;
  ref->name = name ? name : gensym("");
  ref->owner = self;
  zun::detail::track(&ref->ob);
  return ref;
}

extern "C" void buffer_ref_set(t_buffer_ref* x, t_symbol* name) {
  if (x) x->name.store(name ? name : gensym(""), std::memory_order_release);
}

// A reference finds its buffer~ by name on every call: there is nothing to
// follow.
extern "C" t_max_err buffer_ref_notify(t_buffer_ref*, t_symbol*, t_symbol*, void*, void*) {
  return MAX_ERR_NONE;
}

extern "C" t_buffer_obj* buffer_ref_getobject(t_buffer_ref* x) {
  if (!x) return nullptr;
  Buffer* b = asBuffer(x->name.load(std::memory_order_acquire)->s_thing);
  return b ? &b->ob : nullptr;
}

extern "C" void buffer_view(t_buffer_obj* buffer_object) {
  Buffer* b = asBuffer(buffer_object);
  zun::detail::host().viewed.push_back(b ? b->name : nullptr);
}

extern "C" float* buffer_locksamples(t_buffer_obj* buffer_object) {
  Buffer* b = asBuffer(buffer_object);
  if (!b) return nullptr;
  if (b->failLocks) {
    ++b->stats.failedLocks;
    record(zun::LockEvent::Kind::failedLock, b->name);
    return nullptr;
  }
  ++b->stats.locks;
  ++b->stats.held;
  record(zun::LockEvent::Kind::lock, b->name);
  return b->samples;
}

extern "C" void buffer_unlocksamples(t_buffer_obj* buffer_object) {
  Buffer* b = asBuffer(buffer_object);
  if (!b) return;
  b->stats.unlock();
  record(zun::LockEvent::Kind::unlock, b->name);
}

extern "C" t_atom_long buffer_getchannelcount(t_buffer_obj* buffer_object) {
  Buffer* b = asBuffer(buffer_object);
  return b ? b->channels : 0;
}

extern "C" t_atom_long buffer_getframecount(t_buffer_obj* buffer_object) {
  Buffer* b = asBuffer(buffer_object);
  return b ? b->frames : 0;
}

extern "C" t_atom_float buffer_getsamplerate(t_buffer_obj* buffer_object) {
  Buffer* b = asBuffer(buffer_object);
  if (!b) return 0.0;
  const double rate = b->rate.load(std::memory_order_relaxed);
  return rate > 0.0 ? rate : zun::sampleRate();
}

namespace zun {

void createBuffer(const std::string& name, long frames, long channels) {
  checkShape(frames, channels);
  t_symbol* s = gensym(name.c_str());
  if (s->s_thing) throw HostError("a buffer~ named " + name + " exists");
  Buffer* b = new Buffer{};
  b->ob.o_messlist = &bufferClass()->link;
  b->ob.o_magic = OB_MAGIC;
  b->name = s;
  b->frames = frames;
  b->channels = channels;
  b->samples = newSamples(frames, channels);
  s->s_thing = &b->ob;
  detail::track(&b->ob);
  notifyClients(&b->ob, s, "globalsymbol_binding");
}

void setBufferSamples(const std::string& name, const std::vector<float>& interleaved,
                      long channels) {
  if (channels < 1 || interleaved.size() % static_cast<size_t>(channels) != 0)
    throw HostError("samples do not divide into frames of that many channels");
  const long frames = static_cast<long>(interleaved.size()) / channels;
  if (!named(name)) createBuffer(name, frames, channels);
  Buffer* b = require(name);
  reshape(b, frames, channels);
  std::copy(interleaved.begin(), interleaved.end(), b->samples);
  notifyClients(&b->ob, b->name, "buffer_modified");
}

void resizeBuffer(const std::string& name, long frames, long channels) {
  checkShape(frames, channels);
  Buffer* b = require(name);
  reshape(b, frames, channels);
  notifyClients(&b->ob, b->name, "buffer_modified");
}

void setBufferSampleRate(const std::string& name, double rate) {
  require(name)->rate.store(rate > 0.0 ? rate : 0.0, std::memory_order_relaxed);
}

void deleteBuffer(const std::string& name) { object_free(&require(name)->ob); }

bool bufferExists(const std::string& name) { return named(name) != nullptr; }

void setLockFailure(const std::string& name, bool fail) { require(name)->failLocks = fail; }

LockStats lockStats(const std::string& name) { return require(name)->stats.load(); }

std::vector<LockEvent> lockLog() {
  std::vector<LockEvent> events;
  const detail::LockLog& log = detail::host().locks;
  for (size_t i = 0; i < log.size(); ++i)
    events.push_back({log.records[i].kind, log.records[i].name->s_name});
  return events;
}

void clearLockLog() {
  detail::host().locks.claimed = 0;
  for (t_object* x : detail::liveObjects())
    if (Buffer* b = asBuffer(x)) b->stats.clearAllButHeld();
}

std::vector<std::string> viewLog() {
  std::vector<std::string> names;
  for (const t_symbol* s : detail::host().viewed) names.push_back(s ? s->s_name : "");
  return names;
}

namespace detail {

void freeBuffers() {
  std::vector<t_object*> buffers;
  for (t_object* x : liveObjects())
    if (asBuffer(x)) buffers.push_back(x);
  for (t_object* x : buffers) object_free(x);
}

}  // namespace detail

}  // namespace zun
