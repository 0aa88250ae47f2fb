#pragma once

// What a message does to burst.zun~ or cloud.zun~, in any host: each
// class's messages in the order they are registered, the argument each
// takes, the values it takes as they are and what becomes of the others,
// and what the object makes of the messages its engine answers. A host
// layer (Max, Pd) binds tables, posts refusals and feeds outlets; the rest
// is written here once.

#include <cstddef>
#include <cstring>
#include <iterator>

#include "zunBurst.h"
#include "zunCloud.h"

enum class zunArgument {
  none,
  integer,
  real,
  symbol,   // one table name
  symbols,  // table names in role order
  host,     // the host's own call ("dsp64", "assist", "dblclick")
  pair,     // two numbers, both in the range
  list,     // up to zunMostListNumbers numbers, each in the range
};

// The voices each object is made with: the most "overlap" takes.
constexpr int zunMostVoices = 128;

// The most numbers a list message takes.
constexpr int zunMostListNumbers = 3;

// What the object does with a value outside the range it takes as it is.
enum class zunOutside {
  nothing,  // every value is taken
  refused,  // not forwarded; the object posts its refusal text
  ignored,  // not forwarded, and nothing is said
  folded,   // brought into the range (its magnitude, or the nearer end)
};

struct zunRange {
  double low;
  double high;
  bool lowIncluded;
  bool highIncluded;
  zunOutside outside;

  bool contains(double x) const {
    const bool aboveLow = lowIncluded ? x >= low : x > low;
    const bool belowHigh = highIncluded ? x <= high : x < high;
    return aboveLow && belowHigh;
  }
};

// One message of a class. Messages the engine answers carry their
// handler: `integer`, `real`, `action`, `pair` or `list`, as the argument says;
// all but `action` return the text the object refuses the value with, or
// null. The messages a host layer answers itself (table bindings, "info",
// the host's own calls) carry none.
template <class Engine>
struct zunMessage {
  const char* selector;
  zunArgument argument;
  zunRange range;
  const char* (*integer)(Engine&, long long);
  const char* (*real)(Engine&, double);
  void (*action)(Engine&);
  const char* (*pair)(Engine&, double, double) = nullptr;
  // `count` numbers were given, of which `values` holds the first
  // zunMostListNumbers.
  const char* (*list)(Engine&, const double* values, int count) = nullptr;
};

template <class Engine>
struct zunMessageTable {
  const zunMessage<Engine>* begin;
  const zunMessage<Engine>* end;

  // The message with this selector, or null.
  const zunMessage<Engine>* find(const char* selector) const;
};

zunMessageTable<zunBurst> zunBurstMessages();
zunMessageTable<zunCloud> zunCloudMessages();
// The multichannel twins': the same, then "chans", "outmode", "panmode",
// "setChannel", "setRndChannel" and the host's "multichanneloutputs".
zunMessageTable<zunBurst> zunMcBurstMessages();
zunMessageTable<zunCloud> zunMcCloudMessages();

// The tables each class reads, named by the message that binds each one,
// in the order "setbuf" and the creation arguments give them.
inline const char* const zunBurstRoles[] = {"setWave1", "setWindowing", "setWave2"};
inline const char* const zunCloudRoles[] = {"setSample", "setWindowing"};
// The roles of burst.zun~'s two wave tables, which band-limiting copies.
inline const int zunBurstWaveRoles[] = {0, 2};

// The role a table message binds: the index of its selector among the
// roles, or -1.
template <size_t Roles>
int zunRoleOf(const char* const (&roles)[Roles], const char* selector) {
  for (size_t r = 0; r < Roles; ++r)
    if (std::strcmp(roles[r], selector) == 0) return static_cast<int>(r);
  return -1;
}

// "setbuf" and the creation arguments: argument i names the table of role
// i, and arguments past the last role are ignored.
template <size_t Roles, class Bind>
void zunBindInRoleOrder(const char* const (&)[Roles], long argc, Bind bind) {
  for (long i = 0; i < argc && i < static_cast<long>(Roles); ++i) bind(static_cast<int>(i));
}

