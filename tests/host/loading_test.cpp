// Loading plug-ins and what their main registers.

#include <gtest/gtest.h>

#include "probe_fixture.h"
#include "z_dsp.h"

namespace {

TEST(Loading, ReportsTheClassesMainRegisteredAndLoadsAFileOnce) {
  const std::vector<std::string> names = zun::loadPlugin(ZUN_PROBE_PLUGIN);
  EXPECT_EQ(names, (std::vector<std::string>{"probe~", "probe"}));
  zun::clearConsole();
  EXPECT_EQ(zun::loadPlugin(ZUN_PROBE_PLUGIN), names);
  EXPECT_TRUE(zun::console().empty()) << "main ran twice";
}

TEST(Loading, FailuresAreClearErrors) {
  const struct {
    const char* path;
    const char* message;
  } cases[] = {
      {"/nonexistent/plugin.so", "cannot open plug-in"},
      {__FILE__, "cannot load plug-in"},
      {ZUN_HOST_LIBRARY, "exports no main"},
      {ZUN_FAILING_PLUGIN, "returned 3"},
  };
  for (const auto& c : cases) {
    try {
      zun::loadPlugin(c.path);
      ADD_FAILURE() << c.path << " loaded";
    } catch (const zun::HostError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

TEST_F(ProbeTest, ClassesListTheirMethodsInRegistrationOrderWithTypeCodes) {
  const zun::ClassInfo probe = zun::classInfo("probe~");
  EXPECT_EQ(probe.nameSpace, "box");
  EXPECT_TRUE(probe.signal);
  EXPECT_EQ(probe.constructorTypes, (std::vector<int>{A_GIMME, A_DEFLONG}));
  EXPECT_GE(probe.size, static_cast<long>(sizeof(t_pxobject)));
  const std::vector<std::pair<std::string, std::vector<int>>> expected = {
      {"dsp64", {A_CANT}},      {"long", {A_LONG}},          {"float", {A_FLOAT}},
      {"sym", {A_SYM}},         {"list", {A_GIMME}},         {"bang", {}},
      {"deflong", {A_DEFLONG}}, {"pair", {A_LONG, A_FLOAT}}, {"secret", {A_CANT}},
      {"whoami", {}},           {"count", {A_LONG}},         {"bind", {A_SYM}},
  };
  ASSERT_EQ(probe.methods.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(probe.methods[i].selector, expected[i].first);
    EXPECT_EQ(probe.methods[i].types, expected[i].second) << expected[i].first;
  }
  EXPECT_FALSE(zun::classInfo("probe").signal);
  EXPECT_THROW(zun::classInfo("nothing~"), zun::HostError);

  std::vector<std::string> order;
  for (const zun::ClassInfo& c : zun::classes()) order.push_back(c.name);
  EXPECT_EQ(order, (std::vector<std::string>{"probe~", "probe"}));
}

TEST(Symbols, AreInternedByText) {
  t_symbol* a = gensym("tab");
  EXPECT_EQ(gensym(std::string("t").append("ab").c_str()), a);
  EXPECT_STREQ(a->s_name, "tab");
  EXPECT_NE(gensym("tab2"), a);
  EXPECT_EQ(gensym(nullptr), gensym(""));
}

TEST(Symbols, AtomGetSymArgGivesTheSymbolOrTheEmptySymbol) {
  t_atom atoms[3] = {};
  atoms[0].a_type = A_SYM;
  atoms[0].a_w.w_sym = gensym("a");
  atoms[1].a_type = A_LONG;
  atoms[1].a_w.w_long = 5;
  atoms[2].a_type = A_FLOAT;
  atoms[2].a_w.w_float = 1.5;
  const struct {
    short which, count;
    const char* expected;
  } cases[] = {{0, 3, "a"}, {1, 3, ""}, {2, 3, ""}, {3, 3, ""}, {-1, 3, ""}, {0, 0, ""}};
  for (const auto& c : cases)
    EXPECT_STREQ(atom_getsymarg(c.which, c.count, atoms)->s_name, c.expected) << c.which;
}

}  // namespace
