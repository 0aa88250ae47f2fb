// The signal inlets after the trigger input, as a patch drives them: a
// connected signal, a float into the inlet and the message it stands for
// render alike; an unconnected inlet is not read.

#include "external_fixture.h"
#include "zunMessages.h"

namespace {

using namespace zunTest;

struct Case {
  t_object* (*make)();
  int inlet;
  const char* setter;
  double value;
};

// Two seconds of an object fed (or told) the case's value, seeded alike.
Stereo renderWith(const Case& c, const char* how) {
  zun::reset();
  t_object* x = c.make();
  zun::send(x, "seed", {7});
  zun::send(x, "setDensity", {40.0});
  zun::send(x, "start", {1});
  const std::string way = how;
  if (way == "message") zun::send(x, c.setter, {c.value});
  if (way == "float") zun::sendToInlet(x, c.inlet, "float", {c.value});
  if (way == "signal")
    zun::feedInput(x, c.inlet, [v = c.value](double* in, long n) { std::fill(in, in + n, v); });
  zun::startDsp();
  return render(x, 88200);
}

TEST_F(ExternalTest, SignalsFloatsAndMessagesRenderAlike) {
  const Case cases[] = {
      {makeCloud, 1, "setPhase", 0.5},     {makeCloud, 2, "setPitch", 12.0},
      {makeCloud, 3, "setLength", 20.0},   {makeCloud, 4, "setWidth", 0.8},
      {makeCloud, 5, "setLevel", 0.25},    {makeBurst, 5, "setWidth", 0.8},
      {makeBurst, 1, "setCps", 880.0},     {makeBurst, 2, "setMorph", 0.5},
      {makeBurst, 3, "setGlisson", -7.0},  {makeBurst, 4, "setLength", 30.0},
      {makeBurst, 6, "setLevel", 0.125},
  };
  for (const Case& c : cases) {
    const Stereo plain = renderWith(c, "none");
    const Stereo told = renderWith(c, "message");
    ASSERT_NE(told.left, plain.left) << c.setter;
    EXPECT_EQ(renderWith(c, "float").left, told.left) << c.setter;
    const Stereo fed = renderWith(c, "signal");
    EXPECT_EQ(fed.left, told.left) << c.setter;
    EXPECT_EQ(fed.right, told.right) << c.setter;
  }
}

TEST_F(ExternalTest, AnInletWithoutAConnectionIsNotRead) {
  for (auto make : {makeBurst, makeCloud}) {
    zun::reset();
    t_object* x = make();
    zun::send(x, "start", {1});
    zun::startDsp();
    const Stereo expected = render(x, 8192);
    zun::reset();
    x = make();
    zun::send(x, "start", {1});
    zun::startDsp();
    // Fed after the chain compiled: no connection was counted.
    zun::feedInput(x, 2, [](double* in, long n) { std::fill(in, in + n, 0.75); });
    EXPECT_EQ(render(x, 8192).left, expected.left);
  }
}

TEST_F(ExternalTest, InletsAssistAndAFloatIntoTheFirstIsRefused) {
  t_object* burst = makeBurst();
  t_object* cloud = makeCloud();
  for (size_t k = 0; k < std::size(zunBurstInlets); ++k)
    EXPECT_EQ(zun::assist(burst, ASSIST_INLET, static_cast<long>(k) + 1), zunBurstInlets[k].assist);
  for (size_t k = 0; k < std::size(zunCloudInlets); ++k)
    EXPECT_EQ(zun::assist(cloud, ASSIST_INLET, static_cast<long>(k) + 1), zunCloudInlets[k].assist);
  zun::clearConsole();
  zun::sendToInlet(cloud, 0, "float", {1.0});
  EXPECT_EQ(errors().size(), 1u);
}

}  // namespace
