#include "zunMessages.h"

#include <cmath>
#include <atomic>
#include <cstring>
#include <iterator>
#include <limits>
#include <type_traits>

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// Each limit is written once: here, or as the constant the engine folds to.
constexpr zunRange anyValue{-infinity, infinity, true, true, zunOutside::nothing};
constexpr zunRange noValue{0.0, 0.0, true, true, zunOutside::nothing};
constexpr zunRange onOff{0.0, 1.0, true, true, zunOutside::refused};
constexpr zunRange unit{0.0, 1.0, true, true, zunOutside::folded};
constexpr zunRange magnitude{0.0, infinity, true, true, zunOutside::folded};
constexpr zunRange densities{1e-5, infinity, false, true, zunOutside::ignored};
constexpr zunRange pitches{-infinity, 128.0, true, false, zunOutside::ignored};
constexpr zunRange voiceCounts{0.0, zunMostVoices, true, true, zunOutside::refused};
constexpr zunRange burstCounts{0.0, zunBurst::longestBurst, true, true, zunOutside::folded};
constexpr zunRange scanSpeeds{-zunCloud::fastestScan, zunCloud::fastestScan, true, true,
                              zunOutside::folded};
constexpr double mostChannels = zunChannelRouting::mostChannels;
constexpr zunRange channelCounts{1.0, mostChannels, true, true, zunOutside::refused};
constexpr zunRange channelNumbers{0.0, mostChannels, true, true, zunOutside::refused};
constexpr zunRange sampleRates{0.0, zunCloud::highestSampleRate, true, true, zunOutside::folded};
constexpr zunRange sampleChannels{0.0, zunCloud::mostSampleChannels, true, true,
                                  zunOutside::refused};
constexpr zunRange liveBufferLengths{0.0, zunCloud::longestLiveBuffer, true, true,
                                     zunOutside::folded};

const char* const startText = "start message: 0 = off; 1 = on";
const char* const interpText = "interp message: 0 = no interp; 1 = two point interp.";
const char* const panningText =
    "setPanningMode message: 0 = random width (use setWidth) 1 = manual (0 = L 1 = R)";
const char* const reverseText = "reverse message: 0 = normal; 1 = read backward samples";
const char* const overlapText = "overlap message: maximum overlap permitted is 128";
const char* const panningLawText = "setPanningLaw message: 0 = linear; 1 = equal power";
const char* const triggerInputText =
    "triggerInput message: 0 = off; 1 = a grain at each upward zero crossing of the input";
const char* const eventsText =
    "events message: 0 = off; 1 = a list out of the rightmost outlet for every grain";
const char* const subsampleText =
    "subsample message: 0 = grains start on whole samples; 1 = between samples";
const char* const bandlimitText =
    "bandlimit message: 0 = wave tables as they are; 1 = band-limited wave tables";
const char* const cubicText =
    "cubic message: 0 = reads as interp sets them; 1 = four point cubic interp.";
const char* const chansText = "chans message: 1 to 64 channels";
const char* const outModeText = "outmode message: 0 = speakers; 1 = a channel for each voice";
const char* const panModeText = "panmode message: 0 = channels on a line; 1 = on a circle";
const char* const channelText =
    "setChannel message: 0 = as outmode places them; 1 to 64 = every grain on that channel";
const char* const stealText =
    "steal message: 0 = a grain finding every voice busy is dropped; 1 = it takes the oldest's";
const char* const formantsText = "setFormants message: 1 to 3 ratios of the cps";
const char* const formantLevelsText = "setFormantLevels message: 1 to 3 levels";
const char* const formantPansText =
    "setFormantPans message: up to 3 pans (0 = L 1 = R); none = the grain's own";
const char* const lengthModeText =
    "lengthMode message: 0 = length in ms; 1 = in periods of the first formant";
const char* const sampleChannelText =
    "sampleChannel message: 0 = the sample read as before (its first channel); "
    "1 to 4096 = that channel";
const char* const stereoSampleText =
    "stereoSample message: 0 = mono grains; 1 = stereo grains from two channels";
const char* const freezeText = "freeze message: 0 = the live input recorded; 1 = held";

// The handlers below hold values to the ranges of their table entries, so
// that the score checker and attribute limits read what the objects do.

// Switches take 0 or 1 only: anything else, negatives included, is refused
// with the switch's own text and changes nothing.
template <class Engine>
const char* setSwitch(Engine& engine, void (Engine::*set)(int), long long v, const char* refusal) {
  if (!onOff.contains(static_cast<double>(v))) return refusal;
  (engine.*set)(static_cast<int>(v));
  return nullptr;
}

