#include "zunBurst.h"

#include <cmath>

#include "zunScheduler.h"

#include "zunRandom.h"

namespace {
constexpr double maximumMorph = 1048576.0;

// What the setters make of their values, and the inlets of theirs.
double widthOf(double x) { return std::fmin(1.0, std::fabs(x)); }
double lengthOf(double ms) { return std::fabs(ms) * 0.001; }
double glissonOf(double semitones) { return semitones / 12.0; }
double morphOf(double x) { return x > 1.0 ? 1.0 : (x > 0.0 ? x : 0.0); }

long burstCount(long long grains) {
  constexpr long longest = zunBurst::longestBurst;
  return static_cast<long>(grains < 0 ? 0 : (grains > longest ? longest : grains));
}
}  // namespace

zunBurst::zunBurst(int overlap, double sampleRate)
    : pool(overlap, sampleRate),
      seed(zunClockSeed()),
      absoluteSR(sampleRate),
      period(0),
      sampleCounter(0),
      lengthDeviation(0.0),
      toggle(false),
      buffers(8192) {
  setDefaults();
}

zunBurst::~zunBurst() {}

void zunBurst::setDefaults() {
  level = 0.5;
  width = 0.0;
  panningMode = false;
  attack = 0.125;
  decay = 0.125;
  length = 0.085;
  density = 10.0;
  cps = 440.0;
  rndLength = 0.0;
  rndDensity = 0.0;
  rndCps = 0.0;
  morph = 0.0;
  rndMorph = 0.0;
  glisson = 0.0;
  rndGlisson = 0.0;
}

void zunBurst::setBufferSize(unsigned int frames) { buffers.setBufferSize(frames); }

// A NaN names no value: every setter leaves its parameter as it was.
void zunBurst::setLevel(double x) {
  if (!std::isnan(x)) level = x;
}

void zunBurst::setWidth(double x) {
  if (!std::isnan(x)) width = widthOf(x);
}

void zunBurst::setPanningMode(int m) { panningMode = m > 0; }

void zunBurst::setAttack(double x) {
  if (!std::isnan(x)) attack = zunEnvelopePart(x);
}

void zunBurst::setDecay(double x) {
  if (!std::isnan(x)) decay = zunEnvelopePart(x);
}

void zunBurst::setLength(double x) {
  if (!std::isnan(x)) length = lengthOf(x);
}

void zunBurst::setDensity(double x) {
  if (!std::isnan(x)) density = std::fabs(x);
}

void zunBurst::setRndLength(double x) {
  if (!std::isnan(x)) rndLength = x * 0.5;
}

void zunBurst::setRndDensity(double x) {
  if (!std::isnan(x)) rndDensity = x * 0.5;
}

void zunBurst::setCps(double x) {
  if (!std::isnan(x)) cps = x;
}

void zunBurst::setRndCps(double x) {
  if (!std::isnan(x)) rndCps = x / 24.0;
}

void zunBurst::setGlisson(double x) {
  if (!std::isnan(x)) glisson = glissonOf(x);
}

void zunBurst::setRndGlisson(double x) {
  if (!std::isnan(x)) rndGlisson = x / 12.0;
}

void zunBurst::setMorph(double x) {
  if (!std::isnan(x)) morph = morphOf(x);
}

void zunBurst::setRndMorph(double x) {
  if (!std::isnan(x)) rndMorph = x;
}

void zunBurst::setToggle(int t) { toggle = t > 0; }

void zunBurst::setRndMask(double p) {
  if (!std::isnan(p)) rndMask = p > 1.0 ? 1.0 : (p > 0.0 ? p : 0.0);
}

void zunBurst::setBurstPlay(long long grains) { burstPlay = burstCount(grains); }

void zunBurst::setBurstRest(long long grains) { burstRest = burstCount(grains); }

namespace {
bool holdsNaN(const double* values, int count) {
  for (int k = 0; k < count; ++k)
    if (std::isnan(values[k])) return true;
  return false;
}
}  // namespace

void zunBurst::setFormants(const double* ratios, int count) {
  if (count < 1 || count > mostFormants || holdsNaN(ratios, count)) return;
  for (int k = 0; k < count; ++k) formantRatio[k] = ratios[k];
  formantCount = count;
}

