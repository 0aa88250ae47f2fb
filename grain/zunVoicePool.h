#pragma once

#include <cstdint>

#include "zunChannelRouting.h"
#include "zunGrain.h"
#include "zunVoiceGroup.h"
#include "zunWaveLevels.h"

// The block whose grain starts are being decided: its length, what its
// voices render with and the mix buffers they add into: `left` and
// `right`, or with `channels` set, channelCount of them and the spare.
struct zunBlock {
  int n;
  const zunRenderJob* job;
  const zunBlockLevels* levels;
  double* grainBuffer;
  double* left;
  double* right;
  double* const* channels = nullptr;
  int channelCount = 0;
};

// How long a flushed grain takes to fade out: long enough not to click.
constexpr double zunFadeSeconds = 0.005;
// How long a stolen grain takes to fade out.
constexpr double zunStealFadeSeconds = 0.002;

// A grain's gains on the left and the right channel.
struct zunGains {
  double left;
  double right;
};

// An engine's voices and the mix state of the grain each one plays, as
// parallel arrays indexed by voice number.
class zunVoicePool {
 public:
  zunVoicePool(int count, double sampleRate);
  ~zunVoicePool();
  zunVoicePool(const zunVoicePool&) = delete;
  zunVoicePool& operator=(const zunVoicePool&) = delete;

  // The lowest-numbered idle voice, or -1 when every voice sounds.
  int firstIdle() const;
  int countActive() const;
  // Whether some voice may sound: false when no voice does.
  bool anySounding() const;

  // Audio thread: a block's grain starts come between beginBlock and
  // finishBlock. A voice is idle from the block after its grain ends; only
  // where no voice is idle at a start does idleAt render the block up to it,
  // so that voices whose grains ended earlier in the block take it. Outside
  // a block idleAt is firstIdle.
  void beginBlock(const zunBlock& block);
  int idleAt(int offset);
  // Where idleAt found no voice: the voice of the oldest sounding grain,
  // now idle, its grain going on in a slot of its own and fading out over
  // zunStealFadeSeconds from `offset`; -1 when every slot is fading one.
  int steal(int offset);
  // Renders what is left of the block into its mix buffers, which it
  // clears first; false when nothing sounded in the block and they were
  // left as they were.
  bool finishBlock();

  // Starts voice i (unless it sounds already) at `offset` into the block.
  // Voices start only through start(), startGrain() and trigger(): a voice
  // made to sound behind the pool's back is not rendered.
  zunGrain& start(int i, int offset);
  // The same, then voice i takes `grain` and mixes with `gains`: how an
  // engine starts a grain.
  zunGrain& startGrain(int i, int offset, const zunGrainStart& grain, zunGains gains);

  // Starts the lowest idle voice by hand with whatever it last played.
  void trigger();
  // Audio thread, between blocks: every voice sounding now fades out
  // linearly to 0 over the next zunFadeSeconds of samples and is then idle.
  // A voice fading already keeps its own fade.
  void fadeOut();
  void setInterpMode(int mode);
  void setCubic(bool on);
  void setInvert(int invert);
  void setAbsoluteSR(double sampleRate);

  // Renders every sounding voice and adds it with its two gains into `left`
  // and `right` (cleared to +0 by the caller) from its start offset on, in
  // voice order. Voices render
  // together in groups where the group renderer takes them, one by one into
  // `grainBuffer` otherwise; either way every sample and every sum is the
  // same. With band-limiting, each voice reads its wave tables' levels;
  // only voices reading the same levels render together.
  void renderAndMix(int n, const zunRenderJob& job, double* grainBuffer, double* left,
                    double* right, const zunBlockLevels& levels = zunBlockLevels());
  // The same into `count` channels and the spare, each voice by its route
  // (sample `from` of each buffer on), every channel's voices in the order
  // of their routes' first channels, then of their numbers.
  void renderAndMixChannels(int n, const zunRenderJob& job, double* grainBuffer,
                            double* const* channels, int count, int from,
                            const zunBlockLevels& levels = zunBlockLevels());

  int overlappingFactor;
  // The voices, then as many slots for stolen grains; arrays indexed by
  // voice number hold both.
  zunGrain** voices;
  double* gainLeft;
  double* gainRight;
  // Where each voice's grain sounds in a multichannel mix.
  zunRoute* routes;
  int* grainOffset;
 private:
  // Where a voice mixes into and with which gains.
  struct Target {
    double* a;
    double* b;
    double gainA;
    double gainB;
  };
  struct StereoTargets;
  struct ChannelTargets;
  template <class Targets>
  void mixVoices(int n, const zunRenderJob& job, double* grainBuffer, const Targets& targets,
                 const zunBlockLevels& levels);

  // Voice i's fade: the samples still to come (0: none) out of its length.
  int* fadeLeft;
  int* fadeLength;
  double sampleRate;
  // The voices, side by side, each in slots of whole cache lines.
  unsigned char* voiceStorage;
  // When each voice's grain started, in start order.
  std::uint64_t* startOrder;
  std::uint64_t starts = 0;
  // Scales the next `count` samples of voice i down its fade; past the
  // fade they are 0 and the voice is stopped.
  void fade(int i, double* samples, int count);

  // Calls f(i) for every voice that may sound, in voice order; a voice that
  // no longer sounds is dropped from the list as it is met.
  template <class F>
  void forEachSounding(F f);
  void markSounding(int i) { sounding[i / 64] |= std::uint64_t{1} << (i % 64); }
  void markIdle(int i) { sounding[i / 64] &= ~(std::uint64_t{1} << (i % 64)); }

  // One bit per voice, set from its start until it is found idle: every
  // sounding voice has its bit set, so that a block visits the sounding
  // voices only, and a pool with few of them costs little.
  std::uint64_t* sounding;
  int words;

  // Clears samples [from, to) of the block and mixes the voices into them.
  void renderSpan(int from, int to);
  zunBlock block{};
  int rendered = 0;  // samples of the block mixed already

  void renderOne(int i, int n, const zunRenderJob& job, double* grainBuffer, const Target& to);
  void renderStereo(int i, int n, const zunRenderJob& job, double* grainBuffer, const Target& to);
  void mix(int i, const double* samples, int n, const Target& to);
};
