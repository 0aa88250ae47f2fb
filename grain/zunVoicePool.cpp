#include "zunVoicePool.h"

#include <hwy/base.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>

namespace {
constexpr std::size_t cacheLine = 64;
constexpr std::size_t voiceSlot = (sizeof(zunGrain) + cacheLine - 1) / cacheLine * cacheLine;

// Slot i of storage taken with a line to spare, from its first whole line.
void* slotIn(unsigned char* storage, int i) {
  const std::uintptr_t at = reinterpret_cast<std::uintptr_t>(storage);
  const std::uintptr_t first = (at + cacheLine - 1) / cacheLine * cacheLine;
  return storage + (first - at) + static_cast<std::size_t>(i) * voiceSlot;
}
}  // namespace

// Each voice has a slot after the voices, where a stolen grain fades out.
zunVoicePool::zunVoicePool(int count, double sampleRate)
    : overlappingFactor(count),
      voices(new zunGrain*[2 * count]),
      gainLeft(new double[2 * count]()),
      gainRight(new double[2 * count]()),
      routes(new zunRoute[2 * count]()),
      grainOffset(new int[2 * count]()),
      fadeLeft(new int[2 * count]()),
      fadeLength(new int[2 * count]()),
      sampleRate(sampleRate),
      voiceStorage(new unsigned char[2 * count * voiceSlot + cacheLine]),
      startOrder(new std::uint64_t[count]()),
      words((2 * count + 63) / 64) {
  sounding = new std::uint64_t[words]();
  for (int i = 0; i < 2 * count; ++i)
    voices[i] = new (slotIn(voiceStorage, i)) zunGrain(sampleRate);
}

zunVoicePool::~zunVoicePool() {
  for (int i = 0; i < 2 * overlappingFactor; ++i) voices[i]->~zunGrain();
  delete[] voiceStorage;
  delete[] startOrder;
  delete[] voices;
  delete[] gainLeft;
  delete[] gainRight;
  delete[] routes;
  delete[] grainOffset;
  delete[] fadeLeft;
  delete[] fadeLength;
  delete[] sounding;
}

int zunVoicePool::firstIdle() const {
  for (int i = 0; i < overlappingFactor; ++i)
    if (!voices[i]->getStatus()) return i;
  return -1;
}

int zunVoicePool::countActive() const {
  int active = 0;
  for (int i = 0; i < overlappingFactor; ++i) active += voices[i]->getStatus() ? 1 : 0;
  return active;
}

bool zunVoicePool::anySounding() const {
  for (int w = 0; w < words; ++w)
    if (sounding[w] != 0) return true;
  return false;
}

void zunVoicePool::beginBlock(const zunBlock& b) {
  block = b;
  rendered = 0;
}

int zunVoicePool::idleAt(int offset) {
  const int i = firstIdle();
  if (i >= 0 || block.n == 0 || offset <= rendered) return i;
  renderSpan(rendered, offset);
  return firstIdle();
}

bool zunVoicePool::finishBlock() {
  const bool any = rendered > 0 || anySounding();
  if (any) renderSpan(rendered, block.n);
  block = zunBlock{};
  rendered = 0;
  return any;
}

void zunVoicePool::renderSpan(int from, int to) {
  if (block.channels) {
    for (int c = 0; c <= block.channelCount; ++c)
      std::fill(block.channels[c] + from, block.channels[c] + to, 0.0);
    renderAndMixChannels(to - from, *block.job, block.grainBuffer, block.channels,
                         block.channelCount, from, *block.levels);
  } else {
    std::fill(block.left + from, block.left + to, 0.0);
    std::fill(block.right + from, block.right + to, 0.0);
    renderAndMix(to - from, *block.job, block.grainBuffer, block.left + from, block.right + from,
                 *block.levels);
  }
  rendered = to;
}

zunGrain& zunVoicePool::start(int i, int offset) {
  grainOffset[i] = offset - rendered;
  if (!voices[i]->getStatus()) {
    fadeLeft[i] = 0;
    startOrder[i] = ++starts;
  }
  voices[i]->start();
  markSounding(i);
  return *voices[i];
}

zunGrain& zunVoicePool::startGrain(int i, int offset, const zunGrainStart& grain,
                                   zunGains gains) {
  zunGrain& voice = start(i, offset);
  voice.latch(grain);
  gainLeft[i] = gains.left;
  gainRight[i] = gains.right;
  return voice;
}

void zunVoicePool::trigger() {
  const int i = firstIdle();
  if (i < 0) return;
  fadeLeft[i] = 0;
  startOrder[i] = ++starts;
  voices[i]->trigger();
  markSounding(i);
}

namespace {
// At least one sample, and no more than an int holds, at any rate.
int fadeSamples(double sampleRate, double seconds) {
  const double samples = std::round(sampleRate * seconds);
  if (!(samples >= 1.0)) return 1;
  return samples < 1e9 ? static_cast<int>(samples) : 1000000000;
}
}  // namespace

