#pragma once

// Checking a parsed score against the classes the plug-ins register: every
// object's class exists, every message is one its class answers with
// arguments of the right types, objects are declared before their messages,
// and nothing happens after the end.

#include <optional>
#include <string>

#include "diagnostics.h"
#include "score.h"
#include "zunHost.h"

namespace zun::tools {

// Where the checker finds classes: the plug-ins on the search path.
class ClassCatalog {
 public:
  virtual ~ClassCatalog() = default;
  // The class's description, loading its plug-in if need be, or null with
  // `whyNot` saying what was looked for.
  virtual const zun::ClassInfo* find(const std::string& className, std::string& whyNot) = 0;
};

struct CheckOptions {
  // --duration: the render's length, which overrides the score's end.
  std::optional<double> durationSeconds;
};

// The render's length in seconds, or nullopt (reported) if neither the
// score nor the options give one.
std::optional<double> checkScore(const Score& score, ClassCatalog& catalog,
                                 const CheckOptions& options, Diagnostics& diagnostics);

// "int", "float", "symbol", "[int]", ... for a Max argument type code.
std::string typeName(int type);
// A message's form for messages: "start INT", "setbuf ANYTHING...", "info".
std::string signature(const std::string& selector, const std::vector<int>& types);
// A method of class `className` as `zun classes` shows it: its signature,
// or for a list message of our objects the numbers it takes.
std::string methodSignature(const std::string& className, const zun::MethodInfo& m);

}  // namespace zun::tools
