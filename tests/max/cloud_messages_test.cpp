// cloud.zun~ messages: forwarded values change the sound as the engine
// defines, guarded and ignored values leave it exactly as it was and
// refused ones post their text.

#include "message_checks.h"

namespace {

using namespace zunTest;

const std::string interpText = "interp message: 0 = no interp; 1 = two point interp.";
const std::string reverseText = "reverse message: 0 = normal; 1 = read backward samples";
const std::string overlapText = "overlap message: maximum overlap permitted is 128";
const std::string sampleChannelText =
    "sampleChannel message: 0 = the sample read as before (its first channel); 1 to 4096 = "
    "that channel";
const std::string stereoSampleText =
    "stereoSample message: 0 = mono grains; 1 = stereo grains from two channels";
const std::string freezeText = "freeze message: 0 = the live input recorded; 1 = held";

// Reading whole frames, interpolation changes nothing: a pitch of 7
// semitones reads between them.
const std::vector<Message> fifth = {{"setPitch", {7}}};
// A window that attack and decay reshape.
const Message rampWindow = {"setWindowing", {"ramp"}};
// Grains every 44 samples, about 86 of them sounding at once.
const std::vector<Message> dense = {{"setDensity", {1000}}};

TEST_F(ExternalTest, CloudMessagesReachTheEngineOrAreRefused) {
  runCases(makeCloud, sharedCases());
  runCases(makeCloud,
           {
               {{{"setPitch", {7}}, {"interp", {1}}}, differs, {}, fifth},
               {{{"setPitch", {7}}, {"interp", {-1}}}, same, {interpText}, fifth},
               {{{"interp", {2}}}, same, {interpText}, {}},
               {{{"reverse", {1}}}, differs, {}, {}},
               {{{"reverse", {2}}}, same, {reverseText}, {}},
               {{{"reverse", {-1}}}, same, {reverseText}, {}},
               {{{"setDensity", {1000}}, {"overlap", {1}}}, differs, {}, dense},
               {{{"setDensity", {1000}}, {"overlap", {0}}}, same, {}, dense},
               {{{"setDensity", {1000}}, {"overlap", {128}}}, same, {}, dense},
               {{{"setDensity", {1000}}, {"overlap", {129}}}, same, {overlapText}, dense},
               {{{"setDensity", {1000}}, {"overlap", {-1}}}, same, {overlapText}, dense},
               {{{"setPitch", {12}}}, differs, {}, {}},
               {{{"setPitch", {127.99}}}, differs, {}, {}},
               {{{"setPitch", {128}}}, same, {}, {}},
               {{{"setPitch", {200}}}, same, {}, {}},
               {{{"setPitch", {-48}}}, differs, {}, {}},
               {{{"setRndPitch", {12}}}, differs, {}, {}},
               {{{"setPhase", {0.5}}}, differs, {}, {}},
               {{{"cubic", {1}}}, same, {}, {}},  // whole frames read alike
               {{{"setPitch", {7}}, {"cubic", {1}}}, differs, {}, fifth},
               {{{"setPitch", {7}}, {"interp", {1}}, {"cubic", {1}}}, differs, {},
                {{"setPitch", {7}}, {"interp", {1}}}},
               {{{"setSamplePosition", {46}}}, differs, {}, {}},
               {{{"setRndPosition", {20}}}, differs, {}, {}},
               {{{"setScanSpeed", {1}}}, differs, {}, {}},
               {{{"setScanSpeed", {NAN}}}, same, {}, {}},
               {{{"setRndReverse", {1}}}, differs, {}, {}},
               {{{"setRndReverse", {1}}, {"reverse", {1}}}, same, {}, {{"reverse", {1}}}},
               {{{"setRegion", {20, 60}}}, differs, {}, {}},
               {{{"setRegion", {0, 0}}}, same, {}, {}},
               {{{"setRegion", {NAN, 60}}}, same, {}, {}},
               {{rampWindow, {"setAttack", {0.2}}}, differs, {}, {rampWindow}},
               {{rampWindow, {"setAttack", {1}}, {"setDecay", {-3}}}, same, {}, {rampWindow}},
               // The ramp is a buffer~ at the audio's rate, of one channel.
               {{{"sampleRate", {1}}}, same, {}, {}},
               {{{"sampleRate", {NAN}}}, same, {}, {}},
               {{{"sampleRate", {88200}}}, differs, {}, {}},
               {{{"sampleChannel", {-1}}}, same, {sampleChannelText}, {}},
               {{{"sampleChannel", {4097}}}, same, {sampleChannelText}, {}},
               {{{"stereoSample", {2}}}, same, {stereoSampleText}, {}},
               // A ring of silence in place of the sample; none, as before.
               {{{"liveBuffer", {500}}}, silent, {}, {}},
               {{{"liveBuffer", {500}}, {"liveBuffer", {0}}}, same, {}, {}},
               {{{"liveBuffer", {NAN}}}, same, {}, {}},
               {{{"freeze", {1}}}, same, {}, {}},
               {{{"freeze", {2}}}, same, {freezeText}, {}},
           });
}

}  // namespace
