// Messages to objects, as a patch sends them: the selector finds a method
// of the object's class, and the host converts the atoms to the method's
// type list or refuses the message with a console error.

#include <array>
#include <cmath>
#include <cstring>
#include <limits>

#include "ext_obex.h"
#include "hostState.h"
#include "typedCall.h"

namespace {

using zun::detail::Argument;

constexpr size_t maxArguments = 3;

enum class Conversion { ok, missing, wrongType };

// A float sent where an integer is expected is truncated toward zero, and
// held within the range of t_atom_long.
t_atom_long truncateToLong(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 9223372036854775808.0) return std::numeric_limits<t_atom_long>::max();
  if (v < -9223372036854775808.0) return std::numeric_limits<t_atom_long>::min();
  return static_cast<t_atom_long>(v);
}

Conversion convertOne(short type, long argc, const t_atom* argv, long i, Argument& out) {
  const bool present = i < argc;
  const t_atom* a = present ? &argv[i] : nullptr;
  switch (type) {
    case A_LONG:
    case A_DEFLONG:
      if (!present) {
        if (type == A_LONG) return Conversion::missing;
        out = t_atom_long{0};
      } else if (a->a_type == A_LONG) {
        out = a->a_w.w_long;
      } else if (a->a_type == A_FLOAT) {
        out = truncateToLong(a->a_w.w_float);
      } else {
        return Conversion::wrongType;
      }
      return Conversion::ok;
    case A_FLOAT:
    case A_DEFFLOAT:
      if (!present) {
        if (type == A_FLOAT) return Conversion::missing;
        out = 0.0;
      } else if (a->a_type == A_FLOAT) {
        out = static_cast<double>(a->a_w.w_float);
      } else if (a->a_type == A_LONG) {
        out = static_cast<double>(a->a_w.w_long);
      } else {
        return Conversion::wrongType;
      }
      return Conversion::ok;
    case A_SYM:
    case A_DEFSYM:
      if (!present) {
        if (type == A_SYM) return Conversion::missing;
        out = static_cast<void*>(gensym(""));
      } else if (a->a_type == A_SYM) {
        out = static_cast<void*>(a->a_w.w_sym);
      } else {
        return Conversion::wrongType;
      }
      return Conversion::ok;
    case A_OBJ:
      if (!present) return Conversion::missing;
      if (a->a_type != A_OBJ) return Conversion::wrongType;
      out = static_cast<void*>(a->a_w.w_obj);
      return Conversion::ok;
    default:
      return Conversion::wrongType;
  }
}

Conversion convert(const std::vector<short>& types, long argc, const t_atom* argv,
                   std::array<Argument, maxArguments>& out) {
  if (types.size() > maxArguments) return Conversion::wrongType;
  for (size_t i = 0; i < types.size(); ++i) {
    const Conversion c = convertOne(types[i], argc, argv, static_cast<long>(i), out[i]);
    if (c != Conversion::ok) return c;
  }
  return Conversion::ok;
}

void refuse(const t_class* c, const t_symbol* selector, const char* why) {
  zun::detail::print(zun::ConsoleLine::Kind::error,
                     std::string(c->name->s_name) + ": " + why + " \"" + selector->s_name + "\"");
}

bool dispatch(t_object* x, t_symbol* selector, long argc, t_atom* argv) {
  const t_class* c = zun::detail::classOf(x);
  const maxclass::Method* m = c->find(selector);
  if (!m && zun::detail::attributeMessage(x, selector, argc, argv)) return true;
  if (!m || (!m->types.empty() && m->types[0] == A_CANT)) {
    refuse(c, selector, "doesn't understand");
    return false;
  }
  if (!m->types.empty() && m->types[0] == A_GIMME) {
    zun::detail::methodAs<void (*)(void*, t_symbol*, long, t_atom*)>(m->fn)(x, selector, argc,
                                                                            argv);
    return true;
  }
  std::array<Argument, maxArguments> args;
  switch (convert(m->types, argc, argv, args)) {
    case Conversion::missing:
      refuse(c, selector, "missing argument for message");
      return false;
    case Conversion::wrongType:
      refuse(c, selector, "bad argument for message");
      return false;
    case Conversion::ok:
      break;
  }
  zun::detail::callWith<void, maxArguments>(m->fn, args.data(), m->types.size(),
                                            static_cast<void*>(x));
  return true;
}

