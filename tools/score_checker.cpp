#include "score_checker.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <set>
#include <sstream>

#include "ext.h"
#include "zunMessages.h"
#include "zunSettings.h"

namespace zun::tools {

namespace {

std::string quote(const std::string& s) { return "'" + s + "'"; }

SourcePos after(const Token& t) {
  return {t.pos.line, t.pos.column + static_cast<int>(t.text.size()) + (t.quoted ? 2 : 0) + 1};
}

std::string seconds(double s) {
  std::ostringstream out;
  out << s << " s";
  return out.str();
}

bool isHostOnly(const std::vector<int>& types) { return !types.empty() && types[0] == A_CANT; }

bool takesAnything(const std::vector<int>& types) { return !types.empty() && types[0] == A_GIMME; }

// Checks arguments against a type list. `what` names the receiver in
// messages ("message 'start'", "burst.zun~'s creation arguments").
void checkArguments(const std::vector<int>& types, const std::vector<Value>& args,
                    const std::string& what, const std::string& form, SourcePos missingPos,
                    Diagnostics& d) {
  if (takesAnything(types)) return;
  for (size_t i = 0; i < types.size(); ++i) {
    const int type = types[i];
    const bool required = type == A_LONG || type == A_FLOAT || type == A_SYM || type == A_OBJ;
    if (i >= args.size()) {
      if (required)
        d.error(missingPos, what + " needs " + (type == A_LONG ? "an " : "a ") + typeName(type) +
                                " argument (" + form + ")");
      return;
    }
    const Value& v = args[i];
    switch (type) {
      case A_LONG:
      case A_DEFLONG:
        if (!v.isNumber())
          d.error(v.pos, what + " takes an int, not " + v.describe() + " (" + form + ")");
        else if (v.kind == Value::Kind::real && v.real != std::trunc(v.real))
          d.warning(v.pos, what + " takes an int: " + v.describe() + " is truncated to " +
                               std::to_string(static_cast<long long>(v.real)));
        else if (v.kind == Value::Kind::real && std::fabs(v.real) >= 0x1p63)
          d.warning(v.pos, what + " takes an int: " + v.describe() +
                               " is beyond 64 bits and is held at " +
                               (v.real < 0 ? "-9223372036854775808" : "9223372036854775807"));
        break;
      case A_FLOAT:
      case A_DEFFLOAT:
        if (!v.isNumber())
          d.error(v.pos, what + " takes a float, not " + v.describe() + " (" + form + ")");
        break;
      case A_SYM:
      case A_DEFSYM:
        if (v.isNumber())
          d.error(v.pos, what + " takes a symbol, not " + v.describe() + " (" + form + ")");
        break;
      default:
        d.error(v.pos, what + " takes an argument a score cannot write (" + form + ")");
        break;
    }
  }
  if (args.size() > types.size())
    d.error(args[types.size()].pos,
            "too many arguments: " + what +
                (types.empty() ? " takes none" : " takes " + std::to_string(types.size())) + " (" +
                form + ")");
}

// What the checker knows of the objects beyond their messages' types: the
// tables each reads, named by the message that binds each one, and what a
// message of one number does with a value outside the range it takes.
struct Accepted {
  zunRange range;
  bool integer;  // a float is truncated before the object sees it
  bool list = false;  // up to zunMostListNumbers numbers, each in the range
};

struct ObjectFacts {
  std::vector<std::string> roles;
  std::map<std::string, Accepted> ranges;
  std::map<std::string, std::string> setters;  // the message each attribute sends
};

template <class Engine, size_t Roles>
ObjectFacts factsOf(zunMessageTable<Engine> table, const char* const (&roles)[Roles],
                    zunAttributeTable<Engine> attributes) {
  ObjectFacts facts{{roles, roles + Roles}, {}, {}};
  for (const zunMessage<Engine>* m = table.begin; m != table.end; ++m)
    if (m->argument == zunArgument::integer || m->argument == zunArgument::real ||
        m->argument == zunArgument::list)
      facts.ranges.emplace(m->selector, Accepted{m->range, m->argument == zunArgument::integer,
                                                 m->argument == zunArgument::list});
  for (const zunAttribute* a = attributes.begin; a != attributes.end; ++a)
    facts.setters.emplace(a->name, a->selector);
  return facts;
}

const ObjectFacts* factsFor(const std::string& className) {
  static const ObjectFacts burst = factsOf(zunBurstMessages(), zunBurstRoles, zunBurstAttributes());
  static const ObjectFacts cloud = factsOf(zunCloudMessages(), zunCloudRoles, zunCloudAttributes());
  static const ObjectFacts mcBurst =
      factsOf(zunMcBurstMessages(), zunBurstRoles, zunMcBurstAttributes());
  static const ObjectFacts mcCloud =
      factsOf(zunMcCloudMessages(), zunCloudRoles, zunMcCloudAttributes());
  if (className == "burst.zun~") return &burst;
  if (className == "cloud.zun~") return &cloud;
  if (className == "mc.burst.zun~") return &mcBurst;
  if (className == "mc.cloud.zun~") return &mcCloud;
  return nullptr;
}

std::string number(double x) {
  std::ostringstream out;
  out << x;
  return out.str();
}

std::string describe(const zunRange& r) {
  if (std::isinf(r.low)) return (r.highIncluded ? "up to " : "below ") + number(r.high);
  if (std::isinf(r.high))
    return r.lowIncluded ? number(r.low) + " and above" : "above " + number(r.low);
  return number(r.low) + " to " + number(r.high);
}

std::string consequence(zunOutside outside, const std::string& value) {
  switch (outside) {
    case zunOutside::refused: return "the object refuses " + value + " (an error at render time)";
    case zunOutside::ignored: return "the object ignores " + value + " and keeps the value it has";
    case zunOutside::folded: return "the object folds " + value + " into that range";
    case zunOutside::nothing: break;
  }
  return "";
}

// The argument an attribute takes, as a message's type list.
std::vector<int> attributeTypes(const std::string& type) {
  if (type == "float64" || type == "float32") return {A_FLOAT};
  if (type == "long" || type == "atom_long" || type == "int32" || type == "char") return {A_LONG};
  if (type == "symbol") return {A_SYM};
  return {A_GIMME};
}

bool isAttributeName(const Value& v) {
  return v.kind == Value::Kind::symbol && !v.symbol.empty() && v.symbol[0] == '@';
}

std::string ordinal(size_t n) {
  static const char* const names[] = {"first", "second", "third", "fourth", "fifth"};
  return n < 5 ? names[n] : std::to_string(n + 1) + "th";
}

class Checker {
 public:
  Checker(const Score& score, ClassCatalog& catalog, const CheckOptions& options, Diagnostics& d)
      : score_(score), catalog_(catalog), options_(options), d_(d) {}

