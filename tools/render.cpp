#include "render.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <sstream>

#include "schedule.h"

namespace zun::tools {

namespace {

struct Voice {
  t_object* object;
  int signalOutlets;
  bool playing;  // it has a perform routine in the chain
};

class Session {
 public:
  Session(const Score& score, const RenderSettings& settings, AudioSink& sink,
          RenderObserver& observer)
      : score_(score), settings_(settings), sink_(sink), observer_(observer) {}

  ~Session() { zun::reset(); }

  RenderResult run(const std::vector<Table>& tables) {
    zun::reset();
    zun::clearConsole();
    zun::setSampleRate(settings_.sampleRate);
    zun::setVectorSize(settings_.vectorSize);
    for (const Table& t : tables) {
      zun::createBuffer(t.name, t.frames(), t.channels);
      zun::setBufferSamples(t.name, t.samples, t.channels);
    }
    createObjects();
    feedInputs(tables);
    zun::startDsp();
    drainConsole({});
    for (const zun::PerformEntry& e : zun::dspChain())
      for (Voice& v : voices_)
        if (v.object == e.object) v.playing = true;
    loop();
    return result_;
  }

 private:
  void createObjects() {
    for (const ObjectStatement& o : score_.objects) {
      std::vector<zun::Atom> args;
      for (const Value& v : o.args) args.push_back(v.toAtom());
      t_object* x = zun::create(o.className.text, args);
      if (settings_.seed && takesSeed(o.className.text))
        zun::send(x, "seed", {static_cast<t_atom_long>(objectSeed(*settings_.seed, voices_.size()))});
      drainConsole({o.line, &o.id.text, nullptr});
      Voice v{x, 0, false};
      for (int i = 0, n = zun::outletCount(x); i < n; ++i) {
        const std::string type = zun::outletType(x, i);
        if (type == "signal") {
          ++v.signalOutlets;
        } else if (type == "list") {
          const std::string* id = &o.id.text;
          zun::connectList(x, i, [this, id, i, fields = fieldNames(x, i)](const std::vector<zun::Atom>& values) {
            observer_.list(now_, *id, i, fields, values);
          });
        } else {
          const std::string* id = &o.id.text;
          zun::connect(x, i, [this, id, i](t_atom_long value) {
            observer_.outlet(now_, *id, i, static_cast<long long>(value));
          });
        }
      }
      ids_[o.id.text] = x;
      voices_.push_back(std::move(v));
    }
  }

  static bool takesSeed(const std::string& className) {
    for (const zun::MethodInfo& m : zun::classInfo(className).methods)
      if (m.selector == "seed") return m.types == std::vector<int>{A_LONG};
    return false;
  }

  // The words after the last ": " of the outlet's assist text.
  static std::vector<std::string> fieldNames(t_object* x, int outlet) {
    const std::string text = zun::assist(x, ASSIST_OUTLET, outlet);
    const size_t colon = text.rfind(": ");
    std::vector<std::string> names;
    if (colon == std::string::npos) return names;
    std::istringstream words(text.substr(colon + 2));
    for (std::string w; words >> w;) names.push_back(w);
    return names;
  }

  // Each input plays its table's first channel from the first frame.
  void feedInputs(const std::vector<Table>& tables) {
    for (const InputStatement& in : score_.inputs) {
      const Table* table = nullptr;
      for (const Table& t : tables)
        if (t.name == in.buffer.text) table = &t;
      if (!table) continue;
      long long next = 0;
      zun::feedInput(ids_.at(in.object.text), 0, [table, next, loop = in.loop](double* vector, long frames) mutable {
        const long long length = table->frames();
        for (long i = 0; i < frames; ++i, ++next) {
          if (loop && length > 0 && next == length) next = 0;
          vector[i] = next < length ? table->samples[static_cast<size_t>(next * table->channels)] : 0.0;
        }
      });
    }
  }

  void drainConsole(const PostContext& context) {
    const std::vector<zun::ConsoleLine> lines = zun::console();
    if (lines.empty()) return;
    zun::clearConsole();
    for (const zun::ConsoleLine& line : lines) observer_.console(now_, line, context);
  }

