#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "engine_fixture.h"
#include "zunBurst.h"
#include "zunCloud.h"

namespace {

// An engine driven vector by vector with signals on its inlets after the
// trigger input: signal(k, t) is inlet k's value at running sample t.
template <class Engine>
struct InletRig : EngineRig {
  using Signal = std::function<double(int, long)>;
  InletRig() : engine(128, 44100.0) {
    engine.setSeed(1);
    engine.setDensity(441.0);  // a grain every 100 samples
    engine.options.setEvents(1);
    wave.assign(4410, 1.f);
    engine.setToggle(1);
  }
  void connect(int k) { engine.inlets.setConnected(k, true); }
  // Renders `total` samples in vectors of n; returns the left output.
  std::vector<double> run(long total, long n, const Signal& signal) {
    std::vector<double> out;
    std::vector<std::vector<double>> ins(Engine::inletCount + 1, std::vector<double>(n));
    std::vector<double*> pointers;
    for (auto& v : ins) pointers.push_back(v.data());
    for (long done = 0; done < total; done += n) {
      for (int k = 0; k < Engine::inletCount; ++k)
        for (long i = 0; i < n; ++i) ins[k + 1][i] = signal(k, done + i);
      prepare(n);
      process(pointers.data(), static_cast<long>(pointers.size()), n);
      out.insert(out.end(), left.begin(), left.end());
    }
    return out;
  }
  void process(double** ins, long numIns, long n);
  std::vector<zunGrainEvent> events() {
    std::vector<zunGrainEvent> all;
    zunGrainEvent e;
    while (engine.options.events.pop(e)) all.push_back(e);
    return all;
  }
  Engine engine;
};

template <>
void InletRig<zunCloud>::process(double** ins, long numIns, long n) {
  engine.Processing(ins, numIns, outs, 2, n, wave.size(), window.size(), wave.data(),
                    window.data());
}
template <>
void InletRig<zunBurst>::process(double** ins, long numIns, long n) {
  engine.Processing(ins, numIns, outs, 2, n, wave.size(), window.size(), wave.size(), wave.data(),
                    window.data(), wave.data());
}

// A constant signal on an inlet renders as the message it stands for.
template <class Engine, class Case>
void expectSignalsMatchMessages(const Case& c) {
  InletRig<Engine> byMessage, bySignal;
  (byMessage.engine.*c.setter)(c.value);
  byMessage.engine.setPanningMode(1);
  bySignal.engine.setPanningMode(1);
  bySignal.connect(c.inlet);
  const auto expected = byMessage.run(3000, 64, [](int, long) { return 0.0; });
  EXPECT_EQ(bySignal.run(3000, 64, [&](int k, long) { return k == c.inlet ? c.value : 99.0; }),
            expected)
      << c.inlet << " " << c.value;
  const auto want = byMessage.events(), got = bySignal.events();
  ASSERT_EQ(got.size(), want.size());
  for (size_t g = 0; g < got.size(); ++g)
    for (double zunGrainEvent::*field :
         {&zunGrainEvent::frequency, &zunGrainEvent::position, &zunGrainEvent::glisson,
          &zunGrainEvent::morph, &zunGrainEvent::length, &zunGrainEvent::level})
      EXPECT_EQ(got[g].*field, want[g].*field) << c.inlet << " " << c.value;
}

}  // namespace

