// The console: the lines objects post, kept for reading and optionally
// echoed to stderr.

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <vector>

#include "ext_obex.h"
#include "hostState.h"

namespace {

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
  if (std::vector<ConsoleLine>* captured = thisThread().captured) {
    captured->push_back({kind, text});
    return;
  }
  Console& console = host().console;
  std::lock_guard<std::mutex> lock(console.mutex);
  console.lines.push_back({kind, text});
  if (console.echo)
    std::fprintf(stderr, "%s%s\n", kind == ConsoleLine::Kind::error     ? "error: "
                                    : kind == ConsoleLine::Kind::warning ? "warning: "
                                                                         : "",
                 text.c_str());
}
}  // namespace detail

std::vector<ConsoleLine> console() {
  detail::Console& console = detail::host().console;
  std::lock_guard<std::mutex> lock(console.mutex);
  return console.lines;
}
void clearConsole() {
  detail::Console& console = detail::host().console;
  std::lock_guard<std::mutex> lock(console.mutex);
  console.lines.clear();
}
void setConsoleEcho(bool on) {
  detail::Console& console = detail::host().console;
  std::lock_guard<std::mutex> lock(console.mutex);
  console.echo = on;
}

ConsoleCapture::ConsoleCapture(std::vector<ConsoleLine>& into)
    : previous(detail::thisThread().captured) {
  detail::thisThread().captured = &into;
}
ConsoleCapture::~ConsoleCapture() { detail::thisThread().captured = previous; }

}  // namespace zun

static void printFor(zun::ConsoleLine::Kind kind, t_object* x, const char* s, va_list args) {
  zun::detail::print(kind, prefixFor(x) + format(s, args));
}

extern "C" void object_post(t_object* x, const char* s, ...) {
  va_list args;
  va_start(args, s);
  printFor(zun::ConsoleLine::Kind::post, x, s, args);
  va_end(args);
}

extern "C" void object_error(t_object* x, const char* s, ...) {
  va_list args;
  va_start(args, s);
  printFor(zun::ConsoleLine::Kind::error, x, s, args);
  va_end(args);
}

extern "C" void object_warn(t_object* x, const char* s, ...) {
  va_list args;
  va_start(args, s);
  printFor(zun::ConsoleLine::Kind::warning, x, s, args);
  va_end(args);
}