int zunVoicePool::steal(int offset) {
  if (block.n != 0 && offset > rendered) renderSpan(rendered, offset);
  int oldest = -1;
  for (int i = 0; i < overlappingFactor; ++i)
    if (voices[i]->getStatus() && (oldest < 0 || startOrder[i] < startOrder[oldest])) oldest = i;
  int slot = overlappingFactor;
  while (slot < 2 * overlappingFactor && voices[slot]->getStatus()) ++slot;
  if (oldest < 0 || slot == 2 * overlappingFactor) return -1;
  // A grain fading already keeps its own fade.
  const bool fading = fadeLeft[oldest] > 0;
  const int samples = fadeSamples(sampleRate, zunStealFadeSeconds);
  *voices[slot] = *voices[oldest];
  gainLeft[slot] = gainLeft[oldest];
  gainRight[slot] = gainRight[oldest];
  routes[slot] = routes[oldest];
  grainOffset[slot] = std::max(grainOffset[oldest], offset - rendered);
  fadeLeft[slot] = fading ? fadeLeft[oldest] : samples;
  fadeLength[slot] = fading ? fadeLength[oldest] : samples;
  markSounding(slot);
  voices[oldest]->setStatus(false);
  fadeLeft[oldest] = 0;
  return oldest;
}

void zunVoicePool::fadeOut() {
  const int samples = fadeSamples(sampleRate, zunFadeSeconds);
  forEachSounding([&](int i) {
    if (fadeLeft[i] > 0) return;
    fadeLeft[i] = samples;
    fadeLength[i] = samples;
  });
}

void zunVoicePool::fade(int i, double* samples, int count) {
  const double length = fadeLength[i];
  for (int k = 0; k < count; ++k) {
    const int left = fadeLeft[i] > 0 ? --fadeLeft[i] : 0;
    samples[k] = left > 0 ? samples[k] * (left / length) : 0.0;
  }
  if (fadeLeft[i] == 0) voices[i]->setStatus(false);
}

template <class F>
void zunVoicePool::forEachSounding(F f) {
  for (int w = 0; w < words; ++w) {
    for (std::uint64_t bits = sounding[w]; bits != 0; bits &= bits - 1) {
      const int i = w * 64 + static_cast<int>(hwy::Num0BitsBelowLS1Bit_Nonzero64(bits));
      if (voices[i]->getStatus()) f(i);
      else markIdle(i);
    }
  }
}

void zunVoicePool::setInterpMode(int mode) {
  for (int i = 0; i < 2 * overlappingFactor; ++i) voices[i]->setInterpMode(mode);
}

void zunVoicePool::setCubic(bool on) {
  for (int i = 0; i < 2 * overlappingFactor; ++i) voices[i]->setCubic(on);
}

void zunVoicePool::setInvert(int invert) {
  for (int i = 0; i < 2 * overlappingFactor; ++i) voices[i]->setInvert(invert);
}

void zunVoicePool::setAbsoluteSR(double rate) {
  sampleRate = rate;
  for (int i = 0; i < 2 * overlappingFactor; ++i) voices[i]->setAbsoluteSR(rate);
}

void zunVoicePool::mix(int i, const double* samples, int n, const Target& to) {
  const int offset = grainOffset[i];
  const double gl = to.gainA;
  const double gr = to.gainB;
  for (int k = 0; k < n - offset; ++k) {
    to.a[offset + k] += samples[k] * gl;
    to.b[offset + k] += samples[k] * gr;
  }
  grainOffset[i] = 0;
}

void zunVoicePool::renderOne(int i, int n, const zunRenderJob& job, double* grainBuffer,
                             const Target& to) {
  if (job.stereo) return renderStereo(i, n, job, grainBuffer, to);
  job.render(*voices[i], grainBuffer, n - grainOffset[i]);
  if (fadeLeft[i] > 0) fade(i, grainBuffer, n - grainOffset[i]);
  mix(i, grainBuffer, n, to);
  if (!voices[i]->getStatus()) markIdle(i);
}

// The left channel, then the right one from the same start: the voice and
// its fade end as either rendering leaves them.
void zunVoicePool::renderStereo(int i, int n, const zunRenderJob& job, double* grainBuffer,
                                const Target& to) {
  const int offset = grainOffset[i];
  const int count = n - offset;
  const zunGrain start = *voices[i];
  const int fadeAtStart = fadeLeft[i];
  zunRenderJob channel = job;
  channel.stereo = false;
  for (int side = 0; side < 2; ++side) {
    if (side == 1) {
      *voices[i] = start;
      fadeLeft[i] = fadeAtStart;
      channel.wave1 = job.wave2;
    }
    channel.render(*voices[i], grainBuffer, count);
    if (fadeLeft[i] > 0) fade(i, grainBuffer, count);
    double* out = (side == 0 ? to.a : to.b) + offset;
    const double gain = side == 0 ? to.gainA : to.gainB;
    for (int k = 0; k < count; ++k) out[k] += grainBuffer[k] * gain;
  }
  grainOffset[i] = 0;
  if (!voices[i]->getStatus()) markIdle(i);
}

namespace {
bool sameWaves(const zunRenderJob& a, const zunRenderJob& b) {
  return a.wave1.data == b.wave1.data && a.wave2.data == b.wave2.data;
}
}  // namespace

