// zun classes: every class of the plug-ins on the search path, with its
// creation arguments, the messages a score can send it and its attributes
// (set by "@NAME value" after the creation arguments or by the message
// NAME, read by getNAME), each with its category and limits.

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "commands.h"
#include "ext.h"
#include "plugin_path.h"
#include "score_checker.h"
#include "zunHost.h"

namespace zun::tools {

namespace {

// The setter message "setNAME" of an attribute that takes several numbers:
// its arguments are the attribute's, the atom type alone says one number.
const zun::MethodInfo* listSetter(const zun::ClassInfo& info, const zun::AttributeInfo& a) {
  std::string selector = "set" + a.name;
  selector[3] = static_cast<char>(std::toupper(static_cast<unsigned char>(selector[3])));
  for (const zun::MethodInfo& m : info.methods)
    if (m.selector == selector && !m.types.empty() && (m.types.size() > 1 || m.types[0] == A_GIMME))
      return &m;
  return nullptr;
}

std::string attributeLine(const zun::ClassInfo& info, const zun::AttributeInfo& a) {
  const std::vector<int> types = a.type == "symbol"  ? std::vector<int>{A_SYM}
                                 : a.type == "long" ? std::vector<int>{A_LONG}
                                                    : std::vector<int>{A_FLOAT};
  const zun::MethodInfo* setter = listSetter(info, a);
  std::string line = signature("@" + a.name, types);
  if (setter) {
    const std::string form = methodSignature(info.name, *setter);
    line = "@" + a.name + form.substr(setter->selector.size());
  }
  std::string about = a.get("category");
  for (const char* what : {"min", "max"})
    if (!a.get(what).empty()) about += std::string(", ") + what + " " + a.get(what);
  if (a.get("style") == "onoff") about += ", 0 or 1";
  if (a.get("style") == "enumindex") about += ", by index: " + a.get("enumvals");
  return about.empty() ? line : line + "  (" + about + ")";
}

}  // namespace

int runClasses(const std::vector<std::string>& plugins) {
  const std::vector<std::string> path = pluginSearchPath(plugins, std::getenv("ZUN_PLUGIN_PATH"));
  const std::vector<std::string> files = listPlugins(path);
  if (files.empty()) {
    std::string dirs;
    for (const std::string& d : path) dirs += (dirs.empty() ? "" : ", ") + d;
    std::fprintf(stderr, "zun: error: no plug-ins in %s\n",
                 dirs.empty() ? "the search path (it is empty)" : dirs.c_str());
    return exitFailure;
  }
  int status = exitOk;
  bool first = true;
  for (const std::string& file : files) {
    std::vector<std::string> names;
    try {
      names = zun::loadPlugin(file);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "zun: error: %s\n", e.what());
      status = exitFailure;
      continue;
    }
    zun::clearConsole();
    for (const std::string& name : names) {
      const zun::ClassInfo info = zun::classInfo(name);
      std::printf("%s%s  (%s)\n", first ? "" : "\n", name.c_str(), file.c_str());
      first = false;
      std::printf("  object ID %s\n", signature(name, info.constructorTypes).c_str());
      for (const zun::MethodInfo& m : info.methods)
        if (m.types.empty() || m.types[0] != A_CANT)
          std::printf("  %s\n", methodSignature(name, m).c_str());
      for (const zun::AttributeInfo& a : info.attributes)
        std::printf("  %s\n", attributeLine(info, a).c_str());
    }
  }
  return status;
}

}  // namespace zun::tools
