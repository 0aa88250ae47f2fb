// Attributes: getters and setters a class adds under a name, set by
// "NAME value...", by "@NAME value..." among the creation arguments or by
// object_attr_setvalueof, and read by "getNAME" or object_attr_getvalueof;
// the attributes of attributes an inspector reads; and each object's store
// (its dumpout).

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "ext_obex.h"
#include "hostState.h"
#include "typedCall.h"

namespace {

std::vector<std::unique_ptr<HostAttribute>>& allAttributes() {
  return zun::detail::host().classes.attributes;
}

HostAttribute* asAttribute(t_object* attr) {
  for (const std::unique_ptr<HostAttribute>& a : allAttributes())
    if (&a->header == attr) return a.get();
  return nullptr;
}

t_object* lookUp(const t_object* x, t_symbol* key) {
  zun::detail::Stores& stores = zun::detail::host().stores;
  std::lock_guard<std::mutex> lock(stores.mutex);
  const auto store = stores.byObject.find(x);
  if (store == stores.byObject.end()) return nullptr;
  const auto found = store->second.find(key);
  return found == store->second.end() ? nullptr : found->second;
}

HostAttribute* attributeOf(void* x, const t_symbol* name) {
  const t_class* c = zun::detail::classOf(static_cast<t_object*>(x));
  return c ? c->attribute(name) : nullptr;
}

bool isAttributeName(const t_atom& a) {
  return a.a_type == A_SYM && a.a_w.w_sym && a.a_w.w_sym->s_name[0] == '@';
}

t_atom symbolAtom(t_symbol* s) {
  t_atom a{};
  a.a_type = A_SYM;
  a.a_w.w_sym = s;
  return a;
}

// Words, numbers (with a point or exponent: floats) and "quoted words".
std::vector<t_atom> parse(const char* text) {
  std::vector<t_atom> atoms;
  for (const char* p = text ? text : ""; *p;) {
    if (*p == ' ') {
      ++p;
      continue;
    }
    std::string word;
    if (*p == '"') {
      for (++p; *p && *p != '"'; ++p) word += *p;
      if (*p) ++p;
      atoms.push_back(symbolAtom(gensym(word.c_str())));
      continue;
    }
    for (; *p && *p != ' '; ++p) word += *p;
    char* end = nullptr;
    const double v = std::strtod(word.c_str(), &end);
    t_atom a{};
    if (*end != '\0' || word == "-") {
      a = symbolAtom(gensym(word.c_str()));
    } else if (word.find_first_of(".eE") == std::string::npos) {
      a.a_type = A_LONG;
      a.a_w.w_long = static_cast<t_atom_long>(std::strtoll(word.c_str(), nullptr, 10));
    } else {
      a.a_type = A_FLOAT;
      a.a_w.w_float = v;
    }
    atoms.push_back(a);
  }
  return atoms;
}

t_max_err addAttributeAttribute(t_class* c, const char* attrname, const char* attrname2,
                                std::vector<t_atom> value) {
  HostAttribute* a = c && attrname ? c->attribute(gensym(attrname)) : nullptr;
  if (!a || !attrname2) return MAX_ERR_INVALID_PTR;
  a->attributes.emplace_back(gensym(attrname2), std::move(value));
  return MAX_ERR_NONE;
}

}  // namespace

extern "C" t_object* attribute_new(const char* name, t_symbol* type, long, method mget,
                                   method mset) {
  if (!name || !type) return nullptr;
  allAttributes().push_back(std::make_unique<HostAttribute>(
      HostAttribute{{}, gensym(name), type, mget, mset, {}}));
  return &allAttributes().back()->header;
}

extern "C" t_max_err class_addattr(t_class* c, t_object* attr) {
  HostAttribute* a = asAttribute(attr);
  if (!c || !a) return MAX_ERR_INVALID_PTR;
  if (c->attribute(a->name)) return MAX_ERR_DUPLICATE;
  c->attributes.push_back(a);
  return MAX_ERR_NONE;
}

extern "C" t_max_err class_attr_addattr_parse(t_class* c, const char* attrname,
                                              const char* attrname2, t_symbol*, long,
                                              const char* parsestr) {
  return addAttributeAttribute(c, attrname, attrname2, parse(parsestr));
}