// The signal inlets after the trigger input, in the engines' order
// (zunBurst::Inlet, zunCloud::Inlet): the name a score gives each, the
// message whose value its signal replaces at each grain's onset (a float
// into the inlet sends that message) and the text its assist shows. The
// live input comes last and stands for no message.
struct zunInlet {
  const char* name;
  const char* setter;
  const char* assist;
};
inline const zunInlet zunBurstInlets[] = {
    {"cps", "setCps", "(signal/float) Cps (Hz)"},
    {"morph", "setMorph", "(signal/float) Morph (0-1)"},
    {"glisson", "setGlisson", "(signal/float) Glisson (semitones)"},
    {"length", "setLength", "(signal/float) Length (ms)"},
    {"pan", "setWidth", "(signal/float) Pan (as setWidth)"},
    {"level", "setLevel", "(signal/float) Level"},
};
inline const zunInlet zunCloudInlets[] = {
    {"position", "setPhase", "(signal/float) Position (0-1 of the sample)"},
    {"pitch", "setPitch", "(signal/float) Pitch (semitones)"},
    {"length", "setLength", "(signal/float) Length (ms)"},
    {"pan", "setWidth", "(signal/float) Pan (as setWidth)"},
    {"level", "setLevel", "(signal/float) Level"},
    {"in", nullptr, "(signal) Live input, recorded while liveBuffer is on"},
};
static_assert(sizeof zunBurstInlets / sizeof *zunBurstInlets == zunBurst::inletCount);
static_assert(sizeof zunCloudInlets / sizeof *zunCloudInlets ==
              zunCloud::inletCount + zunCloud::liveInlets);

// The signal inlets of a class, or of its multichannel twin, which has
// the same; none for any other class.
struct zunInletList {
  const zunInlet* begin;
  const zunInlet* end;
};
inline zunInletList zunInletsOf(const char* className) {
  const auto either = [className](const char* name, const char* twin) {
    return std::strcmp(className, name) == 0 || std::strcmp(className, twin) == 0;
  };
  if (either("burst.zun~", "mc.burst.zun~"))
    return {zunBurstInlets, zunBurstInlets + zunBurst::inletCount};
  if (either("cloud.zun~", "mc.cloud.zun~"))
    return {std::begin(zunCloudInlets), std::end(zunCloudInlets)};
  return {nullptr, nullptr};
}

// The signal inlet of this name on an object of this class (1 for the
// first after the trigger input), or -1.
inline int zunInletOf(const char* className, const char* name) {
  const zunInletList inlets = zunInletsOf(className);
  for (const zunInlet* i = inlets.begin; i != inlets.end; ++i)
    if (std::strcmp(i->name, name) == 0) return static_cast<int>(i - inlets.begin) + 1;
  return -1;
}

// The message a float into signal inlet `inlet` sends (1 for the first
// after the trigger input): the one its signal stands for; null for none.
template <size_t Count>
const char* zunInletSetter(const zunInlet (&inlets)[Count], long inlet) {
  return inlet >= 1 && inlet <= static_cast<long>(Count) ? inlets[inlet - 1].setter : nullptr;
}

inline const char* const zunBurstBanner = "burst.zun~ 1.0.4";
inline const char* const zunCloudBanner = "cloud.zun~ 1.0.4";
inline const char* const zunMcBurstBanner = "mc.burst.zun~ 1.0.4";
inline const char* const zunMcCloudBanner = "mc.cloud.zun~ 1.0.4";

// The messages with more to them than one engine setter. Each returns its
// refusal text, or null when the value was forwarded or silently ignored.
template <class Engine>
const char* zunStart(Engine& engine, long long v);
template <class Engine>
const char* zunInterp(Engine& engine, long long v);
template <class Engine>
const char* zunPanningMode(Engine& engine, long long v);
template <class Engine>
const char* zunDensity(Engine& engine, double v);
template <class Engine>
const char* zunRndLevel(Engine& engine, double v);
template <class Engine>
const char* zunPanningLaw(Engine& engine, long long v);
template <class Engine>
const char* zunTriggerInput(Engine& engine, long long v);
template <class Engine>
const char* zunEvents(Engine& engine, long long v);
template <class Engine>
const char* zunSubsample(Engine& engine, long long v);
template <class Engine>
const char* zunCubic(Engine& engine, long long v);
template <class Engine>
const char* zunSteal(Engine& engine, long long v);

