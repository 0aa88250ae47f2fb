#include "zunSettings.h"

#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <utility>

namespace {

constexpr double none = std::numeric_limits<double>::quiet_NaN();
const char* const panningModes = "\"random width\" manual";
const char* const panningLaws = "linear \"equal power\"";
const char* const outModes = "speakers voices";
const char* const panModes = "line circle";
const char* const lengthModes = "ms periods";
// The multichannel objects' attributes come after all of their stereo
// twins': the last channelAttributes of each table.
constexpr int channelAttributes = 5;

const zunAttribute burstAttributes[] = {
    {"wave1", "setWave1", "Tables", "Wave Table 1", nullptr, none},
    {"wave2", "setWave2", "Tables", "Wave Table 2", nullptr, none},
    {"windowing", "setWindowing", "Tables", "Window", nullptr, none},
    {"interp", "interp", "Tables", "Interpolation", nullptr, 0},
    {"level", "setLevel", "Grain", "Level", nullptr, 0.5},
    {"width", "setWidth", "Space", "Width", nullptr, 0},
    {"panningMode", "setPanningMode", "Space", "Panning Mode", panningModes, 0},
    {"attack", "setAttack", "Grain", "Attack", nullptr, 0.25},
    {"decay", "setDecay", "Grain", "Decay", nullptr, 0.25},
    {"length", "setLength", "Grain", "Length (ms)", nullptr, 85},
    {"rndLength", "setRndLength", "Random", "Random Length", nullptr, 0},
    {"density", "setDensity", "Grain", "Density (grains/s)", nullptr, 10},
    {"rndDensity", "setRndDensity", "Random", "Random Density", nullptr, 0},
    {"cps", "setCps", "Pitch", "Frequency (Hz)", nullptr, 440},
    {"rndCps", "setRndCps", "Random", "Random Frequency (semitones)", nullptr, 0},
    {"glisson", "setGlisson", "Pitch", "Glisson", nullptr, 0},
    {"rndGlisson", "setRndGlisson", "Random", "Random Glisson", nullptr, 0},
    {"morph", "setMorph", "Grain", "Morph", nullptr, 0},
    {"rndMorph", "setRndMorph", "Random", "Random Morph", nullptr, 0},
    {"seed", "seed", "Random", "Seed", nullptr, none},
    {"rndLevel", "setRndLevel", "Random", "Random Level (dB)", nullptr, 0},
    {"rndMask", "setRndMask", "Masking", "Random Mask", nullptr, 0},
    {"burstPlay", "setBurstPlay", "Masking", "Burst Play", nullptr, 1},
    {"burstRest", "setBurstRest", "Masking", "Burst Rest", nullptr, 0},
    {"panningLaw", "setPanningLaw", "Space", "Panning Law", panningLaws, 0},
    {"triggerInput", "triggerInput", "Options", "Trigger Input", nullptr, 0},
    {"events", "events", "Options", "Grain Events", nullptr, 0},
    {"subsample", "subsample", "Options", "Sub-sample Onsets", nullptr, 0},
    {"bandlimit", "bandlimit", "Tables", "Band-limited Wave Tables", nullptr, 0},
    {"cubic", "cubic", "Tables", "Cubic Interpolation", nullptr, 0},
    {"steal", "steal", "Options", "Voice Stealing", nullptr, 0},
    {"formants", "setFormants", "Pitch", "Formant Ratios", nullptr, 1},
    {"formantLevels", "setFormantLevels", "Grain", "Formant Levels", nullptr, 1},
    {"formantPans", "setFormantPans", "Space", "Formant Pans", nullptr, none},
    {"lengthMode", "lengthMode", "Grain", "Length Unit", lengthModes, 0},
    {"chans", "chans", "Channels", "Channels", nullptr, 2},
    {"outmode", "outmode", "Channels", "Output Mode", outModes, 0},
    {"panmode", "panmode", "Channels", "Channel Layout", panModes, 0},
    {"channel", "setChannel", "Channels", "Channel (0: by mode)", nullptr, 0},
    {"rndChannel", "setRndChannel", "Random", "Random Channel", nullptr, 0},
};

const zunAttribute cloudAttributes[] = {
    {"sample", "setSample", "Tables", "Sample", nullptr, none},
    {"windowing", "setWindowing", "Tables", "Window", nullptr, none},
    {"interp", "interp", "Tables", "Interpolation", nullptr, 0},
    {"overlap", "overlap", "Options", "Voices", nullptr, 128},
    {"reverse", "reverse", "Position", "Reverse", nullptr, 0},
    {"level", "setLevel", "Grain", "Level", nullptr, 0.5},
    {"width", "setWidth", "Space", "Width", nullptr, 0},
    {"panningMode", "setPanningMode", "Space", "Panning Mode", panningModes, 0},
    {"length", "setLength", "Grain", "Length (ms)", nullptr, 85},
    {"rndLength", "setRndLength", "Random", "Random Length", nullptr, 0},
    {"density", "setDensity", "Grain", "Density (grains/s)", nullptr, 10},
    {"rndDensity", "setRndDensity", "Random", "Random Density", nullptr, 0},
    {"pitch", "setPitch", "Pitch", "Pitch (semitones)", nullptr, 0},
    {"rndPitch", "setRndPitch", "Random", "Random Pitch (semitones)", nullptr, 0},
    {"samplePosition", "setSamplePosition", "Position", "Position (ms)", nullptr, 0},
    {"phase", "setPhase", "Position", "Position (fraction)", nullptr, 0},
    {"seed", "seed", "Random", "Seed", nullptr, none},
    {"rndPosition", "setRndPosition", "Random", "Random Position (ms)", nullptr, 0},
    {"scanSpeed", "setScanSpeed", "Position", "Scan Speed", nullptr, 0},
    {"rndReverse", "setRndReverse", "Random", "Random Reverse", nullptr, 0},
    {"rndLevel", "setRndLevel", "Random", "Random Level (dB)", nullptr, 0},
    {"panningLaw", "setPanningLaw", "Space", "Panning Law", panningLaws, 0},
    {"triggerInput", "triggerInput", "Options", "Trigger Input", nullptr, 0},
    {"events", "events", "Options", "Grain Events", nullptr, 0},
    {"subsample", "subsample", "Options", "Sub-sample Onsets", nullptr, 0},
    {"cubic", "cubic", "Tables", "Cubic Interpolation", nullptr, 0},
    {"region", "setRegion", "Position", "Region (ms)", nullptr, 0},
    {"attack", "setAttack", "Grain", "Attack", nullptr, 1},
    {"decay", "setDecay", "Grain", "Decay", nullptr, 1},
    {"sampleRate", "sampleRate", "Tables", "Sample Rate", nullptr, 0},
    {"sampleChannel", "sampleChannel", "Tables", "Sample Channel", nullptr, 0},
    {"stereoSample", "stereoSample", "Tables", "Stereo Sample", nullptr, 0},
    {"steal", "steal", "Options", "Voice Stealing", nullptr, 0},
    {"liveBuffer", "liveBuffer", "Live", "Live Buffer (ms)", nullptr, 0},
    {"freeze", "freeze", "Live", "Freeze", nullptr, 0},
    {"chans", "chans", "Channels", "Channels", nullptr, 2},
    {"outmode", "outmode", "Channels", "Output Mode", outModes, 0},
    {"panmode", "panmode", "Channels", "Channel Layout", panModes, 0},
    {"channel", "setChannel", "Channels", "Channel (0: by mode)", nullptr, 0},
    {"rndChannel", "setRndChannel", "Random", "Random Channel", nullptr, 0},
};

static_assert(std::size(burstAttributes) <= zunMaxAttributes);
static_assert(std::size(cloudAttributes) <= zunMaxAttributes);

zunValue initialValue(const zunAttribute& a, zunArgument argument) {
  if (std::isnan(a.initial)) return {zunValue::Kind::none, 0, 0.0, nullptr};
  if (argument == zunArgument::pair)
    return {zunValue::Kind::pair, 0, a.initial, nullptr, a.initial};
  if (argument == zunArgument::list) return {zunValue::Kind::list, 0, a.initial, nullptr, 0, 0, 1};
  if (argument == zunArgument::integer)
    return {zunValue::Kind::integer, static_cast<long long>(a.initial), 0.0, nullptr};
  return {zunValue::Kind::real, 0, a.initial, nullptr};
}

// Messages that set one value in two units: the later one wins, and the
// other then has nothing to tell, so that no restore undoes the later one.
const char* const sameValue[][2] = {{"setPhase", "setSamplePosition"}};

const char* otherUnitOf(const char* selector) {
  for (const auto& pair : sameValue)
    for (int i = 0; i < 2; ++i)
      if (std::strcmp(pair[i], selector) == 0) return pair[1 - i];
  return nullptr;
}

// Values the engine leaves aside without a word are not taken.
bool ignores(const zunRange& range, double v) {
  return range.outside == zunOutside::ignored && !range.contains(v);
}

}  // namespace

