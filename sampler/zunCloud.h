#pragma once

#include "zunGrainOptions.h"
#include "zunRandom.h"
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
  // Each grain reads backwards with probability p, as all do under
  // setInvert(1).
  void setRndReverse(double p);

  // From the next vector on, `count` output channels (1 to 64) laid out
  // by options.routing; 0 goes back to the stereo pair. Allocates: for a
  // host's DSP start.
  void setOutputChannels(int count) { buffers.setChannels(count, pool); }
  int getOutputChannels() const { return buffers.channelCount(); }

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

  // Renders one vector into outs[0] (left) and outs[1] (right), or with
  // output channels set into outs[0] to outs[numOuts - 1]. A stride is
  // the distance in floats between consecutive frames of a table.
  int Processing(double** ins, long numIns, double** outs, long numOuts, long n,
                 long long sampleFrameCount, long long windowFrameCount, float* sampleTable,
                 float* windowTable, long long sampleStride = 1, long long windowStride = 1);
  // `lead`: how long before its due moment, in a fraction of a sample, the
  // grain starts.
  void initializeGrain(int offset, double lead = 0.0);
  void convertPendingPosition();
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
  // The signal inlets after the trigger input, in this order.
  enum Inlet { positionInlet, pitchInlet, lengthInlet, panInlet, levelInlet, inletCount };
  zunSignalInlets<inletCount> inlets;

 private:
  // What a grain starts with: each parameter as its message set it, or as
  // its connected inlet has it at the grain's onset.
  struct Onset {
    double phase, pitch, length, width, level;
    bool positionSignal;
  };
  Onset onset(int offset, double lead) const;
  double startPosition(int offset, const Onset& o);

  zunScan scan;
};