// Every voice into the two buffers with its stereo gains, in one pass.
struct zunVoicePool::StereoTargets {
  const zunVoicePool& pool;
  double* left;
  double* right;
  int passes() const { return 1; }
  bool inPass(int, int) const { return true; }
  Target of(int i) const { return {left, right, pool.gainLeft[i], pool.gainRight[i]}; }
  Target stereoOf(int i) const { return of(i); }
};

// Pass c takes the voices whose route begins on channel c, so that voices
// sharing their channels render together. A route past the count (made
// for a larger one) sounds on the spare.
struct zunVoicePool::ChannelTargets {
  const zunVoicePool& pool;
  double* const* channels;
  int count;
  int from;
  int passes() const { return count + 1; }
  int channel(int c) const { return c >= 0 && c < count ? c : count; }
  bool inPass(int i, int pass) const { return channel(pool.routes[i].first) == pass; }
  Target of(int i) const {
    const zunRoute& r = pool.routes[i];
    return {channels[channel(r.first)] + from, channels[channel(r.second)] + from, r.firstGain,
            r.secondGain};
  }
  // A stereo grain's sides go to the route's two channels; on a route of
  // one channel both go there, each with its stereo gain, as a mixdown
  // would have them, rather than one side into the spare.
  Target stereoOf(int i) const {
    const zunRoute& r = pool.routes[i];
    if (channel(r.second) != count) return of(i);
    double* only = channels[channel(r.first)] + from;
    return {only, only, pool.gainLeft[i], pool.gainRight[i]};
  }
};

void zunVoicePool::renderAndMix(int n, const zunRenderJob& job, double* grainBuffer, double* left,
                                double* right, const zunBlockLevels& levels) {
  mixVoices(n, job, grainBuffer, StereoTargets{*this, left, right}, levels);
}

void zunVoicePool::renderAndMixChannels(int n, const zunRenderJob& job, double* grainBuffer,
                                        double* const* channels, int count, int from,
                                        const zunBlockLevels& levels) {
  mixVoices(n, job, grainBuffer, ChannelTargets{*this, channels, count, from}, levels);
}

template <class Targets>
void zunVoicePool::mixVoices(int n, const zunRenderJob& job, double* grainBuffer,
                             const Targets& targets, const zunBlockLevels& levels) {
  const int lanes = zunGroupLanes();
  const bool tablesFit = !job.stereo && zunGroupRenders(job, 0);
  const bool levelled = levels.active();
  zunGroup group;
  group.count = 0;
  int members[zunMaxGroupLanes];
  int mode = 0;
  // Only the group's buffers, not a whole Target: copying the gains with
  // it made a wide load of two narrow stores, which stalled every voice.
  double* groupLeft = nullptr;
  double* groupRight = nullptr;
  zunRenderJob groupJob = job;
  zunRenderJob voiceJob = job;
  auto flush = [&] {
    if (!zunGroupPays(groupJob, mode, group.count)) {
      for (int v = 0; v < group.count; ++v)
        renderOne(members[v], n, groupJob, grainBuffer, targets.of(members[v]));
    } else if (group.count > 0) {
      zunRenderGroup(groupJob, mode, group, n, groupLeft, groupRight);
      for (int v = 0; v < group.count; ++v) {
        grainOffset[members[v]] = 0;
        if (!group.voices[v]->getStatus()) markIdle(members[v]);
      }
    }
    group.count = 0;
  };
  for (int pass = 0; pass < targets.passes(); ++pass) forEachSounding([&](int i) {
    if (!targets.inPass(i, pass)) return;
    zunGrain& voice = *voices[i];
    // Levels are as long as their tables, with unit stride: they fit where
    // the tables fit.
    const zunRenderJob& own = levelled ? (voiceJob = levels.jobFor(job, voice)) : job;
    // Shaped sample windows and fades are the voices' own.
    const zunGrainLatched& values = voice.latched();
    const bool grouped = tablesFit && !values.shapedWindow &&
                         (values.interpMode == 0 || values.interpMode == 1) && fadeLeft[i] == 0;
    const int voiceMode = values.cubic ? zunCubicRead : values.interpMode;
    const Target to = job.stereo ? targets.stereoOf(i) : targets.of(i);
    const bool elsewhere = to.a != groupLeft || to.b != groupRight;
    if (group.count > 0 && (!grouped || voiceMode != mode ||
                            (levelled && !sameWaves(own, groupJob)) || elsewhere))
      flush();
    if (!grouped) {
      renderOne(i, n, own, grainBuffer, to);
      return;
    }
    mode = voiceMode;
    groupLeft = to.a;
    groupRight = to.b;
    // A group on the waves of the last keeps what its job learnt of them.
    if (levelled && !sameWaves(own, groupJob)) groupJob = own;
    const int v = group.count++;
    members[v] = i;
    group.voices[v] = &voice;
    group.offsets[v] = grainOffset[i];
    group.gainLeft[v] = to.gainA;
    group.gainRight[v] = to.gainB;
    if (group.count == lanes) flush();
  });
  flush();
}
