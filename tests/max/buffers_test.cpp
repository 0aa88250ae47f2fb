// Table binding of both externals: creation arguments in role order,
// rebinding, missing tables and references, failed locks, the order and
// balance of locks, and multi-channel buffer~ objects.

#include <functional>

#include "external_fixture.h"

namespace {

using namespace zunTest;
using K = zun::LockEvent::Kind;
using Log = std::vector<std::pair<K, std::string>>;

Log lockLog() {
  Log log;
  for (const zun::LockEvent& e : zun::lockLog()) log.emplace_back(e.kind, e.buffer);
  return log;
}

void expectBalanced(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    const zun::LockStats s = zun::lockStats(name);
    EXPECT_EQ(s.held, 0) << name;
    EXPECT_EQ(s.locks, s.unlocks) << name;
    EXPECT_EQ(s.unmatchedUnlocks, 0) << name;
  }
}

// One vector of a running object; the lock log holds that vector only.
Stereo oneVector(t_object* x) {
  zun::clearLockLog();
  return render(x, zun::vectorSize());
}

void tables() {
  zun::setBufferSamples("a", sine());
  zun::setBufferSamples("b", hann());
  zun::setBufferSamples("c", sine());
  zun::setBufferSamples("d", sine());
}

TEST_F(ExternalTest, CreationArgumentsBindTheTablesInRoleOrder) {
  tables();
  const struct {
    const char* className;
    std::vector<zun::Atom> args;
    Log expected;
  } cases[] = {
      {"burst.zun~",
       {"a", "b", "c", "d"},
       {{K::lock, "a"},
        {K::lock, "b"},
        {K::lock, "c"},
        {K::unlock, "a"},
        {K::unlock, "b"},
        {K::unlock, "c"}}},
      {"burst.zun~",
       {"a", "b", "a"},
       {{K::lock, "a"},
        {K::lock, "b"},
        {K::lock, "a"},
        {K::unlock, "a"},
        {K::unlock, "b"},
        {K::unlock, "a"}}},
      {"cloud.zun~",
       {"a", "b", "c"},
       {{K::lock, "a"}, {K::lock, "b"}, {K::unlock, "a"}, {K::unlock, "b"}}},
      {"cloud.zun~",
       {"a", "a"},
       {{K::lock, "a"}, {K::lock, "a"}, {K::unlock, "a"}, {K::unlock, "a"}}},
  };
  for (const auto& c : cases) {
    t_object* x = zun::create(c.className, c.args);
    zun::startDsp();
    oneVector(x);
    EXPECT_EQ(lockLog(), c.expected) << c.className << " with " << c.args.size() << " arguments";
    expectBalanced({"a", "b", "c", "d"});
    zun::destroy(x);
  }
}

TEST_F(ExternalTest, ARebindingTakesEffectAtTheNextVector) {
  tables();
  zun::setBufferSamples("zeros", constant(0.0f, 1024));
  const struct {
    const char* className;
    std::vector<zun::Atom> args;
    const char* selector;
  } cases[] = {
      {"burst.zun~", {"zeros", "b", "zeros"}, "setWave1"},
      {"cloud.zun~", {"zeros", "b"}, "setSample"},
  };
  for (const auto& c : cases) {
    t_object* x = zun::create(c.className, c.args);
    zun::startDsp();
    zun::send(x, "start", {1});
    EXPECT_TRUE(allZero(oneVector(x).left)) << c.className;
    EXPECT_EQ(info(x), 1) << "a grain sounds, on a table of zeros";
    zun::send(x, c.selector, {"a"});
    EXPECT_FALSE(allZero(oneVector(x).left)) << c.className;
    EXPECT_EQ(lockLog().front(), (std::pair<K, std::string>{K::lock, "a"}));
    zun::send(x, "setbuf", {"zeros"});
    EXPECT_TRUE(allZero(oneVector(x).left)) << c.className << " after setbuf";
    zun::destroy(x);
  }
}

