// The bundled examples: with --seed 1 each renders to the same audio on
// every run, and to exactly what driving the plug-ins directly through the
// host gives.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>

#include <sndfile.h>

#include "run_command.h"
#include "tables.h"
#include "render.h"
#include "zunHost.h"

using zuntest::Outcome;
using zuntest::runZun;
using zuntest::TempDir;

namespace {

constexpr double rate = 44100.0;
constexpr long vs = 64;

// ---- driving the host by hand, as a patch would

struct Event {
  double seconds;
  int order;  // file order for equal times
  std::string object;
  std::string selector;
  std::vector<zun::Atom> args;
};

class Patch {
 public:
  // Frees what the patch made, as closing it in a host would.
  ~Patch() { zun::reset(); }

  void table(const std::string& name, const std::string& generator, long long size,
             std::vector<double> params = {}) {
    std::vector<float> samples;
    ASSERT_EQ(
        zun::tools::generate(generator, size, params, zun::tools::noiseSeed(1, name), samples), "");
    zun::createBuffer(name, size, 1);
    zun::setBufferSamples(name, samples, 1);
  }
  // Made as the render makes object number `k` of a score seeded with 1.
  void object(const std::string& id, const std::string& cls, std::vector<zun::Atom> args,
              std::size_t k) {
    objects_.emplace_back(id, zun::create(cls, args));
    zun::send(objects_.back().second, "seed", {static_cast<long>(zun::tools::objectSeed(1, k))});
  }
  void at(double t, const std::string& id, const std::string& selector,
          std::vector<zun::Atom> args = {}) {
    events_.push_back({t, order_++, id, selector, std::move(args)});
  }
  // FROM at T0, then every interval, then TO at T1.
  void ramp(double t0, double t1, const std::string& id, const std::string& selector, double from,
            double to, double everyMs = 20.0) {
    const int order = order_++;
    const double every = everyMs / 1000.0;
    for (long k = 0;; ++k) {
      const double t = t0 + static_cast<double>(k) * every;
      if (t >= t1 - every * 1e-9) break;
      events_.push_back({t, order, id, selector, {from + (to - from) * ((t - t0) / (t1 - t0))}});
    }
    events_.push_back({t1, order, id, selector, {to}});
  }

  // Every vector: the messages due at or before its start, then one turn
  // of the audio chain; the objects' outputs summed.
  std::vector<float> play(double seconds) {
    std::stable_sort(events_.begin(), events_.end(), [](const Event& a, const Event& b) {
      return a.seconds != b.seconds ? a.seconds < b.seconds : a.order < b.order;
    });
    const long long total = std::llround(seconds * rate);
    std::vector<float> out;
    zun::startDsp();
    size_t next = 0;
    for (long long start = 0; start < total; start += vs) {
      while (next < events_.size() &&
             static_cast<long long>(std::ceil(events_[next].seconds * rate - 1e-6)) <= start) {
        const Event& e = events_[next++];
        zun::send(find(e.object), e.selector, e.args);
      }
      zun::process();
      for (long i = 0; i < vs && start + i < total; ++i) {
        double left = 0.0, right = 0.0;
        for (const auto& o : objects_) {
          left += zun::output(o.second, 0)[i];
          right += zun::output(o.second, 1)[i];
        }
        out.push_back(static_cast<float>(left));
        out.push_back(static_cast<float>(right));
      }
    }
    return out;
  }