template <class Engine>
int zunAttributeTable<Engine>::find(const char* name) const {
  for (const zunAttribute* a = begin; a != end; ++a)
    if (std::strcmp(a->name, name) == 0) return static_cast<int>(a - begin);
  return -1;
}

template struct zunAttributeTable<zunBurst>;
template struct zunAttributeTable<zunCloud>;

zunAttributeTable<zunBurst> zunBurstAttributes() {
  return {std::begin(burstAttributes), std::end(burstAttributes) - channelAttributes};
}

zunAttributeTable<zunCloud> zunCloudAttributes() {
  return {std::begin(cloudAttributes), std::end(cloudAttributes) - channelAttributes};
}

zunAttributeTable<zunBurst> zunMcBurstAttributes() {
  return {std::begin(burstAttributes), std::end(burstAttributes)};
}

zunAttributeTable<zunCloud> zunMcCloudAttributes() {
  return {std::begin(cloudAttributes), std::end(cloudAttributes)};
}

// Limits only where the object refuses or folds values outside them.
template <class Engine>
zunAttributeView zunViewOf(zunMessageTable<Engine> messages, const zunAttribute& a) {
  const zunMessage<Engine>& m = *messages.find(a.selector);
  const zunRange& r = m.range;
  const bool held = r.outside == zunOutside::refused || r.outside == zunOutside::folded;
  const bool isSwitch = r.outside == zunOutside::refused && r.low == 0.0 && r.high == 1.0;
  zunAttributeView view{};
  const bool real = m.argument == zunArgument::real || m.argument == zunArgument::pair ||
                    m.argument == zunArgument::list;
  view.type = real ? "float64" : m.argument == zunArgument::integer ? "long" : "symbol";
  view.style = a.enumValues ? "enumindex" : isSwitch ? "onoff" : nullptr;
  view.hasMin = held && std::isfinite(r.low);
  view.hasMax = held && std::isfinite(r.high);
  view.min = r.low;
  view.max = r.high;
  return view;
}

