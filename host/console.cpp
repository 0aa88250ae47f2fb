// The console: the lines objects post, kept for reading and optionally
// echoed to stderr.

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <vector>

#include "ext_obex.h"
#include "hostInternal.h"

namespace {

// Several message threads may post at once.
std::mutex linesMutex;
std::vector<zun::ConsoleLine> lines;
bool echo = false;
// Where this thread's lines go instead, while a ConsoleCapture lives.
thread_local std::vector<zun::ConsoleLine>* captured = nullptr;

std::string format(const char* fmt, va_list args) {
  if (!fmt) return "";
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, fmt, copy);
  va_end(copy);
  if (n <= 0) return "";
  std::string text(static_cast<size_t>(n) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), fmt, args);
  text.resize(static_cast<size_t>(n));
  return text;
}

// A line posted for an object starts with its class name, as Max shows it.
std::string prefixFor(const t_object* x) {
  const t_class* c = zun::detail::classOf(x);
  return c ? std::string(c->name->s_name) + ": " : "";
}

}  // namespace

namespace zun {

namespace detail {
void print(ConsoleLine::Kind kind, const std::string& text) {
  if (captured) {
    captured->push_back({kind, text});
    return;
  }
  std::lock_guard<std::mutex> lock(linesMutex);
  lines.push_back({kind, text});
  if (echo)
    std::fprintf(stderr, "%s%s\n", kind == ConsoleLine::Kind::error     ? "error: "
                                    : kind == ConsoleLine::Kind::warning ? "warning: "
                                                                         : "",
                 text.c_str());
}
}  // namespace detail

std::vector<ConsoleLine> console() {
  std::lock_guard<std::mutex> lock(linesMutex);
  return lines;
}
void clearConsole() {
  std::lock_guard<std::mutex> lock(linesMutex);
  lines.clear();
}
void setConsoleEcho(bool on) { echo = on; }

ConsoleCapture::ConsoleCapture(std::vector<ConsoleLine>& into) : previous(captured) {
  captured = &into;
}
ConsoleCapture::~ConsoleCapture() { captured = previous; }

}  // namespace zun

extern "C" void object_post(t_object* x, const char* s, ...) {
  va_list args;
  va_start(args, s);
  std::string text = prefixFor(x) + format(s, args);
  va_end(args);
  zun::detail::print(zun::ConsoleLine::Kind::post, text);
}

extern "C" void object_error(t_object* x, const char* s, ...) {
  va_list args;
  va_start(args, s);
  std::string text = prefixFor(x) + format(s, args);
  va_end(args);
  zun::detail::print(zun::ConsoleLine::Kind::error, text);
}

extern "C" void object_warn(t_object* x, const char* s, ...) {
  va_list args;
  va_start(args, s);
  std::string text = prefixFor(x) + format(s, args);
  va_end(args);
  zun::detail::print(zun::ConsoleLine::Kind::warning, text);
}
