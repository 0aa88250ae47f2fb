// Object life: allocation of instance records, the list of live objects,
// and freeing through the class's free function.

#include <algorithm>
#include <cstdlib>
#include <mutex>

#include "ext_obex.h"
#include "hostState.h"
#include "typedCall.h"

namespace zun::detail {

void track(t_object* x) {
  LiveObjects& live = host().live;
  std::lock_guard<std::mutex> lock(live.mutex);
  live.all.push_back(x);
}

void untrack(t_object* x) {
  LiveObjects& live = host().live;
  std::lock_guard<std::mutex> lock(live.mutex);
  live.all.erase(std::remove(live.all.begin(), live.all.end(), x), live.all.end());
}

bool isLive(const t_object* x) {
  LiveObjects& live = host().live;
  std::lock_guard<std::mutex> lock(live.mutex);
  return x && std::find(live.all.begin(), live.all.end(), x) != live.all.end();
}

std::vector<t_object*> liveObjects() {
  LiveObjects& live = host().live;
  std::lock_guard<std::mutex> lock(live.mutex);
  return live.all;
}

t_class* classOf(const t_object* x) { return isLive(x) ? x->o_messlist->owner : nullptr; }

}  // namespace zun::detail

// The record is zeroed and its header filled in; the constructor sets the
// object's own fields.
extern "C" void* object_alloc(t_class* c) {
  if (!c) return nullptr;
  const size_t size =
      std::max<size_t>(static_cast<size_t>(std::max(c->size, 0L)), sizeof(t_object));
  t_object* x = static_cast<t_object*>(std::calloc(1, size));
  if (!x) return nullptr;
  x->o_messlist = &c->link;
  x->o_magic = OB_MAGIC;
  zun::detail::track(x);
  return x;
}

extern "C" t_max_err object_free(void* p) {
  t_object* x = static_cast<t_object*>(p);
  if (!zun::detail::isLive(x)) return MAX_ERR_INVALID_PTR;
  t_class* c = x->o_messlist->owner;
  if (c->destructor) zun::detail::methodAs<void (*)(void*)>(c->destructor)(x);
  zun::detail::dropFromDsp(x);
  zun::detail::freeOutlets(x);
  zun::detail::forgetStore(x);
  zun::detail::untrack(x);
  x->o_magic = 0;
  if (c->release) c->release(x);
  return MAX_ERR_NONE;
}

namespace zun {

void destroy(t_object* x) {
  if (object_free(x) != MAX_ERR_NONE) throw HostError("not a live object");
}

void reset() {
  stopDsp();
  // Patch objects first, newest first: each frees what it made, such as
  // its buffer references. Then the buffer~ objects, then anything left.
  const t_symbol* box = gensym("box");
  std::vector<t_object*> patchObjects;
  for (t_object* x : detail::liveObjects())
    if (detail::classOf(x)->nameSpace == box) patchObjects.push_back(x);
  for (auto x = patchObjects.rbegin(); x != patchObjects.rend(); ++x) object_free(*x);
  detail::freeBuffers();
  while (!detail::liveObjects().empty()) object_free(detail::liveObjects().back());
  detail::host().reset();
}

}  // namespace zun
