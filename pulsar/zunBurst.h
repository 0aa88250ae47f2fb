#pragma once

#include <memory>
#include <mutex>
#include <utility>

#include "zunRandom.h"
#include "zunGrainOptions.h"
#include "zunRelaxed.h"
#include "zunScheduler.h"
#include "zunSharedPool.h"
#include "zunSignalInlets.h"
#include "zunWaveLevels.h"
#include "zunWorkBuffers.h"

// The pulsar granulator: schedules grains (pulsaret trains), draws each
// grain's random deviations, starts idle voices and mixes them in stereo.
class zunBurst {
 public:
  zunBurst(int overlap, double sampleRate);
  virtual ~zunBurst();
  zunBurst(const zunBurst&) = delete;
  zunBurst& operator=(const zunBurst&) = delete;

  void setDefaults();
  void setBufferSize(unsigned int frames);

  void setLevel(double x);
  void setWidth(double x);
  void setPanningMode(int m);
  void setAttack(double x);
  void setDecay(double x);
  void setLength(double x);
  void setDensity(double x);
  void setRndLength(double x);
  void setRndDensity(double x);
  void setCps(double x);
  void setRndCps(double x);
  void setGlisson(double x);
  void setRndGlisson(double x);
  void setMorph(double x);
  void setRndMorph(double x);
  void setToggle(int t);
  // Masking: each grain is silenced with probability p (0 to 1); and in
  // bursts, `play` grains sound, then `rest` are silenced, over and over
  // (a rest of 0 masks nothing). Masked grains keep the train's timing.
  void setRndMask(double p);
  void setBurstPlay(long long grains);
  void setBurstRest(long long grains);
  static constexpr long longestBurst = 1048576;  // longer plays and rests are this long
  // Formants: every grain plays up to mostFormants pulsaret trains sharing
  // its onset, length, window and random draws, train k at the grain's cps
  // times ratio k and its level times level k, placed at pan k where one
  // is given, else where the grain's own pan puts it. Each train takes a
  // voice of its own; a grain starts those that find one, in order. Each
  // message sets every formant: levels not given are 1, pans not given are
  // the grain's. A list holding a NaN changes nothing.
  static constexpr int mostFormants = 3;
  void setFormants(const double* ratios, int count);
  void setFormantLevels(const double* levels, int count);
  void setFormantPans(const double* pans, int count);
  // 1: setLength (and the length inlet) counts periods of the first
  // formant, so that a grain's duty cycle holds as its cps moves; 0: ms.
  void setLengthMode(int m) { lengthInCycles = m > 0; }

  // From the next vector on, `count` output channels (1 to 64) laid out
  // by options.routing; 0 goes back to the stereo pair. Allocates: for a
  // host's DSP start.
  void setOutputChannels(int count) { buffers.setChannels(count, pool); }
  int getOutputChannels() const { return buffers.channelCount(); }

  void setInterp(int mode);
  void setAbsoluteSR(double sr);
  void setOverlap(int n);
  void grain();
  // Every sounding grain fades out over 5 ms from the next block on, and
  // its voice is then free; the schedule goes on.
  void flush() { pool.flush(); }
  // Sets the random source's state, to reproduce a run.
  void setSeed(int s) { seed = s; }
  // A user's seed, mapped to a state of full period (zunSeedState); it takes
  // effect at the start of the next block.
  void reseed(long long userSeed) { seedRequest.ask(zunSeedState(userSeed)); }

  // Grain periods as real numbers of samples: a grain due between two
  // samples starts on the sample before, moved back by the fraction of a
  // sample it is early, so that the train is periodic between samples.
  void setSubsample(int on) { subsample = on != 0; }
  // Four-point cubic table reads.
  void setCubic(int on) { pool.setCubic(on != 0); }
  // Band-limited wave tables: each grain reads the levels of its wave
  // tables whose partials stay below half the sample rate up to the highest
  // frequency it reaches. Switching it off drops the levels; switching it
  // on makes none: the host refreshes each wave table afterwards.
  void setBandLimit(int on);
  bool getBandLimit() const { return bandLimit; }
  // Message side: with band-limiting on, makes the levels of wave table
  // `which` (0: wave table 1, 1: wave table 2) from the table that
  // resolve(use) hands over by calling use(table) once (the table as the
  // host has it now, readable during that call; empty when there is none)
  // and publishes them; with it off, drops them. Refreshes run one at a
  // time, so the levels published last come from the table resolved last.
  template <class Resolve>
  void refreshWaveLevels(int which, Resolve resolve) {
    std::lock_guard<std::mutex> serial(levelRefresh);
    std::unique_ptr<const zunWaveLevels> levels;
    if (bandLimit)
      resolve([&](const zunTable& table) {
        if (!table.empty()) levels = zunWaveLevels::make(table);
      });
    publishLevels(which, std::move(levels));
  }

