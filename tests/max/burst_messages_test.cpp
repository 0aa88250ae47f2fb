// burst.zun~ messages: forwarded values change the sound as the engine
// defines, guarded and ignored values leave it exactly as it was and
// refused ones post their text.

#include "message_checks.h"

namespace {

using namespace zunTest;

const std::string startText = "start message: 0 = off; 1 = on";
const std::string interpText = "interp message: 0 = no interp; 1 = two point interp.";
const std::string panText =
    "setPanningMode message: 0 = random width (use setWidth) 1 = manual (0 = L 1 = R)";

TEST_F(ExternalTest, BurstMessagesReachTheEngineOrAreRefused) {
  ASSERT_EQ(onsets(play(makeBurst, {}).sound.left), (std::vector<long>{0, 4410, 8820}));
  runCases(makeBurst, {
                          {{{"start", {0}}}, silent, {}, {}},
                          {{{"start", {2}}}, same, {startText}, {}},
                          {{{"start", {-1}}}, same, {startText}, {}},
                          {{{"interp", {1}}}, differs, {}, {}},
                          {{{"interp", {-1}}}, same, {interpText}, {}},
                          {{{"interp", {2}}}, same, {interpText}, {}},
                          {{{"setPanningMode", {1}}}, leftOnly, {}, {}},
                          {{{"setPanningMode", {1}}, {"setWidth", {1}}}, rightOnly, {}, {}},
                          {{{"setPanningMode", {5}}}, same, {panText}, {}},
                          {{{"setLevel", {0.25}}}, half, {}, {}},
                          {{{"setWidth", {0.5}}}, differs, {}, {}},
                          {{{"setAttack", {0.5}}}, differs, {}, {}},
                          {{{"setDecay", {0.5}}}, differs, {}, {}},
                          {{{"setLength", {50}}}, differs, {}, {}},
                          {{{"setRndLength", {1}}}, differs, {}, {}},
                          {{{"setLength", {40}}, {"setDensity", {20}}},
                           onsetsAt({0, 2205, 4410, 6615, 8820}),
                           {},
                           {}},
                          {{{"setDensity", {0}}}, same, {}, {}},
                          {{{"setDensity", {0.00001}}}, same, {}, {}},
                          {{{"setDensity", {-5}}}, same, {}, {}},
                          {{{"setDensity", {0.0000101}}}, onsetsAt({0}), {}, {}},
                          {{{"setRndDensity", {1}}}, differs, {}, {}},
                          {{{"setCps", {880}}}, differs, {}, {}},
                          {{{"setRndCps", {12}}}, differs, {}, {}},
                          {{{"setGlisson", {12}}}, differs, {}, {}},
                          {{{"setRndGlisson", {12}}}, differs, {}, {}},
                          {{{"setMorph", {1}}}, differs, {}, {}},
                          {{{"setRndMorph", {1}}}, differs, {}, {}},
                      });
}

}  // namespace
