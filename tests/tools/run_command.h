#pragma once

// Running the built zun as a user would, and reading what it leaves.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zuntest {

struct Outcome {
  int status = -1;  // the exit status, or 128 + the signal that ended it
  std::string out;
  std::string err;
};

inline std::string readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void writeFile(const std::filesystem::path& p, const std::string& text) {
  std::ofstream(p, std::ios::binary) << text;
}

// A fresh directory for one test, removed with it.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zun-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    path_ = mkdtemp(name.data());
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  // Every file name in the directory.
  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline std::string shellQuote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Runs zun with `args` in `dir`, without ZUN_PLUGIN_PATH, reading `input`
// (if given) on its standard input.
inline Outcome runZun(const std::vector<std::string>& args, const std::filesystem::path& dir,
                      const std::filesystem::path& input = {}) {
  const std::filesystem::path out = dir / ".stdout", err = dir / ".stderr";
  std::string command = "cd " + shellQuote(dir.string()) + " && env -u ZUN_PLUGIN_PATH " +
                        shellQuote(ZUN_EXECUTABLE);
  for (const std::string& a : args) command += " " + shellQuote(a);
  if (!input.empty()) command += " <" + shellQuote(input.string());
  command += " >" + shellQuote(out.string()) + " 2>" + shellQuote(err.string());
  const int raw = std::system(command.c_str());
  Outcome o;
  o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  o.out = readFile(out);
  o.err = readFile(err);
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return o;
}

// FNV-1a, 64 bits.
inline std::uint64_t fnv1a(const std::string& bytes) {
  std::uint64_t h = 0xCBF29CE484222325ULL;
  for (unsigned char c : bytes) h = (h ^ c) * 0x100000001B3ULL;
  return h;
}

}  // namespace zuntest
