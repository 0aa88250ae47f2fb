#pragma once

// Finding plug-ins the way a host does: a class CLASS lives in a file
// CLASS.so, looked for in the directories of the search path in order.
//
// The search path: the --plugins directories, then those of the
// ZUN_PLUGIN_PATH variable (colon-separated), then the build tree's
// plug-in directory when zun runs from its build tree, then the installed
// plug-in directory next to the installed zun (PREFIX/lib/zun).

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "score_checker.h"

namespace zun::tools {

std::vector<std::string> pluginSearchPath(const std::vector<std::string>& optionDirs,
                                          const char* environmentValue);

// The first CLASS.so on the path, or nullopt.
std::optional<std::string> findPlugin(const std::vector<std::string>& path,
                                      const std::string& className);

// Every plug-in file on the path, the first of each name only, in path
// order and by name within a directory.
std::vector<std::string> listPlugins(const std::vector<std::string>& path);

// Classes from the plug-ins on a search path, each plug-in loaded when a
// class of it is first asked for.
class PluginCatalog : public ClassCatalog {
 public:
  explicit PluginCatalog(std::vector<std::string> path) : path_(std::move(path)) {}

  // Throws zun::HostError if the plug-in exists but cannot be loaded.
  const zun::ClassInfo* find(const std::string& className, std::string& whyNot) override;

  // The file a class came from, once found.
  std::string pluginOf(const std::string& className) const;

  const std::vector<std::string>& path() const { return path_; }

 private:
  std::vector<std::string> path_;
  std::map<std::string, std::unique_ptr<zun::ClassInfo>> found_;
  std::map<std::string, std::string> files_;
};

}  // namespace zun::tools
