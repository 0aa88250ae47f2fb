// Creating objects and sending them messages: argument conversion by type
// code, refused messages, outlets and the console.

#include "probe_fixture.h"

namespace {

TEST_F(ProbeTest, MessagesArriveConvertedToTheMethodsTypes) {
  t_object* x = zun::create("probe~");
  const struct {
    const char* selector;
    std::vector<zun::Atom> args;
    bool dispatched;
    std::string line;
  } cases[] = {
      {"long", {5}, true, "long 5"},
      {"long", {2.9}, true, "long 2"},
      {"long", {-2.9}, true, "long -2"},
      {"long", {7, "extra"}, true, "long 7"},
      {"long", {"x"}, false, "probe~: bad argument for message \"long\""},
      {"long", {}, false, "probe~: missing argument for message \"long\""},
      {"float", {3}, true, "float 3"},
      {"float", {0.25}, true, "float 0.25"},
      {"float", {}, false, "probe~: missing argument for message \"float\""},
      {"sym", {"abc"}, true, "sym abc"},
      {"sym", {1}, false, "probe~: bad argument for message \"sym\""},
      {"list", {1, 2.5, "a"}, true, "gimme list 3 LFS"},
      {"list", {}, true, "gimme list 0 "},
      {"bang", {}, true, "bang"},
      {"bang", {1}, true, "bang"},
      {"deflong", {}, true, "deflong 0"},
      {"deflong", {4.5}, true, "deflong 4"},
      {"pair", {1, 2}, true, "pair 1 2"},
      {"pair", {1.5}, false, "probe~: missing argument for message \"pair\""},
      {"secret", {}, false, "probe~: doesn't understand \"secret\""},
      {"dsp64", {}, false, "probe~: doesn't understand \"dsp64\""},
      {"nosuch", {1}, false, "probe~: doesn't understand \"nosuch\""},
  };
  for (const auto& c : cases) {
    zun::clearConsole();
    EXPECT_EQ(zun::send(x, c.selector, c.args), c.dispatched) << c.line;
    const std::vector<zun::ConsoleLine> console = zun::console();
    ASSERT_EQ(console.size(), 1u) << c.line;
    EXPECT_EQ(console[0].text, c.line);
    EXPECT_EQ(console[0].kind,
              c.dispatched ? zun::ConsoleLine::Kind::post : zun::ConsoleLine::Kind::error);
  }
}

TEST_F(ProbeTest, CreationPassesTheClassNameAndArgumentsToAZeroedRecord) {
  zun::setSampleRate(48000);
  t_object* x = zun::create("probe~", {"a", 1, "b"});
  EXPECT_EQ(x->o_magic, OB_MAGIC);
  EXPECT_EQ(lines(), (std::vector<std::string>{"new probe~ 3 untouched 0 sr 48000", "arg 0 a",
                                               "arg 1 ", "arg 2 b"}));
  EXPECT_THROW(zun::create("nothing~"), zun::HostError);
}

TEST_F(ProbeTest, OutletsAreMadeRightToLeft) {
  t_object* x = zun::create("probe~");
  ASSERT_EQ(zun::outletCount(x), 3);
  EXPECT_EQ(zun::outletType(x, 0), "signal");
  EXPECT_EQ(zun::outletType(x, 1), "signal");
  EXPECT_EQ(zun::outletType(x, 2), "int");

  std::vector<t_atom_long> right, left;
  zun::connect(x, 2, [&](t_atom_long v) { right.push_back(v); });
  zun::connect(x, 0, [&](t_atom_long v) { left.push_back(v); });
  zun::send(x, "count", {4});
  zun::send(x, "count", {-1});
  EXPECT_EQ(right, (std::vector<t_atom_long>{4, -1}));
  EXPECT_TRUE(left.empty());
  EXPECT_THROW(zun::connect(x, 3, {}), zun::HostError);
}

TEST_F(ProbeTest, ConsoleKeepsKindAndNamesTheObjectThatPosted) {
  t_object* x = zun::create("probe~");
  zun::clearConsole();
  zun::send(x, "whoami");
  ASSERT_EQ(zun::console().size(), 1u);
  EXPECT_EQ(zun::console()[0].kind, zun::ConsoleLine::Kind::error);
  EXPECT_EQ(zun::console()[0].text, "probe~: me");
  zun::clearConsole();
  EXPECT_TRUE(zun::console().empty());
}

TEST_F(ProbeTest, DestroyCallsTheFreeFunctionAndEndsTheObject) {
  t_object* x = zun::create("probe~");
  zun::clearConsole();
  zun::destroy(x);
  EXPECT_EQ(lines(), (std::vector<std::string>{"free"}));
  EXPECT_THROW(zun::send(x, "bang"), zun::HostError);
  EXPECT_THROW(zun::destroy(x), zun::HostError);
}

}  // namespace
