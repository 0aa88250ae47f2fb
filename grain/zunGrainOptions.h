#pragma once

#include <atomic>
#include <cmath>

#include "zunChannelRouting.h"
#include "zunEventQueue.h"
#include "zunRandom.h"
#include "zunRelaxed.h"
#include "zunScheduler.h"
#include "zunVoicePool.h"

// What both engines offer beyond their first set of controls, each off
// until asked for: a random drop of each grain's level, an equal-power pan
// law, grains started by a trigger signal, an event for each grain started
// voice stealing and the routing of a multichannel output. Off, none of
// them draws a random value or changes a sample.
class zunGrainOptions {
 public:
  // Message threads. A NaN names no value and changes nothing.
  void setRndLevel(double decibels) {
    if (!std::isnan(decibels)) rndLevel = std::fabs(decibels);
  }
  void setPanningLaw(int law) { equalPower = law > 0; }
  void setTriggerInput(int on) { triggerInput = on > 0; }
  void setEvents(int on) { eventsOn = on > 0; }
  void setSteal(int on) { stealing = on > 0; }
  bool steals() const { return stealing; }
  // The grains that found every voice sounding since the last call: those
  // dropped, and while stealing is on those that took a voice.
  unsigned takeCrowded() { return crowded.exchange(0, std::memory_order_relaxed); }

  // Audio thread: the voice a grain at `offset` takes: an idle one, else
  // while stealing is on the oldest grain's (zunVoicePool::steal), else -1.
  int voiceFor(zunVoicePool& pool, int offset) {
    const int idle = pool.idleAt(offset);
    if (idle >= 0) return idle;
    crowded.fetch_add(1, std::memory_order_relaxed);
    return stealing ? pool.steal(offset) : -1;
  }

  // Audio thread, once a vector: the trigger signal, or null when the
  // option is off or no signal came in. The first sample read after
  // switching on only becomes the sample before (NaN never crosses), so a
  // signal already above 0 starts no grain.
  const double* input(double** ins, long numIns) {
    if (!triggerInput) {
      inputWasOn = false;
      return nullptr;
    }
    if (!inputWasOn) previousInput = NAN;
    inputWasOn = true;
    return numIns > 0 && ins && ins[0] ? ins[0] : nullptr;
  }

  // The scheduling pass of an n-sample block: the engine's clock as
  // zunSchedule runs it (zunScheduleExact where `exact` is not null) and,
  // while `input` is not null, a grain at each upward zero crossing of the
  // input (the sample before <= 0, this one > 0), after the clock's grain
  // of the same sample. A triggered grain draws a period like any other but
  // leaves the clock's period as it was. `input` moves on to the next
  // block's samples. start(j, lead) starts a grain at sample j.
  template <class Start>
  void schedule(int n, const double*& input, unsigned long& counter, unsigned long& period,
                zunExactSchedule* exact, bool toggle, Start start) {
    auto clock = [&](auto afterSample) {
      if (exact) zunScheduleExact(n, counter, *exact, toggle, start, afterSample);
      else zunSchedule(n, counter, period, toggle, start, afterSample);
    };
    if (!input) {
      clock(zunNothingAfterSample());
    } else {
      const double* in = input;
      clock([&](int j) {
        if (previousInput <= 0.0 && in[j] > 0.0) {
          const unsigned long kept = period;
          const zunExactSchedule keptExact = exact ? *exact : zunExactSchedule();
          start(j, 0.0);
          period = kept;
          if (exact) *exact = keptExact;
        }
        previousInput = in[j];
      });
      input += n;
    }
    elapsed += n;
  }

  // Samples of a vector the engine did not render still pass.
  void skip(long n) { elapsed += static_cast<unsigned long long>(n > 0 ? n : 0); }
  unsigned long long sampleAt(int offset) const { return elapsed + static_cast<unsigned>(offset); }

  // A grain's level: `level` lowered by a random 0 to rndLevel dB.
  template <class State>
  double level(double level, State& seed) const {
    const double spread = rndLevel;
    if (!(spread > 0.0)) return level;
    double drop = zunUnipolar(seed, spread);
    if (!(drop > 0.0)) drop = 0.0;  // the draw's range reaches a hair below 0
    return level * std::pow(10.0, drop / -20.0);
  }

  // A grain's gains under the law in force: at a manual position `width`
  // (0 left, 1 right), or at a random offset `randomWidth` (0 to width)
  // within the spread.
  zunGains pan(bool manual, double width, double randomWidth) const;
  // Voice i's route over `count` channels (0: the stereo pair, which has
  // none) from the gains pan() gave its grain; the grain's last draw.
  template <class State>
  void route(zunVoicePool& pool, int i, zunGains gains, State& seed, int count) const {
    if (count > 0)
      pool.routes[i] = routing.route(i, gains.left, gains.right, equalPower, count, seed);
  }

  bool wantsEvents() const { return eventsOn; }
  // What every engine's event tells of voice i, started `offset` samples
  // into the block.
  zunGrainEvent started(const zunVoicePool& pool, int i, int offset, unsigned long period) const {
    zunGrainEvent e;
    e.sample = sampleAt(offset);
    e.voice = i;
    e.period = period;
    e.length = pool.voices[i]->latched().length;
    e.level = pool.voices[i]->latched().amplitude;
    e.gainLeft = pool.gainLeft[i];
    e.gainRight = pool.gainRight[i];
    e.channel = zunChannelRouting::loudest(pool.routes[i]) + 1;
    return e;
  }
  void emit(const zunGrainEvent& event) { events.push(event); }

  zunRelaxed<double> rndLevel{0.0};
  zunRelaxed<bool> equalPower{false};
  zunRelaxed<bool> triggerInput{false};
  zunRelaxed<bool> eventsOn{false};
  zunRelaxed<bool> stealing{false};
  std::atomic<unsigned> crowded{0};
  zunChannelRouting routing;
  zunEventQueue events;

 private:
  // Audio thread only.
  unsigned long long elapsed = 0;
  double previousInput = 0.0;
  bool inputWasOn = false;
};
