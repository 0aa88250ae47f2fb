#pragma once

#include "zunGrainOptions.h"
#include "zunLiveRing.h"
#include "zunRandom.h"
#include "zunRegion.h"
#include "zunRelaxed.h"
#include "zunScheduler.h"
#include "zunScan.h"
#include "zunSharedPool.h"
#include "zunSignalInlets.h"
#include "zunWorkBuffers.h"

// The sample granulator: schedules grains that read a sample from a start
// position at a pitch, forwards or backwards, with random deviations of
// rate, duration, pitch and stereo position.
class zunCloud {
 public:
  zunCloud(int overlap, double sampleRate);
  virtual ~zunCloud();
  zunCloud(const zunCloud&) = delete;
  zunCloud& operator=(const zunCloud&) = delete;

  void setDefaults();
  void setBufferSize(unsigned int frames);

  void setLevel(double x);
  void setWidth(double x);
  void setPanningMode(int m);
  void setLength(double x);
  void setDensity(double x);
  void setRndLength(double x);
  void setRndDensity(double x);
  void setPitch(double x);
  void setRndPitch(double x);
  void setPhase(double x);
  void setSamplePosition(double x);
  void setToggle(int t);
  // A random spread of each grain's start: up to x/2 ms either side.
  void setRndPosition(double x);
  // The start position moving by itself; see zunScan.
  void setScanSpeed(double x);
  // Beyond a thousand times the sample's own rate a scan says nothing more.
  static constexpr double fastestScan = 1000.0;
  // Each grain reads backwards with probability p, as all do under
  // setInvert(1).
  void setRndReverse(double p);

  // From the next vector on, `count` output channels (1 to 64) laid out
  // by options.routing; 0 goes back to the stereo pair. Allocates: for a
  // host's DSP start.
  void setOutputChannels(int count) { buffers.setChannels(count, pool); }
  int getOutputChannels() const { return buffers.channelCount(); }
  // The window's attack and decay, as burst.zun~ takes them (1 and 1: the
  // window read plainly across the grain).
  void setAttack(double x);
  void setDecay(double x);
  // Where grains start: from startMs to endMs into the sample (an end of 0:
  // the sample's end; 0 and 0: the whole sample). Starts, their jitter and
  // the scan wrap inside it; a grain reads on past its end.
  void setRegion(double startMs, double endMs);
  // The rate the sample's frames play at pitch 0, which positions in ms and
  // scanning count in too: below 1 the output's (as the frames were always
  // read), 1 the table's own (as the host tells it, else the output's),
  // above 1 that many Hz.
  void setSampleRate(double x);
  static constexpr double highestSampleRate = 1e7;  // higher rates are this rate
  // Which channel of an interleaved sample grains read: 0 reads it as it
  // always was (the first channel), n the nth, the last one past it.
  void setSampleChannel(long long n);
  static constexpr long long mostSampleChannels = 4096;  // higher channels are this one
  // With 1, grains on a sample of two channels or more are stereo: that
  // channel (the first for 0) and the next, each through its own gain.
  void setStereoSample(int on);
  // Live input: the last `ms` of the live inlet recorded into a ring (0:
  // none, the sample as before), which grains then read in place of the
  // sample, their positions counting back from the newest frame. Allocates
  // (a message thread's); a new length starts an empty ring, and every
  // grain sounding fades out as after flush.
  void setLiveBuffer(double ms);
  static constexpr double longestLiveBuffer = 60000.0;  // ms; longer is this long
  // With 1 the ring records nothing and keeps what it holds.
  void setFreeze(int on) { frozen = on > 0; }

  void setInterp(int mode);
  void setInvert(int invert);
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

  double getAbsoluteSR() const { return absoluteSR; }
  double getGrainLength() const { return length + lengthDeviation; }
  int getOverlappingFactor() const { return pool.overlappingFactor(); }
  int getNumOscActive() const { return pool.countActive(); }
  // Whether grains read the live ring, which then needs no sample.
  bool isLive() const { return liveFrames > 0; }

