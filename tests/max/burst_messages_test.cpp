// burst.zun~ messages: forwarded values change the sound as the engine
// defines, guarded and ignored values leave it exactly as it was and
// refused ones post their text.

#include "message_checks.h"

namespace {

using namespace zunTest;

const std::string interpText = "interp message: 0 = no interp; 1 = two point interp.";
const std::string bandlimitText =
    "bandlimit message: 0 = wave tables as they are; 1 = band-limited wave tables";
const std::string formantsText = "setFormants message: 1 to 3 ratios of the cps";
const std::string lengthModeText =
    "lengthMode message: 0 = length in ms; 1 = in periods of the first formant";
// The square wave at 2 kHz: partials up to the 11th fit below 22.05 kHz.
const std::vector<Message> squareAt2k = {{"setMorph", {1}}, {"setCps", {2000}}};

std::vector<Message> with(std::vector<Message> messages, std::vector<Message> more) {
  messages.insert(messages.end(), more.begin(), more.end());
  return messages;
}

TEST_F(ExternalTest, BurstMessagesReachTheEngineOrAreRefused) {
  ASSERT_EQ(onsets(play(makeBurst, {}).sound.left), (std::vector<long>{0, 4410, 8820}));
  runCases(makeBurst, sharedCases());
  runCases(makeBurst, {
                          {{{"interp", {1}}}, differs, {}, {}},
                          {{{"interp", {-1}}}, same, {interpText}, {}},
                          {{{"interp", {2}}}, same, {interpText}, {}},
                          {{{"setAttack", {0.5}}}, differs, {}, {}},
                          {{{"setDecay", {0.5}}}, differs, {}, {}},
                          {{{"setCps", {880}}}, differs, {}, {}},
                          {{{"setRndCps", {12}}}, differs, {}, {}},
                          {{{"setGlisson", {12}}}, differs, {}, {}},
                          {{{"setRndGlisson", {12}}}, differs, {}, {}},
                          {{{"setMorph", {1}}}, differs, {}, {}},
                          {{{"setRndMorph", {1}}}, differs, {}, {}},
                          {{{"setRndMask", {1}}}, silent, {}, {}},
                          {{{"setRndMask", {-1}}}, same, {}, {}},
                          {{{"setBurstRest", {1}}}, onsetsAt({0, 8820}), {}, {}},
                          {{{"setBurstPlay", {2}}}, same, {}, {}},
                          {{{"setBurstPlay", {0}}, {"setBurstRest", {5}}}, silent, {}, {}},
                          {{{"cubic", {1}}}, differs, {}, {}},
                          {{{"setFormants", {1, 2}}}, differs, {}, {}},
                          {{{"setFormants", {1}}}, same, {}, {}},
                          {{{"setFormants", {NAN, 2}}}, same, {}, {}},
                          {{{"setFormants", {1, 2, 3, 4}}}, same, {formantsText}, {}},
                          {{{"setFormants", {}}}, same, {formantsText}, {}},
                          {{{"setFormants", {2, "a"}}}, same, {formantsText}, {}},
                          {{{"setFormantLevels", {0.5}}}, differs, {}, {}},
                          {{{"setFormantPans", {0.2}}}, differs, {}, {}},
                          {{{"setFormantPans", {}}}, same, {}, {}},
                          {{{"lengthMode", {1}}}, differs, {}, {}},
                          {{{"lengthMode", {2}}}, same, {lengthModeText}, {}},
                          {with(squareAt2k, {{"bandlimit", {1}}}), differs, {}, squareAt2k},
                          {with(squareAt2k, {{"bandlimit", {1}}, {"bandlimit", {0}}}), same, {},
                           squareAt2k},
                          {with(squareAt2k, {{"bandlimit", {2}}}), same, {bandlimitText},
                           squareAt2k},
                      });
}

}  // namespace
