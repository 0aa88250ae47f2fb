#pragma once

// Loading the two externals into the host and driving them: tables for
// their buffer~ objects, rendering a stretch of output, and what can be
// read from it.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "zunHost.h"

namespace zunTest {

// Table lengths are powers of two, so that table positions of the form
// k / n are exact.
inline std::vector<float> sine(int n = 1024) {
  std::vector<float> t(n);
  for (int i = 0; i < n; ++i)
    t[i] = static_cast<float>(std::sin(2.0 * M_PI * (i + 0.5) / n));  // never exactly 0
  return t;
}

inline std::vector<float> hann(int n = 1024) {
  std::vector<float> t(n);
  for (int i = 0; i < n; ++i) t[i] = static_cast<float>(0.5 - 0.5 * std::cos(2.0 * M_PI * i / n));
  return t;
}

inline std::vector<float> square(int n = 1024) {
  std::vector<float> t(n);
  for (int i = 0; i < n; ++i) t[i] = i < n / 2 ? 1.0f : -1.0f;
  return t;
}

inline std::vector<float> constant(float v, int n = 16) { return std::vector<float>(n, v); }

// A sample whose every frame is different and none is 0.
inline std::vector<float> ramp(int n = 4096) {
  std::vector<float> t(n);
  for (int i = 0; i < n; ++i) t[i] = static_cast<float>(i + 1) / static_cast<float>(n);
  return t;
}

struct Stereo {
  std::vector<double> left, right;
};

// Processes whole vectors until at least `samples` samples of x's outputs
// are collected, and returns them all.
inline Stereo render(t_object* x, long samples) {
  Stereo s;
  while (static_cast<long>(s.left.size()) < samples) {
    zun::process();
    const double* l = zun::output(x, 0);
    const double* r = zun::output(x, 1);
    s.left.insert(s.left.end(), l, l + zun::vectorSize());
    s.right.insert(s.right.end(), r, r + zun::vectorSize());
  }
  return s;
}

inline bool allZero(const std::vector<double>& v) {
  for (double s : v)
    if (s != 0.0) return false;
  return true;
}

// Where grains begin: a sounding sample after at least `gap` silent ones.
inline std::vector<long> onsets(const std::vector<double>& v, long gap = 32) {
  std::vector<long> found;
  long silent = gap;
  for (long i = 0; i < static_cast<long>(v.size()); ++i) {
    if (v[i] != 0.0 && silent >= gap) found.push_back(i);
    silent = v[i] == 0.0 ? silent + 1 : 0;
  }
  return found;
}

// What "info" sends out of the rightmost outlet.
inline long info(t_object* x) {
  long value = -1;
  zun::connect(x, 2, [&](t_atom_long v) { value = static_cast<long>(v); });
  zun::send(x, "info");
  return value;
}

inline std::vector<std::string> errors() {
  std::vector<std::string> text;
  for (const zun::ConsoleLine& line : zun::console())
    if (line.kind == zun::ConsoleLine::Kind::error) text.push_back(line.text);
  return text;
}

struct Message {
  std::string selector;
  std::vector<zun::Atom> args;
};

inline void sendAll(t_object* x, const std::vector<Message>& messages) {
  for (const Message& m : messages) zun::send(x, m.selector, m.args);
}

// burst.zun~ on a sine, a Hann window and a square wave.
inline t_object* makeBurst() {
  zun::setBufferSamples("sine", sine());
  zun::setBufferSamples("hann", hann());
  zun::setBufferSamples("square", square());
  return zun::create("burst.zun~", {"sine", "hann", "square"});
}

// cloud.zun~ on a ramp sample and a window of ones.
inline t_object* makeCloud() {
  zun::setBufferSamples("ramp", ramp());
  zun::setBufferSamples("ones", constant(1.0f));
  return zun::create("cloud.zun~", {"ramp", "ones"});
}

}  // namespace zunTest

// Each test starts from a clean host with the externals loaded, the
// multichannel twins after the stereo objects.
class ExternalTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    zun::loadPlugin(ZUN_BURST_PLUGIN);
    zun::loadPlugin(ZUN_CLOUD_PLUGIN);
    zun::loadPlugin(ZUN_MC_BURST_PLUGIN);
    zun::loadPlugin(ZUN_MC_CLOUD_PLUGIN);
  }
  void SetUp() override { zun::reset(); }
  void TearDown() override { zun::reset(); }
};
