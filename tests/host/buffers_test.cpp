// buffer~ objects and references: resolving by name at every call, shape
// and contents, lock counting and its log, the editor log.

#include <gtest/gtest.h>

#include "ext_buffer.h"
#include "ext_obex.h"
#include "zunHost.h"

namespace {

class Buffers : public ::testing::Test {
 protected:
  void SetUp() override {
    zun::reset();
    ref = buffer_ref_new(nullptr, gensym("tab"));
  }
  void TearDown() override { zun::reset(); }  // frees the references too
  t_buffer_ref* ref = nullptr;
};

TEST_F(Buffers, AReferenceResolvesItsNameAtEveryCall) {
  EXPECT_EQ(buffer_ref_getobject(ref), nullptr);
  zun::createBuffer("tab", 4);
  t_buffer_obj* first = buffer_ref_getobject(ref);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(buffer_getframecount(first), 4);
  EXPECT_EQ(buffer_getchannelcount(first), 1);

  zun::deleteBuffer("tab");
  EXPECT_EQ(buffer_ref_getobject(ref), nullptr);
  EXPECT_FALSE(zun::bufferExists("tab"));

  zun::createBuffer("tab", 3, 2);
  ASSERT_NE(buffer_ref_getobject(ref), nullptr);
  EXPECT_EQ(buffer_getchannelcount(buffer_ref_getobject(ref)), 2);

  zun::createBuffer("other", 8);
  buffer_ref_set(ref, gensym("other"));
  EXPECT_EQ(buffer_getframecount(buffer_ref_getobject(ref)), 8);
  buffer_ref_set(ref, gensym("missing"));
  EXPECT_EQ(buffer_ref_getobject(ref), nullptr);
}

TEST_F(Buffers, SamplesAreInterleavedAndResizingKeepsWhatFits) {
  zun::setBufferSamples("tab", {1, 10, 2, 20, 3, 30}, 2);
  t_buffer_obj* b = buffer_ref_getobject(ref);
  ASSERT_EQ(buffer_getframecount(b), 3);
  float* s = buffer_locksamples(b);
  EXPECT_EQ(std::vector<float>(s, s + 6), (std::vector<float>{1, 10, 2, 20, 3, 30}));
  buffer_unlocksamples(b);

  zun::resizeBuffer("tab", 4, 1);
  s = buffer_locksamples(b);
  EXPECT_EQ(std::vector<float>(s, s + 4), (std::vector<float>{1, 2, 3, 0}));
  buffer_unlocksamples(b);

  EXPECT_THROW(zun::setBufferSamples("tab", {1, 2, 3}, 2), zun::HostError);
  EXPECT_THROW(zun::createBuffer("tab", 1), zun::HostError);
  EXPECT_THROW(zun::resizeBuffer("nothing", 1, 1), zun::HostError);
}

TEST_F(Buffers, LocksAreCountedAndLoggedInOrder) {
  zun::createBuffer("tab", 2);
  zun::createBuffer("win", 2);
  t_buffer_obj* tab = buffer_ref_getobject(ref);
  t_buffer_ref* winRef = buffer_ref_new(nullptr, gensym("win"));
  t_buffer_obj* win = buffer_ref_getobject(winRef);

  EXPECT_NE(buffer_locksamples(tab), nullptr);
  EXPECT_EQ(zun::lockStats("tab").held, 1);
  zun::setLockFailure("win", true);
  EXPECT_EQ(buffer_locksamples(win), nullptr);
  buffer_unlocksamples(tab);
  buffer_unlocksamples(win);

  using K = zun::LockEvent::Kind;
  const std::vector<zun::LockEvent> log = zun::lockLog();
  const std::vector<std::pair<K, std::string>> expected = {
      {K::lock, "tab"}, {K::failedLock, "win"}, {K::unlock, "tab"}, {K::unlock, "win"}};
  ASSERT_EQ(log.size(), expected.size());
  for (size_t i = 0; i < log.size(); ++i) {
    EXPECT_EQ(log[i].kind, expected[i].first) << i;
    EXPECT_EQ(log[i].buffer, expected[i].second) << i;
  }
  const zun::LockStats t = zun::lockStats("tab");
  EXPECT_EQ(t.locks, 1);
  EXPECT_EQ(t.unlocks, 1);
  EXPECT_EQ(t.held, 0);
  const zun::LockStats w = zun::lockStats("win");
  EXPECT_EQ(w.failedLocks, 1);
  EXPECT_EQ(w.unmatchedUnlocks, 1);

  zun::clearLockLog();
  EXPECT_TRUE(zun::lockLog().empty());
  EXPECT_EQ(zun::lockStats("tab").locks, 0);
}

}  // namespace