extern "C" t_max_err class_attr_addattr_format(t_class* c, const char* attrname,
                                               const char* attrname2, const t_symbol*, long,
                                               const char* fmt, ...) {
  std::vector<t_atom> value;
  va_list args;
  va_start(args, fmt);
  for (const char* f = fmt ? fmt : ""; *f; ++f) {
    t_atom a{};
    if (*f == 's') {
      a = symbolAtom(va_arg(args, t_symbol*));
    } else if (*f == 'l' || *f == 'i') {
      a.a_type = A_LONG;
      a.a_w.w_long = *f == 'l' ? va_arg(args, t_atom_long) : va_arg(args, int);
    } else if (*f == 'd' || *f == 'f') {
      a.a_type = A_FLOAT;
      a.a_w.w_float = va_arg(args, double);
    } else {
      continue;
    }
    value.push_back(a);
  }
  va_end(args);
  return addAttributeAttribute(c, attrname, attrname2, std::move(value));
}

extern "C" t_symbol* gensym_tr(const char* s) { return gensym(s); }
extern "C" char* str_tr(const char* s) { return const_cast<char*>(s); }

extern "C" t_ptr sysmem_newptr(t_ptr_size size) {
  return static_cast<t_ptr>(std::calloc(1, size ? size : 1));
}
extern "C" void sysmem_freeptr(void* ptr) { std::free(ptr); }

extern "C" t_max_err object_attr_setvalueof(void* x, t_symbol* s, long argc, t_atom* argv) {
  HostAttribute* a = attributeOf(x, s);
  if (!a || !a->set) return MAX_ERR_GENERIC;
  using Setter = t_max_err (*)(void*, void*, long, t_atom*);
  return zun::detail::methodAs<Setter>(a->set)(x, &a->header, argc, argv);
}

extern "C" t_max_err object_attr_getvalueof(void* x, t_symbol* s, long* argc, t_atom** argv) {
  HostAttribute* a = attributeOf(x, s);
  if (!a || !a->get || !argc || !argv) return MAX_ERR_GENERIC;
  *argc = 0;
  *argv = nullptr;
  using Getter = t_max_err (*)(void*, void*, long*, t_atom**);
  return zun::detail::methodAs<Getter>(a->get)(x, &a->header, argc, argv);
}

extern "C" long attr_args_offset(short ac, t_atom* av) {
  for (short i = 0; i < ac; ++i)
    if (isAttributeName(av[i])) return i;
  return ac;
}

// An unknown name is posted, and its values skipped.
extern "C" void attr_args_process(void* x, short ac, t_atom* av) {
  const t_class* c = zun::detail::classOf(static_cast<t_object*>(x));
  if (!c || !av) return;
  for (long i = attr_args_offset(ac, av); i < ac;) {
    const long values = 1 + attr_args_offset(static_cast<short>(ac - i - 1), av + i + 1);
    t_symbol* name = gensym(av[i].a_w.w_sym->s_name + 1);
    if (object_attr_setvalueof(x, name, values - 1, av + i + 1) != MAX_ERR_NONE)
      zun::detail::print(zun::ConsoleLine::Kind::error, std::string(c->name->s_name) +
                                                            ": no attribute named " +
                                                            name->s_name);
    i += values;
  }
}

extern "C" void class_obexoffset_set(t_class*, long) {}

extern "C" t_max_err object_obex_store(void* x, t_symbol* key, t_object* val) {
  if (!zun::detail::isLive(static_cast<t_object*>(x)) || !key) return MAX_ERR_INVALID_PTR;
  zun::detail::Stores& stores = zun::detail::host().stores;
  std::lock_guard<std::mutex> lock(stores.mutex);
  stores.byObject[static_cast<t_object*>(x)][key] = val;
  return MAX_ERR_NONE;
}

extern "C" void object_obex_dumpout(void* x, const t_symbol* s, long argc, const t_atom* argv) {
  if (t_object* out = lookUp(static_cast<t_object*>(x), gensym("dumpout")))
    outlet_anything(out, s, static_cast<short>(argc), argv);
}

namespace zun::detail {

bool attributeMessage(t_object* x, t_symbol* selector, long argc, t_atom* argv) {
  const t_class* c = classOf(x);
  if (HostAttribute* a = c->attribute(selector)) {
    object_attr_setvalueof(x, a->name, argc, argv);
    return true;
  }
  const char* name = selector->s_name;
  HostAttribute* a = std::strncmp(name, "get", 3) == 0 ? c->attribute(gensym(name + 3)) : nullptr;
  if (!a) return false;
  long ac = 0;
  t_atom* av = nullptr;
  if (object_attr_getvalueof(x, a->name, &ac, &av) == MAX_ERR_NONE)
    object_obex_dumpout(x, a->name, ac, av);
  sysmem_freeptr(av);
  return true;
}

void forgetStore(t_object* x) {
  Stores& stores = host().stores;
  std::lock_guard<std::mutex> lock(stores.mutex);
  stores.byObject.erase(x);
}

}  // namespace zun::detail
