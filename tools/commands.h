#pragma once

// The commands of zun, each run from parsed options, returning the exit
// status: 0 success, 1 a failure while running, 2 a usage or score error,
// 130 interrupted.

#include <optional>
#include <string>
#include <vector>

namespace zun::tools {

constexpr int exitOk = 0;
constexpr int exitFailure = 1;
constexpr int exitUsage = 2;
constexpr int exitInterrupted = 130;

struct RenderOptions {
  std::string score;
  std::string output;  // "-" for raw floats on stdout
  int sampleRate = 44100;
  long vectorSize = 64;
  std::optional<int> seed;
  std::optional<std::string> format;
  std::optional<double> durationSeconds;
  std::vector<std::string> plugins;
  std::optional<std::string> info;
  std::optional<std::string> events;
  bool quiet = false;
  bool verbose = false;  // every list the objects send, not a count of them
  int jobs = 1;  // threads rendering objects side by side
};

int runRender(const RenderOptions& options);
int runClasses(const std::vector<std::string>& plugins);

}  // namespace zun::tools