  std::optional<double> run() {
    buffers();
    objects();
    if (score_.objects.empty()) d_.warning({}, "the score has no objects: the render is silence");
    for (const AtStatement& a : score_.messages) at(a);
    for (const RampStatement& r : score_.ramps) ramp(r);
    overlappingRamps();
    unboundTables();
    inputs();
    return length();
  }

 private:
  struct Declared {
    int line;
    const zun::ClassInfo* info;  // null if the class is unknown
    const ObjectStatement* statement = nullptr;
    const ObjectFacts* facts = nullptr;
    std::set<size_t> bound = {};  // the roles some statement binds
    bool live = false;            // granulates its live input: no sample needed
  };

  void buffers() {
    for (const BufferStatement& b : score_.buffers) {
      auto [it, fresh] = bufferLines_.emplace(b.name.text, b.line);
      if (!fresh)
        d_.error(b.name.pos, "a buffer named " + quote(b.name.text) +
                                 " is already defined at line " + std::to_string(it->second));
    }
  }

  // A symbol that names no buffer is legal (the object plays silence, as in
  // Max), but it is usually a typing mistake. Only symbols the method
  // takes as symbols count.
  void warnUnknownBuffers(const std::vector<int>& types, const std::vector<Value>& args) {
    for (size_t i = 0; i < args.size(); ++i) {
      const Value& v = args[i];
      const bool symbolic = takesAnything(types) ||
                            (i < types.size() && (types[i] == A_SYM || types[i] == A_DEFSYM));
      if (symbolic && v.kind == Value::Kind::symbol && !bufferLines_.count(v.symbol))
        d_.warning(v.pos, "no buffer named " + quote(v.symbol) +
                              " in this score (a table bound to it reads silence)");
    }
  }

