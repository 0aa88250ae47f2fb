#include "plugin_path.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace zun::tools {

namespace {

constexpr const char* pluginSuffix = ".so";

// The directory of the running executable.
std::optional<fs::path> executableDir() {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return std::nullopt;
  return self.parent_path();
}

bool sameDirectory(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec);
}

}  // namespace

std::vector<std::string> pluginSearchPath(const std::vector<std::string>& optionDirs,
                                          const char* environmentValue) {
  std::vector<std::string> path = optionDirs;
  if (environmentValue) {
    std::string value = environmentValue;
    size_t start = 0;
    while (start <= value.size()) {
      size_t colon = value.find(':', start);
      if (colon == std::string::npos) colon = value.size();
      if (colon > start) path.push_back(value.substr(start, colon - start));
      start = colon + 1;
    }
  }
  if (std::optional<fs::path> exe = executableDir()) {
    std::error_code ec;
#ifdef ZUN_BUILD_TOOLS_DIR
    if (sameDirectory(*exe, ZUN_BUILD_TOOLS_DIR)) path.push_back(ZUN_BUILD_PLUGIN_DIR);
#endif
#ifdef ZUN_INSTALLED_PLUGIN_DIR
    const fs::path installed = (*exe / ZUN_INSTALLED_PLUGIN_DIR).lexically_normal();
    if (fs::is_directory(installed, ec)) path.push_back(installed.string());
#endif
  }
  return path;
}

std::optional<std::string> findPlugin(const std::vector<std::string>& path,
                                      const std::string& className) {
  if (className.empty() || className.find('/') != std::string::npos) return std::nullopt;
  for (const std::string& dir : path) {
    std::error_code ec;
    const fs::path file = fs::path(dir) / (className + pluginSuffix);
    if (fs::is_regular_file(file, ec)) return file.string();
  }
  return std::nullopt;
}

std::vector<std::string> listPlugins(const std::vector<std::string>& path) {
  std::vector<std::string> files;
  std::set<std::string> seen;
  for (const std::string& dir : path) {
    std::error_code ec;
    std::vector<fs::path> here;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
      const fs::path& p = it->path();
      if (p.extension() == pluginSuffix && it->is_regular_file(ec)) here.push_back(p);
    }
    std::sort(here.begin(), here.end());
    for (const fs::path& p : here)
      if (seen.insert(p.filename().string()).second) files.push_back(p.string());
  }
  return files;
}

const zun::ClassInfo* PluginCatalog::find(const std::string& className, std::string& whyNot) {
  if (auto it = found_.find(className); it != found_.end()) return it->second.get();
  std::optional<std::string> file = findPlugin(path_, className);
  if (!file) {
    whyNot = "no plug-in " + className + pluginSuffix + " in ";
    if (path_.empty()) whyNot += "the search path (it is empty)";
    for (size_t i = 0; i < path_.size(); ++i) whyNot += (i ? ", " : "") + path_[i];
    whyNot += " (add a directory with --plugins or ZUN_PLUGIN_PATH)";
    return nullptr;
  }
  const std::vector<std::string> names = zun::loadPlugin(*file);
  if (std::find(names.begin(), names.end(), className) == names.end()) {
    whyNot = "the plug-in " + *file + " registers no class of that name";
    return nullptr;
  }
  files_[className] = *file;
  auto info = std::make_unique<zun::ClassInfo>(zun::classInfo(className));
  return (found_[className] = std::move(info)).get();
}

std::string PluginCatalog::pluginOf(const std::string& className) const {
  auto it = files_.find(className);
  return it == files_.end() ? "" : it->second;
}

}  // namespace zun::tools
