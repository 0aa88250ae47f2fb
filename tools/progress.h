#pragma once

// A progress bar on a terminal: it appears once a render has taken a
// second, is redrawn at most ten times a second, and is erased at the end.

#include <chrono>
#include <cstdio>

namespace zun::tools {

class ProgressBar {
 public:
  // `enabled` false (no terminal, --quiet) makes every call do nothing.
  ProgressBar(std::FILE* out, bool enabled) : out_(out), enabled_(enabled) {}
  ~ProgressBar() { clear(); }

  void update(long long done, long long total);
  // Erases the bar, so that what is printed next starts on a clean line.
  void clear();

 private:
  using Clock = std::chrono::steady_clock;
  std::FILE* out_;
  bool enabled_;
  bool shown_ = false;
  Clock::time_point start_ = Clock::now();
  Clock::time_point lastDraw_{};
};

}  // namespace zun::tools
