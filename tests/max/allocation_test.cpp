// The perform routines allocate nothing: every allocation in this program
// is counted, and processing must not add to the count.

#include <atomic>
#include <cstdlib>
#include <new>

#include "external_fixture.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace zunTest;

// Every path of the perform routines: running engines with many grains,
// a missing reference, a missing buffer~ and a failed lock; with the
// opt-in controls on too, a trigger signal and a full event queue; the
// cloud's sample of `channels` interleaved channels.
void expectNoAllocation(const std::vector<Message>& options, long channels = 1) {
  const long before = allocations;
  t_object* burst = makeBurst();
  t_object* cloud = makeCloud();
  if (channels > 1)
    zun::setBufferSamples("ramp", ramp(4096 * static_cast<int>(channels)), channels);
  t_object* twin = zun::create("mc.burst.zun~", {"sine", "hann", "square", "@chans", 9});
  zun::send(twin, "outmode", {1});
  ASSERT_GT(allocations, before) << "the counter sees the plug-ins' allocations";
  zun::create("burst.zun~", {"sine", "hann"});
  zun::create("cloud.zun~", {"missing", "ones"});
  zun::setBufferSamples("locked", ramp());
  zun::setLockFailure("locked", true);
  zun::create("cloud.zun~", {"locked", "ones"});
  for (t_object* x : {burst, cloud, twin}) {
    zun::send(x, "start", {1});
    zun::send(x, "setDensity", {1000});
    sendAll(x, options);
    zun::feedInput(x, 0, [](double* in, long frames) {
      for (long i = 0; i < frames; ++i) in[i] = i % 100 == 0 ? 1.0 : -1.0;
    });
  }
  zun::setVectorSize(16384);
  zun::startDsp();

  zun::clearLockLog();  // band-limiting locked the wave tables once to copy them
  const long start = allocations;
  for (int i = 0; i < 8; ++i) zun::process();
  EXPECT_EQ(allocations - start, 0);
  // The engines did run.
  EXPECT_EQ(zun::lockStats("sine").locks, 16);
  EXPECT_EQ(zun::lockStats("ramp").locks, 8);
  EXPECT_FALSE(allZero(std::vector<double>(zun::output(burst, 0), zun::output(burst, 0) + 16384)));
  EXPECT_FALSE(allZero(std::vector<double>(zun::output(cloud, 0), zun::output(cloud, 0) + 16384)));
  EXPECT_FALSE(allZero(std::vector<double>(zun::output(twin, 8), zun::output(twin, 8) + 16384)));
}

TEST_F(ExternalTest, ProcessingAllocatesNothing) { expectNoAllocation({}); }

TEST_F(ExternalTest, ProcessingWithEveryOptionAllocatesNothing) {
  expectNoAllocation({{"setRndLevel", {6}},    {"setPanningLaw", {1}},   {"triggerInput", {1}},
                      {"events", {1}},         {"setRndMask", {0.2}},    {"setBurstRest", {1}},
                      {"setRndPosition", {50}}, {"setScanSpeed", {-0.7}}, {"setRndReverse", {0.5}},
                      {"subsample", {1}},      {"cubic", {1}},           {"bandlimit", {1}},
                      {"setCps", {3000}}});
}

// Grains of a second at 1000 a second: every one after the first 128
// steals a voice; burst.zun~'s of three formants, a second in periods.
TEST_F(ExternalTest, StealingAndTheSampleControlsAllocateNothing) {
  expectNoAllocation({{"steal", {1}}, {"setLength", {1000}}, {"setRegion", {10, 50}},
                      {"setAttack", {0.3}}, {"sampleRate", {1}}, {"stereoSample", {1}},
                      {"setFormants", {1, 2.5, 4}}, {"setFormantPans", {0, 1}},
                      {"lengthMode", {1}}},
                     2);
}

// A cloud granulating its input, recording and frozen by turns.
TEST_F(ExternalTest, LiveInputAllocatesNothing) {
  t_object* cloud = makeCloud();
  sendAll(cloud, {{"liveBuffer", {500}}, {"start", {1}}, {"setDensity", {1000}}});
  zun::feedInput(cloud, 6, [](double* in, long frames) { std::fill(in, in + frames, 0.5); });
  zun::setVectorSize(4096);
  zun::startDsp();
  for (int i = 0; i < 8; ++i) {
    zun::send(cloud, "freeze", {i % 2});
    const long before = allocations;
    zun::process();
    EXPECT_EQ(allocations - before, 0);
  }
  EXPECT_FALSE(allZero(std::vector<double>(zun::output(cloud, 0), zun::output(cloud, 0) + 4096)));
}

}  // namespace
