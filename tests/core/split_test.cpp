#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "zunBurst.h"
#include "zunCloud.h"

namespace {

std::vector<float> sine(int n) {
  std::vector<float> t(n);
  for (int i = 0; i < n; ++i) t[i] = static_cast<float>(std::sin(6.283185307179586 * i / n));
  return t;
}

std::vector<float> hann(int n) {
  std::vector<float> t(n);
  for (int i = 0; i < n; ++i)
    t[i] = static_cast<float>(0.5 - 0.5 * std::cos(6.283185307179586 * i / n));
  return t;
}

// Renders `total` samples in vectors of the given sizes (cycled) and returns
// left and right interleaved.
template <class Engine, class Process>
std::vector<double> render(Engine& e, long total, std::vector<long> sizes, Process process) {
  std::vector<double> left(total), right(total), out;
  long done = 0;
  for (size_t i = 0; done < total; ++i) {
    const long n = std::min(sizes[i % sizes.size()], total - done);
    double* outs[2] = {left.data() + done, right.data() + done};
    process(e, outs, n);
    done += n;
  }
  for (long k = 0; k < total; ++k) {
    out.push_back(left[k]);
    out.push_back(right[k]);
  }
  return out;
}

}  // namespace

// Where at most two grains overlap, the order in which voices are mixed
// cannot change a bit, so the output must not depend on the vector size:
// one block, odd splits, single samples, and vectors longer than the work
// buffers all render the same bits; also with sub-sample onsets, cubic
// reads and band-limited wave tables.
TEST(Split, BurstIsIndependentOfTheVectorSize) {
  auto wave1 = sine(2048), wave2 = sine(517), window = hann(1024);
  auto process = [&](zunBurst& e, double** outs, long n) {
    e.Processing(nullptr, 0, outs, 2, n, wave1.size(), window.size(), wave2.size(), wave1.data(),
                 window.data(), wave2.data());
  };
  auto make = [&](bool options) {
    auto e = std::make_unique<zunBurst>(128, 48000.0);
    if (options) {
      e->setSubsample(1);
      e->setCubic(1);
      e->setBandLimit(1);
      e->refreshWaveLevels(0, [&](auto use) { use(zunTable{wave1.data(), 2048, 1}); });
      e->refreshWaveLevels(1, [&](auto use) { use(zunTable{wave2.data(), 517, 1}); });
    }
    e->setSeed(42);
    e->setInterp(1);
    e->setDensity(10);
    e->setRndDensity(0.5);
    e->setRndLength(0.5);
    e->setRndCps(3);
    e->setGlisson(5);
    e->setRndGlisson(2);
    e->setMorph(0.3);
    e->setRndMorph(0.5);
    e->setWidth(1);
    e->setToggle(1);
    return e;
  };
  const long total = 48000;
  for (bool options : {false, true}) {
    auto reference = render(*make(options), total, {total}, process);
    for (std::vector<long> sizes :
         std::vector<std::vector<long>>{{1}, {64}, {7, 311, 1}, {20000}}) {
      auto e = make(options);
      EXPECT_EQ(render(*e, total, sizes, process), reference) << sizes[0] << " " << options;
    }
  }
}

TEST(Split, CloudIsIndependentOfTheVectorSize) {
  auto sample = sine(48000), window = hann(512);
  auto process = [&](zunCloud& e, double** outs, long n) {
    e.Processing(nullptr, 0, outs, 2, n, sample.size(), window.size(), sample.data(),
                 window.data());
  };
  auto make = [](bool options) {
    auto e = std::make_unique<zunCloud>(128, 48000.0);
    e->setSubsample(options);
    e->setCubic(options);
    e->setSeed(3);
    e->setInterp(1);
    e->setDensity(9);
    e->setRndDensity(0.5);
    e->setRndPitch(7);
    e->setPitch(5);
    e->setPhase(0.25);
    e->setWidth(0.7);
    e->setToggle(1);
    return e;
  };
  const long total = 48000;
  for (bool options : {false, true}) {
    auto reference = render(*make(options), total, {total}, process);
    for (std::vector<long> sizes : std::vector<std::vector<long>>{{1}, {128}, {13, 8191, 5}}) {
      auto e = make(options);
      EXPECT_EQ(render(*e, total, sizes, process), reference) << sizes[0] << " " << options;
    }
  }
}