// What "info" answers: the sounding grains and, while stealing is on, the
// grains that found every voice sounding since the last "info" (stolen or
// dropped). Returns how many values.
template <class Engine>
int zunInfoValues(Engine& engine, long long (&values)[2]) {
  const unsigned crowded = engine.options.takeCrowded();
  values[0] = engine.getNumOscActive();
  values[1] = crowded;
  return engine.options.steals() ? 2 : 1;
}

// Switches band-limiting; with it on, a host then refreshes the levels of
// both wave tables (zunBurst::refreshWaveLevels), and refreshes a wave
// table's levels whenever it binds the table or learns that its contents
// or length changed.
const char* zunBandlimit(zunBurst& engine, long long v);
const char* zunReverse(zunCloud& engine, long long v);
const char* zunOverlap(zunCloud& engine, long long v);
const char* zunPitch(zunCloud& engine, double v);
const char* zunSampleChannel(zunCloud& engine, long long v);
const char* zunStereoSample(zunCloud& engine, long long v);
const char* zunFreeze(zunCloud& engine, long long v);
const char* zunLengthMode(zunBurst& engine, long long v);

// The state a new object's engine starts from: the clock, told apart for
// every object made in the process. Each class numbers its own objects and
// the two classes take alternate numbers, so no two objects share a stream;
// the first burst.zun~ keeps the plain clock value. The multichannel twins
// number theirs from 2^31 on.
template <class Engine>
int zunObjectSeed(bool multichannel = false);

// Only a change of rate reaches the engine (a NaN on either side counts
// as one).
template <class Engine>
void zunFollowRate(Engine& engine, double sampleRate) {
  if (!(sampleRate == engine.getAbsoluteSR())) engine.setAbsoluteSR(sampleRate);
}

// A grain event as the list an object sends for it: the fields named below,
// in units a user sets them in (length in ms, glisson as setGlisson takes
// it, pitch in semitones); the first zunEventIntegers are whole numbers.
// A multichannel object's lists have one field more, the channel, last.
constexpr int zunEventFields = 10;
constexpr int zunMcEventFields = zunEventFields + 1;
// A formant's event tells its formant after all of those; the value is
// values[zunMcEventFields].
constexpr int zunMostEventFields = zunMcEventFields + 1;
constexpr int zunEventIntegers = 3;
inline const char* const zunBurstEventNames =
    "sample voice period length cps glisson morph level left right";
inline const char* const zunCloudEventNames =
    "sample voice period length pitch position direction level left right";
inline const char* const zunChannelEventName = " channel";
inline const char* const zunFormantEventName = " formant";
void zunEventValues(const zunBurst&, const zunGrainEvent& e, double (&values)[zunMostEventFields]);
void zunEventValues(const zunCloud&, const zunGrainEvent& e, double (&values)[zunMostEventFields]);

// Message side (one consumer at a time): hands every queued event to
// send(values, formant) while the object's events are on, and drops them
// otherwise; the values are zunMcEventFields, of which a stereo object
// sends the first zunEventFields, then where `formant` is true (a grain of
// several formants) the formant.
template <class Engine, class Send>
void zunDrainEvents(Engine& engine, Send send) {
  const bool on = engine.options.wantsEvents();
  zunGrainEvent e;
  double values[zunMostEventFields];
  while (engine.options.events.pop(e)) {
    if (!on) continue;
    zunEventValues(engine, e, values);
    send(values, e.formant > 0);
  }
}

// Grain events leave the audio thread through the engine's queue. A host's
// clock takes them out every zunEventInterval ms while they are on, and
// once more after an "events" message switched them off, which empties the
// queue.
constexpr double zunEventInterval = 5.0;  // milliseconds
// The text an object posts with the number of events the queue had no room
// for since it last posted it.
inline const char* const zunEventsLostText =
    "events: %llu grain events lost: more grains started between two deliveries than the queue "
    "holds";

// One round of an object's event clock: every queued event goes to
// send(values), the events lost since the last round (`reported` counts
// those told) to lost(count). Returns whether the clock goes on.
template <class Engine, class Send, class Lost>
bool zunEventRound(Engine& engine, unsigned long long& reported, Send send, Lost lost) {
  zunDrainEvents(engine, send);
  const unsigned long long dropped = engine.options.events.dropped();
  if (dropped > reported) {
    lost(dropped - reported);
    reported = dropped;
  }
  return engine.options.wantsEvents();
}
