#include "diagnostics.h"

#include <algorithm>

namespace zun::tools {

void Diagnostics::error(SourcePos pos, std::string message) {
  list_.push_back({Severity::error, pos, std::move(message)});
  ++errors_;
}

void Diagnostics::warning(SourcePos pos, std::string message) {
  list_.push_back({Severity::warning, pos, std::move(message)});
}

void Diagnostics::sort() {
  std::stable_sort(list_.begin(), list_.end(), [](const Diagnostic& a, const Diagnostic& b) {
    return a.pos.line != b.pos.line ? a.pos.line < b.pos.line : a.pos.column < b.pos.column;
  });
}

std::string Diagnostics::format(const Diagnostic& d) const {
  std::string out = file_;
  if (d.pos.line > 0) {
    out += ":" + std::to_string(d.pos.line);
    if (d.pos.column > 0) out += ":" + std::to_string(d.pos.column);
  }
  out += d.severity == Severity::error ? ": error: " : ": warning: ";
  out += d.message;
  return out;
}

}  // namespace zun::tools