template zunAttributeView zunViewOf(zunMessageTable<zunBurst>, const zunAttribute&);
template zunAttributeView zunViewOf(zunMessageTable<zunCloud>, const zunAttribute&);

template <class Engine>
zunSettings<Engine>::zunSettings(zunMessageTable<Engine> messages,
                                 zunAttributeTable<Engine> attributes)
    : messages(messages), table(attributes), values(), givenAt() {
  for (int i = 0; i < table.count(); ++i)
    values[i] = initialValue(table.begin[i], messages.find(table.begin[i].selector)->argument);
}

template <class Engine>
const char* zunSettings<Engine>::set(Engine& engine, const zunMessage<Engine>& m, long long v) {
  const char* refusal = m.integer(engine, v);
  if (!refusal && !ignores(m.range, static_cast<double>(v)))
    record(m.selector, {zunValue::Kind::integer, v, 0.0, nullptr});
  return refusal;
}

template <class Engine>
const char* zunSettings<Engine>::set(Engine& engine, const zunMessage<Engine>& m, double v) {
  const char* refusal = m.real(engine, v);
  if (!refusal) took(m, v);
  return refusal;
}

template <class Engine>
void zunSettings<Engine>::took(const zunMessage<Engine>& m, double v) {
  if (!ignores(m.range, v)) record(m.selector, {zunValue::Kind::real, 0, v, nullptr});
}