  void objects() {
    for (const ObjectStatement& o : score_.objects) {
      auto [it, fresh] = objects_.emplace(o.id.text, Declared{o.line, nullptr});
      if (!fresh) {
        d_.error(o.id.pos, "an object named " + quote(o.id.text) + " is already defined at line " +
                               std::to_string(it->second.line));
        continue;
      }
      std::string whyNot;
      const zun::ClassInfo* info = catalog_.find(o.className.text, whyNot);
      if (!info) {
        d_.error(o.className.pos, "unknown class " + quote(o.className.text) + ": " + whyNot);
        continue;
      }
      it->second.info = info;
      it->second.statement = &o;
      if (!info->signal)
        d_.warning(o.className.pos, o.className.text + " is not a signal class: it makes no sound");
      const auto named = std::find_if(o.args.begin(), o.args.end(), isAttributeName);
      const std::vector<Value> args(o.args.begin(), named);
      checkArguments(info->constructorTypes, args, o.className.text + "'s creation arguments",
                     "object ID " + o.className.text + " " + argumentForm(info->constructorTypes),
                     after(o.className), d_);
      it->second.facts = factsFor(o.className.text);
      if (it->second.facts)
        bindTables(it->second, args, o.className.text + " takes");
      else
        warnUnknownBuffers(info->constructorTypes, args);
      attributeArguments(it->second, std::vector<Value>(named, o.args.end()));
    }
  }

  // "@NAME value..." after the creation arguments: each as the message
  // NAME would be.
  void attributeArguments(Declared& object, const std::vector<Value>& args) {
    for (auto a = args.begin(); a != args.end();) {
      const auto next = std::find_if(a + 1, args.end(), isAttributeName);
      const Token name{a->symbol.substr(1), {a->pos.line, a->pos.column + 1}};
      const zun::MethodInfo* m = attributeMethod(*object.info, name.text);
      if (!m || m->types.empty())
        d_.error(name.pos, object.info->name + " has no attribute " + quote(name.text) +
                               " (see zun classes for its attributes)");
      else
        sent(object, name, *m, std::vector<Value>(a + 1, next), after(name));
      a = next;
    }
  }

  // The message an attribute answers: NAME sets it, taking what the
  // message it sends takes, and getNAME reads it.
  const zun::MethodInfo* attributeMethod(const zun::ClassInfo& info, const std::string& selector) {
    for (const zun::AttributeInfo& a : info.attributes) {
      if (selector == a.name)
        return &made_.emplace_back(zun::MethodInfo{a.name, setterTypes(info, a)});
      if (selector == "get" + a.name) return &made_.emplace_back(zun::MethodInfo{selector, {}});
    }
    return nullptr;
  }

  static std::vector<int> setterTypes(const zun::ClassInfo& info, const zun::AttributeInfo& a) {
    if (const ObjectFacts* facts = factsFor(info.name)) {
      const auto setter = facts->setters.find(a.name);
      for (const zun::MethodInfo& m : info.methods)
        if (setter != facts->setters.end() && m.selector == setter->second) return m.types;
    }
    return attributeTypes(a.type);
  }

  // `meaning`: the message it stands for, where not itself.
  void sent(Declared& object, const Token& selector, const zun::MethodInfo& m,
            const std::vector<Value>& args, SourcePos missingPos, const Token* meaning = nullptr) {
    checkArguments(m.types, args, "message " + quote(selector.text), signature(m.selector, m.types),
                   missingPos, d_);
    if (object.facts)
      checkFacts(object, meaning ? *meaning : selector, args);
    else
      warnUnknownBuffers(m.types, args);
  }

  // Table names in role order, as creation arguments and "setbuf" give
  // them: a number binds no table, and names beyond the roles are ignored.
  void bindTables(Declared& object, const std::vector<Value>& names, const std::string& what) {
    const std::vector<std::string>& roles = object.facts->roles;
    for (size_t i = 0; i < names.size(); ++i) {
      const Value& v = names[i];
      if (i >= roles.size())
        d_.warning(v.pos, what + " " + std::to_string(roles.size()) + " table names: the " +
                              ordinal(i) + ", " + v.describe() + ", is ignored");
      else if (v.isNumber())
        d_.warning(v.pos, what + " table names: " + v.describe() + " binds no table (" +
                              roles[i] + " reads silence)");
      else
        bindTable(object, i, v);
    }
  }

  void bindTable(Declared& object, size_t role, const Value& name) {
    object.bound.insert(role);
    warnUnknownBuffers({A_SYM}, {name});
  }

