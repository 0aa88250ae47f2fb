#include "zunCloud.h"

#include <algorithm>
#include <cmath>

#include "zunScheduler.h"

zunCloud::zunCloud(int overlap, double sampleRate)
    : pool(overlap, sampleRate),
      buffers(8192),
      sampleLength(0),
      period(0),
      sampleCounter(0),
      seed(zunClockSeed()),
      absoluteSR(sampleRate),
      toggle(false),
      panningMode(false),
      lengthDeviation(0.0) {
  setDefaults();
}

zunCloud::~zunCloud() { delete ring; }

void zunCloud::setDefaults() {
  level = 0.5;
  width = 0.0;
  panningMode = false;
  length = 0.085;
  density = 10.0;
  rndDensity = 0.0;
  rndLength = 0.0;
  pitch = 1.0;
  phase = 0.0;
  rndPitch = 0.0;
}

void zunCloud::setBufferSize(unsigned int frames) { buffers.setBufferSize(frames); }

namespace {
double clampToUnit(double x) {
  if (x < 0.0) x = 0.0;
  if (x > 1.0) x = 1.0;
  return x;
}

// What the setters make of their values, and the inlets of theirs.
double widthOf(double x) { return std::fmin(std::fabs(x), 1.0); }
double lengthOf(double ms) { return std::fabs(ms) * 0.001; }
double pitchOf(double semitones) { return std::exp2(semitones / 12.0); }
// A minute at 384 kHz and more; beyond it a rate asks for too much memory.
constexpr double mostLiveFrames = 33554432.0;
}  // namespace

// A NaN names no value: every setter leaves its parameter as it was.
void zunCloud::setLevel(double x) {
  if (!std::isnan(x)) level = x;
}

void zunCloud::setWidth(double x) {
  if (!std::isnan(x)) width = widthOf(x);
}

void zunCloud::setPanningMode(int m) { panningMode = m > 0; }

void zunCloud::setLength(double x) {
  if (!std::isnan(x)) length = lengthOf(x);
}

void zunCloud::setDensity(double x) {
  if (!std::isnan(x)) density = std::fabs(x);
}

void zunCloud::setRndLength(double x) {
  if (!std::isnan(x)) rndLength = x * 0.5;
}

void zunCloud::setRndDensity(double x) {
  if (!std::isnan(x)) rndDensity = x * 0.5;
}

void zunCloud::setPitch(double x) {
  if (!std::isnan(x)) pitch = pitchOf(x);
}

void zunCloud::setRndPitch(double x) {
  if (!std::isnan(x)) rndPitch = x / 24.0;
}

void zunCloud::setPhase(double x) {
  if (!std::isnan(x)) phase = clampToUnit(x);
}

namespace {
// Milliseconds into a sample of `frames` frames at `rate`, as a fraction.
double positionOf(double ms, double rate, unsigned long frames) {
  const double position = ms / 1000.0 * rate / static_cast<double>(frames);
  return std::isnan(position) ? 0.0 : clampToUnit(position);
}
}  // namespace

// Milliseconds into the sample of the latest block. Until a block has
// brought a sample that has a length, a position after its start is kept
// as it was given, negated (a fraction is never negative), and the first
// such block converts it; no later setter is overwritten by that.
void zunCloud::setSamplePosition(double x) {
  if (std::isnan(x)) return;
  const unsigned long frames = liveFrames > 0 ? liveFrames : sampleLength;
  phase = frames == 0 && x > 0.0 ? -x : positionOf(x, readRate(), frames);
}

void zunCloud::convertPendingPosition() {
  const double p = phase;
  if (p < 0.0 && sampleLength > 0) phase.replace(p, positionOf(-p, readRate(), sampleLength));
}

void zunCloud::setToggle(int t) { toggle = t > 0; }

void zunCloud::setRndPosition(double x) {
  if (!std::isnan(x)) rndPosition = std::fabs(x) * 0.5;
}

void zunCloud::setScanSpeed(double x) {
  if (!std::isnan(x)) scanSpeed = std::fmax(-fastestScan, std::fmin(fastestScan, x));
}

