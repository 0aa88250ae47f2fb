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
  // csv() and `collectLists` lists for listCsv() instead of printing them;
  // `quiet` prints errors only. `sampleRate` turns a list's "sample" field
  // into its time; lists whose sample is at or after `frames`, the end of
  // the render, are left out (the last vector runs past the end).
  ConsoleReport(std::string scoreName, bool quiet, bool collectOutlets, bool progressBar,
                bool collectLists = false, double sampleRate = 44100.0, long long frames = 0);

  void console(double seconds, const zun::ConsoleLine& line, const PostContext& context) override;
  void outlet(double seconds, const std::string& object, int outlet, long long value) override;
  void list(double seconds, const std::string& object, int outlet,
            const std::vector<std::string>& fields, const std::vector<zun::Atom>& values) override;
  void message(double seconds, const std::string& object, int outlet, const std::string& selector,
               const std::vector<zun::Atom>& values) override;
  void progress(long long done, long long total) override { bar_.update(done, total); }
  bool cancelled() override;

  // Lists not collected are counted per object, for printListCounts(),
  // unless each is to be printed as it comes.
  void printEachList(bool each) { printEachList_ = each; }
  void printListCounts() const;

  // Ctrl-C, SIGTERM and SIGHUP stop the render at the next vector while this lives.
  void catchInterrupts();
  void releaseInterrupts();

  // The collected outlet values as CSV: time,object,outlet,value.
  std::string csv() const;
  // The collected lists as CSV: time, object, then a column for every
  // field name met, in the order met (values without a name are v1, v2,
  // ...). The time is the list's "sample" over the sample rate where it
  // has one, else the time it came out.
  std::string listCsv() const;
  long long lists() const { return static_cast<long long>(listRows_.size()); }
  void clearProgress() { bar_.clear(); }

 private:
  std::string scoreName_;
  bool quiet_;
  bool collect_;
  ProgressBar bar_;
  std::vector<std::string> rows_;
  bool collectLists_;
  double sampleRate_;
  long long frames_;
  struct ListRow {
    double seconds;
    std::string object;
    std::vector<std::pair<size_t, std::string>> cells;  // column, value
  };
  std::vector<std::string> listColumns_;
  std::vector<ListRow> listRows_;
  // Whether a list's "sample" field lies after the render's end.
  bool pastTheEnd(const std::vector<std::string>& fields,
                  const std::vector<zun::Atom>& values) const;
  bool catching_ = false;
  bool printEachList_ = false;
  std::vector<std::pair<std::string, long long>> listCounts_;  // object, lists, in order met
};

}  // namespace zun::tools
