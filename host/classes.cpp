// Classes: creation, their method tables with type lists, and the registry
// of name spaces in which classes can be found by name.

#include <cstdarg>
#include <cstdio>
#include <memory>

#include "ext_obex.h"
#include "hostState.h"
#include "z_dsp.h"

namespace {

// The host calls typed methods with at most this many arguments; Max allows
// seven, the objects it hosts use one.
constexpr size_t maxTypedArguments = 3;
// A type list is read up to its closing 0, but never further than this.
constexpr size_t maxTypeList = 8;

std::vector<std::unique_ptr<maxclass>>& allClasses() { return zun::detail::host().classes.all; }

std::vector<t_class*>& registered() { return zun::detail::host().classes.registered; }

void freeBoxRecord(t_object* x) { std::free(x); }

std::vector<short> readTypeList(int first, va_list args) {
  std::vector<short> types;
  for (int t = first; t != A_NOTHING && types.size() < maxTypeList; t = va_arg(args, int))
    types.push_back(static_cast<short>(t));
  return types;
}

bool typedListFits(const std::vector<short>& types) {
  return (!types.empty() && types[0] == A_GIMME) || types.size() <= maxTypedArguments;
}

std::string written(const std::vector<t_atom>& atoms) {
  std::string text;
  for (const t_atom& a : atoms) {
    if (!text.empty()) text += ' ';
    if (a.a_type == A_LONG) {
      text += std::to_string(a.a_w.w_long);
    } else if (a.a_type == A_FLOAT) {
      char number[32];
      std::snprintf(number, sizeof number, "%g", a.a_w.w_float);
      text += number;
    } else {
      const std::string word = a.a_w.w_sym ? a.a_w.w_sym->s_name : "";
      text += word.find(' ') == std::string::npos ? word : '"' + word + '"';
    }
  }
  return text;
}

zun::ClassInfo describe(const t_class* c) {
  zun::ClassInfo info;
  info.name = c->name->s_name;
  info.nameSpace = c->nameSpace ? c->nameSpace->s_name : "";
  info.constructorTypes.assign(c->constructorTypes.begin(), c->constructorTypes.end());
  for (const maxclass::Method& m : c->methods)
    info.methods.push_back({m.selector->s_name, std::vector<int>(m.types.begin(), m.types.end())});
  for (const HostAttribute* a : c->attributes) {
    zun::AttributeInfo attribute{a->name->s_name, a->type->s_name, {}};
    for (const auto& [what, atoms] : a->attributes)
      attribute.attributes.emplace_back(what->s_name, written(atoms));
    info.attributes.push_back(std::move(attribute));
  }
  info.signal = c->signal;
  info.size = c->size;
  return info;
}

}  // namespace

extern "C" t_class* class_new(const char* name, const method mnew, const method mfree, long size,
                              const method, short type, ...) {
  auto c = std::make_unique<maxclass>();
  c->name = gensym(name);
  c->constructor = mnew;
  c->destructor = mfree;
  c->size = size;
  c->release = freeBoxRecord;
  va_list args;
  va_start(args, type);
  c->constructorTypes = readTypeList(type, args);
  va_end(args);
  if (!typedListFits(c->constructorTypes)) {
    zun::detail::print(zun::ConsoleLine::Kind::error,
                       std::string("class_new: too many constructor arguments for ") + name);
    return nullptr;
  }
  allClasses().push_back(std::move(c));
  return allClasses().back().get();
}

extern "C" t_max_err class_addmethod(t_class* c, const method m, const char* name, ...) {
  if (!c || !m || !name) return MAX_ERR_INVALID_PTR;
  va_list args;
  va_start(args, name);
  const int first = va_arg(args, int);
  std::vector<short> types = readTypeList(first, args);
  va_end(args);
  if (!typedListFits(types)) {
    zun::detail::print(zun::ConsoleLine::Kind::error,
                       std::string("class_addmethod: too many arguments for ") + name);
    return MAX_ERR_GENERIC;
  }
  c->methods.push_back({gensym(name), m, std::move(types)});
  return MAX_ERR_NONE;
}

extern "C" void class_dspinit(t_class* c) {
  if (c) c->signal = true;
}

extern "C" t_max_err class_register(t_symbol* name_space, t_class* c) {
  if (!c || !name_space) return MAX_ERR_INVALID_PTR;
  for (const t_class* other : registered())
    if (other->nameSpace == name_space && other->name == c->name) {
      zun::detail::print(zun::ConsoleLine::Kind::error,
                         std::string("a class named ") + c->name->s_name + " already exists");
      return MAX_ERR_DUPLICATE;
    }
  c->nameSpace = name_space;
  registered().push_back(c);
  return MAX_ERR_NONE;
}

namespace zun {

namespace detail {

t_class* classNamed(const std::string& name) {
  const t_symbol* box = gensym("box");
  const t_symbol* wanted = gensym(name.c_str());
  for (t_class* c : registered())
    if (c->nameSpace == box && c->name == wanted) return c;
  return nullptr;
}

t_class* internalClass(const char* name, void (*release)(t_object*)) {
  auto c = std::make_unique<maxclass>();
  c->name = gensym(name);
  c->release = release;
  allClasses().push_back(std::move(c));
  return allClasses().back().get();
}

}  // namespace detail

std::vector<ClassInfo> classes() {
  std::vector<ClassInfo> all;
  for (const t_class* c : registered()) all.push_back(describe(c));
  return all;
}

std::string AttributeInfo::get(const std::string& what) const {
  for (const auto& [name, text] : attributes)
    if (name == what) return text;
  return "";
}

ClassInfo classInfo(const std::string& name) {
  const t_class* c = detail::classNamed(name);
  if (!c) throw HostError("no class named " + name);
  return describe(c);
}

}  // namespace zun