void zunCloud::setRndReverse(double p) {
  if (!std::isnan(p)) rndReverse = clampToUnit(p);
}

void zunCloud::setAttack(double x) {
  if (!std::isnan(x)) attack = zunEnvelopePart(x);
}

void zunCloud::setDecay(double x) {
  if (!std::isnan(x)) decay = zunEnvelopePart(x);
}

void zunCloud::setRegion(double startMs, double endMs) {
  if (std::isnan(startMs) || std::isnan(endMs)) return;
  regionStart = std::fabs(startMs);
  regionEnd = std::fabs(endMs);
}

void zunCloud::setSampleRate(double x) {
  if (!std::isnan(x)) sampleRateChoice = std::fmin(std::fabs(x), highestSampleRate);
}

void zunCloud::setSampleChannel(long long n) {
  sampleChannel = n < 0 ? 0 : (n > mostSampleChannels ? mostSampleChannels : n);
}

void zunCloud::setStereoSample(int on) { stereoSample = on > 0; }

void zunCloud::setLiveBuffer(double ms) {
  if (!std::isnan(ms)) makeRing(std::fmin(std::fabs(ms), longestLiveBuffer), absoluteSR);
}

void zunCloud::makeRing(double ms, double rate) {
  const double wanted = std::fmin(std::round(ms / 1000.0 * rate), mostLiveFrames);
  const long long frames = wanted >= 1.0 ? static_cast<long long>(wanted) : 0;
  if (frames == liveFrames) {
    liveMs = ms;
    return;
  }
  zunLiveRing* made = frames > 0 ? new zunLiveRing(frames) : nullptr;
  pool.exclusive([&] {
    std::swap(made, ring);
    liveFrames = frames;
    liveMs = ms;
    pool->fadeOut();
  });
  delete made;
}

// The guard keeps a block's length: the longest yet, since a longer block
// overwrites more of what a grain placed in a shorter one goes on to read.
void zunCloud::record(int count) {
  liveBlock = std::max(liveBlock, count);
  liveWritten = frozen ? 0 : count;
  if (liveWritten > 0) ring->write(liveInput, count);
  if (liveInput) liveInput += count;
}

double zunCloud::readRate() const {
  if (liveFrames > 0) return absoluteSR;
  const double chosen = sampleRateChoice;
  if (chosen > 1.0) return chosen;
  const double own = tableRate;
  const bool told = own > 0.0 && own <= highestSampleRate;
  return chosen == 1.0 && told ? own : static_cast<double>(absoluteSR);
}

void zunCloud::setInterp(int mode) { pool.setInterpMode(mode); }

void zunCloud::setInvert(int invert) { pool.setInvert(invert); }

// A ring keeps its length in ms.
void zunCloud::setAbsoluteSR(double sr) {
  if (!(sr > 0.0)) return;
  pool.setAbsoluteSR(sr, absoluteSR);
  if (liveMs > 0.0) makeRing(liveMs, sr);
}

void zunCloud::setOverlap(int n) { pool.setOverlap(n, absoluteSR); }

// A voice replayed reads from the start of its table, which on the live
// ring may lie anywhere near the write point: it is not played there.
void zunCloud::grain() {
  if (!isLive()) pool.trigger();
}

double zunCloud::unipolar(double x) { return zunUnipolar(seed, x); }

double zunCloud::bipolar(double x) { return zunBipolar(seed, x); }

namespace {
// startMs to endMs of a sample of `frames` frames at `rate`; see setRegion.
zunRegion regionOf(double startMs, double endMs, double rate, unsigned long frames) {
  if (!(startMs > 0.0) && !(endMs > 0.0)) return zunRegion();
  const double start = positionOf(startMs, rate, frames);
  const double end = endMs > 0.0 ? positionOf(endMs, rate, frames) : 1.0;
  return {std::fmin(start, end), std::fabs(end - start), false};
}
}  // namespace