  // Messages the object takes as they are, or leaves without effect.
  void checkFacts(Declared& object, const Token& sent, const std::vector<Value>& args) {
    const ObjectFacts& facts = *object.facts;
    const auto setter = facts.setters.find(sent.text);
    const Token selector{setter == facts.setters.end() ? sent.text : setter->second, sent.pos};
    if (selector.text == "setbuf") {
      bindTables(object, args, "setbuf takes");
      return;
    }
    for (size_t r = 0; r < facts.roles.size(); ++r)
      if (facts.roles[r] == selector.text && !args.empty()) bindTable(object, r, args[0]);
    if (selector.text == "liveBuffer") object.live = true;
    auto range = facts.ranges.find(selector.text);
    if (range == facts.ranges.end()) return;
    if (range->second.list) checkList(sent, args);
    for (const Value& v : args) warnOutside(sent, range->second, v);
  }

  void checkList(const Token& selector, const std::vector<Value>& args) {
    for (const Value& v : args)
      if (!v.isNumber())
        d_.error(v.pos, quote(selector.text) + " takes numbers, not " + v.describe());
    if (args.size() > static_cast<size_t>(zunMostListNumbers))
      d_.error(args[zunMostListNumbers].pos,
               quote(selector.text) + " takes up to " + std::to_string(zunMostListNumbers) +
                   " numbers: the object refuses more");
  }

  void warnOutside(const Token& selector, const Accepted& accepted, const Value& v) {
    const zunRange& range = accepted.range;
    if (!v.isNumber() || range.outside == zunOutside::nothing) return;
    const double x = accepted.integer ? std::trunc(v.number()) : v.number();
    if (range.contains(x)) return;
    d_.warning(v.pos, quote(selector.text) + " takes values " + describe(range) + ": " +
                          consequence(range.outside, v.describe()));
  }

  // An object that never gets one of its tables plays silence throughout.
  void unboundTables() {
    for (const auto& [id, object] : objects_) {
      if (!object.facts || !object.statement) continue;
      const std::vector<std::string>& roles = object.facts->roles;
      for (size_t r = 0; r < roles.size(); ++r)
        if (!object.bound.count(r) && !(object.live && roles[r] == std::string("setSample")))
          d_.warning(object.statement->className.pos,
                     object.statement->className.text + " " + id + " never gets its " + ordinal(r) +
                         " table (creation argument " + std::to_string(r + 1) + ", or " + roles[r] +
                         "): it plays silence");
    }
  }

  static std::string argumentForm(const std::vector<int>& types) {
    const std::string s = signature("", types);
    return s.empty() ? s : s.substr(1);
  }

  // The method `selector` of the object named by `object`, or null
  // (reported) if there is none a score can send.
  const zun::MethodInfo* method(const Token& object, const Token& selector, int line) {
    auto it = objects_.find(object.text);
    if (it == objects_.end()) {
      d_.error(object.pos, "unknown object " + quote(object.text) +
                               " (declare it first: object " + object.text + " CLASS [ARGS])");
      return nullptr;
    }
    if (it->second.line > line) {
      d_.error(object.pos, "object " + quote(object.text) +
                               " is used before it is declared at line " +
                               std::to_string(it->second.line));
      return nullptr;
    }
    const zun::ClassInfo* info = it->second.info;
    if (!info) return nullptr;  // its class was reported already
    for (const zun::MethodInfo& m : info->methods)
      if (m.selector == selector.text) {
        if (isHostOnly(m.types)) {
          d_.error(selector.pos, quote(selector.text) +
                                     " is sent by the host itself, not by a score");
          return nullptr;
        }
        return &m;
      }
    if (const zun::MethodInfo* m = attributeMethod(*info, selector.text)) return m;
    d_.error(selector.pos, info->name + " does not understand " + quote(selector.text) +
                               " (see zun classes for its messages)");
    return nullptr;
  }

  void at(const AtStatement& a) {
    const zun::MethodInfo* m = method(a.object, a.selector, a.line);
    const std::optional<Token> setter =
        m ? inletSetter(a.object, a.selector, a.inlet) : std::nullopt;
    if (setter)
      sent(objects_.at(a.object.text), a.selector, *m, a.args, after(a.selector), &*setter);
    lastTime(a.time, "message");
  }

