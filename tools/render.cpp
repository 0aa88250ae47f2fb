#include "render.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <sstream>

#include "schedule.h"
#include "span_runner.h"
#include "zunMessages.h"

namespace zun::tools {

namespace {

// Frames of a span, the stretch an object renders on one thread in one go.
constexpr long long spanFrames = 4096;
// Spans rendered ahead of the one being written.
constexpr int spansAhead = 3;

// A value or a list out of a non-signal outlet.
struct Sent {
  int outlet;
  long long value;
  const std::vector<std::string>* fields;  // a list's field names; null for a value
  std::vector<zun::Atom> list;
  std::string selector = {};  // of any other message; empty for a value or a list
};

// What an object posted and sent out of its outlets while it took a
// message, or while it rendered a vector, kept for the report.
struct Happening {
  long long frame;  // the first frame of the vector
  long long order;  // of the message among all delivered; -1 for the audio
  const std::string* object;
  PostContext context;
  std::vector<Sent> sent;
  std::vector<zun::ConsoleLine> lines;
};

struct PendingMessage {
  long long frame;  // the vector it is delivered before
  long long order;
  ScheduledMessage message;
};

// One object of the score.
struct Track {
  t_object* object;
  const std::string* id;
  int outputs;   // its output vectors in the chain
  bool playing;  // it has a perform routine in the chain
  Happening* happening = nullptr;  // what its outlets are reported to, if not now
  std::map<int, std::vector<std::string>> fields;  // of its list outlets
};

// One object's share of a span: its messages, what came of them, its output.
struct Part {
  std::vector<PendingMessage> messages;
  std::vector<Happening> happenings;
  std::vector<std::vector<double>> channels;  // of the output, those it reaches
};

// Objects send their grain events out on clocks, which the scheduler runs
// between vectors for every object together: a score that switches them on
// renders on one thread, vector by vector.
bool switchesEventsOn(const Score& score) {
  for (const AtStatement& a : score.messages)
    if (a.selector.text == "events") return true;
  for (const RampStatement& r : score.ramps)
    if (r.selector.text == "events") return true;
  return false;
}

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
      zun::setBufferSampleRate(t.name, t.sampleRate);
    }
    createObjects();
    feedInputs(tables);
    zun::startDsp();
    drainConsole({});
    for (const zun::PerformEntry& e : zun::dspChain())
      for (Track& t : tracks_)
        if (t.object == e.object) {
          t.playing = true;
          t.outputs = zun::outputCount(t.object);
        }
    loop();
    return result_;
  }

 private:
  void createObjects() {
    tracks_.reserve(score_.objects.size());
    for (const ObjectStatement& o : score_.objects) {
      std::vector<zun::Atom> args;
      for (const Value& v : o.args) args.push_back(v.toAtom());
      t_object* x = zun::create(o.className.text, args);
      if (settings_.seed && takesSeed(o.className.text))
        zun::send(x, "seed",
                  {static_cast<t_atom_long>(objectSeed(*settings_.seed, tracks_.size()))});
      drainConsole({o.line, &o.id.text, nullptr});
      tracks_.push_back({x, &o.id.text, 0, false, nullptr, {}});
      Track& track = tracks_.back();
      for (int i = 0, n = zun::outletCount(x); i < n; ++i) {
        const std::string type = zun::outletType(x, i);
        if (type == "signal" || type == "multichannelsignal") {
          continue;
        } else if (type == "list") {
          const std::vector<std::string>* fields = &(track.fields[i] = fieldNames(x, i));
          zun::connectList(x, i, [this, &track, i, fields](const std::vector<zun::Atom>& values) {
            if (track.happening) track.happening->sent.push_back({i, 0, fields, values});
            else observer_.list(now_, *track.id, i, *fields, values);
          });
        } else {
          zun::connect(x, i, [this, &track, i](t_atom_long value) {
            if (track.happening)
              track.happening->sent.push_back({i, static_cast<long long>(value), nullptr, {}});
            else
              observer_.outlet(now_, *track.id, i, static_cast<long long>(value));
          });
          zun::connectAnything(x, i, [this, &track, i](const std::string& selector,
                                                       const std::vector<zun::Atom>& values) {
            if (track.happening) track.happening->sent.push_back({i, 0, nullptr, values, selector});
            else observer_.message(now_, *track.id, i, selector, values);
          });
        }
      }
      ids_[o.id.text] = tracks_.size() - 1;
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

  // The inlet of the object `id` that `name` names: the first for none.
  int inletOf(const std::string& id, const Token* name) const {
    if (!name) return 0;
    return zunInletOf(score_.objects[ids_.at(id)].className.text.c_str(), name->text.c_str());
  }

  // A message of the score, into the inlet it names.
  bool sendTo(t_object* x, const ScheduledMessage& m) const {
    return zun::sendToInlet(x, inletOf(m.object->text, m.inlet), m.selector->text, m.args);
  }

  // Each input plays its table's first channel from the first frame.
  void feedInputs(const std::vector<Table>& tables) {
    for (const InputStatement& in : score_.inputs) {
      const Table* table = nullptr;
      for (const Table& t : tables)
        if (t.name == in.buffer.text) table = &t;
      const int inlet = inletOf(in.object.text, in.inlet ? &*in.inlet : nullptr);
      if (!table || inlet < 0) continue;
      long long next = 0;
      zun::feedInput(tracks_[ids_.at(in.object.text)].object, inlet,
                     [table, next, loop = in.loop](double* vector, long frames) mutable {
        const long long length = table->frames();
        for (long i = 0; i < frames; ++i, ++next) {
          if (loop && length > 0 && next == length) next = 0;
          vector[i] =
              next < length ? table->samples[static_cast<size_t>(next * table->channels)] : 0.0;
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

  // The messages at the very end, once every object has rendered.
  void deliver(MessageSchedule& schedule, long long uptoFrame) {
    while (!schedule.empty() && schedule.nextFrame() <= uptoFrame) {
      ScheduledMessage m = schedule.pop();
      sendTo(tracks_[ids_.at(m.object->text)].object, m);
      ++result_.messages;
      drainConsole({m.line, &m.object->text, &m.selector->text});
    }
  }

  void loop() {
    const long vs = settings_.vectorSize;
    const long long total = settings_.frames;
    const double until = static_cast<double>(total) / settings_.sampleRate;
    MessageSchedule schedule(score_, settings_.sampleRate, until);
    const bool clocked = switchesEventsOn(score_);
    spanVectors_ = clocked ? 1 : std::max<long long>(1, spanFrames / vs);
    const long long vectors = (total + vs - 1) / vs;
    const long long spans = (vectors + spanVectors_ - 1) / spanVectors_;
    parts_.assign(spansAhead, std::vector<Part>(tracks_.size()));
    const int width = settings_.channels;
    for (std::vector<Part>& slot : parts_)
      for (size_t t = 0; t < slot.size(); ++t)
        slot[t].channels.assign(static_cast<size_t>(std::min(tracks_[t].outputs, width)),
                                std::vector<double>(static_cast<size_t>(spanVectors_ * vs)));
    mix_.resize(static_cast<size_t>(vs) * static_cast<size_t>(width));
    const int objects = static_cast<int>(tracks_.size());
    SpanRunner runner(clocked ? 1 : std::clamp(settings_.jobs, 1, std::max(objects, 1)), objects,
                      spans, spansAhead);
    runner.run({[&](long long span) { prepare(schedule, span); },
                [&](long long span, int track) {
                  if (track < objects) renderPart(span, track);
                },
                [&](long long span) { return finish(span); }});
    if (!result_.cancelled) {
      // The event clocks' last round: the grains of the last vectors are heard, so their
      // events go out too.
      now_ = until;
      zun::runScheduler(zunEventInterval);
      drainConsole({});
      // Messages at the very end (an "info" at the end time) still go out.
      deliver(schedule, total);
    }
  }

  long long vectorStart(long long span, long long vector) const {
    return (span * spanVectors_ + vector) * settings_.vectorSize;
  }

  // Hands each object the messages due before the span's vectors.
  void prepare(MessageSchedule& schedule, long long span) {
    std::vector<Part>& slot = parts_[static_cast<size_t>(span % spansAhead)];
    for (Part& part : slot) {
      part.messages.clear();
      part.happenings.clear();
    }
    const long vs = settings_.vectorSize;
    const long long lastStart =
        std::min(vectorStart(span, spanVectors_ - 1), (settings_.frames - 1) / vs * vs);
    while (!schedule.empty() && schedule.nextFrame() <= lastStart) {
      ScheduledMessage m = schedule.pop();
      const long long frame = (std::max(m.frame, 0LL) + vs - 1) / vs * vs;
      slot[ids_.at(m.object->text)].messages.push_back({frame, delivered_++, std::move(m)});
    }
  }

  // One object's vectors of a span, each after the messages due before it.
  void renderPart(long long span, int index) {
    Track& track = tracks_[static_cast<size_t>(index)];
    Part& part = parts_[static_cast<size_t>(span % spansAhead)][static_cast<size_t>(index)];
    const long vs = settings_.vectorSize;
    auto next = part.messages.begin();
    for (long long v = 0; v < spanVectors_ && vectorStart(span, v) < settings_.frames; ++v) {
      const long long frame = vectorStart(span, v);
      for (; next != part.messages.end() && next->frame == frame; ++next) {
        const ScheduledMessage& m = next->message;
        const PostContext context{m.line, &m.object->text, &m.selector->text};
        Happening h{frame, next->order, track.id, context, {}, {}};
        track.happening = &h;
        {
          zun::ConsoleCapture capture(h.lines);
          sendTo(track.object, m);
        }
        track.happening = nullptr;
        part.happenings.push_back(std::move(h));
      }
      if (!track.playing) continue;
      Happening h{frame, -1, track.id, {}, {}, {}};
      track.happening = &h;
      {
        zun::ConsoleCapture capture(h.lines);
        zun::process(track.object);
      }
      track.happening = nullptr;
      if (!h.lines.empty() || !h.sent.empty()) part.happenings.push_back(std::move(h));
      for (size_t c = 0; c < part.channels.size(); ++c) {
        const double* out = zun::output(track.object, static_cast<int>(c));
        std::copy(out, out + vs, part.channels[c].begin() + v * vs);
      }
    }
  }

  // Reports, mixes and writes a span, vector by vector.
  bool finish(long long span) {
    std::vector<Part>& slot = parts_[static_cast<size_t>(span % spansAhead)];
    std::vector<size_t> reported(slot.size(), 0);
    const long vs = settings_.vectorSize;
    const long long total = settings_.frames;
    for (long long v = 0; v < spanVectors_ && vectorStart(span, v) < total; ++v) {
      if (observer_.cancelled()) {
        result_.cancelled = true;
        return false;
      }
      const long long start = vectorStart(span, v);
      now_ = static_cast<double>(start) / settings_.sampleRate;
      report(slot, reported, start);
      mixVector(slot, v * vs);
      const long frames = static_cast<long>(std::min<long long>(vs, total - start));
      meter(mix_.data(), frames, start);
      sink_.write(mix_.data(), frames);
      result_.frames = start + frames;
      observer_.progress(result_.frames, total);
    }
    return true;
  }

  // What a vector's messages and audio left, in the order of a render on
  // one thread: the messages in their order, each with what it sent, then
  // what the audio sent, object by object; the scheduler's turn after the
  // vector, with what its clocks send; then the lines the audio posted, and
  // those the clocks posted.
  void report(std::vector<Part>& slot, std::vector<size_t>& reported, long long frame) {
    std::vector<const Happening*> messages, audio;
    for (size_t i = 0; i < slot.size(); ++i) {
      const std::vector<Happening>& happenings = slot[i].happenings;
      for (size_t& k = reported[i]; k < happenings.size() && happenings[k].frame == frame; ++k)
        (happenings[k].order >= 0 ? messages : audio).push_back(&happenings[k]);
    }
    std::sort(messages.begin(), messages.end(),
              [](const Happening* a, const Happening* b) { return a->order < b->order; });
    for (const Happening* h : messages) {
      reportSent(*h);
      for (const zun::ConsoleLine& line : h->lines) observer_.console(now_, line, h->context);
      ++result_.messages;
    }
    for (const Happening* h : audio) reportSent(*h);
    zun::runScheduler(1000.0 * static_cast<double>(settings_.vectorSize) / settings_.sampleRate);
    for (const Happening* h : audio)
      for (const zun::ConsoleLine& line : h->lines) observer_.console(now_, line, h->context);
    drainConsole({});
  }

  void reportSent(const Happening& h) {
    for (const Sent& x : h.sent) {
      if (!x.selector.empty()) observer_.message(now_, *h.object, x.outlet, x.selector, x.list);
      else if (x.fields) observer_.list(now_, *h.object, x.outlet, *x.fields, x.list);
      else observer_.outlet(now_, *h.object, x.outlet, x.value);
    }
  }

  // Each object's output channels go to the output's, in order (a stereo
  // object's left to the first, its right to the second); an object with
  // one goes to the first two.
  void mixVector(const std::vector<Part>& slot, long long offset) {
    const long vs = settings_.vectorSize;
    const int width = settings_.channels;
    std::fill(mix_.begin(), mix_.end(), 0.0);
    for (size_t t = 0; t < tracks_.size(); ++t) {
      const std::vector<std::vector<double>>& channels = slot[t].channels;
      if (!tracks_[t].playing || channels.empty()) continue;
      const bool mono = channels.size() == 1;
      const int reach = mono ? std::min(width, 2) : static_cast<int>(channels.size());
      for (int c = 0; c < reach; ++c) {
        const double* in = channels[mono ? 0 : static_cast<size_t>(c)].data() + offset;
        for (long i = 0; i < vs; ++i) mix_[static_cast<size_t>(width * i + c)] += in[i];
      }
    }
  }

  // Peak, overs and non-numbers of a vector: samples the output cannot
  // hold as numbers are written as 0. The common case (every sample a
  // number, no new peak) is one pass without branches.
  void meter(double* mix, long frames, long long start) {
    const int width = settings_.channels;
    const long n = width * frames;
    const double largest = sink_.largest();
    double top = 0.0;
    long long overs = 0;
    bool numbers = true;
    for (long i = 0; i < n; ++i) {
      const double a = std::fabs(mix[i]);
      top = a > top ? a : top;
      overs += a > 1.0;
      numbers &= a <= largest;  // false for NaN and infinity
    }
    if (!numbers) {
      top = 0.0;
      for (long i = 0; i < n; ++i) {
        if (std::fabs(mix[i]) <= largest) {
          top = std::fmax(top, std::fabs(mix[i]));
        } else {
          if (!std::isnan(mix[i])) --overs;  // counted above, but written as 0
          mix[i] = 0.0;
          ++result_.nonFinite;
        }
      }
    }
    result_.overs += overs;
    std::vector<double>& peaks = result_.channelPeaks;
    peaks.resize(static_cast<size_t>(width));
    for (long i = 0; i < n; ++i) peaks[i % width] = std::fmax(peaks[i % width], std::fabs(mix[i]));
    if (top > result_.peak) {
      long i = 0;
      while (std::fabs(mix[i]) != top) ++i;
      result_.peak = top;
      result_.peakFrame = start + i / width;
    }
  }

  const Score& score_;
  const RenderSettings& settings_;
  AudioSink& sink_;
  RenderObserver& observer_;
  std::vector<Track> tracks_;  // in score order
  std::map<std::string, size_t> ids_;
  long long spanVectors_ = 1;
  std::vector<std::vector<Part>> parts_;  // [span % spansAhead][track]
  long long delivered_ = 0;
  std::vector<double> mix_;
  double now_ = 0.0;
  RenderResult result_;
};

}  // namespace

int outputChannels(const Score& score) {
  zun::reset();
  int widest = 2;
  for (const ObjectStatement& o : score.objects) {
    std::vector<zun::Atom> args;
    for (const Value& v : o.args) args.push_back(v.toAtom());
    t_object* x = zun::create(o.className.text, args);
    widest = std::max(widest, zun::outputChannels(x));
  }
  zun::reset();
  return widest;
}

long long objectSeed(int seed, std::size_t k) {
  return static_cast<long long>(seed) + static_cast<long long>(k) * (1LL << 32);
}

RenderResult render(const Score& score, const std::vector<Table>& tables,
                    const RenderSettings& settings, AudioSink& sink, RenderObserver& observer) {
  Session session(score, settings, sink, observer);
  return session.run(tables);
}

}  // namespace zun::tools
