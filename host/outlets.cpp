// Outlets. Objects make them right to left: each new outlet becomes the
// leftmost, so an object's outlet list runs from the newest to the oldest.

#include "ext_obex.h"
#include "hostInternal.h"

using zun::detail::Outlet;

namespace {

Outlet* first(t_object* x) { return static_cast<Outlet*>(x->o_outlet); }

t_object* requireLive(t_object* x) {
  if (!zun::detail::isLive(x)) throw zun::HostError("not a live object");
  return x;
}

}  // namespace

extern "C" void* outlet_new(void* p, const char* s) {
  t_object* x = static_cast<t_object*>(p);
  if (!zun::detail::isLive(x)) return nullptr;
  Outlet* outlet = new Outlet{x, gensym(s ? s : ""), first(x), {}, {}, {}};
  x->o_outlet = outlet;
  return outlet;
}

extern "C" void* intout(void* x) { return outlet_new(x, "int"); }

extern "C" void* listout(void* x) { return outlet_new(x, "list"); }

// Returns 1 once the value has gone out, as Max does when no stack
// overflow stopped it.
extern "C" void* outlet_int(void* o, t_atom_long n) {
  Outlet* outlet = static_cast<Outlet*>(o);
  if (!outlet) return nullptr;
  if (outlet->receiver) outlet->receiver(n);
  return reinterpret_cast<void*>(1);
}

extern "C" void* outlet_list(t_outlet* o, t_symbol*, short ac, t_atom* av) {
  Outlet* outlet = static_cast<Outlet*>(o);
  if (!outlet) return nullptr;
  if (outlet->listReceiver) outlet->listReceiver(zun::detail::fromAtoms(ac, av));
  return reinterpret_cast<void*>(1);
}

extern "C" void* outlet_anything(t_outlet* o, const t_symbol* s, short ac, const t_atom* av) {
  Outlet* outlet = static_cast<Outlet*>(o);
  if (!outlet) return nullptr;
  if (outlet->anythingReceiver)
    outlet->anythingReceiver(s ? s->s_name : "", zun::detail::fromAtoms(ac, av));
  return reinterpret_cast<void*>(1);
}

namespace zun {

namespace detail {

std::vector<Atom> fromAtoms(long argc, const t_atom* argv) {
  std::vector<Atom> atoms;
  for (long i = 0; i < argc; ++i) {
    const t_atom& a = argv[i];
    if (a.a_type == A_LONG) atoms.emplace_back(static_cast<long>(a.a_w.w_long));
    else if (a.a_type == A_FLOAT) atoms.emplace_back(a.a_w.w_float);
    else atoms.emplace_back(a.a_type == A_SYM && a.a_w.w_sym ? a.a_w.w_sym->s_name : "");
  }
  return atoms;
}

Outlet* outletAt(t_object* x, int index) {
  Outlet* o = first(x);
  for (int i = 0; o && i < index; ++i) o = o->next;
  return index < 0 ? nullptr : o;
}

void freeOutlets(t_object* x) {
  for (Outlet* o = first(x); o;) {
    Outlet* next = o->next;
    delete o;
    o = next;
  }
  x->o_outlet = nullptr;
}

}  // namespace detail

int outletCount(t_object* x) {
  int n = 0;
  for (Outlet* o = first(requireLive(x)); o; o = o->next) ++n;
  return n;
}

std::string outletType(t_object* x, int index) {
  Outlet* o = detail::outletAt(requireLive(x), index);
  if (!o) throw HostError("no outlet " + std::to_string(index));
  return o->type->s_name;
}

void connect(t_object* x, int outlet, std::function<void(t_atom_long)> receiver) {
  Outlet* o = detail::outletAt(requireLive(x), outlet);
  if (!o) throw HostError("no outlet " + std::to_string(outlet));
  o->receiver = std::move(receiver);
}

void connectAnything(t_object* x, int outlet,
                     std::function<void(const std::string&, const std::vector<Atom>&)> receiver) {
  Outlet* o = detail::outletAt(requireLive(x), outlet);
  if (!o) throw HostError("no outlet " + std::to_string(outlet));
  o->anythingReceiver = std::move(receiver);
}

void connectList(t_object* x, int outlet, std::function<void(const std::vector<Atom>&)> receiver) {
  Outlet* o = detail::outletAt(requireLive(x), outlet);
  if (!o) throw HostError("no outlet " + std::to_string(outlet));
  o->listReceiver = std::move(receiver);
}

}  // namespace zun
