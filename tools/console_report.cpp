#include "console_report.h"

#include <algorithm>
#include <csignal>

namespace zun::tools {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void onInterrupt(int) { interrupted = 1; }

std::string stamp(double seconds) {
  char text[48];
  std::snprintf(text, sizeof text, "[%.3f s]", seconds);
  return text;
}

struct sigaction previousInt {}, previousTerm{}, previousHangUp{};

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string csvField(const std::string& s) {
  if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
  std::string out = "\"";
  for (char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

}  // namespace

ConsoleReport::ConsoleReport(std::string scoreName, bool quiet, bool collectOutlets,
                             bool progressBar, bool collectLists, double sampleRate,
                             long long frames)
    : scoreName_(std::move(scoreName)),
      quiet_(quiet),
      collect_(collectOutlets),
      bar_(stderr, progressBar && !quiet),
      collectLists_(collectLists),
      sampleRate_(sampleRate),
      frames_(frames) {}

void ConsoleReport::console(double seconds, const zun::ConsoleLine& line,
                            const PostContext& context) {
  const bool error = line.kind == zun::ConsoleLine::Kind::error;
  if (quiet_ && !error) return;
  std::string who;
  if (context.object) who = *context.object;
  if (context.selector) who += " " + *context.selector;
  std::string text = stamp(seconds) + " " + (who.empty() ? "" : who + ": ");
  if (error) text += "error: ";
  if (line.kind == zun::ConsoleLine::Kind::warning) text += "warning: ";
  text += line.text;
  if (error && context.line > 0)
    text += " (" + scoreName_ + ":" + std::to_string(context.line) + ")";
  bar_.clear();
  std::fprintf(stderr, "%s\n", text.c_str());
}

void ConsoleReport::outlet(double seconds, const std::string& object, int outlet, long long value) {
  if (collect_) {
    char row[64];
    std::snprintf(row, sizeof row, "%.6f,", seconds);
    rows_.push_back(row + csvField(object) + "," + std::to_string(outlet) + "," +
                    std::to_string(value));
    return;
  }
  if (quiet_) return;
  bar_.clear();
  std::fprintf(stderr, "%s %s outlet %d: %lld\n", stamp(seconds).c_str(), object.c_str(), outlet,
               value);
}

namespace {

std::string text(const zun::Atom& a) {
  if (const auto* i = std::get_if<t_atom_long>(&a.value)) return std::to_string(*i);
  if (const auto* d = std::get_if<double>(&a.value)) {
    char number[32];
    std::snprintf(number, sizeof number, "%.17g", *d);
    return number;
  }
  return csvField(std::get<std::string>(a.value));
}

}  // namespace

void ConsoleReport::message(double seconds, const std::string& object, int outlet,
                            const std::string& selector, const std::vector<zun::Atom>& values) {
  if (quiet_) return;
  std::string line = stamp(seconds) + " " + object + " outlet " + std::to_string(outlet) + ": " +
                     selector;
  for (const zun::Atom& a : values) line += " " + text(a);
  bar_.clear();
  std::fprintf(stderr, "%s\n", line.c_str());
}

void ConsoleReport::list(double seconds, const std::string& object, int outlet,
                         const std::vector<std::string>& fields,
                         const std::vector<zun::Atom>& values) {
  if (!collectLists_) {
    if (quiet_) return;
    if (!printEachList_) {
      if (pastTheEnd(fields, values)) return;
      auto c = std::find_if(listCounts_.begin(), listCounts_.end(),
                            [&](const auto& count) { return count.first == object; });
      if (c == listCounts_.end()) c = listCounts_.insert(c, {object, 0});
      ++c->second;
      return;
    }
    std::string line = stamp(seconds) + " " + object + " outlet " + std::to_string(outlet) + ":";
    for (const zun::Atom& a : values) line += " " + text(a);
    bar_.clear();
    std::fprintf(stderr, "%s\n", line.c_str());
    return;
  }
  ListRow row{seconds, object, {}};
  for (size_t i = 0; i < values.size(); ++i) {
    const std::string name = i < fields.size() ? fields[i] : "v" + std::to_string(i + 1);
    size_t column =
        std::find(listColumns_.begin(), listColumns_.end(), name) - listColumns_.begin();
    if (column == listColumns_.size()) listColumns_.push_back(name);
    row.cells.emplace_back(column, text(values[i]));
    const auto* sample = std::get_if<t_atom_long>(&values[i].value);
    if (name != "sample" || !sample) continue;
    if (*sample >= frames_) return;
    row.seconds = static_cast<double>(*sample) / sampleRate_;
  }
  listRows_.push_back(std::move(row));
}

bool ConsoleReport::pastTheEnd(const std::vector<std::string>& fields,
                               const std::vector<zun::Atom>& values) const {
  for (size_t i = 0; i < values.size() && i < fields.size(); ++i) {
    const auto* sample = std::get_if<t_atom_long>(&values[i].value);
    if (fields[i] == "sample" && sample) return *sample >= frames_;
  }
  return false;
}

void ConsoleReport::printListCounts() const {
  for (const auto& [object, lists] : listCounts_)
    std::fprintf(stderr, "zun: %s: %lld grain event%s; write them with --events FILE\n",
                 object.c_str(), lists, lists == 1 ? "" : "s");
}

std::string ConsoleReport::listCsv() const {
  std::string out = "time,object";
  for (const std::string& c : listColumns_) out += "," + csvField(c);
  out += "\n";
  for (const ListRow& row : listRows_) {
    std::vector<std::string> cells(listColumns_.size());
    for (const auto& [column, value] : row.cells) cells[column] = value;
    char time[32];
    std::snprintf(time, sizeof time, "%.6f", row.seconds);
    out += std::string(time) + "," + csvField(row.object);
    for (const std::string& c : cells) out += "," + c;
    out += "\n";
  }
  return out;
}

bool ConsoleReport::cancelled() { return interrupted != 0; }

void ConsoleReport::catchInterrupts() {
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &previousInt);
  sigaction(SIGTERM, &action, &previousTerm);
  sigaction(SIGHUP, &action, &previousHangUp);
  catching_ = true;
}

void ConsoleReport::releaseInterrupts() {
  if (!catching_) return;
  sigaction(SIGINT, &previousInt, nullptr);
  sigaction(SIGTERM, &previousTerm, nullptr);
  sigaction(SIGHUP, &previousHangUp, nullptr);
  catching_ = false;
}

std::string ConsoleReport::csv() const {
  std::string out = "time,object,outlet,value\n";
  for (const std::string& row : rows_) out += row + "\n";
  return out;
}

}  // namespace zun::tools