template <class Engine, void (Engine::*Set)(double)>
const char* forward(Engine& engine, double v) {
  (engine.*Set)(v);
  return nullptr;
}

template <class Engine, void (Engine::*Set)(long long)>
const char* forwardInteger(Engine& engine, long long v) {
  (engine.*Set)(v);
  return nullptr;
}

template <class Engine>
constexpr zunMessage<Engine> tableMessage(const char* selector, zunArgument argument) {
  return {selector, argument, noValue, nullptr, nullptr, nullptr};
}

template <class Engine>
constexpr zunMessage<Engine> switchMessage(const char* selector,
                                           const char* (*handler)(Engine&, long long),
                                           zunRange range = onOff) {
  return {selector, zunArgument::integer, range, handler, nullptr, nullptr};
}

template <class Engine>
constexpr zunMessage<Engine> realMessage(const char* selector,
                                         const char* (*handler)(Engine&, double),
                                         zunRange range = anyValue) {
  return {selector, zunArgument::real, range, nullptr, handler, nullptr};
}

template <class Engine>
constexpr zunMessage<Engine> action(const char* selector, void (*handler)(Engine&)) {
  return {selector, zunArgument::none, noValue, nullptr, nullptr, handler};
}

template <class Engine>
const char* channels(Engine& engine, long long v) {
  if (!channelCounts.contains(static_cast<double>(v))) return chansText;
  engine.options.routing.setChannels(static_cast<int>(v));
  return nullptr;
}

template <class Engine>
const char* outMode(Engine& engine, long long v) {
  return setSwitch(engine.options.routing, &zunChannelRouting::setOutMode, v, outModeText);
}

template <class Engine>
const char* panMode(Engine& engine, long long v) {
  return setSwitch(engine.options.routing, &zunChannelRouting::setPanMode, v, panModeText);
}

template <class Engine>
const char* fixedChannel(Engine& engine, long long v) {
  if (!channelNumbers.contains(static_cast<double>(v))) return channelText;
  engine.options.routing.setChannel(v);
  return nullptr;
}

template <class Engine>
const char* rndChannel(Engine& engine, double v) {
  engine.options.routing.setRndChannel(v);
  return nullptr;
}

// The multichannel objects' messages come after all of their stereo
// twins': the last channelMessages of each table.
constexpr int channelMessages = 6;

template <class Engine>
constexpr zunMessage<Engine> pairMessage(const char* selector,
                                         const char* (*handler)(Engine&, double, double),
                                         zunRange range) {
  return {selector, zunArgument::pair, range, nullptr, nullptr, nullptr, handler};
}

const char* cloudRegion(zunCloud& engine, double startMs, double endMs) {
  engine.setRegion(startMs, endMs);
  return nullptr;
}

template <class Engine>
constexpr zunMessage<Engine> listMessage(const char* selector,
                                         const char* (*handler)(Engine&, const double*, int),
                                         zunRange range = anyValue) {
  return {selector, zunArgument::list, range, nullptr, nullptr, nullptr, nullptr, handler};
}

// A list of `fewest` to zunMostListNumbers numbers goes to the engine;
// another count is refused with `text`.
template <void (zunBurst::*Set)(const double*, int), int fewest, const char* const* text>
const char* burstList(zunBurst& engine, const double* values, int count) {
  if (count < fewest || count > zunMostListNumbers) return *text;
  (engine.*Set)(values, count);
  return nullptr;
}

void burstGrain(zunBurst& engine) { engine.grain(); }
void cloudGrain(zunCloud& engine) { engine.grain(); }
void burstFlush(zunBurst& engine) { engine.flush(); }
void cloudFlush(zunCloud& engine) { engine.flush(); }