void zunBurst::setFormantLevels(const double* levels, int count) {
  if (count < 1 || count > mostFormants || holdsNaN(levels, count)) return;
  for (int k = 0; k < mostFormants; ++k) formantLevel[k] = k < count ? levels[k] : 1.0;
}

void zunBurst::setFormantPans(const double* pans, int count) {
  if (count < 0 || count > mostFormants || holdsNaN(pans, count)) return;
  for (int k = 0; k < count; ++k) formantPan[k] = widthOf(pans[k]);
  formantPanCount = count;
}

void zunBurst::setInterp(int mode) { pool.setInterpMode(mode); }

void zunBurst::setAbsoluteSR(double sr) {
  if (sr > 0.0) pool.setAbsoluteSR(sr, absoluteSR);
}

void zunBurst::setOverlap(int n) { pool.setOverlap(n, absoluteSR); }

void zunBurst::grain() { pool.trigger(); }

void zunBurst::setBandLimit(int on) {
  std::lock_guard<std::mutex> serial(levelRefresh);
  bandLimit = on != 0;
  if (bandLimit) return;
  publishLevels(0, nullptr);
  publishLevels(1, nullptr);
}

// Nothing to swap leaves the blocks alone.
void zunBurst::publishLevels(int which, std::unique_ptr<const zunWaveLevels> levels) {
  if (!levels && !waveLevels[which]) return;
  pool.exclusive([&] { std::swap(waveLevels[which], levels); });
}

// Levels are read only where they were made from the tables of this block:
// a table the host has not refreshed them for reads as it is.
zunBlockLevels zunBurst::levelsFor(const zunRenderJob& job) const {
  auto matching = [](const std::unique_ptr<const zunWaveLevels>& levels, const zunTable& table) {
    return levels && levels->madeFrom(table) ? levels.get() : nullptr;
  };
  return {matching(waveLevels[0], job.wave1), matching(waveLevels[1], job.wave2)};
}

double zunBurst::unipolar(double x) { return zunUnipolar(seed, x); }

double zunBurst::bipolar(double x) { return zunBipolar(seed, x); }

int zunBurst::Processing(double** ins, long numIns, double** outs, long numOuts,
                         long sampleFrames, long long wave1Frames, long long windowFrames,
                         long long wave2Frames, float* wave1, float* window, float* wave2,
                         long long wave1Stride, long long windowStride, long long wave2Stride) {
  return Processing(ins, numIns, outs, numOuts, sampleFrames, {wave1, wave1Frames, wave1Stride},
                    {window, windowFrames, windowStride}, {wave2, wave2Frames, wave2Stride});
}

int zunBurst::Processing(double** ins, long numIns, double** outs, long numOuts,
                         long sampleFrames, const zunTable& wave1, const zunTable& window,
                         const zunTable& wave2) {
  seedRequest.apply(seed);
  const double* input = options.input(ins, numIns);
  inlets.begin(ins, numIns);
  zunExactSchedule* exact = subsample ? &exactSchedule : nullptr;
  auto schedule = [this, &input, exact](int count) {
    options.schedule(count, input, sampleCounter, period, exact, toggle,
                     [this](int j, double lead) { initializeGrain(j, lead); });
    inlets.advance(count);
  };
  const zunRenderJob job{true, wave1, window, wave2};
  const bool rendered = pool.render([&](zunVoicePool& voices) {
    buffers.run(sampleFrames, outs, numOuts, voices, schedule, job, levelsFor(job));
  });
  // A message thread was changing the voices: this one block stays silent.
  if (!rendered) {
    buffers.silence(sampleFrames, outs, numOuts);
    options.skip(sampleFrames);
  }
  return 0;
}

// The burst pattern counts every grain the train would play; the random
// mask draws for each of them while it is on, masked by the burst or not.
bool zunBurst::unmasked() {
  bool heard = true;
  const long play = burstPlay, rest = burstRest;
  if (rest > 0) {
    if (play != maskPlay || rest != maskRest) {
      maskPlay = play;
      maskRest = rest;
      maskCount = 0;
    }
    heard = maskCount < play;
    maskCount = (maskCount + 1) % (play + rest);
  } else {
    maskRest = 0;
  }
  const double chance = rndMask;
  if (chance > 0.0 && unipolar(1.0) < chance) heard = false;
  return heard;
}