  double getAbsoluteSR() const { return absoluteSR; }
  double getGrainLength() const { return length + lengthDeviation; }
  int getOverlappingFactor() const { return pool.overlappingFactor(); }
  int getNumOscActive() const { return pool.countActive(); }

  // Renders one vector into outs[0] (left) and outs[1] (right), or with
  // output channels set into outs[0] to outs[numOuts - 1], reading the
  // tables as they are handed over, down to the voices' reads.
  int Processing(double** ins, long numIns, double** outs, long numOuts, long sampleFrames,
                 const zunTable& wave1, const zunTable& window, const zunTable& wave2);
  // The same with each table given as its frames, its first float and its
  // stride (the distance in floats between consecutive frames).
  int Processing(double** ins, long numIns, double** outs, long numOuts, long sampleFrames,
                 long long wave1Frames, long long windowFrames, long long wave2Frames,
                 float* wave1, float* window, float* wave2, long long wave1Stride = 1,
                 long long windowStride = 1, long long wave2Stride = 1);
  // `lead`: how long before its due moment, in a fraction of a sample, the
  // grain starts.
  void initializeGrain(int offset, double lead = 0.0);
  double unipolar(double x);
  double bipolar(double x);

  zunSharedPool pool;
  zunRelaxed<int> seed;
  zunSeedRequest seedRequest;
  zunRelaxed<double> absoluteSR;
  unsigned long period;
  unsigned long sampleCounter;
  zunRelaxed<double> lengthDeviation;
  zunRelaxed<bool> toggle;
  zunRelaxed<double> level;
  zunRelaxed<double> width;
  zunRelaxed<bool> panningMode;
  zunRelaxed<double> attack;
  zunRelaxed<double> decay;
  zunRelaxed<double> length;
  zunRelaxed<double> density;
  zunRelaxed<double> cps;
  zunRelaxed<double> rndLength;
  zunRelaxed<double> rndDensity;
  zunRelaxed<double> rndCps;
  zunRelaxed<double> morph;
  zunRelaxed<double> rndMorph;
  zunRelaxed<double> glisson;
  zunRelaxed<double> rndGlisson;
  zunWorkBuffers buffers;
  zunGrainOptions options;
  zunRelaxed<double> rndMask{0.0};
  zunRelaxed<long> burstPlay{1};
  zunRelaxed<long> burstRest{0};
  zunRelaxed<bool> subsample;
  zunExactSchedule exactSchedule;
  zunRelaxed<bool> bandLimit;
  zunRelaxed<int> formantCount{1};
  zunRelaxed<double> formantRatio[mostFormants] = {1.0, 1.0, 1.0};
  zunRelaxed<double> formantLevel[mostFormants] = {1.0, 1.0, 1.0};
  zunRelaxed<double> formantPan[mostFormants] = {0.0, 0.0, 0.0};
  zunRelaxed<int> formantPanCount{0};  // the formants with a pan of their own
  zunRelaxed<bool> lengthInCycles{false};
  // The signal inlets after the trigger input, in this order.
  enum Inlet { cpsInlet, morphInlet, glissonInlet, lengthInlet, panInlet, levelInlet, inletCount };
  zunSignalInlets<inletCount> inlets;

 private:
  // What a grain starts with: each parameter as its message set it, or as
  // its connected inlet has it at the grain's onset.
  struct Onset {
    double cps, morph, glisson, length, width, level;
  };
  Onset onset(int offset, double lead) const;
  bool unmasked();
  // What every formant of a grain shares: its draws and its onset's values.
  struct Shared {
    int offset;
    double lead, amplitude, cps, length, glisson, drawn, morph, width, randomWidth;
    int formants;
  };
  // In seconds, as lengthMode counts it.
  double grainLength(const Onset& o, double grainCps) const;
  // Starts formant k of a grain on voice i, its route drawn from the seed
  // state `route`; returns the state after the draw.
  int startFormant(const Shared& g, int k, int i, int route);
  // The voice of a grain's formant, `started` of them started already: a
  // grain never takes its own formants' voices, stealing or not.
  int formantVoice(int offset, int started);
  // Swaps while no block renders; what it replaces is freed afterwards.
  // Called with levelRefresh held.
  void publishLevels(int which, std::unique_ptr<const zunWaveLevels> levels);
  zunBlockLevels levelsFor(const zunRenderJob& job) const;

  std::unique_ptr<const zunWaveLevels> waveLevels[2];
  std::mutex levelRefresh;

  // The burst pattern in force and the place in it (audio thread).
  long maskPlay = 0;
  long maskRest = 0;
  long maskCount = 0;
};
