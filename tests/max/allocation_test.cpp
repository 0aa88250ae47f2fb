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

TEST_F(ExternalTest, ProcessingAllocatesNothing) {
  const long before = allocations;
  t_object* burst = makeBurst();
  t_object* cloud = makeCloud();
  ASSERT_GT(allocations, before) << "the counter sees the plug-ins' allocations";
  // Every path of the perform routines: running engines with many grains,
  // a missing reference, a missing buffer~ and a failed lock.
  zun::create("burst.zun~", {"sine", "hann"});
  zun::create("cloud.zun~", {"missing", "ones"});
  zun::setBufferSamples("locked", ramp());
  zun::setLockFailure("locked", true);
  zun::create("cloud.zun~", {"locked", "ones"});
  // And with every option beyond the objects' own on.
  t_object* burstOptions = zun::create("burst.zun~", {"sine", "hann", "square"});
  t_object* cloudOptions = zun::create("cloud.zun~", {"ramp", "ones"});
  for (const char* option : {"subsample", "cubic"})
    for (t_object* x : {burstOptions, cloudOptions}) zun::send(x, option, {1});
  zun::send(burstOptions, "bandlimit", {1});
  for (t_object* x : {burst, cloud, burstOptions, cloudOptions}) {
    zun::send(x, "start", {1});
    zun::send(x, "setDensity", {1000});
    zun::send(x, "setCps", {3000});
  }
  zun::setVectorSize(16384);
  zun::startDsp();

  zun::clearLockLog();
  const long start = allocations;
  for (int i = 0; i < 8; ++i) zun::process();
  EXPECT_EQ(allocations - start, 0);
  // The engines did run.
  EXPECT_EQ(zun::lockStats("sine").locks, 16);
  EXPECT_EQ(zun::lockStats("ramp").locks, 16);
  for (t_object* x : {burst, cloud, burstOptions, cloudOptions})
    EXPECT_FALSE(allZero(std::vector<double>(zun::output(x, 0), zun::output(x, 0) + 16384)));
}

}  // namespace
