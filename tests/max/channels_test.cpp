// The multichannel twins in the host: what they register, their one
// multichannel outlet and when its channel count changes.

#include "external_fixture.h"
#include "zunMessages.h"

namespace {

using namespace zunTest;

template <class Engine>
std::vector<std::string> selectors(zunMessageTable<Engine> table) {
  std::vector<std::string> names;
  for (const zunMessage<Engine>* m = table.begin; m != table.end; ++m) names.push_back(m->selector);
  return names;
}

std::vector<std::string> registered(const std::string& className) {
  std::vector<std::string> names;
  for (const zun::MethodInfo& m : zun::classInfo(className).methods) names.push_back(m.selector);
  return names;
}

// Channel k of the last vector.
std::vector<double> channel(t_object* x, int k) {
  const double* v = zun::output(x, k);
  return std::vector<double>(v, v + zun::vectorSize());
}

}  // namespace

TEST_F(ExternalTest, TwinsRegisterTheStereoMessagesThenTheirChannelSettings) {
  const std::vector<std::string> added = {"chans",         "outmode",    "panmode", "setChannel",
                                          "setRndChannel", "multichanneloutputs"};
  const struct {
    const char *twin, *stereo, *events;
    std::vector<std::string> table;
  } cases[] = {
      {"mc.burst.zun~", "burst.zun~", zunBurstEventNames, selectors(zunMcBurstMessages())},
      {"mc.cloud.zun~", "cloud.zun~", zunCloudEventNames, selectors(zunMcCloudMessages())},
  };
  for (const auto& c : cases) {
    std::vector<std::string> expected = registered(c.stereo);
    expected.insert(expected.end(), added.begin(), added.end());
    EXPECT_EQ(registered(c.twin), expected);
    EXPECT_EQ(c.table, expected);
    t_object* x = zun::create(c.twin);
    ASSERT_EQ(zun::outletCount(x), 3);
    EXPECT_EQ(zun::outletType(x, 0), "multichannelsignal");
    EXPECT_EQ(zun::outletType(x, 1), "int");
    EXPECT_EQ(zun::outletType(x, 2), "list");
    EXPECT_EQ(zun::assist(x, ASSIST_OUTLET, 0), "(multichannelsignal) Output Channels");
    EXPECT_EQ(zun::assist(x, ASSIST_OUTLET, 2),
              std::string("(list) Grain Events: ") + c.events + " channel");
    EXPECT_EQ(zun::console().back().text, std::string(c.twin) + " 1.0.4");
  }
}

// Asked while audio runs, a count waits for the next start; a count
// outside 1 to 64 is refused.
TEST_F(ExternalTest, ChansTakesEffectAtTheNextDspStart) {
  zun::setBufferSamples("sine", sine());
  zun::setBufferSamples("hann", hann());
  t_object* x = zun::create("mc.burst.zun~", {"sine", "hann", "sine", "@chans", 3});
  zun::send(x, "setDensity", {200});
  zun::send(x, "setChannel", {3});
  zun::send(x, "start", {1});
  zun::startDsp();
  zun::send(x, "chans", {5});
  for (const Message& m : std::vector<Message>{{"chans", {0}}, {"chans", {65}}})
    zun::send(x, m.selector, m.args);
  EXPECT_EQ(errors(), std::vector<std::string>(2, "chans message: 1 to 64 channels"));
  const struct {
    int channels;
    bool restart;
  } runs[] = {{3, false}, {5, true}};
  for (const auto& run : runs) {
    if (run.restart) zun::startDsp();
    std::vector<double> energy(static_cast<size_t>(run.channels));
    for (int v = 0; v < 200; ++v) {
      zun::process();
      ASSERT_EQ(zun::outputCount(x), run.channels);
      for (int k = 0; k < run.channels; ++k)
        for (double s : channel(x, k)) energy[static_cast<size_t>(k)] += s * s;
    }
    for (int k = 0; k < run.channels; ++k)
      EXPECT_EQ(energy[static_cast<size_t>(k)] > 0.0, k == 2) << run.channels << " ch " << k;
  }
}
