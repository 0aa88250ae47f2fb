// The audio chain: "dsp64" to signal objects, perform routines registered
// through "dsp_add64", and one call of each per processed vector.

#include <cmath>

#include "ext_buffer.h"
#include "probe_fixture.h"

namespace {

TEST_F(ProbeTest, StartingAudioSendsDsp64ToSignalObjectsOnly) {
  t_object* probe = zun::create("probe~");
  t_object* variadic = zun::create("probe~", {"variadic"});
  zun::create("probe");
  zun::clearConsole();
  zun::startDsp();
  EXPECT_EQ(lines(), (std::vector<std::string>{"dsp64 44100 64", "dsp64 44100 64"}));
  const std::vector<zun::PerformEntry> chain = zun::dspChain();
  ASSERT_EQ(chain.size(), 2u);
  // Both ways of registering (object_method_imp, variadic object_method)
  // carry the same object, flags and user parameter.
  const t_object* objects[] = {probe, variadic};
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(chain[i].object, objects[i]);
    EXPECT_EQ(chain[i].flags, 7);
    EXPECT_EQ(chain[i].userParam, objects[i]);
  }
}

TEST_F(ProbeTest, ProcessCallsThePerformRoutineWithTheObjectsVectors) {
  t_object* x = zun::create("probe~");
  zun::setVectorSize(16);
  zun::startDsp();
  zun::process();
  const double* left = zun::output(x, 0);
  const double* right = zun::output(x, 1);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(left[i], i);
    EXPECT_TRUE(std::isnan(right[i])) << "an unwritten output reads as stale";
  }

  zun::setBufferSamples("t", {0.5f, -1, 0.25f, 9}, 2);
  zun::send(x, "bind", {"t"});
  zun::process();
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(left[i], i % 2 ? 0.25 : 0.5);
    EXPECT_EQ(right[i], 16.0);
  }
  EXPECT_EQ(zun::lockStats("t").locks, 1);
  EXPECT_EQ(zun::lockStats("t").held, 0);
  EXPECT_THROW(zun::output(x, 2), zun::HostError);
}

TEST_F(ProbeTest, ChangingRateOrVectorSizeWhileRunningRecompiles) {
  t_object* x = zun::create("probe~");
  zun::startDsp();
  zun::clearConsole();
  zun::setSampleRate(48000);
  zun::setVectorSize(128);
  EXPECT_EQ(lines(), (std::vector<std::string>{"dsp64 48000 64", "dsp64 48000 128"}));
  EXPECT_EQ(sys_getsr(), 48000.0f);
  zun::process();
  EXPECT_EQ(zun::output(x, 0)[127], 127.0);
}

TEST_F(ProbeTest, TheChainHoldsOnlyObjectsAliveWhenItCompiled) {
  t_object* first = zun::create("probe~");
  zun::startDsp();
  t_object* later = zun::create("probe~");
  EXPECT_EQ(zun::dspChain().size(), 1u);
  EXPECT_THROW(zun::output(later, 0), zun::HostError);
  zun::destroy(first);
  EXPECT_TRUE(zun::dspChain().empty());
  zun::startDsp();
  ASSERT_EQ(zun::dspChain().size(), 1u);
  EXPECT_EQ(zun::dspChain()[0].object, later);
  zun::stopDsp();
  EXPECT_THROW(zun::process(), zun::HostError);
}

}  // namespace
