#include "score_lexer.h"

#include <charconv>
#include <cmath>

namespace zun::tools {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number starts with a digit, or a sign or point followed by one, so that
// words such as "inf", "nan" or "-" stay symbols.
bool looksNumeric(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
  if (i < s.size() && s[i] == '.') ++i;
  return i < s.size() && isDigit(s[i]);
}

// A value followed by a unit suffix; dividing by `perSecond` gives seconds.
std::optional<double> withUnit(std::string_view text, std::string_view suffix, double perSecond) {
  if (text.size() <= suffix.size() || text.substr(text.size() - suffix.size()) != suffix)
    return std::nullopt;
  std::optional<double> v = parseReal(text.substr(0, text.size() - suffix.size()));
  if (!v) return std::nullopt;
  return *v / perSecond;
}

}  // namespace

std::vector<Token> tokenize(std::string_view line, int lineNumber, Diagnostics& diagnostics) {
  std::vector<Token> tokens;
  size_t i = 0;
  while (i < line.size()) {
    if (isBlank(line[i])) {
      ++i;
      continue;
    }
    if (line[i] == '#') break;
    Token t;
    t.pos = {lineNumber, static_cast<int>(i) + 1};
    if (line[i] == '"') {
      t.quoted = true;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) c = line[i++];
        t.text += c;
      }
      if (!closed) {
        diagnostics.error(t.pos, "unterminated quoted word");
        return {};
      }
      if (i < line.size() && !isBlank(line[i]) && line[i] != '#') {
        diagnostics.error({lineNumber, static_cast<int>(i) + 1},
                          "a quoted word must be followed by a blank");
        return {};
      }
    } else {
      while (i < line.size() && !isBlank(line[i])) t.text += line[i++];
    }
    tokens.push_back(std::move(t));
  }
  return tokens;
}

std::optional<long long> parseInteger(std::string_view text) {
  if (!looksNumeric(text)) return std::nullopt;
  std::string_view digits = text;
  if (!digits.empty() && digits[0] == '+') digits.remove_prefix(1);
  long long v = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
  if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return v;
}

std::optional<double> parseReal(std::string_view text) {
  if (!looksNumeric(text)) return std::nullopt;
  std::string_view digits = text;
  if (!digits.empty() && digits[0] == '+') digits.remove_prefix(1);
  double v = 0.0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
  if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(v))
    return std::nullopt;
  return v;
}

std::optional<double> parseSeconds(std::string_view text) {
  if (auto ms = withUnit(text, "ms", 1000.0)) return ms;
  if (auto s = withUnit(text, "s", 1.0)) return s;
  return parseReal(text);
}

std::optional<double> parseIntervalSeconds(std::string_view text) {
  if (auto ms = withUnit(text, "ms", 1000.0)) return ms;
  if (auto s = withUnit(text, "s", 1.0)) return s;
  if (auto ms = parseReal(text)) return *ms / 1000.0;
  return std::nullopt;
}

}  // namespace zun::tools