 private:
  t_object* find(const std::string& id) {
    for (const auto& o : objects_)
      if (o.first == id) return o.second;
    ADD_FAILURE() << "no object " << id;
    return nullptr;
  }
  std::vector<std::pair<std::string, t_object*>> objects_;
  std::vector<Event> events_;
  int order_ = 0;
};

void setUpHost() {
  zun::loadPlugin(ZUN_BURST_PLUGIN);
  zun::loadPlugin(ZUN_CLOUD_PLUGIN);
  zun::reset();
  zun::setSampleRate(rate);
  zun::setVectorSize(vs);
}

// What examples/pulsar.zun says, step by step.
std::vector<float> pulsarByHand() {
  setUpHost();
  Patch p;
  p.table("sine", "sine", 4096);
  p.table("saw", "saw", 4096);
  p.table("window", "hann", 2048);
  p.object("p", "burst.zun~", {"sine", "window", "saw"}, 0);
  p.at(0, "p", "setLevel", {0.25});
  p.at(0, "p", "setLength", {60});
  p.at(0, "p", "setDensity", {8});
  p.at(0, "p", "setCps", {220});
  p.at(0, "p", "setRndCps", {1});
  p.at(0, "p", "setWidth", {0.7});
  p.at(0, "p", "start", {1});
  p.ramp(0, 4, "p", "setDensity", 8, 60);
  p.ramp(0, 5, "p", "setCps", 220, 660, 10);
  p.ramp(1, 5, "p", "setMorph", 0, 1);
  p.ramp(3, 5.5, "p", "setLength", 60, 15);
  p.at(5.5, "p", "start", {0});
  p.at(6, "p", "info");
  return p.play(6.5);
}

// What examples/cloud.zun says, step by step.
std::vector<float> cloudByHand() {
  setUpHost();
  Patch p;
  p.table("tone", "saw", 88200, {441});
  p.table("hiss", "noise", 44100);
  p.table("window", "hann", 1024);
  p.table("perc", "expodec", 1024);
  p.object("c", "cloud.zun~", {"tone", "window"}, 0);
  p.object("n", "cloud.zun~", {"hiss", "perc"}, 1);
  p.at(0, "c", "setLevel", {0.2});
  p.at(0, "c", "setDensity", {30});
  p.at(0, "c", "setLength", {80});
  p.at(0, "c", "setRndPitch", {0.5});
  p.at(0, "c", "setWidth", {0.8});
  p.at(0, "c", "start", {1});
  p.ramp(0, 6, "c", "setPhase", 0, 0.9);
  p.ramp(0, 3, "c", "setPitch", 0, 7);
  p.at(3, "c", "reverse", {1});
  p.ramp(3, 6, "c", "setPitch", 7, -12);
  p.at(1, "n", "setLevel", {0.1});
  p.at(1, "n", "setDensity", {12});
  p.at(1, "n", "setLength", {30});
  p.at(1, "n", "setWidth", {1});
  p.at(1, "n", "start", {1});
  p.at(4, "n", "reverse", {1});
  p.at(5.5, "n", "start", {0});
  p.at(6, "c", "start", {0});
  p.at(7, "c", "info");
  return p.play(7);
}

struct Example {
  const char* name;
  std::uint64_t hash;  // FNV-1a of the raw float32 output with --seed 1
  std::vector<float> (*byHand)();
};

const Example examples[] = {
    {"pulsar", 0xb7828e1f21c76581ULL, pulsarByHand},
    {"cloud", 0xf4e269d4f1167b65ULL, cloudByHand},
};

std::string examplePath(const char* name) {
  return std::string(ZUN_EXAMPLES_DIR) + "/" + name + ".zun";
}

TEST(Golden, EachExampleRendersToTheSameAudioAsDrivingThePlugInsByHand) {
  TempDir dir;
  for (const Example& e : examples) {
    const Outcome o =
        runZun({"render", examplePath(e.name), "-o", "-", "--seed", "1", "-q"}, dir.path());
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(zuntest::fnv1a(o.out), e.hash)
        << e.name << ": 0x" << std::hex << zuntest::fnv1a(o.out);
    const std::vector<float> expected = e.byHand();
    ASSERT_EQ(o.out.size(), expected.size() * sizeof(float)) << e.name;
    EXPECT_EQ(std::memcmp(o.out.data(), expected.data(), o.out.size()), 0) << e.name;
    double energy = 0.0;  // not silence, so that the comparison means something
    for (float s : expected) energy += static_cast<double>(s) * s;
    EXPECT_GT(energy, 1.0) << e.name;
  }
}

// The example of the options beyond the objects' own renders, and not
// silence.
TEST(Golden, TheOptionsExampleRenders) {
  TempDir dir;
  const Outcome o =
      runZun({"render", examplePath("clean"), "-o", "-", "--seed", "1", "-q"}, dir.path());
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.err, "");
  EXPECT_NE(o.out.find_first_not_of('\0'), std::string::npos);
}

// WAV files carry no time of writing: the same render a second later gives
// the same bytes, and its samples are the raw output's.
TEST(Golden, AWavFileIsTheSameBytesAtAnotherTime) {
  TempDir dir;
  const std::string score = examplePath("pulsar");
  ASSERT_EQ(runZun({"render", score, "-o", "a.wav", "--seed", "1", "-q"}, dir.path()).status, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(1100));
  ASSERT_EQ(runZun({"render", score, "-o", "b.wav", "--seed", "1", "-q"}, dir.path()).status, 0);
  const std::string a = zuntest::readFile(dir / "a.wav");
  EXPECT_EQ(a, zuntest::readFile(dir / "b.wav"));

  const Outcome raw = runZun({"render", score, "-o", "-", "--seed", "1", "-q"}, dir.path());
  SF_INFO info{};
  SNDFILE* f = sf_open((dir / "a.wav").c_str(), SFM_READ, &info);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
  EXPECT_EQ(info.channels, 2);
  EXPECT_EQ(info.samplerate, 44100);
  std::vector<float> samples(static_cast<size_t>(info.frames) * 2);
  sf_readf_float(f, samples.data(), info.frames);
  sf_close(f);
  ASSERT_EQ(raw.out.size(), samples.size() * sizeof(float));
  EXPECT_EQ(std::memcmp(raw.out.data(), samples.data(), raw.out.size()), 0);
}

TEST(Golden, WithoutASeedTheRenderSaysSoAndStillRenders) {
  TempDir dir;
  const Outcome o = runZun({"render", examplePath("pulsar"), "-o", "x.wav"}, dir.path());
  EXPECT_EQ(o.status, 0);
  EXPECT_NE(o.err.find("no --seed"), std::string::npos) << o.err;
}

}  // namespace