// Channels past the sample's last read its last; a stereo pair needs two.
// A sample holds no more channels than its stride has floats.
zunRenderJob zunCloud::jobFor(const zunTable& interleaved, const zunTable& window) const {
  const long long channels =
      std::min(std::max(interleaved.channels, 1LL), std::max(interleaved.stride, 1LL));
  const long long chosen = sampleChannel;
  const bool stereo = stereoSample && channels > 1;
  if (chosen == 0 && !stereo) return {false, interleaved, window, interleaved};
  const long long first = std::min(std::max(chosen, 1LL), channels);
  auto channel = [&](long long c) {
    return zunTable{interleaved.data ? interleaved.data + (c - 1) : nullptr, interleaved.frames,
                    interleaved.stride};
  };
  const zunTable left = channel(first);
  if (!stereo) return {false, left, window, left};
  return {false, left, window, channel(std::min(first + 1, channels)), true};
}

int zunCloud::Processing(double** ins, long numIns, double** outs, long numOuts, long n,
                         long long sampleFrameCount, long long windowFrameCount,
                         float* sampleTable, float* windowTable, long long sampleStride,
                         long long windowStride, long long sampleChannels,
                         double sampleTableRate) {
  return Processing(ins, numIns, outs, numOuts, n,
                    {sampleTable, sampleFrameCount, sampleStride, sampleChannels, sampleTableRate},
                    {windowTable, windowFrameCount, windowStride});
}

int zunCloud::Processing(double** ins, long numIns, double** outs, long numOuts, long n,
                         const zunTable& sample, const zunTable& window) {
  const long long liveLength = liveFrames;
  if (liveLength > 0) sampleLength = static_cast<unsigned long>(liveLength);
  else sampleLength = sample.frames > 0 ? static_cast<unsigned long>(sample.frames) : 0;
  tableRate = sample.rate;
  convertPendingPosition();
  seedRequest.apply(seed);
  region = regionOf(regionStart, regionEnd, readRate(), sampleLength);
  const double* input = options.input(ins, numIns);
  inlets.begin(ins, numIns);
  zunExactSchedule* exact = subsample ? &exactSchedule : nullptr;
  // A scan's speed is in the sample's own time.
  const double rate = readRate();
  const double scanning = scanSpeed;
  const bool ownTime = scanning != 0.0 && rate != absoluteSR;
  const double speed = ownTime ? scanning * (rate / absoluteSR) : scanning;
  liveInput = numIns > 1 + inletCount && ins ? ins[1 + inletCount] : nullptr;
  auto schedule = [this, &input, exact, speed](int count) {
    if (ring) record(count);
    scan.begin(phase, speed, sampleLength, region);
    options.schedule(count, input, sampleCounter, period, exact, toggle,
                     [this](int j, double lead) { initializeGrain(j, lead); });
    scan.end(phase, count);
    inlets.advance(count);
  };
  const zunRenderJob job = jobFor(sample, window);
  // A block that began before a new ring was swapped in stays silent too.
  bool matched = true;
  const bool rendered = pool.render([&](zunVoicePool& voices) {
    matched = (ring ? ring->length() : 0) == liveLength;
    if (!matched) return;
    if (!ring) return buffers.run(n, outs, numOuts, voices, schedule, job);
    const zunTable live = ring->table();
    buffers.run(n, outs, numOuts, voices, schedule, {false, live, job.window, live});
  });
  // A message thread was changing the voices: this one block stays silent.
  if (!rendered || !matched) {
    buffers.silence(n, outs, numOuts);
    options.skip(n);
  }
  return 0;
}

zunCloud::Onset zunCloud::onset(int offset, double lead) const {
  Onset o{phase, pitch, length, width, level, false};
  double v = 0.0;
  if ((o.positionSignal = inlets.read(positionInlet, offset, lead, v))) o.phase = clampToUnit(v);
  if (inlets.read(pitchInlet, offset, lead, v)) o.pitch = pitchOf(v);
  if (inlets.read(lengthInlet, offset, lead, v)) o.length = lengthOf(v);
  if (inlets.read(panInlet, offset, lead, v)) o.width = widthOf(v);
  if (inlets.read(levelInlet, offset, lead, v)) o.level = v;
  return o;
}