using B = zunBurst;
const zunMessage<B> burstMessages[] = {
    tableMessage<B>("dsp64", zunArgument::host),
    switchMessage<B>("start", zunStart<B>),
    tableMessage<B>("setWave1", zunArgument::symbol),
    tableMessage<B>("setWave2", zunArgument::symbol),
    tableMessage<B>("setWindowing", zunArgument::symbol),
    tableMessage<B>("setbuf", zunArgument::symbols),
    switchMessage<B>("interp", zunInterp<B>),
    realMessage<B>("setLevel", forward<B, &B::setLevel>),
    realMessage<B>("setWidth", forward<B, &B::setWidth>, unit),
    switchMessage<B>("setPanningMode", zunPanningMode<B>),
    realMessage<B>("setAttack", forward<B, &B::setAttack>, unit),
    realMessage<B>("setDecay", forward<B, &B::setDecay>, unit),
    realMessage<B>("setLength", forward<B, &B::setLength>, magnitude),
    realMessage<B>("setRndLength", forward<B, &B::setRndLength>),
    realMessage<B>("setDensity", zunDensity<B>, densities),
    realMessage<B>("setRndDensity", forward<B, &B::setRndDensity>),
    realMessage<B>("setCps", forward<B, &B::setCps>),
    realMessage<B>("setRndCps", forward<B, &B::setRndCps>),
    realMessage<B>("setGlisson", forward<B, &B::setGlisson>),
    realMessage<B>("setRndGlisson", forward<B, &B::setRndGlisson>),
    realMessage<B>("setMorph", forward<B, &B::setMorph>, unit),
    realMessage<B>("setRndMorph", forward<B, &B::setRndMorph>),
    tableMessage<B>("info", zunArgument::none),
    action<B>("grain", burstGrain),
    tableMessage<B>("assist", zunArgument::host),
    tableMessage<B>("dblclick", zunArgument::host),
    switchMessage<B>("seed", forwardInteger<B, &B::reseed>, anyValue),
    realMessage<B>("setRndLevel", zunRndLevel<B>, magnitude),
    realMessage<B>("setRndMask", forward<B, &B::setRndMask>, unit),
    switchMessage<B>("setBurstPlay", forwardInteger<B, &B::setBurstPlay>, burstCounts),
    switchMessage<B>("setBurstRest", forwardInteger<B, &B::setBurstRest>, burstCounts),
    switchMessage<B>("setPanningLaw", zunPanningLaw<B>),
    switchMessage<B>("triggerInput", zunTriggerInput<B>),
    switchMessage<B>("events", zunEvents<B>),
    switchMessage<B>("subsample", zunSubsample<B>),
    switchMessage<B>("bandlimit", zunBandlimit),
    switchMessage<B>("cubic", zunCubic<B>),
    tableMessage<B>("notify", zunArgument::host),
    action<B>("flush", burstFlush),
    tableMessage<B>("dump", zunArgument::none),
    tableMessage<B>("float", zunArgument::real),
    switchMessage<B>("steal", zunSteal<B>),
    listMessage<B>("setFormants", burstList<&B::setFormants, 1, &formantsText>),
    listMessage<B>("setFormantLevels", burstList<&B::setFormantLevels, 1, &formantLevelsText>),
    listMessage<B>("setFormantPans", burstList<&B::setFormantPans, 0, &formantPansText>, unit),
    switchMessage<B>("lengthMode", zunLengthMode),
    switchMessage<B>("chans", channels<B>, channelCounts),
    switchMessage<B>("outmode", outMode<B>),
    switchMessage<B>("panmode", panMode<B>),
    switchMessage<B>("setChannel", fixedChannel<B>, channelNumbers),
    realMessage<B>("setRndChannel", rndChannel<B>, unit),
    tableMessage<B>("multichanneloutputs", zunArgument::host),
};