  // Renders one vector into outs[0] (left) and outs[1] (right), or with
  // output channels set into outs[0] to outs[numOuts - 1], reading the
  // tables as they are handed over, down to the voices' reads. The
  // sample's channels and its own rate are those it carries.
  int Processing(double** ins, long numIns, double** outs, long numOuts, long n,
                 const zunTable& sample, const zunTable& window);
  // The same with each table given as its frames, its first float and its
  // stride (the distance in floats between consecutive frames); the
  // sample's channels are interleaved within its stride, and its own rate
  // is 0 where the host knows none.
  int Processing(double** ins, long numIns, double** outs, long numOuts, long n,
                 long long sampleFrameCount, long long windowFrameCount, float* sampleTable,
                 float* windowTable, long long sampleStride = 1, long long windowStride = 1,
                 long long sampleChannels = 1, double sampleTableRate = 0.0);
  // `lead`: how long before its due moment, in a fraction of a sample, the
  // grain starts.
  void initializeGrain(int offset, double lead = 0.0);
  void convertPendingPosition();
  // The rate the sample's frames play at pitch 0.
  double readRate() const;
  double unipolar(double x);
  double bipolar(double x);

  zunSharedPool pool;
  zunWorkBuffers buffers;
  zunRelaxed<unsigned long> sampleLength;
  unsigned long period;
  unsigned long sampleCounter;
  zunRelaxed<int> seed;
  zunSeedRequest seedRequest;
  zunRelaxed<double> absoluteSR;
  zunRelaxed<bool> toggle;
  zunRelaxed<bool> panningMode;
  zunRelaxed<double> pitch;
  zunRelaxed<double> level;
  zunRelaxed<double> width;
  zunRelaxed<double> length;
  zunRelaxed<double> density;
  zunRelaxed<double> rndLength;
  zunRelaxed<double> rndDensity;
  zunRelaxed<double> rndPitch;
  zunRelaxed<double> phase;
  zunRelaxed<double> lengthDeviation;
  zunGrainOptions options;
  zunRelaxed<double> rndPosition{0.0};
  zunRelaxed<double> scanSpeed{0.0};
  zunRelaxed<double> rndReverse{0.0};
  zunRelaxed<bool> subsample;
  zunExactSchedule exactSchedule;
  zunRelaxed<double> attack{0.5};
  zunRelaxed<double> decay{0.5};
  zunRelaxed<double> regionStart{0.0};  // ms
  zunRelaxed<double> regionEnd{0.0};    // ms
  zunRelaxed<double> sampleRateChoice{0.0};
  zunRelaxed<double> tableRate{0.0};  // the sample's own, as the last block had it
  zunRelaxed<long long> sampleChannel{0};
  zunRelaxed<bool> stereoSample{false};
  // The signal inlets after the trigger input, in this order.
  enum Inlet { positionInlet, pitchInlet, lengthInlet, panInlet, levelInlet, inletCount };
  zunSignalInlets<inletCount> inlets;
  // The live input, after them: host input 1 + inletCount.
  static constexpr int liveInlets = 1;

 private:
  // What a grain starts with: each parameter as its message set it, or as
  // its connected inlet has it at the grain's onset.
  struct Onset {
    double phase, pitch, length, width, level;
    bool positionSignal;
  };
  Onset onset(int offset, double lead) const;
  double startPosition(int offset, const Onset& o);
  // The block's sample as grains read it: its channel, or the pair of them
  // of a stereo grain (left and right).
  zunRenderJob jobFor(const zunTable& interleaved, const zunTable& window) const;

  // Where a live grain of `age` frames ago, reading `rate` frames a
  // sample for `seconds`, starts in the ring, as a fraction of it
  // (`start`), moved so that it reads nothing across the newest frame
  // (`age` then tells where it went); false when no place will do.
  bool placeLive(int offset, double rate, double seconds, double& age, double& start) const;
  // A ring of `ms` at `rate` made here, swapped in with the gate held, the
  // old one freed here; the same length keeps the ring as it is.
  void makeRing(double ms, double rate);
  // Audio thread, before a block's grains start: its `count` input
  // samples into the ring, unless frozen.
  void record(int count);

  zunScan scan;
  zunRegion region;  // the block's, in fractions of its sample
  zunLiveRing* ring = nullptr;  // swapped with the gate held
  zunRelaxed<double> liveMs{0.0};
  zunRelaxed<long long> liveFrames{0};
  zunRelaxed<bool> frozen{false};
  // Audio thread only: the vector's live input, the longest block yet and
  // what the block recorded.
  const double* liveInput = nullptr;
  int liveBlock = 0;
  int liveWritten = 0;
};