TEST(Inlets, ASignalRendersAsTheMessageItStandsFor) {
  const struct {
    int inlet;
    void (zunCloud::*setter)(double);
    double value;
  } cloud[] = {
      {zunCloud::positionInlet, &zunCloud::setPhase, 0.25},
      {zunCloud::positionInlet, &zunCloud::setPhase, 7.0},
      {zunCloud::pitchInlet, &zunCloud::setPitch, 7.0},
      {zunCloud::lengthInlet, &zunCloud::setLength, -20.0},
      {zunCloud::panInlet, &zunCloud::setWidth, -0.5},
      {zunCloud::levelInlet, &zunCloud::setLevel, 0.125},
  };
  for (const auto& c : cloud) expectSignalsMatchMessages<zunCloud>(c);
  const struct {
    int inlet;
    void (zunBurst::*setter)(double);
    double value;
  } burst[] = {
      {zunBurst::cpsInlet, &zunBurst::setCps, 880.0},
      {zunBurst::morphInlet, &zunBurst::setMorph, 3.0},
      {zunBurst::glissonInlet, &zunBurst::setGlisson, -5.0},
      {zunBurst::lengthInlet, &zunBurst::setLength, 30.0},
      {zunBurst::panInlet, &zunBurst::setWidth, 2.0},
      {zunBurst::levelInlet, &zunBurst::setLevel, 0.25},
  };
  for (const auto& c : burst) expectSignalsMatchMessages<zunBurst>(c);
}

TEST(Inlets, TwelveOnThePitchInletIsAnOctaveUp) {
  InletRig<zunCloud> rig;
  rig.connect(zunCloud::pitchInlet);
  rig.run(1000, 64, [](int, long) { return 12.0; });
  const auto events = rig.events();
  ASSERT_GE(events.size(), 10u);
  for (const auto& e : events) EXPECT_EQ(e.frequency, 2.0);
}

TEST(Inlets, OnsetsReadTheSignalAtTheirSampleAtAnyVectorSize) {
  // The level inlet carries the running sample count, so each grain's
  // level tells the moment it read.
  for (const bool subsample : {false, true}) {
    std::vector<std::vector<zunGrainEvent>> runs;
    for (const long n : {1L, 64L, 2048L}) {
      InletRig<zunBurst> rig;
      rig.engine.setDensity(301.0);  // 146.5 samples apart
      rig.engine.setSubsample(subsample);
      rig.connect(zunBurst::levelInlet);
      rig.run(4096, n, [](int, long t) { return static_cast<double>(t); });
      runs.push_back(rig.events());
    }
    ASSERT_GE(runs[0].size(), 20u);
    for (const auto& run : runs) {
      ASSERT_EQ(run.size(), runs[0].size());
      for (size_t g = 0; g < run.size(); ++g) {
        const double at = static_cast<double>(run[g].sample);
        EXPECT_EQ(run[g].level, runs[0][g].level);
        if (!subsample) {
          EXPECT_EQ(run[g].level, at);
        }
        EXPECT_LE(run[g].level, at);
        EXPECT_GT(run[g].level, at - 1.0);
      }
    }
  }
}

TEST(Inlets, ARampOnThePositionInletScans) {
  InletRig<zunCloud> rig;
  rig.connect(zunCloud::positionInlet);
  rig.run(2000, 64, [](int, long t) { return t / 2000.0; });
  const auto events = rig.events();
  ASSERT_GE(events.size(), 20u);
  for (const auto& e : events) EXPECT_EQ(e.position, e.sample / 2000.0);
}

TEST(Inlets, UnconnectedOrNonFiniteSignalsChangeNothing) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  InletRig<zunCloud> plain;
  const auto expected = plain.run(3000, 64, [](int, long) { return 0.0; });
  const struct {
    bool connect;
    double value;
  } cases[] = {{false, 12.0}, {true, inf}, {true, -inf}, {true, nan}};
  for (const auto& c : cases) {
    InletRig<zunCloud> rig;
    for (int k = 0; c.connect && k < zunCloud::inletCount; ++k) rig.connect(k);
    EXPECT_EQ(rig.run(3000, 64, [&](int, long) { return c.value; }), expected) << c.value;
  }
  InletRig<zunBurst> burstPlain, burstUnconnected;
  EXPECT_EQ(burstUnconnected.run(3000, 64, [](int, long) { return 5.0; }),
            burstPlain.run(3000, 64, [](int, long) { return 0.0; }));
}
