#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "voice_fixture.h"

TEST(Voice, ConstructorDefaults) {
  zunGrain v(44100.0);
  EXPECT_EQ(v.latched().phaseIncrement, 440.0 / 44100.0);
  EXPECT_EQ(v.latched().grainIncrement, 1.0 / 85.0 / 44100.0);
  EXPECT_EQ(v.latched().amplitude, 0.5);
  EXPECT_EQ(v.latched().length, 85.0);
  EXPECT_EQ(v.latched().direction, 1.0);
  EXPECT_FALSE(v.getStatus());
  // Until deformed, the envelope is the plain window read.
  EXPECT_EQ(v.latched().attack, 0.5);
  EXPECT_EQ(v.latched().decay, 0.5);
  EXPECT_EQ(v.latched().sustain, 0.0);
}

TEST(Voice, SetInvertReversesOnlyForOne) {
  const struct {
    int invert;
    double direction;
  } cases[] = {{1, -1.0}, {0, 1.0}, {2, 1.0}, {-1, 1.0}};
  for (const auto& c : cases) {
    zunGrain v(44100.0);
    v.setInvert(1);
    v.setInvert(c.invert);
    EXPECT_EQ(v.latched().direction, c.direction) << c.invert;
  }
}

TEST(Voice, StartPhaseIsAMagnitudeCappedAtOne) {
  const struct { double given, held; } cases[] = {
      {-0.25, 0.25}, {3.0, 1.0}, {0.5, 0.5}, {-7.0, 1.0}, {NAN, 0.0}};
  for (const auto& c : cases) {
    zunGrain v(44100.0);
    v.setParameters(1.0, 100.0, c.given, 1.0);
    EXPECT_EQ(v.running().phase, c.held) << c.given;
  }
}

TEST(Voice, StartAndTrigger) {
  zunGrain v(44100.0);
  v.start();
  place(v, 0.4, 0.3);
  v.start();  // sounding: nothing changes
  EXPECT_EQ(v.running().grainPosition, 0.4);
  EXPECT_EQ(v.running().phase, 0.3);
  v.trigger();  // restarts
  EXPECT_EQ(v.running().grainPosition, 0.0);
  EXPECT_EQ(v.running().phase, 0.0);
  EXPECT_TRUE(v.getStatus());
}

TEST(Voice, SampleRateGuardAndRederivedIncrements) {
  zunGrain v(44100.0);
  for (double bad : {0.0, -44100.0, static_cast<double>(NAN)}) {
    v.setAbsoluteSR(bad);
    EXPECT_EQ(v.latched().absoluteSR, 44100.0);
  }
  v.setAbsoluteSR(48000.0);
  EXPECT_EQ(v.latched().phaseIncrement, 440.0 / 48000.0);
  EXPECT_EQ(v.latched().grainIncrement, 1.0 / 85.0 / 48000.0);
}

TEST(Voice, EnvelopeDeformationKeepsSustainUnclamped) {
  zunGrain v(44100.0);
  v.setEnvelopeDeformation(0.25, 0.5);
  EXPECT_EQ(v.latched().sustain, 0.25);
  v.setEnvelopeDeformation(0.75, 0.5);
  EXPECT_EQ(v.latched().sustain, -0.25);
}

TEST(Voice, TableReadsForwardsAndBackwards) {
  std::vector<float> wave{1.f, 2.f, 3.f, 4.f}, ones(8, 1.f);
  zunGrain forward = steadyVoice(0.25);
  EXPECT_EQ(renderVoice(forward, Routine::plain, 5, wave, ones),
            (std::vector<double>{2, 3, 4, 1, 2}));
  zunGrain backward = steadyVoice(0.25);
  backward.setInvert(1);
  EXPECT_EQ(renderVoice(backward, Routine::plain, 5, wave, ones),
            (std::vector<double>{4, 3, 2, 1, 4}));
}

TEST(Voice, LinearInterpolationWrapsToTheFirstEntry) {
  std::vector<float> wave{1.f, 2.f, 3.f, 8.f}, ones(8, 1.f);
  zunGrain v = steadyVoice(0.0);
  v.setInterpMode(1);
  place(v, v.running().grainPosition, 3.5 / 4.0);  // x = n - 0.5
  EXPECT_EQ(renderVoice(v, Routine::plain, 1, wave, ones)[0], 4.5);
}

TEST(Voice, MorphWeighsTheTwoWaves) {
  std::vector<float> first{2.f, 2.f}, second{6.f, 6.f}, ones(4, 1.f);
  const struct { double morph, value; } cases[] = {{0.0, 2.0}, {1.0, 6.0}, {0.5, 4.0}};
  for (const auto& c : cases) {
    zunGrain v = steadyVoice(0.1);
    v.setMorph(c.morph);
    EXPECT_EQ(renderVoice(v, Routine::pulsar, 1, first, ones, &second)[0], c.value) << c.morph;
  }
}

