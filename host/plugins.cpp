// Loading plug-ins: open the library, call its exported `main` and see
// which classes it registered. Libraries stay loaded for the life of the
// process, as the classes they registered point into them.

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "hostState.h"

namespace {

#ifdef _WIN32
// The libraries a Windows plug-in imports (MaxAPI.dll, MaxAudio.dll) are
// found beside it, then beside the program.
void* openLibrary(const std::string& path) {
  return LoadLibraryExW(std::filesystem::path(path).make_preferred().c_str(), nullptr,
                        LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
}
void* entryOf(void* library) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), "main"));
}
std::string loadError() { return "Windows error " + std::to_string(GetLastError()); }
#else
void* openLibrary(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }
void* entryOf(void* library) { return dlsym(library, "main"); }
std::string loadError() { return dlerror(); }
#endif

}  // namespace

namespace zun {

std::vector<std::string> loadPlugin(const std::string& path) {
  std::error_code error;
  const std::string key = std::filesystem::canonical(path, error).string();
  if (error) throw HostError("cannot open plug-in " + path + ": " + error.message());
  std::map<std::string, std::vector<std::string>>& loaded = detail::host().classes.plugins;
  if (auto found = loaded.find(key); found != loaded.end()) return found->second;

  void* library = openLibrary(key);
  if (!library) throw HostError("cannot load plug-in " + path + ": " + loadError());
  void* entry = entryOf(library);
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