  void deliver(MessageSchedule& schedule, long long uptoFrame) {
    while (!schedule.empty() && schedule.nextFrame() <= uptoFrame) {
      ScheduledMessage m = schedule.pop();
      zun::send(ids_.at(m.object->text), m.selector->text, m.args);
      ++result_.messages;
      drainConsole({m.line, &m.object->text, &m.selector->text});
    }
  }

  void loop() {
    const long vs = settings_.vectorSize;
    const long long total = settings_.frames;
    const double until = static_cast<double>(total) / settings_.sampleRate;
    MessageSchedule schedule(score_, settings_.sampleRate, until);
    std::vector<double> mix(static_cast<size_t>(vs) * 2);
    long long done = 0;
    for (long long start = 0; start < total; start += vs) {
      if (observer_.cancelled()) {
        result_.cancelled = true;
        break;
      }
      now_ = static_cast<double>(start) / settings_.sampleRate;
      deliver(schedule, start);
      zun::process();
      zun::runScheduler(1000.0 * static_cast<double>(vs) / settings_.sampleRate);
      drainConsole({});
      mixVector(mix.data());
      const long frames = static_cast<long>(std::min<long long>(vs, total - start));
      meter(mix.data(), frames, start);
      sink_.write(mix.data(), frames);
      done = start + frames;
      result_.frames = done;
      observer_.progress(done, total);
    }
    if (!result_.cancelled) {
      // Messages at the very end (an "info" at the end time) still go out.
      now_ = until;
      deliver(schedule, total);
    }
  }

  // Each object's first signal outlet goes left, its second right; an
  // object with one signal outlet goes to both sides.
  void mixVector(double* mix) {
    const long vs = settings_.vectorSize;
    std::fill(mix, mix + 2 * vs, 0.0);
    for (const Voice& v : voices_) {
      if (!v.playing || v.signalOutlets == 0) continue;
      const double* left = zun::output(v.object, 0);
      const double* right = v.signalOutlets > 1 ? zun::output(v.object, 1) : left;
      for (long i = 0; i < vs; ++i) {
        mix[2 * i] += left[i];
        mix[2 * i + 1] += right[i];
      }
    }
  }

  // Peak, overs and non-numbers of a vector. The common case (every sample
  // a number, no new peak) is one pass without branches.
  void meter(double* mix, long frames, long long start) {
    const long n = 2 * frames;
    double top = 0.0;
    long long overs = 0;
    bool numbers = true;
    for (long i = 0; i < n; ++i) {
      const double a = std::fabs(mix[i]);
      top = a > top ? a : top;
      overs += a > 1.0;
      numbers &= a <= std::numeric_limits<double>::max();  // false for NaN and infinity
    }
    if (!numbers) {
      top = 0.0;
      for (long i = 0; i < n; ++i) {
        if (std::isfinite(mix[i])) {
          top = std::fmax(top, std::fabs(mix[i]));
        } else {
          if (std::isinf(mix[i])) --overs;  // counted above, but written as 0
          mix[i] = 0.0;
          ++result_.nonFinite;
        }
      }
    }
    result_.overs += overs;
    if (top > result_.peak) {
      long i = 0;
      while (std::fabs(mix[i]) != top) ++i;
      result_.peak = top;
      result_.peakFrame = start + i / 2;
    }
  }

  const Score& score_;
  const RenderSettings& settings_;
  AudioSink& sink_;
  RenderObserver& observer_;
  std::vector<Voice> voices_;
  std::map<std::string, t_object*> ids_;
  double now_ = 0.0;
  RenderResult result_;
};

}  // namespace

long long objectSeed(int seed, std::size_t k) {
  return static_cast<long long>(seed) + static_cast<long long>(k) * (1LL << 32);
}

RenderResult render(const Score& score, const std::vector<Table>& tables,
                    const RenderSettings& settings, AudioSink& sink, RenderObserver& observer) {
  Session session(score, settings, sink, observer);
  return session.run(tables);
}

}  // namespace zun::tools
