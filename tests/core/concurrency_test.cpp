#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "zunBurst.h"
#include "zunCloud.h"

namespace {

// Runs `audio` in a loop on its own thread while `messages` runs on this
// one, for a bounded time.
template <class Audio, class Messages>
void race(Audio audio, Messages messages) {
  std::atomic<bool> done{false};
  std::thread audioThread([&] {
    while (!done.load(std::memory_order_relaxed)) audio();
  });
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(400);
  for (int i = 0; std::chrono::steady_clock::now() < until; ++i) messages(i);
  done = true;
  audioThread.join();
}

}  // namespace

// Pool rebuilds, manual grains, voice-wide changes and parameters from a
// message thread while blocks render: no crash, no use after free, no race.
TEST(Concurrency, VoiceChangesWhileRendering) {
  std::vector<float> wave(512, 0.25f), window(256, 1.f);
  std::vector<double> left(256), right(256);
  double* outs[2] = {left.data(), right.data()};
  zunBurst burst(128, 48000.0);
  zunCloud cloud(128, 48000.0);
  burst.setToggle(1);
  cloud.setToggle(1);
  race(
      [&] {
        burst.Processing(nullptr, 0, outs, 2, 256, 512, 256, 512, wave.data(), window.data(),
                         wave.data());
        cloud.Processing(nullptr, 0, outs, 2, 256, 512, 256, wave.data(), window.data());
      },
      [&](int i) {
        burst.setOverlap(1 + i % 130);
        cloud.setOverlap(1 + (i * 7) % 130);
        burst.grain();
        cloud.grain();
        burst.setInterp(i % 2);
        cloud.setInvert(i % 2);
        burst.setAbsoluteSR(i % 3 ? 48000.0 : 44100.0);
        burst.setDensity(50.0 + i % 500);
        burst.setRndLength(i % 4);
        burst.setMorph(i % 10 * 0.1);
        burst.setToggle(i % 5 != 0);
        cloud.setPitch(i % 24 - 12.0);
        cloud.setSamplePosition(i % 100);
        cloud.setPanningMode(i % 2);
        cloud.setSeed(i);
        ASSERT_GE(burst.getGrainLength(), -1.0);
        ASSERT_LE(burst.getNumOscActive(), burst.getOverlappingFactor());
        ASSERT_LE(cloud.getNumOscActive(), cloud.getOverlappingFactor());
      });
}

// Rings made, swapped and freed from a message thread while blocks record
// into and read the ring in force: no use after free, no race.
TEST(Concurrency, LiveRingsWhileRendering) {
  std::vector<float> sample(512, 0.5f), window(256, 1.f);
  std::vector<double> left(256), right(256), in(256, 0.25);
  double* outs[2] = {left.data(), right.data()};
  double* ins[7] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, in.data()};
  zunCloud cloud(128, 48000.0);
  cloud.setToggle(1);
  cloud.setDensity(400);
  race([&] { cloud.Processing(ins, 7, outs, 2, 256, 512, 256, sample.data(), window.data()); },
       [&](int i) {
         cloud.setLiveBuffer(i % 4 == 3 ? 0.0 : 50.0 + i % 200);
         cloud.setFreeze(i % 3 == 0);
         if (i % 50 == 0) cloud.setAbsoluteSR(i % 100 ? 44100.0 : 48000.0);
       });
}