  // The message a float stands for at the inlet named, as a token at the
  // float's place; the selector itself when no inlet is named. Nothing
  // (reported) for an inlet the object lacks, or a float into the first
  // inlet of an object with named ones, which refuses it.
  std::optional<Token> inletSetter(const Token& object, const Token& selector,
                                   const std::optional<Token>& inlet) {
    const Declared& declared = objects_.at(object.text);
    if (!declared.statement) return selector;
    const std::string& className = declared.statement->className.text;
    const zunInletList inlets = zunInletsOf(className.c_str());
    if (!inlet) {
      if (selector.text != "float" || inlets.begin == inlets.end) return selector;
      d_.error(selector.pos, "a float goes to a signal inlet: name it (at TIME " + object.text +
                                 " INLET float VALUE; " + inletNames(className) + ")");
      return std::nullopt;
    }
    const int k = zunInletOf(className.c_str(), inlet->text.c_str());
    if (k < 0) {
      d_.error(inlet->pos, "unknown inlet " + quote(inlet->text) + " of " + className + " (" +
                               inletNames(className) + ")");
      return std::nullopt;
    }
    const char* setter = inlets.begin[k - 1].setter;
    if (!setter) {
      d_.error(inlet->pos, "inlet " + quote(inlet->text) + " of " + className +
                               " takes a signal only (feed it with: input ID " + inlet->text +
                               " BUFFER)");
      return std::nullopt;
    }
    return Token{setter, selector.pos};
  }

  void ramp(const RampStatement& r) {
    const zun::MethodInfo* m = method(r.object, r.selector, r.line);
    const std::optional<Token> setter =
        m ? inletSetter(r.object, r.selector, r.inlet) : std::nullopt;
    if (setter && !takesAnything(m->types)) {
      const int first = m->types.empty() ? A_NOTHING : m->types[0];
      const bool numeric =
          first == A_FLOAT || first == A_DEFFLOAT || first == A_LONG || first == A_DEFLONG;
      // Arguments after the first must be optional.
      const bool more = m->types.size() > 1 && (m->types[1] == A_LONG || m->types[1] == A_FLOAT ||
                                                m->types[1] == A_SYM || m->types[1] == A_OBJ);
      if (!numeric || more)
        d_.error(r.selector.pos, "a ramp sends one number, and " + quote(r.selector.text) +
                                     " is not a message of one number (" +
                                     signature(m->selector, m->types) + ")");
      else if (first == A_LONG || first == A_DEFLONG)
        d_.warning(r.selector.pos, quote(r.selector.text) +
                                       " takes an int: each value of the ramp is truncated");
      const Declared& object = objects_.at(r.object.text);
      const auto named = object.facts ? object.facts->setters.find(setter->text)
                                      : std::map<std::string, std::string>::const_iterator{};
      const std::string selector = object.facts && named != object.facts->setters.end()
                                       ? named->second
                                       : setter->text;
      auto range = object.facts ? object.facts->ranges.find(selector)
                                : std::map<std::string, Accepted>::const_iterator{};
      if (object.facts && range != object.facts->ranges.end()) {
        warnOutside(r.selector, range->second, r.from);
        warnOutside(r.selector, range->second, r.to);
      }
    }
    lastTime(r.end, "ramp");
  }

  void overlappingRamps() {
    std::map<std::pair<std::string, std::string>, std::vector<const RampStatement*>> byTarget;
    for (const RampStatement& r : score_.ramps)
      byTarget[{r.object.text, r.selector.text}].push_back(&r);
    for (auto& [target, ramps] : byTarget)
      for (size_t i = 0; i < ramps.size(); ++i)
        for (size_t j = 0; j < i; ++j) {
          const RampStatement& a = *ramps[j];
          const RampStatement& b = *ramps[i];
          if (b.start.seconds < a.end.seconds && a.start.seconds < b.end.seconds) {
            d_.error(b.start.pos, "this ramp of " + target.first + " " + target.second +
                                      " overlaps the one at line " + std::to_string(a.line) +
                                      " (their values would interleave)");
            break;
          }
        }
  }

