#pragma once

// What the render tests read a render through: the samples written, and
// everything the render reported.

#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "render.h"

namespace zuntest {

class MemorySink : public zun::tools::AudioSink {
 public:
  void write(const double* stereo, long frames) override {
    samples.insert(samples.end(), stereo, stereo + 2 * frames);
  }
  void finish() override {}
  double left(long long frame) const { return samples.at(static_cast<size_t>(2 * frame)); }
  long long frames() const { return static_cast<long long>(samples.size() / 2); }
  std::vector<double> samples;
};

struct Post {
  double seconds;
  std::string text;
  bool error;
  int line;
  std::string who;
  bool operator==(const Post& o) const {
    return seconds == o.seconds && text == o.text && error == o.error && line == o.line &&
           who == o.who;
  }
};

class Recorder : public zun::tools::RenderObserver {
 public:
  void console(double seconds, const zun::ConsoleLine& line,
               const zun::tools::PostContext& c) override {
    std::string who = c.object ? *c.object : "";
    if (c.selector) who += " " + *c.selector;
    posts.push_back({seconds, line.text, line.kind == zun::ConsoleLine::Kind::error, c.line, who});
  }
  void outlet(double seconds, const std::string& object, int outlet, long long value) override {
    std::ostringstream s;
    s << seconds << " " << object << " " << outlet << " " << value;
    outlets.push_back(s.str());
  }
  void list(double seconds, const std::string& object, int outlet,
            const std::vector<std::string>& fields, const std::vector<zun::Atom>& values) override {
    std::ostringstream s;
    s << seconds << " " << object << " " << outlet << " " << fields.size();
    for (const zun::Atom& a : values)
      std::visit([&s](const auto& v) { s << " " << v; }, a.value);
    lists.push_back(s.str());
  }
  // The values of the "set N" posts, with their times.
  std::vector<std::pair<double, double>> levels() const {
    std::vector<std::pair<double, double>> v;
    for (const Post& p : posts)
      if (p.text.rfind("set ", 0) == 0) v.emplace_back(p.seconds, std::stod(p.text.substr(4)));
    return v;
  }
  std::vector<Post> posts;
  std::vector<std::string> outlets;
  std::vector<std::string> lists;
};

}  // namespace zuntest
