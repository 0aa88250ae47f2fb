// Loading plug-ins: open the library, call its exported `main` and see
// which classes it registered. Libraries stay loaded for the life of the
// process, as the classes they registered point into them.

#include <dlfcn.h>

#include <filesystem>
#include <map>

#include "hostInternal.h"

namespace {

std::map<std::string, std::vector<std::string>> loaded;  // by canonical path

}  // namespace

namespace zun {

std::vector<std::string> loadPlugin(const std::string& path) {
  std::error_code error;
  const std::string key = std::filesystem::canonical(path, error).string();
  if (error) throw HostError("cannot open plug-in " + path + ": " + error.message());
  if (auto found = loaded.find(key); found != loaded.end()) return found->second;

  void* library = dlopen(key.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) throw HostError("cannot load plug-in " + path + ": " + dlerror());
  void* entry = dlsym(library, "main");
  if (!entry) throw HostError("plug-in " + path + " exports no main");

  const size_t before = classes().size();
  const int result = reinterpret_cast<int (*)()>(entry)();
  if (result != 0)
    throw HostError("main of plug-in " + path + " returned " + std::to_string(result));

  std::vector<std::string> names;
  const std::vector<ClassInfo> all = classes();
  for (size_t i = before; i < all.size(); ++i) names.push_back(all[i].name);
  loaded[key] = names;
  return names;
}

}  // namespace zun
