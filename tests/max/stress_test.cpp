// The audio thread against two message threads for a bounded time: random
// messages of every selector with wild values, tables bound for the first
// time and rebound while audio runs, pool rebuilds and grain bursts; the
// audio thread changes the sample rate and vector size between vectors, as
// a host recompiling its chain does; a scheduler thread delivers grain
// events while the audio thread queues them, and a trigger signal starts
// grains. Runs under ThreadSanitizer in CI.

#include <atomic>
#include <chrono>
#include <cmath>
#include <random>
#include <memory>
#include <thread>

#include "external_fixture.h"

namespace {

using namespace zunTest;

zun::Atom wildAtom(std::mt19937& rng) {
  const double odd[] = {0.0, -0.0, 1.0, -1.0, 2.0, 128.0, 129.0, NAN, INFINITY, -INFINITY,
                        5e-324, 1e308, -1e308, 1e-5, 24.0, -12.0};
  const char* names[] = {"sine", "hann", "square", "ramp", "ones", "missing"};
  switch (rng() % 4) {
    case 0: return zun::Atom(odd[rng() % 16]);
    case 1: return zun::Atom(static_cast<double>(rng() % 4000) / 10.0 - 100.0);
    case 2: return zun::Atom(static_cast<long>(rng() % 260) - 130);
    default: return zun::Atom(names[rng() % 6]);
  }
}

TEST_F(ExternalTest, StressMessageThreadsAgainstTheAudioThread) {
  // Two objects that play throughout and send their grain events...
  t_object* steady[] = {makeBurst(), makeCloud()};
  // ...and two created without tables: the first bindings race the audio
  // thread.
  t_object* objects[] = {zun::create("burst.zun~"), zun::create("cloud.zun~")};
  std::atomic<long> answers{0};
  std::atomic<long> events{0};
  for (t_object* x : steady) {
    zun::connectList(x, 3, [&](const std::vector<zun::Atom>&) { ++events; });
    zun::send(x, "start", {1});
    zun::send(x, "events", {1});
  }
  for (t_object* x : objects) {
    zun::connect(x, 2, [&](t_atom_long v) {
      EXPECT_GE(v, 0);
      EXPECT_LE(v, 128);
      ++answers;
    });
    // Ten numbers, and the formant's last while several formants are set.
    const bool burst = x == objects[0];
    zun::connectList(x, 3, [burst](const std::vector<zun::Atom>& row) {
      EXPECT_TRUE(row.size() == 10u || (burst && row.size() == 11u)) << row.size();
    });
    zun::feedInput(x, 0, [](double* in, long frames) {
      for (long i = 0; i < frames; ++i) in[i] = i % 50 == 0 ? 1.0 : -1.0;
    });
    zun::send(x, "start", {1});
    zun::send(x, "setDensity", {800});
    zun::send(x, "events", {1});
    zun::send(x, "triggerInput", {1});
  }
  zun::startDsp();

  const double rates[] = {44100, 48000, 96000};
  const long sizes[] = {64, 1, 512, 16384};
  auto audio = std::make_unique<zun::AudioThread>([&](long v) {
    if (v % 97 == 96) zun::setSampleRate(rates[v % 3]);
    if (v % 131 == 130) zun::setVectorSize(sizes[v % 4]);
  });
  auto messages = [&](unsigned seed) {
    std::mt19937 rng(seed);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < until) {
      t_object* x = objects[rng() % 2];
      const zun::ClassInfo c = zun::classInfo(x == objects[0] ? "burst.zun~" : "cloud.zun~");
      const std::string& selector = c.methods[rng() % c.methods.size()].selector;
      std::vector<zun::Atom> args;
      for (unsigned i = 0, n = rng() % 4; i < n; ++i) args.push_back(wildAtom(rng));
      zun::send(x, selector, args);
      if (rng() % 8 == 0) zun::send(x, "grain");
      if (rng() % 16 == 0) zun::send(x, "overlap", {static_cast<long>(1 + rng() % 128)});
    }
  };
  std::atomic<bool> stop{false};
  std::thread scheduler([&] {
    while (!stop) {
      zun::runScheduler(1.0);
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  });
  std::thread second(messages, 2u);
  messages(1u);
  second.join();
  stop = true;
  scheduler.join();
  EXPECT_GT(audio->vectors(), 100);
  EXPECT_GT(events.load(), 0);
  audio.reset();
  for (t_object* x : objects) zun::send(x, "info");
  EXPECT_GE(answers.load(), 2);
}

}  // namespace
