#pragma once

// What the parts of the host share: the class record, the link from an
// object to its class, outlets and the list of live objects.

#include <string>
#include <vector>

#include "ext.h"
#include "zunHost.h"

// An attribute: its getter and setter, and the attributes of it an
// inspector reads (label, category, style...), in the order given.
struct HostAttribute {
  t_object header;  // what the SDK hands out in its place
  t_symbol* name;
  t_symbol* type;
  method get;
  method set;
  std::vector<std::pair<t_symbol*, std::vector<t_atom>>> attributes;
};

// Every object's o_messlist points here; it leads to the object's class.
struct messlist {
  t_class* owner;
};

struct maxclass {
  struct Method {
    t_symbol* selector;
    method fn;
    std::vector<short> types;
  };

  t_symbol* name = nullptr;
  t_symbol* nameSpace = nullptr;
  method constructor = nullptr;
  method destructor = nullptr;
  long size = 0;
  std::vector<short> constructorTypes;
  std::vector<Method> methods;
  std::vector<HostAttribute*> attributes;  // in the order added
  bool signal = false;
  // Releases an instance's memory once its destructor has run.
  void (*release)(t_object*) = nullptr;
  messlist link{this};

  const Method* find(const t_symbol* selector) const {
    for (const Method& m : methods)
      if (m.selector == selector) return &m;
    return nullptr;
  }
  HostAttribute* attribute(const t_symbol* attributeName) const {
    for (HostAttribute* a : attributes)
      if (a->name == attributeName) return a;
    return nullptr;
  }
};

namespace zun::detail {

struct Outlet {
  t_object* owner;
  t_symbol* type;
  Outlet* next;  // the outlet to the right
  std::function<void(t_atom_long)> receiver;
  std::function<void(const std::vector<Atom>&)> listReceiver;
  std::function<void(const std::string&, const std::vector<Atom>&)> anythingReceiver;
};

// An attribute's message: "NAME value..." sets it, "getNAME" sends its
// value out of the object's dumpout. Returns false for other selectors.
bool attributeMessage(t_object* x, t_symbol* selector, long argc, t_atom* argv);
// What an object keeps in its store, dropped when it is freed.
void forgetStore(t_object* x);
std::vector<Atom> fromAtoms(long argc, const t_atom* argv);

// Live objects, in creation order.
void track(t_object* x);
void untrack(t_object* x);
bool isLive(const t_object* x);
std::vector<t_object*> liveObjects();
t_class* classOf(const t_object* x);           // null unless x is live
t_class* classNamed(const std::string& name);  // in "box", or null

// A class the host keeps for its own objects (buffer~, references, chain).
t_class* internalClass(const char* name, void (*release)(t_object*));

void print(ConsoleLine::Kind kind, const std::string& text);

Outlet* outletAt(t_object* x, int index);  // null if out of range
void freeOutlets(t_object* x);

void dropFromDsp(t_object* x);
void freeBuffers();

}  // namespace zun::detail