  // An input names a buffer of the score, an object declared above it and
  // one of its signal inlets (the first unless named), one input an inlet.
  void inputs() {
    std::map<std::pair<std::string, int>, int> fed;
    for (const InputStatement& in : score_.inputs) {
      if (!bufferLines_.count(in.buffer.text))
        d_.error(in.buffer.pos, "no buffer named " + quote(in.buffer.text) + " in this score");
      auto it = objects_.find(in.object.text);
      if (it == objects_.end() || it->second.line > in.line) {
        d_.error(in.object.pos, "unknown object " + quote(in.object.text) +
                                    " (declare it first: object " + in.object.text +
                                    " CLASS [ARGS])");
        continue;
      }
      int inlet = 0;
      if (in.inlet && it->second.statement) {
        const std::string& className = it->second.statement->className.text;
        inlet = zunInletOf(className.c_str(), in.inlet->text.c_str());
        if (inlet < 0) {
          d_.error(in.inlet->pos, "unknown inlet " + quote(in.inlet->text) + " of " + className +
                                      " (" + inletNames(className) + ")");
          continue;
        }
      }
      auto [first, fresh] = fed.emplace(std::make_pair(in.object.text, inlet), in.line);
      if (!fresh)
        d_.error(in.object.pos, "object " + quote(in.object.text) + " has an input " +
                                    (in.inlet ? "on " + in.inlet->text + " " : "") +
                                    "already at line " + std::to_string(first->second));
      else if (it->second.info && !it->second.info->signal)
        d_.warning(in.object.pos,
                   in.object.text + " is not a signal object: its input is not read");
    }
  }

  static std::string inletNames(const std::string& className) {
    std::string names;
    const zunInletList inlets = zunInletsOf(className.c_str());
    for (const zunInlet* i = inlets.begin; i != inlets.end; ++i)
      names += (names.empty() ? "" : " ") + std::string(i->name);
    return names.empty() ? "it has no named inlets" : "its inlets: " + names;
  }

  void lastTime(const Time& t, const char* what) { events_.push_back({t, what}); }

  std::optional<double> length() {
    if (options_.durationSeconds) {
      const double duration = *options_.durationSeconds;
      for (const auto& e : events_)
        if (e.time.seconds > duration)
          d_.warning(e.time.pos, std::string("this ") + e.what +
                                     " comes after the end of the render (--duration " +
                                     seconds(duration) + ") and is cut off");
      return duration;
    }
    if (!score_.end) {
      if (!d_.hasErrors())
        d_.error({}, "the score has no end: add a line 'end TIME' or pass --duration");
      return std::nullopt;
    }
    const double end = score_.end->time.seconds;
    for (const auto& e : events_)
      if (e.time.seconds > end)
        d_.error(e.time.pos, std::string("this ") + e.what + " comes after the end of the score (" +
                                 seconds(end) + ", line " + std::to_string(score_.end->line) + ")");
    return end;
  }

  struct Event {
    Time time;
    const char* what;
  };

  std::deque<zun::MethodInfo> made_;  // the messages of attributes, once looked up

  const Score& score_;
  ClassCatalog& catalog_;
  const CheckOptions& options_;
  Diagnostics& d_;
  std::map<std::string, int> bufferLines_;
  std::map<std::string, Declared> objects_;
  std::vector<Event> events_;
};

}  // namespace

std::string typeName(int type) {
  switch (type) {
    case A_LONG: return "int";
    case A_FLOAT: return "float";
    case A_SYM: return "symbol";
    case A_OBJ: return "object";
    case A_DEFLONG: return "[int]";
    case A_DEFFLOAT: return "[float]";
    case A_DEFSYM: return "[symbol]";
    case A_GIMME: return "anything...";
    case A_CANT: return "(sent by the host)";
    default: return "(type " + std::to_string(type) + ")";
  }
}

std::string signature(const std::string& selector, const std::vector<int>& types) {
  std::string s = selector;
  for (int t : types) {
    s += " " + typeName(t);
    if (t == A_GIMME) break;  // it takes everything after it
  }
  return s;
}

std::string methodSignature(const std::string& className, const zun::MethodInfo& m) {
  const ObjectFacts* facts = factsFor(className);
  const auto range = facts ? facts->ranges.find(m.selector) : decltype(facts->ranges.end()){};
  if (facts && range != facts->ranges.end() && range->second.list)
    return m.selector + " [float]... (up to " + std::to_string(zunMostListNumbers) + ")";
  return signature(m.selector, m.types);
}

std::optional<double> checkScore(const Score& score, ClassCatalog& catalog,
                                 const CheckOptions& options, Diagnostics& diagnostics) {
  return Checker(score, catalog, options, diagnostics).run();
}

}  // namespace zun::tools