using C = zunCloud;
const zunMessage<C> cloudMessages[] = {
    tableMessage<C>("dsp64", zunArgument::host),
    switchMessage<C>("start", zunStart<C>),
    tableMessage<C>("setSample", zunArgument::symbol),
    tableMessage<C>("setWindowing", zunArgument::symbol),
    tableMessage<C>("setbuf", zunArgument::symbols),
    switchMessage<C>("interp", zunInterp<C>),
    switchMessage<C>("overlap", zunOverlap, voiceCounts),
    switchMessage<C>("reverse", zunReverse),
    realMessage<C>("setLevel", forward<C, &C::setLevel>),
    realMessage<C>("setWidth", forward<C, &C::setWidth>, unit),
    switchMessage<C>("setPanningMode", zunPanningMode<C>),
    realMessage<C>("setLength", forward<C, &C::setLength>, magnitude),
    realMessage<C>("setRndLength", forward<C, &C::setRndLength>),
    realMessage<C>("setDensity", zunDensity<C>, densities),
    realMessage<C>("setRndDensity", forward<C, &C::setRndDensity>),
    realMessage<C>("setPitch", zunPitch, pitches),
    realMessage<C>("setRndPitch", forward<C, &C::setRndPitch>),
    realMessage<C>("setSamplePosition", forward<C, &C::setSamplePosition>, magnitude),
    realMessage<C>("setPhase", forward<C, &C::setPhase>, unit),
    tableMessage<C>("info", zunArgument::none),
    action<C>("grain", cloudGrain),
    tableMessage<C>("assist", zunArgument::host),
    tableMessage<C>("dblclick", zunArgument::host),
    switchMessage<C>("seed", forwardInteger<C, &C::reseed>, anyValue),
    realMessage<C>("setRndPosition", forward<C, &C::setRndPosition>, magnitude),
    realMessage<C>("setScanSpeed", forward<C, &C::setScanSpeed>, scanSpeeds),
    realMessage<C>("setRndReverse", forward<C, &C::setRndReverse>, unit),
    realMessage<C>("setRndLevel", zunRndLevel<C>, magnitude),
    switchMessage<C>("setPanningLaw", zunPanningLaw<C>),
    switchMessage<C>("triggerInput", zunTriggerInput<C>),
    switchMessage<C>("events", zunEvents<C>),
    switchMessage<C>("subsample", zunSubsample<C>),
    switchMessage<C>("cubic", zunCubic<C>),
    action<C>("flush", cloudFlush),
    tableMessage<C>("dump", zunArgument::none),
    tableMessage<C>("float", zunArgument::real),
    pairMessage<C>("setRegion", cloudRegion, magnitude),
    realMessage<C>("setAttack", forward<C, &C::setAttack>, unit),
    realMessage<C>("setDecay", forward<C, &C::setDecay>, unit),
    realMessage<C>("sampleRate", forward<C, &C::setSampleRate>, sampleRates),
    switchMessage<C>("sampleChannel", zunSampleChannel, sampleChannels),
    switchMessage<C>("stereoSample", zunStereoSample),
    switchMessage<C>("steal", zunSteal<C>),
    realMessage<C>("liveBuffer", forward<C, &C::setLiveBuffer>, liveBufferLengths),
    switchMessage<C>("freeze", zunFreeze),
    switchMessage<C>("chans", channels<C>, channelCounts),
    switchMessage<C>("outmode", outMode<C>),
    switchMessage<C>("panmode", panMode<C>),
    switchMessage<C>("setChannel", fixedChannel<C>, channelNumbers),
    realMessage<C>("setRndChannel", rndChannel<C>, unit),
    tableMessage<C>("multichanneloutputs", zunArgument::host),
};

}  // namespace

template <class Engine>
const zunMessage<Engine>* zunMessageTable<Engine>::find(const char* selector) const {
  for (const zunMessage<Engine>* m = begin; m != end; ++m)
    if (std::strcmp(m->selector, selector) == 0) return m;
  return nullptr;
}

template struct zunMessageTable<zunBurst>;
template struct zunMessageTable<zunCloud>;

zunMessageTable<zunBurst> zunBurstMessages() {
  return {std::begin(burstMessages), std::end(burstMessages) - channelMessages};
}

zunMessageTable<zunCloud> zunCloudMessages() {
  return {std::begin(cloudMessages), std::end(cloudMessages) - channelMessages};
}

zunMessageTable<zunBurst> zunMcBurstMessages() {
  return {std::begin(burstMessages), std::end(burstMessages)};
}

zunMessageTable<zunCloud> zunMcCloudMessages() {
  return {std::begin(cloudMessages), std::end(cloudMessages)};
}

template <class Engine>
const char* zunStart(Engine& engine, long long v) {
  return setSwitch(engine, &Engine::setToggle, v, startText);
}

template <class Engine>
const char* zunInterp(Engine& engine, long long v) {
  return setSwitch(engine, &Engine::setInterp, v, interpText);
}

template <class Engine>
const char* zunPanningMode(Engine& engine, long long v) {
  return setSwitch(engine, &Engine::setPanningMode, v, panningText);
}

// Densities of 1e-5 and below (and NaN) leave the density in force.
template <class Engine>
const char* zunDensity(Engine& engine, double v) {
  if (densities.contains(v)) engine.setDensity(v);
  return nullptr;
}

template <class Engine>
const char* zunRndLevel(Engine& engine, double v) {
  engine.options.setRndLevel(v);
  return nullptr;
}

template <class Engine>
const char* zunPanningLaw(Engine& engine, long long v) {
  return setSwitch(engine.options, &zunGrainOptions::setPanningLaw, v, panningLawText);
}

template <class Engine>
const char* zunTriggerInput(Engine& engine, long long v) {
  return setSwitch(engine.options, &zunGrainOptions::setTriggerInput, v, triggerInputText);
}

template <class Engine>
const char* zunEvents(Engine& engine, long long v) {
  return setSwitch(engine.options, &zunGrainOptions::setEvents, v, eventsText);
}

template <class Engine>
const char* zunSubsample(Engine& engine, long long v) {
  return setSwitch(engine, &Engine::setSubsample, v, subsampleText);
}