// The position inlet's value, the set position or the scan's head, spread
// at random while asked to.
double zunCloud::startPosition(int offset, const Onset& o) {
  const double position = region.keep(o.positionSignal ? o.phase : scan.at(offset, o.phase));
  const double spread = rndPosition;
  if (!(spread > 0.0)) return position;
  const double frames = bipolar(spread) / 1000.0 * readRate();
  return region.wrap(position + frames / static_cast<double>(sampleLength));
}

void zunCloud::initializeGrain(int offset, double lead) {
  const Onset o = onset(offset, lead);
  const double u = unipolar(o.width);
  lengthDeviation = bipolar(rndLength * o.length);
  const double quotient =
      zunPeriodQuotient(absoluteSR, density + bipolar(rndDensity * density), density);
  period = zunPeriod(quotient);
  exactSchedule = {zunExactPeriod(quotient), lead};
  const double transposition = std::exp2(bipolar(rndPitch));
  const double f = transposition * (o.pitch * (readRate() / static_cast<double>(sampleLength)));
  const double start = startPosition(offset, o);
  const double reverseChance = rndReverse;
  const bool flipped = reverseChance > 0.0 && unipolar(1.0) < reverseChance;
  const double amplitude = options.level(o.level, seed);
  double age = start * static_cast<double>(sampleLength);
  double begin = start;
  const double rate = transposition * o.pitch;
  if (ring && !placeLive(offset, rate, o.length + lengthDeviation, age, begin)) return;

  const int i = options.voiceFor(*pool, offset);
  if (i < 0) return;
  // A grain already read backwards by "reverse" stays so: the draw turns
  // only forward grains round, by reading at the negated rate.
  const bool backwards = flipped && pool->voices[i]->latched().direction > 0.0;
  zunGrainStart grain;
  grain.amplitude = amplitude;
  grain.frequency = backwards ? -f : f;
  grain.phase = begin;
  grain.length = o.length + lengthDeviation;
  grain.attack = attack;
  grain.decay = decay;
  grain.shapedWindow = grain.attack != 0.5 || grain.decay != 0.5;
  grain.lead = lead;
  const zunGains gains = options.pan(panningMode, o.width, u);
  const zunGrain& voice = pool->startGrain(i, offset, grain, gains);
  options.route(*pool, i, gains, seed, buffers.channelCount());
  if (!options.wantsEvents()) return;
  zunGrainEvent e = options.started(*pool, i, offset, period);
  e.frequency = transposition * o.pitch;
  e.position = ring ? age / static_cast<double>(sampleLength) : voice.running().phase;
  e.direction = backwards || voice.latched().direction < 0.0 ? -1.0 : 1.0;
  options.emit(e);
}

// The grain reads from `age` frames behind the newest one, moving
// `rate` frames a sample either way ("reverse" turns sounding
// grains round) while the write point moves 1 (recording) or 0 (frozen).
// Whatever they do meanwhile, it keeps `guard` frames away from the newest
// frame and from the oldest one a block may overwrite: the longest block's
// frames, those an interpolating read takes beyond its position, one for
// the floor of a position, one for a start between samples.
bool zunCloud::placeLive(int offset, double rate, double seconds, double& age,
                         double& start) const {
  const double frames = static_cast<double>(ring->length());
  const double guard = liveBlock + (pool->voices[0]->latched().cubic ? 4.0 : 3.0);
  const double span = (seconds > 0.0 ? seconds * absoluteSR : 0.0) + 1.0;
  const double reach = std::fabs(rate) * span;
  const double nearest = guard + reach;
  const double oldest = frames - guard - (span + reach);
  if (!(nearest <= oldest)) return false;
  age = std::fmin(std::fmax(age, nearest), oldest);
  // A grain's first sample reads one step past its start: at pitch 0 it
  // hears the frame `age` before the newest, the input as it was then.
  const double newest = static_cast<double>(ring->newestAt(offset, liveWritten));
  start = zunWrapPhase((newest - 1.0 - age) / frames);
  return true;
}