template <class Engine>
const char* zunSettings<Engine>::set(Engine& engine, const zunMessage<Engine>& m, double a,
                                     double b) {
  const char* refusal = m.pair(engine, a, b);
  if (!refusal && !std::isnan(a) && !std::isnan(b))
    record(m.selector, {zunValue::Kind::pair, 0, a, nullptr, b});
  return refusal;
}

template <class Engine>
const char* zunSettings<Engine>::set(Engine& engine, const char* selector, double a, double b) {
  return set(engine, *messages.find(selector), a, b);
}

// A list of none has nothing to tell.
template <class Engine>
const char* zunSettings<Engine>::set(Engine& engine, const zunMessage<Engine>& m,
                                     const double* values, int count) {
  const char* refusal = m.list(engine, values, count);
  if (refusal) return refusal;
  zunValue v{zunValue::Kind::list, 0, 0.0, nullptr};
  double* const slots[] = {&v.real, &v.second, &v.third};
  for (int k = 0; k < count; ++k) {
    if (std::isnan(values[k])) return nullptr;
    *slots[k] = values[k];
  }
  v.count = count;
  if (count == 0) v.kind = zunValue::Kind::none;
  record(m.selector, v);
  return nullptr;
}

template <class Engine>
const char* zunSettings<Engine>::set(Engine& engine, const char* selector, const double* values,
                                     int count) {
  return set(engine, *messages.find(selector), values, count);
}

int zunValue::numbers(double (&out)[zunMostListNumbers]) const {
  const int n = kind == Kind::pair ? 2 : kind == Kind::list ? count : 0;
  const double given[] = {real, second, third};
  for (int k = 0; k < n; ++k) out[k] = given[k];
  return n;
}

template <class Engine>
const char* zunSettings<Engine>::set(Engine& engine, const char* selector, long long v) {
  return set(engine, *messages.find(selector), v);
}

template <class Engine>
const char* zunSettings<Engine>::set(Engine& engine, const char* selector, double v) {
  return set(engine, *messages.find(selector), v);
}

template <class Engine>
void zunSettings<Engine>::bound(const char* selector, const char* name) {
  const bool named = name && name[0];
  record(selector, {named ? zunValue::Kind::symbol : zunValue::Kind::none, 0, 0.0, name});
}

template <class Engine>
zunValue zunSettings<Engine>::value(int attribute) const {
  std::lock_guard<std::mutex> lock(guard);
  return values[attribute];
}

template <class Engine>
int zunSettings<Engine>::dumpOrder(int (&order)[zunMaxAttributes]) const {
  std::lock_guard<std::mutex> lock(guard);
  const int n = table.count();
  for (int i = 0; i < n; ++i) order[i] = i;
  // Insertion sort: stable, and the list is short.
  for (int i = 1; i < n; ++i)
    for (int j = i; j > 0 && givenAt[order[j - 1]] > givenAt[order[j]]; --j)
      std::swap(order[j - 1], order[j]);
  return n;
}

template <class Engine>
void zunSettings<Engine>::record(const char* selector, zunValue v) {
  std::lock_guard<std::mutex> lock(guard);
  const char* other = otherUnitOf(selector);
  for (int i = 0; i < table.count(); ++i) {
    if (std::strcmp(table.begin[i].selector, selector) == 0) {
      values[i] = v;
      givenAt[i] = ++given;
    } else if (other && std::strcmp(table.begin[i].selector, other) == 0) {
      values[i] = {zunValue::Kind::none, 0, 0.0, nullptr};
    }
  }
}

template class zunSettings<zunBurst>;
template class zunSettings<zunCloud>;