template <class Engine>
const char* zunCubic(Engine& engine, long long v) {
  return setSwitch(engine, &Engine::setCubic, v, cubicText);
}

template <class Engine>
const char* zunSteal(Engine& engine, long long v) {
  return setSwitch(engine.options, &zunGrainOptions::setSteal, v, stealText);
}

template const char* zunSteal(zunBurst&, long long);
template const char* zunSteal(zunCloud&, long long);
template const char* zunStart(zunBurst&, long long);
template const char* zunStart(zunCloud&, long long);
template const char* zunInterp(zunBurst&, long long);
template const char* zunInterp(zunCloud&, long long);
template const char* zunPanningMode(zunBurst&, long long);
template const char* zunPanningMode(zunCloud&, long long);
template const char* zunDensity(zunBurst&, double);
template const char* zunDensity(zunCloud&, double);
template const char* zunSubsample(zunBurst&, long long);
template const char* zunSubsample(zunCloud&, long long);
template const char* zunCubic(zunBurst&, long long);
template const char* zunCubic(zunCloud&, long long);
template const char* zunRndLevel(zunBurst&, double);
template const char* zunRndLevel(zunCloud&, double);
template const char* zunPanningLaw(zunBurst&, long long);
template const char* zunPanningLaw(zunCloud&, long long);
template const char* zunTriggerInput(zunBurst&, long long);
template const char* zunTriggerInput(zunCloud&, long long);
template const char* zunEvents(zunBurst&, long long);
template const char* zunEvents(zunCloud&, long long);

const char* zunBandlimit(zunBurst& engine, long long v) {
  return setSwitch(engine, &zunBurst::setBandLimit, v, bandlimitText);
}

const char* zunLengthMode(zunBurst& engine, long long v) {
  return setSwitch(engine, &zunBurst::setLengthMode, v, lengthModeText);
}

const char* zunReverse(zunCloud& engine, long long v) {
  return setSwitch(engine, &zunCloud::setInvert, v, reverseText);
}

// Voice counts 0 to 128 go to the engine, which ignores 0 and its current
// count; anything else, negatives included, is refused.
const char* zunOverlap(zunCloud& engine, long long v) {
  if (!voiceCounts.contains(static_cast<double>(v))) return overlapText;
  engine.setOverlap(static_cast<int>(v));
  return nullptr;
}

const char* zunSampleChannel(zunCloud& engine, long long v) {
  if (!sampleChannels.contains(static_cast<double>(v))) return sampleChannelText;
  engine.setSampleChannel(v);
  return nullptr;
}

const char* zunStereoSample(zunCloud& engine, long long v) {
  return setSwitch(engine, &zunCloud::setStereoSample, v, stereoSampleText);
}

const char* zunFreeze(zunCloud& engine, long long v) {
  return setSwitch(engine, &zunCloud::setFreeze, v, freezeText);
}

// Pitches of 128 semitones and above (and NaN) leave the pitch in force.
const char* zunPitch(zunCloud& engine, double v) {
  if (pitches.contains(v)) engine.setPitch(v);
  return nullptr;
}

namespace {

void commonValues(const zunGrainEvent& e, double (&values)[zunMostEventFields]) {
  values[0] = static_cast<double>(e.sample);
  values[1] = e.voice;
  values[2] = static_cast<double>(e.period);
  values[3] = e.length * 1000.0;
  values[7] = e.level;
  values[8] = e.gainLeft;
  values[9] = e.gainRight;
  values[10] = e.channel;
  values[11] = e.formant;
}

}  // namespace

void zunEventValues(const zunBurst&, const zunGrainEvent& e,
                    double (&values)[zunMostEventFields]) {
  commonValues(e, values);
  values[4] = e.frequency;
  values[5] = e.glisson * 12.0;
  values[6] = e.morph;
}

void zunEventValues(const zunCloud&, const zunGrainEvent& e,
                    double (&values)[zunMostEventFields]) {
  commonValues(e, values);
  values[4] = 12.0 * std::log2(e.frequency);
  values[5] = e.position;
  values[6] = e.direction;
}

template <class Engine>
int zunObjectSeed(bool multichannel) {
  static std::atomic<unsigned> made{0};
  const unsigned classNumber = std::is_same<Engine, zunBurst>::value ? 0 : 1;
  const unsigned family = multichannel ? 0x80000000u : 0u;
  return zunClockSeed(family + 2 * made.fetch_add(1, std::memory_order_relaxed) + classNumber);
}

template int zunObjectSeed<zunBurst>(bool);
template int zunObjectSeed<zunCloud>(bool);
