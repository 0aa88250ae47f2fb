#pragma once

// Testing a message by its effect on the sound: an object made fresh
// receives the messages and renders; the rendering is checked against the
// rendering of an object that did not receive them.

#include <functional>

#include "external_fixture.h"

namespace zunTest {

using Check = std::function<void(const Stereo& without, const Stereo& with)>;

inline const Check same = [](const Stereo& a, const Stereo& b) {
  EXPECT_EQ(b.left, a.left);
  EXPECT_EQ(b.right, a.right);
};
inline const Check differs = [](const Stereo& a, const Stereo& b) {
  EXPECT_NE(b.left, a.left);
  EXPECT_FALSE(allZero(b.left) && allZero(b.right));
};
inline const Check silent = [](const Stereo&, const Stereo& b) {
  EXPECT_TRUE(allZero(b.left));
  EXPECT_TRUE(allZero(b.right));
};
inline const Check half = [](const Stereo& a, const Stereo& b) {
  for (size_t i = 0; i < a.left.size(); ++i) ASSERT_EQ(b.left[i], a.left[i] * 0.5) << i;
};
inline const Check leftOnly = [](const Stereo& a, const Stereo& b) {
  EXPECT_EQ(b.left, a.left);
  EXPECT_TRUE(allZero(b.right));
};
inline const Check rightOnly = [](const Stereo& a, const Stereo& b) {
  EXPECT_TRUE(allZero(b.left));
  EXPECT_EQ(b.right, a.right);
};
inline Check onsetsAt(std::vector<long> expected) {
  return [expected](const Stereo&, const Stereo& b) { EXPECT_EQ(onsets(b.left), expected); };
}

struct Outcome {
  Stereo sound;
  std::vector<std::string> errors;
};

// A fresh object runs one silent vector (its tables are now known to the
// engine), is switched on, receives the messages and renders 9000 samples:
// two grain periods at the default density.
inline Outcome play(t_object* (*make)(), const std::vector<Message>& messages) {
  t_object* x = make();
  zun::startDsp();
  zun::process();
  zun::send(x, "start", {1});
  zun::clearConsole();
  sendAll(x, messages);
  Outcome out{{}, errors()};
  out.sound = render(x, 9000);
  zun::destroy(x);
  return out;
}

struct MessageCase {
  std::vector<Message> messages;
  Check check;
  std::vector<std::string> errors;
  std::vector<Message> reference;  // what the object to compare with receives
};

inline void runCases(t_object* (*make)(), const std::vector<MessageCase>& cases) {
  for (const MessageCase& c : cases) {
    std::string name;
    for (const Message& m : c.messages) name += m.selector + " ";
    SCOPED_TRACE(name);
    const Outcome without = play(make, c.reference);
    const Outcome with = play(make, c.messages);
    c.check(without.sound, with.sound);
    EXPECT_EQ(with.errors, c.errors);
  }
}

const std::string startText = "start message: 0 = off; 1 = on";
const std::string panText =
    "setPanningMode message: 0 = random width (use setWidth) 1 = manual (0 = L 1 = R)";
const std::string panningLawText = "setPanningLaw message: 0 = linear; 1 = equal power";
const std::string triggerInputText =
    "triggerInput message: 0 = off; 1 = a grain at each upward zero crossing of the input";
const std::string eventsText =
    "events message: 0 = off; 1 = a list out of the rightmost outlet for every grain";
const std::string subsampleText =
    "subsample message: 0 = grains start on whole samples; 1 = between samples";
const std::string cubicText =
    "cubic message: 0 = reads as interp sets them; 1 = four point cubic interp.";
const std::string stealText =
    "steal message: 0 = a grain finding every voice busy is dropped; 1 = it takes the oldest's";
// Grains every 44 samples, about 86 of them sounding at once.
const Message manyGrains = {"setDensity", {1000}};
// Short grains 1520.69 samples apart.
const std::vector<Message> twentyNine = {{"setLength", {20}}, {"setDensity", {29}}};

// The messages both objects take alike.
inline std::vector<MessageCase> sharedCases() {
  return {
      {{{"start", {0}}}, silent, {}, {}},
      {{{"start", {2}}}, same, {startText}, {}},
      {{{"start", {-1}}}, same, {startText}, {}},
      {{{"setPanningMode", {1}}}, leftOnly, {}, {}},
      {{{"setPanningMode", {1}}, {"setWidth", {1}}}, rightOnly, {}, {}},
      {{{"setPanningMode", {5}}}, same, {panText}, {}},
      {{{"setLevel", {0.25}}}, half, {}, {}},
      {{{"setWidth", {0.5}}}, differs, {}, {}},
      {{{"setLength", {50}}}, differs, {}, {}},
      {{{"setRndLength", {1}}}, differs, {}, {}},
      {{{"setLength", {40}}, {"setDensity", {20}}}, onsetsAt({0, 2205, 4410, 6615, 8820}), {}, {}},
      {{{"setDensity", {0}}}, same, {}, {}},
      {{{"setDensity", {0.00001}}}, same, {}, {}},
      {{{"setDensity", {-5}}}, same, {}, {}},
      {{{"setDensity", {0.0000101}}}, onsetsAt({0}), {}, {}},
      {{{"setRndDensity", {1}}}, differs, {}, {}},
      // opt-in
      {{{"setRndLevel", {0}}}, same, {}, {}},
      {{{"setRndLevel", {-12}}}, differs, {}, {}},
      {{{"setPanningLaw", {1}}}, differs, {}, {}},
      {{{"setPanningLaw", {0}}}, same, {}, {}},
      {{{"setPanningLaw", {2}}}, same, {panningLawText}, {}},
      {{{"triggerInput", {1}}}, same, {}, {}},  // nothing connected
      {{{"triggerInput", {-1}}}, same, {triggerInputText}, {}},
      {{{"events", {1}}}, same, {}, {}},
      {{{"events", {2}}}, same, {eventsText}, {}},
      {twentyNine, onsetsAt({0, 1520, 3040, 4560, 6080, 7600}), {}, {}},
      {{twentyNine[0], twentyNine[1], {"subsample", {1}}},
       onsetsAt({0, 1520, 3041, 4562, 6082, 7603}), {}, {}},
      {{twentyNine[0], twentyNine[1], {"subsample", {2}}}, same, {subsampleText}, twentyNine},
      {{twentyNine[0], twentyNine[1], {"subsample", {-1}}}, same, {subsampleText}, twentyNine},
      {{{"cubic", {2}}}, same, {cubicText}, {}},
      {{{"steal", {1}}, manyGrains}, same, {}, {manyGrains}},  // voices to spare
      {{{"steal", {2}}}, same, {stealText}, {}},
  };
}

}  // namespace zunTest