// Window entries equal their index, so a sample tells where the window was read.
TEST(Voice, AttackSustainDecayPositions) {
  std::vector<float> ones(4, 1.f), ramp(16);
  for (int i = 0; i < 16; ++i) ramp[i] = static_cast<float>(i);
  zunGrain v(8.0);  // rate 8, length 1 s: the grain advances 1/8 per sample
  v.setParameters(1.0, 0.0, 0.0, 1.0);
  v.setEnvelopeDeformation(0.25, 0.25);
  v.start();
  const auto out = renderVoice(v, Routine::pulsar, 9, ones, ramp);
  // positions 0.125 .. 0.875: window read at 0.25, the midpoint, then 0.75 of its length
  EXPECT_EQ(out, (std::vector<double>{4, 8, 8, 8, 8, 8, 12, 0, 0}));
  EXPECT_FALSE(v.getStatus());

  zunGrain flat(8.0);
  flat.setParameters(1.0, 0.0, 0.0, 1.0);
  flat.setEnvelopeDeformation(0.0, 0.0);
  flat.start();
  EXPECT_EQ(renderVoice(flat, Routine::pulsar, 3, ones, ramp), (std::vector<double>{8, 8, 8}));
}

TEST(Voice, GrainEndsInsideABlockAndPadsWithZeros) {
  std::vector<float> ones(4, 1.f);
  zunGrain v(4.0);
  v.setParameters(0.5, 1.0, 0.0, 1.0);  // ends at the 4th sample
  v.start();
  EXPECT_EQ(renderVoice(v, Routine::plain, 6, ones, ones),
            (std::vector<double>{0.5, 0.5, 0.5, 0, 0, 0}));
  EXPECT_FALSE(v.getStatus());
}

TEST(Voice, CountZeroChangesNothing) {
  std::vector<float> ones(4, 1.f);
  zunGrain v = steadyVoice(0.3);
  renderVoice(v, Routine::pulsar, 0, ones, ones);
  EXPECT_EQ(v.running().grainPosition, 0.0);
  EXPECT_EQ(v.running().phase, 0.0);
}

TEST(Voice, ModesOtherThanZeroAndOneAreSilentButAdvance) {
  std::vector<float> ones(4, 1.f);
  zunGrain v(4.0);
  v.setParameters(1.0, 1.0, 0.0, 1.0);
  v.setInterpMode(2);
  v.start();
  EXPECT_EQ(renderVoice(v, Routine::plain, 5, ones, ones), (std::vector<double>(5, 0.0)));
  EXPECT_FALSE(v.getStatus());
}

TEST(Voice, GlissandoFreeRoutineMatchesThePlainOne) {
  std::vector<float> wave{0.1f, 0.7f, -0.3f, 0.9f, 0.2f}, window{0.f, 0.5f, 1.f, 0.5f};
  zunGrain a = steadyVoice(0.37), b = steadyVoice(0.37);
  a.setInterpMode(1);
  b.setInterpMode(1);
  EXPECT_EQ(renderVoice(a, Routine::plain, 50, wave, window),
            renderVoice(b, Routine::glisson, 50, wave, window));
}

TEST(Voice, IncrementAboveOneFreezesTheGlidingPhase) {
  std::vector<float> wave{1.f, 2.f, 3.f, 4.f}, ones(4, 1.f);
  zunGrain v = steadyVoice(1.5);
  place(v, v.running().grainPosition, 0.5);
  EXPECT_EQ(renderVoice(v, Routine::glisson, 3, wave, ones), (std::vector<double>(3, 3.0)));
}

TEST(Voice, ZeroFrequencyHoldsThePhase) {
  std::vector<float> wave{1.f, 2.f, 3.f, 4.f}, ones(4, 1.f);
  zunGrain v = steadyVoice(0.0);
  place(v, v.running().grainPosition, 0.25);
  EXPECT_EQ(renderVoice(v, Routine::plain, 3, wave, ones), (std::vector<double>(3, 2.0)));
}

TEST(Voice, ZeroLengthEndsAtTheFirstSample) {
  std::vector<float> ones(4, 1.f);
  zunGrain v(44100.0);
  v.setLength(0.0);
  v.trigger();
  EXPECT_EQ(renderVoice(v, Routine::plain, 2, ones, ones), (std::vector<double>{0, 0}));
  EXPECT_FALSE(v.getStatus());
}

TEST(Voice, UntouchedVoicePlaysItsDefaults) {
  std::vector<float> ones(4, 1.f);
  zunGrain v(44100.0);
  v.trigger();
  const auto out = renderVoice(v, Routine::plain, 64, ones, ones);
  EXPECT_EQ(out[63], 0.5);
  EXPECT_TRUE(v.getStatus());
}
