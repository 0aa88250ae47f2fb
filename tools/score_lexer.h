#pragma once

// Splitting one line of a score into words. Words are separated by blanks;
// a word in double quotes may hold blanks (\" and \\ inside stand for " and
// \); a # at the start of a word comments out the rest of the line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"

namespace zun::tools {

struct Token {
  std::string text;
  SourcePos pos;
  bool quoted = false;
};

// The words of `line` (line number `lineNumber`). A malformed quote is
// reported, and the line then gives no words.
std::vector<Token> tokenize(std::string_view line, int lineNumber, Diagnostics& diagnostics);

// Numbers as a Max message box reads them: "3" and "-3" are integers;
// "3.", "0.5", ".5", "1e-3" are floats. Anything else is not a number.
std::optional<long long> parseInteger(std::string_view text);
std::optional<double> parseReal(std::string_view text);  // integers too

// The latest time a score may name: 10^7 s, about 116 days.
constexpr double maxSeconds = 1e7;

// A time: seconds ("1.5", "1.5s") or milliseconds ("250ms").
std::optional<double> parseSeconds(std::string_view text);
// An interval: milliseconds ("20", "20ms") or seconds ("0.02s").
std::optional<double> parseIntervalSeconds(std::string_view text);

}  // namespace zun::tools