namespace {
// The partials of a wave table that stay below half the rate for a grain
// at `cps` whose frequency glides to cps * (1 + glide).
double partialLimit(double sampleRate, double cps, double glide) {
  return sampleRate * 0.5 / (std::fabs(cps) * std::fmax(1.0, std::fabs(1.0 + glide)));
}
}  // namespace

zunBurst::Onset zunBurst::onset(int offset, double lead) const {
  Onset o{cps, morph, glisson, length, width, level};
  double v = 0.0;
  if (inlets.read(cpsInlet, offset, lead, v)) o.cps = v;
  if (inlets.read(morphInlet, offset, lead, v)) o.morph = morphOf(v);
  if (inlets.read(glissonInlet, offset, lead, v)) o.glisson = glissonOf(v);
  if (inlets.read(lengthInlet, offset, lead, v)) o.length = lengthOf(v);
  if (inlets.read(panInlet, offset, lead, v)) o.width = widthOf(v);
  if (inlets.read(levelInlet, offset, lead, v)) o.level = v;
  return o;
}

double zunBurst::grainLength(const Onset& o, double grainCps) const {
  const double length = o.length + lengthDeviation;
  if (!lengthInCycles) return length;
  // The length's number, as ms would give it, in periods of the first
  // formant; a period that is no number of seconds makes no grain.
  const double seconds = length * 1000.0 / std::fabs(grainCps * formantRatio[0]);
  return std::isfinite(seconds) ? seconds : 0.0;
}

void zunBurst::initializeGrain(int offset, double lead) {
  const Onset o = onset(offset, lead);
  const double rw = unipolar(o.width);
  lengthDeviation = bipolar(rndLength * o.length);
  const double quotient =
      zunPeriodQuotient(absoluteSR, density + bipolar(rndDensity * density), density);
  period = zunPeriod(quotient);
  exactSchedule = {zunExactPeriod(quotient), lead};
  const double pitch = std::exp2(bipolar(rndCps));
  const double drawn = o.glisson + unipolar(rndGlisson);  // in setGlisson's unit, as events tell
  const double g = drawn < 0.0 ? drawn * 0.5 : drawn;
  double m = o.morph + unipolar(rndMorph);
  if (m > 1.0) m = 1.0 - (m - 1.0);
  // A morph far outside the two tables extrapolates them; past this bound a
  // grain could overflow to infinity, so the weight stops there.
  if (!(m >= -maximumMorph)) m = -maximumMorph;

  const double amplitude = options.level(o.level, seed);
  if (!unmasked()) return;

  const double grainCps = o.cps * pitch;
  const int formants = formantCount;
  const Shared shared{offset, lead,  amplitude, grainCps, grainLength(o, grainCps), g,
                      drawn,  m,     o.width,   rw,       formants};
  // Every formant's route draws what the first one's does.
  const int routeDraws = seed;
  for (int k = 0, started = 0; k < formants; ++k) {
    const int i = formantVoice(offset, started);
    if (i < 0) continue;
    const int after = startFormant(shared, k, i, routeDraws);
    if (started++ == 0) seed = after;
  }
}

int zunBurst::formantVoice(int offset, int started) {
  if (started < pool->overlappingFactor) return options.voiceFor(*pool, offset);
  options.crowded.fetch_add(1, std::memory_order_relaxed);
  return -1;
}

int zunBurst::startFormant(const Shared& g, int k, int i, int route) {
  zunGrainStart grain;
  grain.amplitude = g.amplitude * formantLevel[k];
  grain.frequency = g.cps * formantRatio[k];
  grain.length = g.length;
  grain.glisson = g.glisson;
  grain.morph = g.morph;
  grain.attack = attack;
  grain.decay = decay;
  grain.lead = g.lead;
  if (bandLimit) grain.partialLimit = partialLimit(absoluteSR, grain.frequency, g.glisson);
  const zunGains gains = k < formantPanCount ? options.pan(true, formantPan[k], 0.0)
                                             : options.pan(panningMode, g.width, g.randomWidth);
  pool->startGrain(i, g.offset, grain, gains);
  options.route(*pool, i, gains, route, buffers.channelCount());
  if (!options.wantsEvents()) return route;
  zunGrainEvent e = options.started(*pool, i, g.offset, period);
  e.frequency = grain.frequency;
  e.glisson = g.drawn;
  e.morph = g.morph;
  e.formant = g.formants > 1 ? k + 1 : 0;
  options.emit(e);
  return route;
}