// Where the engine cannot run, both outputs are exact zeros (never what
// the vectors held before), nothing advances and every lock that succeeded
// is released; from the vector after the table becomes available, it plays.
TEST_F(ExternalTest, WithoutItsTablesAnObjectIsSilent) {
  tables();
  const auto bind = [](const char* selector) {
    return [selector](t_object* x) { zun::send(x, selector, {"b"}); };
  };
  const auto create = [](t_object*) { zun::setBufferSamples("missing", hann()); };
  const auto unfail = [](const char* name) {
    return [name](t_object*) { zun::setLockFailure(name, false); };
  };
  const struct {
    const char* what;
    const char* className;
    std::vector<zun::Atom> args;
    const char* failingLock;
    Log expected;
    std::function<void(t_object*)> remedy;
  } cases[] = {
      {"no reference yet", "burst.zun~", {"a", "b"}, nullptr, {}, bind("setWave2")},
      {"no reference yet", "cloud.zun~", {"a"}, nullptr, {}, bind("setWindowing")},
      {"a missing buffer~", "burst.zun~", {"a", "missing", "c"}, nullptr, {}, create},
      {"a missing buffer~", "cloud.zun~", {"a", "missing"}, nullptr, {}, create},
      {"a failed lock",
       "burst.zun~",
       {"a", "b", "c"},
       "a",
       {{K::failedLock, "a"}, {K::lock, "b"}, {K::lock, "c"}, {K::unlock, "b"}, {K::unlock, "c"}},
       unfail("a")},
      {"a failed lock",
       "burst.zun~",
       {"a", "b", "c"},
       "b",
       {{K::lock, "a"}, {K::failedLock, "b"}, {K::lock, "c"}, {K::unlock, "a"}, {K::unlock, "c"}},
       unfail("b")},
      {"a failed lock",
       "burst.zun~",
       {"a", "b", "c"},
       "c",
       {{K::lock, "a"}, {K::lock, "b"}, {K::failedLock, "c"}, {K::unlock, "a"}, {K::unlock, "b"}},
       unfail("c")},
      {"a failed lock",
       "cloud.zun~",
       {"a", "b"},
       "a",
       {{K::failedLock, "a"}, {K::lock, "b"}, {K::unlock, "b"}},
       unfail("a")},
      {"a failed lock",
       "cloud.zun~",
       {"a", "b"},
       "b",
       {{K::lock, "a"}, {K::failedLock, "b"}, {K::unlock, "a"}},
       unfail("b")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.className) + ": " + c.what);
    t_object* x = zun::create(c.className, c.args);
    zun::startDsp();
    zun::send(x, "start", {1});
    if (c.failingLock) zun::setLockFailure(c.failingLock, true);
    render(x, 640);
    const Stereo s = oneVector(x);
    EXPECT_TRUE(allZero(s.left));
    EXPECT_TRUE(allZero(s.right));
    EXPECT_EQ(lockLog(), c.expected);
    EXPECT_EQ(info(x), 0) << "no grain started";
    c.remedy(x);
    EXPECT_FALSE(allZero(oneVector(x).left));
    EXPECT_EQ(info(x), 1);
    expectBalanced({"a", "b", "c"});
    zun::destroy(x);
    if (zun::bufferExists("missing")) zun::deleteBuffer("missing");
  }
}

// The engines read the first channel of an interleaved buffer~: the same
// sound as from mono tables holding that channel.
TEST_F(ExternalTest, MultiChannelTablesReadTheirFirstChannel) {
  const auto interleave = [](const std::vector<float>& first, int channels) {
    std::vector<float> out;
    for (float v : first) {
      out.push_back(v);
      for (int c = 1; c < channels; ++c) out.push_back(100.0f * c);
    }
    return out;
  };
  const struct {
    const char* className;
    std::vector<std::vector<float>> tables;
  } cases[] = {
      {"burst.zun~", {sine(), hann(), square()}},
      {"cloud.zun~", {ramp(), hann()}},
  };
  for (const auto& c : cases) {
    std::vector<Stereo> sounds;
    for (int channels : {1, 2, 3}) {
      std::vector<zun::Atom> names;
      for (size_t t = 0; t < c.tables.size(); ++t) {
        const std::string name = "t" + std::to_string(t);
        zun::setBufferSamples(name, interleave(c.tables[t], channels), channels);
        names.push_back(name);
      }
      t_object* x = zun::create(c.className, names);
      zun::startDsp();
      zun::send(x, "start", {1});
      zun::send(x, "interp", {1});
      sounds.push_back(render(x, 5000));
      zun::destroy(x);
    }
    EXPECT_FALSE(allZero(sounds[0].left));
    for (size_t i = 1; i < sounds.size(); ++i) {
      EXPECT_EQ(sounds[i].left, sounds[0].left) << c.className << ", " << i + 1 << " channels";
      EXPECT_EQ(sounds[i].right, sounds[0].right) << c.className << ", " << i + 1 << " channels";
    }
  }
}

