// What the plug-ins register and export, their banner, outlets, assist and
// double-click.

#include <cstdio>

#include "external_fixture.h"
#include "zunMessages.h"

namespace {

using Table = std::vector<std::pair<std::string, int>>;
// Not a Max type: a message of two floats.
constexpr int twoFloats = -2;

const Table burstTable = {
    {"dsp64", A_CANT},          {"start", A_LONG},          {"setWave1", A_SYM},
    {"setWave2", A_SYM},        {"setWindowing", A_SYM},    {"setbuf", A_GIMME},
    {"interp", A_LONG},         {"setLevel", A_FLOAT},      {"setWidth", A_FLOAT},
    {"setPanningMode", A_LONG}, {"setAttack", A_FLOAT},     {"setDecay", A_FLOAT},
    {"setLength", A_FLOAT},     {"setRndLength", A_FLOAT},  {"setDensity", A_FLOAT},
    {"setRndDensity", A_FLOAT}, {"setCps", A_FLOAT},        {"setRndCps", A_FLOAT},
    {"setGlisson", A_FLOAT},    {"setRndGlisson", A_FLOAT}, {"setMorph", A_FLOAT},
    {"setRndMorph", A_FLOAT},   {"info", A_NOTHING},        {"grain", A_NOTHING},
    {"assist", A_CANT},         {"dblclick", A_CANT},       {"seed", A_LONG},
    // opt-in, after the first set
    {"setRndLevel", A_FLOAT},   {"setRndMask", A_FLOAT},    {"setBurstPlay", A_LONG},
    {"setBurstRest", A_LONG},   {"setPanningLaw", A_LONG},  {"triggerInput", A_LONG},
    {"events", A_LONG},
    {"subsample", A_LONG},      {"bandlimit", A_LONG},      {"cubic", A_LONG},
    {"notify", A_CANT},         {"flush", A_NOTHING},
    {"dump", A_NOTHING},        {"float", A_FLOAT},          {"steal", A_LONG},
    {"setFormants", A_GIMME},   {"setFormantLevels", A_GIMME}, {"setFormantPans", A_GIMME},
    {"lengthMode", A_LONG},
};

const Table cloudTable = {
    {"dsp64", A_CANT},         {"start", A_LONG},          {"setSample", A_SYM},
    {"setWindowing", A_SYM},   {"setbuf", A_GIMME},        {"interp", A_LONG},
    {"overlap", A_LONG},       {"reverse", A_LONG},        {"setLevel", A_FLOAT},
    {"setWidth", A_FLOAT},     {"setPanningMode", A_LONG}, {"setLength", A_FLOAT},
    {"setRndLength", A_FLOAT}, {"setDensity", A_FLOAT},    {"setRndDensity", A_FLOAT},
    {"setPitch", A_FLOAT},     {"setRndPitch", A_FLOAT},   {"setSamplePosition", A_FLOAT},
    {"setPhase", A_FLOAT},     {"info", A_NOTHING},        {"grain", A_NOTHING},
    {"assist", A_CANT},        {"dblclick", A_CANT},       {"seed", A_LONG},
    // opt-in, after the first set
    {"setRndPosition", A_FLOAT}, {"setScanSpeed", A_FLOAT},  {"setRndReverse", A_FLOAT},
    {"setRndLevel", A_FLOAT},    {"setPanningLaw", A_LONG},  {"triggerInput", A_LONG},
    {"events", A_LONG},
    {"subsample", A_LONG},     {"cubic", A_LONG},          {"flush", A_NOTHING},
    {"dump", A_NOTHING},         {"float", A_FLOAT},
    {"setRegion", twoFloats},    {"setAttack", A_FLOAT},     {"setDecay", A_FLOAT},
    {"sampleRate", A_FLOAT},     {"sampleChannel", A_LONG},  {"stereoSample", A_LONG},
    {"steal", A_LONG},           {"liveBuffer", A_FLOAT},    {"freeze", A_LONG},
};

const struct Plugin {
  const char* path;
  const char* className;
  const Table* table;
  const char* eventNames;
} plugins[] = {
    {ZUN_BURST_PLUGIN, "burst.zun~", &burstTable, zunBurstEventNames},
    {ZUN_CLOUD_PLUGIN, "cloud.zun~", &cloudTable, zunCloudEventNames},
};

TEST_F(ExternalTest, MainRegistersOneSignalClassWithItsMessageTable) {
  for (const Plugin& p : plugins) {
    // Loading throws unless main returned 0.
    EXPECT_EQ(zun::loadPlugin(p.path), (std::vector<std::string>{p.className}));
    const zun::ClassInfo c = zun::classInfo(p.className);
    EXPECT_EQ(c.nameSpace, "box");
    EXPECT_TRUE(c.signal);
    EXPECT_EQ(c.constructorTypes, (std::vector<int>{A_GIMME, A_DEFLONG}));
    ASSERT_EQ(c.methods.size(), p.table->size()) << p.className;
    for (size_t i = 0; i < c.methods.size(); ++i) {
      EXPECT_EQ(c.methods[i].selector, (*p.table)[i].first) << p.className << " row " << i + 1;
      const int type = (*p.table)[i].second;
      const std::vector<int> types = type == A_NOTHING   ? std::vector<int>{}
                                     : type == twoFloats ? std::vector<int>{A_FLOAT, A_FLOAT}
                                                         : std::vector<int>{type};
      EXPECT_EQ(c.methods[i].types, types) << p.className << " " << c.methods[i].selector;
    }
  }
}

// Other hosts register from the host-neutral message tables: they must
// list what the Max classes register, in the same order.
template <class Engine>
std::vector<std::pair<std::string, int>> sharedTable(zunMessageTable<Engine> table) {
  std::vector<std::pair<std::string, int>> rows;
  for (const zunMessage<Engine>* m = table.begin; m != table.end; ++m) {
    static const int types[] = {A_NOTHING, A_LONG,    A_FLOAT, A_SYM,
                                A_GIMME,   A_CANT,    twoFloats, A_GIMME};
    rows.emplace_back(m->selector, types[static_cast<int>(m->argument)]);
  }
  return rows;
}

TEST_F(ExternalTest, TheHostNeutralMessageTablesAreTheRegisteredOnes) {
  EXPECT_EQ(sharedTable(zunBurstMessages()), burstTable);
  EXPECT_EQ(sharedTable(zunCloudMessages()), cloudTable);
}

TEST_F(ExternalTest, OnlyMainIsExported) {
  for (const Plugin& p : plugins) {
    FILE* nm = popen((std::string("nm -D --defined-only '") + p.path + "'").c_str(), "r");
    ASSERT_NE(nm, nullptr);
    std::vector<std::string> names;
    char address[64], type[8], name[512];
    while (std::fscanf(nm, "%63s %7s %511s", address, type, name) == 3) names.push_back(name);
    EXPECT_EQ(pclose(nm), 0);
    EXPECT_EQ(names, (std::vector<std::string>{"main"})) << p.path;
  }
}

TEST_F(ExternalTest, EveryInstancePostsTheBannerOnce) {
  for (const Plugin& p : plugins) {
    for (int i = 0; i < 2; ++i) {
      zun::clearConsole();
      zun::create(p.className);
      const std::vector<zun::ConsoleLine> lines = zun::console();
      ASSERT_EQ(lines.size(), 1u);
      EXPECT_EQ(lines[0].kind, zun::ConsoleLine::Kind::post);
      EXPECT_EQ(lines[0].text, std::string(p.className) + " 1.0.4");
    }
  }
}

TEST_F(ExternalTest, OutletsAreLeftRightInformationAndEvents) {
  for (const Plugin& p : plugins) {
    t_object* x = zun::create(p.className);
    ASSERT_EQ(zun::outletCount(x), 4);
    EXPECT_EQ(zun::outletType(x, 0), "signal");
    EXPECT_EQ(zun::outletType(x, 1), "signal");
    EXPECT_EQ(zun::outletType(x, 2), "int");
    EXPECT_EQ(zun::outletType(x, 3), "list");
    EXPECT_EQ(zunTest::info(x), 0) << "an idle object counts no grain";
  }
}

TEST_F(ExternalTest, AssistTextsByKindAndIndex) {
  const struct {
    long kind, index;
    const char* text;
  } cases[] = {
      {ASSIST_OUTLET, 0, "(signal) Output Left Signal"},
      {ASSIST_OUTLET, 1, "(signal) Output Right Signal"},
      {ASSIST_OUTLET, 2, "(message) Output Granulator Informations"},
      {ASSIST_OUTLET, 4, "untouched"},
      {ASSIST_INLET, 0, "(message) Configure Granulator"},
      {ASSIST_INLET, 7, "untouched"},
      {0, 0, "(message) Configure Granulator"},
      {7, 0, "(message) Configure Granulator"},
  };
  for (const Plugin& p : plugins) {
    t_object* x = zun::create(p.className);
    for (const auto& c : cases)
      EXPECT_EQ(zun::assist(x, c.kind, c.index, "untouched"), c.text)
          << p.className << " " << c.kind << "/" << c.index;
    EXPECT_EQ(zun::assist(x, ASSIST_OUTLET, 3),
              std::string("(list) Grain Events: ") + p.eventNames);
  }
}

TEST_F(ExternalTest, DoubleClickOpensAnEditorPerBoundTableInRoleOrder) {
  zun::createBuffer("a", 1);
  const struct {
    const char* className;
    std::vector<zun::Atom> args;
    std::vector<std::string> opened;
  } cases[] = {
      {"burst.zun~", {}, {}},
      {"burst.zun~", {"a", "missing"}, {"a", ""}},
      {"burst.zun~", {"a", "b", "a"}, {"a", "", "a"}},
      {"cloud.zun~", {}, {}},
      {"cloud.zun~", {"a"}, {"a"}},
      {"cloud.zun~", {"missing", "a"}, {"", "a"}},
  };
  for (const auto& c : cases) {
    t_object* x = zun::create(c.className, c.args);
    const size_t before = zun::viewLog().size();
    zun::doubleClick(x);
    const std::vector<std::string> log = zun::viewLog();
    EXPECT_EQ(std::vector<std::string>(log.begin() + static_cast<long>(before), log.end()),
              c.opened)
        << c.className << " with " << c.args.size() << " arguments";
  }
}

}  // namespace
