#pragma once

// Attributes of burst.zun~ and cloud.zun~, in any host: every value a
// setter message sets, under the setter's name without "set", with what an
// inspector shows of it; and each object's record of the last value every
// setter took, in the units it was given, which getters and "dump" answer.

#include <mutex>
#include "zunMessages.h"

// The most attributes a class has; hosts size fixed arrays with it.
constexpr int zunMaxAttributes = 48;

struct zunAttribute {
  const char* name;
  const char* selector;    // the message that sets it
  const char* category;    // the inspector's tab
  const char* label;
  const char* enumValues;  // the names of a mode's values, or null
  double initial;          // in force until a value is given; NaN: none to tell
};

// What an inspector shows of an attribute, read from the message that sets
// it: the type, the style and the limits where the object holds values.
struct zunAttributeView {
  const char* type;   // "float64", "long" or "symbol"
  const char* style;  // "onoff", "enumindex" or null
  bool hasMin;
  bool hasMax;
  double min;
  double max;
};

template <class Engine>
struct zunAttributeTable {
  const zunAttribute* begin;
  const zunAttribute* end;

  int count() const { return static_cast<int>(end - begin); }
  // The index of the attribute of this name, or -1.
  int find(const char* name) const;
};

zunAttributeTable<zunBurst> zunBurstAttributes();
zunAttributeTable<zunCloud> zunCloudAttributes();
// The multichannel twins': the same, then their channel settings.
zunAttributeTable<zunBurst> zunMcBurstAttributes();
zunAttributeTable<zunCloud> zunMcCloudAttributes();

template <class Engine>
zunAttributeView zunViewOf(zunMessageTable<Engine> messages, const zunAttribute& a);

// An attribute's value as a getter answers it: nothing (a table never
// bound, a seed never given), an integer, a float, a table name, two
// floats (`real`, then `second`) or a list of `count` floats (`real`,
// `second`, `third`).
struct zunValue {
  enum class Kind { none, integer, real, symbol, pair, list };
  Kind kind;
  long long integer;
  double real;
  const char* symbol;
  double second = 0.0;
  double third = 0.0;
  int count = 0;

  // The floats of a pair or a list, `real` first; returns how many.
  int numbers(double (&out)[zunMostListNumbers]) const;
};

// One object's record, kept on the message side: Max sends messages from
// its main and scheduler threads, so the record takes a lock of its own.
template <class Engine>
class zunSettings {
 public:
  zunSettings(zunMessageTable<Engine> messages, zunAttributeTable<Engine> attributes);

  // Sends v to the engine as message m does, and records it if the engine
  // took it: neither refused nor ignored. Returns the refusal text.
  const char* set(Engine& engine, const zunMessage<Engine>& m, long long v);
  const char* set(Engine& engine, const zunMessage<Engine>& m, double v);
  const char* set(Engine& engine, const char* selector, long long v);
  const char* set(Engine& engine, const char* selector, double v);
  const char* set(Engine& engine, const zunMessage<Engine>& m, double a, double b);
  const char* set(Engine& engine, const char* selector, double a, double b);
  // Records v as message m's where the engine took it from the host
  // directly (m.real returned no refusal), as set would have.
  void took(const zunMessage<Engine>& m, double v);
  // A list message: `count` numbers, of which `values` holds the first
  // zunMostListNumbers.
  const char* set(Engine& engine, const zunMessage<Engine>& m, const double* values, int count);
  const char* set(Engine& engine, const char* selector, const double* values, int count);
  // A table message bound `name` (the empty name binds none).
  void bound(const char* selector, const char* name);

  zunAttributeTable<Engine> attributes() const { return table; }
  zunValue value(int attribute) const;
  // The attributes in the order that, sent back, rebuilds the state: never
  // given first, in table order, then as they were last given. Returns
  // how many.
  int dumpOrder(int (&order)[zunMaxAttributes]) const;

 private:
  void record(const char* selector, zunValue v);

  zunMessageTable<Engine> messages;
  zunAttributeTable<Engine> table;
  zunValue values[zunMaxAttributes];
  unsigned long long givenAt[zunMaxAttributes];  // 0: never given
  unsigned long long given = 0;
  mutable std::mutex guard;
};
