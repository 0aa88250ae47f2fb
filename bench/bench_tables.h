#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

// The tables the benchmarks render from, built once per process.
namespace zunbench {

constexpr double kSampleRate = 48000.0;
constexpr int kVector = 64;
constexpr long long kTableFrames = 2048;
constexpr long long kSampleFrames = 10 * 48000;  // 10 s at 48 kHz

struct Tables {
  std::vector<float> sine;
  std::vector<float> saw;
  std::vector<float> hann;
  std::vector<float> noise;  // the "sample" a cloud granulates

  Tables() : sine(kTableFrames), saw(kTableFrames), hann(kTableFrames), noise(kSampleFrames) {
    const double twoPi = 2.0 * M_PI;
    for (long long i = 0; i < kTableFrames; ++i) {
      const double x = static_cast<double>(i) / static_cast<double>(kTableFrames);
      sine[i] = static_cast<float>(std::sin(twoPi * x));
      saw[i] = static_cast<float>(2.0 * x - 1.0);
      hann[i] = static_cast<float>(
          0.5 - 0.5 * std::cos(twoPi * static_cast<double>(i) /
                               static_cast<double>(kTableFrames - 1)));
    }
    // White noise in [-1, 1) from a fixed 32-bit LCG, the same every run.
    std::uint32_t state = 12345u;
    for (long long i = 0; i < kSampleFrames; ++i) {
      state = state * 1664525u + 1013904223u;
      noise[i] = static_cast<float>(static_cast<double>(state) / 2147483648.0 - 1.0);
    }
  }
};

inline Tables& tables() {
  static Tables t;
  return t;
}

}  // namespace zunbench