// With band-limiting on, the wave tables' levels follow their buffer~s: an
// object made before its table changed sounds as one made afterwards.
TEST_F(ExternalTest, BandLimitedLevelsFollowTheirBuffers) {
  const std::vector<zun::Atom> args = {"w", "b", "w"};
  const auto made = [&] {
    t_object* x = zun::create("burst.zun~", args);
    sendAll(x, {{"setCps", {2000}}, {"setLength", {40}}, {"bandlimit", {1}}, {"start", {1}}});
    return x;
  };
  const struct {
    const char* change;
    std::function<void(t_object*)> apply;
  } cases[] = {
      {"contents", [](t_object*) { zun::setBufferSamples("w", sine()); }},
      {"length", [](t_object*) { zun::setBufferSamples("w", square(512)); }},
      {"gone and back",
       [](t_object*) { zun::deleteBuffer("w"); zun::setBufferSamples("w", sine(256)); }},
      {"multi-channel", [](t_object*) { zun::resizeBuffer("w", 1024, 2); }},
      {"rebound by setbuf to a copy",
       [](t_object* x) {
         zun::setBufferSamples("v", square());
         zun::send(x, "setbuf", {"v", "b", "v"});
       }},
  };
  for (const auto& c : cases) {
    zun::reset();
    zun::setBufferSamples("w", square());
    zun::setBufferSamples("b", hann());
    t_object* before = made();
    c.apply(before);
    t_object* after = made();
    zun::startDsp();
    std::vector<double> a, b;
    for (int v = 0; v < 64; ++v) {
      zun::process();
      a.insert(a.end(), zun::output(before, 0), zun::output(before, 0) + zun::vectorSize());
      b.insert(b.end(), zun::output(after, 0), zun::output(after, 0) + zun::vectorSize());
    }
    EXPECT_FALSE(allZero(b)) << c.change;
    EXPECT_EQ(a, b) << c.change;
  }
}

}  // namespace

// A table an object cannot read is told once per cause: at creation only a
// number where a name belongs, a missing buffer~ when bound by a message
// or when the DSP starts, however often it starts; a table found and then
// lost again is told again.
TEST_F(ExternalTest, ATableNotReadIsToldOncePerCause) {
  const std::string w1 = " for setWave1: silent until there is one";
  const std::string w2 = " for setWave2: silent until there is one";
  const std::string set = ": silent until one is set";
  using Step = std::function<void(t_object*)>;
  const Step dsp = [](t_object*) { zun::startDsp(); };
  const struct {
    const char* className;
    std::vector<zun::Atom> args;
    std::vector<Step> steps;
    std::vector<std::string> told;
  } cases[] = {
      {"burst.zun~", {"gone", "hann", "sine"}, {dsp, dsp}, {"no buffer~ named \"gone\"" + w1}},
      {"burst.zun~", {1, 2.5, "sine"}, {dsp}, {"buffer~ name expected for setWave1, not 1" + set,
       "buffer~ name expected for setWindowing, not 2.5" + set}},
      {"cloud.zun~", {},
       {dsp, [](t_object* x) { zun::send(x, "setbuf", {"sine", 3}); }, dsp},
       {"buffer~ name expected for setWindowing, not 3" + set}},
      {"burst.zun~", {"sine", "hann", "sine"},
       {[](t_object* x) { zun::send(x, "setWave1", {"gone"}); }, dsp,
        [](t_object* x) { zun::send(x, "setWave1", {"gone"}); }},
       {"no buffer~ named \"gone\"" + w1}},
      {"burst.zun~", {"sine", "hann", "sine"},
       {dsp, [](t_object*) { zun::deleteBuffer("sine"); }, dsp, dsp,
        [](t_object*) { zun::setBufferSamples("sine", sine()); }, dsp,
        [](t_object*) { zun::deleteBuffer("sine"); }, dsp},
       {"no buffer~ named \"sine\"" + w1, "no buffer~ named \"sine\"" + w2,
        "no buffer~ named \"sine\"" + w1, "no buffer~ named \"sine\"" + w2}},
  };
  for (const auto& c : cases) {
    zun::reset();
    zun::setBufferSamples("sine", sine());
    zun::setBufferSamples("hann", hann());
    t_object* x = zun::create(c.className, c.args);
    for (const Step& step : c.steps) step(x);
    std::vector<std::string> expected;
    for (const std::string& text : c.told)
      expected.push_back(std::string(c.className) + ": " + text);
    EXPECT_EQ(errors(), expected) << c.told.front();
  }
}