std::vector<t_atom> toAtoms(const std::vector<zun::Atom>& atoms) {
  std::vector<t_atom> out(atoms.size());
  for (size_t i = 0; i < atoms.size(); ++i) {
    t_atom& a = out[i];
    if (const t_atom_long* v = std::get_if<t_atom_long>(&atoms[i].value)) {
      a.a_type = A_LONG;
      a.a_w.w_long = *v;
    } else if (const double* f = std::get_if<double>(&atoms[i].value)) {
      a.a_type = A_FLOAT;
      a.a_w.w_float = *f;
    } else {
      a.a_type = A_SYM;
      a.a_w.w_sym = gensym(std::get<std::string>(atoms[i].value).c_str());
    }
  }
  return out;
}

t_object* requireLive(t_object* x) {
  if (!zun::detail::isLive(x)) throw zun::HostError("not a live object");
  return x;
}

}  // namespace

extern "C" t_max_err object_method_typed(void* x, t_symbol* s, long ac, t_atom* av, t_atom* rv) {
  if (rv) rv->a_type = A_NOTHING;
  if (!zun::detail::isLive(static_cast<t_object*>(x)) || !s) return MAX_ERR_INVALID_PTR;
  return dispatch(static_cast<t_object*>(x), s, ac, av) ? MAX_ERR_NONE : MAX_ERR_GENERIC;
}

extern "C" long proxy_getinlet(t_object*) { return zun::detail::thisThread().deliveringInlet; }

namespace zun {

t_object* create(const std::string& className, const std::vector<Atom>& args) {
  t_class* c = detail::classNamed(className);
  if (!c) throw HostError("no class named " + className);
  std::vector<t_atom> atoms = toAtoms(args);
  const long argc = static_cast<long>(atoms.size());
  void* made = nullptr;
  if (!c->constructorTypes.empty() && c->constructorTypes[0] == A_GIMME) {
    made = zun::detail::methodAs<void* (*)(t_symbol*, long, t_atom*)>(c->constructor)(c->name, argc,
                                                                                      atoms.data());
  } else {
    std::array<Argument, maxArguments> converted;
    if (convert(c->constructorTypes, argc, atoms.data(), converted) != Conversion::ok)
      throw HostError("bad creation arguments for " + className);
    made = detail::callWith<void*, maxArguments>(c->constructor, converted.data(),
                                                 c->constructorTypes.size());
  }
  t_object* x = static_cast<t_object*>(made);
  if (!x || !detail::isLive(x)) throw HostError("could not create " + className);
  return x;
}

bool send(t_object* x, const std::string& selector, const std::vector<Atom>& args) {
  requireLive(x);
  std::vector<t_atom> atoms = toAtoms(args);
  return dispatch(x, gensym(selector.c_str()), static_cast<long>(atoms.size()), atoms.data());
}

bool sendToInlet(t_object* x, int inlet, const std::string& selector,
                 const std::vector<Atom>& args) {
  requireLive(x);
  long& delivering = detail::thisThread().deliveringInlet;
  const long outer = delivering;
  delivering = inlet;
  const bool taken = send(x, selector, args);
  delivering = outer;
  return taken;
}

std::string assist(t_object* x, long kind, long index, const std::string& initial) {
  const maxclass::Method* m = detail::classOf(requireLive(x))->find(gensym("assist"));
  if (!m) return initial;
  std::array<char, 512> text{};
  std::strncpy(text.data(), initial.c_str(), text.size() - 1);
  zun::detail::methodAs<void (*)(void*, void*, long, long, char*)>(m->fn)(x, nullptr, kind, index,
                                                                          text.data());
  return text.data();
}

void doubleClick(t_object* x) {
  const maxclass::Method* m = detail::classOf(requireLive(x))->find(gensym("dblclick"));
  if (m) zun::detail::methodAs<void (*)(void*)>(m->fn)(x);
}

}  // namespace zun
