#pragma once

// Messages about a score, each tied to a place in it: "FILE:LINE:COLUMN:
// error: ...", the form compilers use, so that editors can jump to it.

#include <string>
#include <vector>

namespace zun::tools {

// A place in a score: 1-based line and column; line 0 means the whole file.
struct SourcePos {
  int line = 0;
  int column = 0;
};

enum class Severity { error, warning };

struct Diagnostic {
  Severity severity;
  SourcePos pos;
  std::string message;
};

class Diagnostics {
 public:
  explicit Diagnostics(std::string file = "") : file_(std::move(file)) {}

  void error(SourcePos pos, std::string message);
  void warning(SourcePos pos, std::string message);

  bool hasErrors() const { return errors_ > 0; }
  // Orders the diagnostics by place in the file (whole-file ones first).
  void sort();
  int errorCount() const { return errors_; }
  const std::vector<Diagnostic>& all() const { return list_; }
  const std::string& file() const { return file_; }

  // "FILE:LINE:COLUMN: error: message", without a newline.
  std::string format(const Diagnostic& d) const;

 private:
  std::string file_;
  std::vector<Diagnostic> list_;
  int errors_ = 0;
};

}  // namespace zun::tools
