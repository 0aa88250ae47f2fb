#pragma once

// What the user sees of a render on stderr: the objects' console lines and
// outlet values with their times, the progress bar, and a way to stop.

#include <cstdio>
#include <string>
#include <vector>

#include "progress.h"
#include "render.h"

namespace zun::tools {

class ConsoleReport : public RenderObserver {
 public:
  // `scoreName` prefixes errors; `collectOutlets` keeps outlet values for
  // csv() instead of printing them; `quiet` prints errors only.
  ConsoleReport(std::string scoreName, bool quiet, bool collectOutlets, bool progressBar);

  void console(double seconds, const zun::ConsoleLine& line, const PostContext& context) override;
  void outlet(double seconds, const std::string& object, int outlet, long long value) override;
  void progress(long long done, long long total) override { bar_.update(done, total); }
  bool cancelled() override;

  // Ctrl-C and SIGTERM stop the render at the next vector while this lives.
  void catchInterrupts();
  void releaseInterrupts();

  // The collected outlet values as CSV: time,object,outlet,value.
  std::string csv() const;
  void clearProgress() { bar_.clear(); }

 private:
  std::string scoreName_;
  bool quiet_;
  bool collect_;
  ProgressBar bar_;
  std::vector<std::string> rows_;
  bool catching_ = false;
};

}  // namespace zun::tools
