#pragma once

// When the score's messages reach their objects. A message is due at the
// first vector boundary at or after its time, as in Max's scheduler in
// audio interrupt; messages due at the same boundary go in time order, and
// in file order for equal times. A ramp becomes a stream of float messages
// as a line object sends them: FROM at T0, a value every interval, TO at T1.

#include <cstddef>
#include <queue>
#include <string>
#include <vector>

#include "score.h"

namespace zun::tools {

// The first frame at or after `seconds`. Times that land within a
// millionth of a frame of a whole frame count as that frame, so that
// 0.25 s at 44100 Hz is frame 11025 whatever the rounding of 0.25 * 44100.
long long frameAtOrAfter(double seconds, double sampleRate);

struct ScheduledMessage {
  double seconds = 0.0;
  long long frame = 0;  // frameAtOrAfter(seconds)
  int line = 0;         // the statement's line, which orders equal times
  long long step = 0;   // the step within a ramp
  const Token* object = nullptr;
  const Token* selector = nullptr;
  const Token* inlet = nullptr;  // the signal inlet named; null for the first
  std::vector<zun::Atom> args;
};

// The score's at and ramp messages in delivery order, made one at a time,
// so that long ramps take no memory.
class MessageSchedule {
 public:
  // Messages after `untilSeconds` are left out.
  MessageSchedule(const Score& score, double sampleRate, double untilSeconds);

  bool empty() const { return fixedNext_ >= fixed_.size() && ramps_.empty(); }
  // The frame of the next message; empty() must be false.
  long long nextFrame() const;
  ScheduledMessage pop();

 private:
  struct RampCursor {
    const RampStatement* ramp;
    long long step;
    double seconds;
    long long frame;
    bool last;  // this step sends TO at T1
  };
  struct Later {
    bool operator()(const RampCursor& a, const RampCursor& b) const;
  };

  RampCursor cursorAt(const RampStatement& r, long long step) const;
  bool fixedFirst() const;

  double rate_;
  double until_;
  std::vector<ScheduledMessage> fixed_;  // the at messages, sorted
  size_t fixedNext_ = 0;
  std::priority_queue<RampCursor, std::vector<RampCursor>, Later> ramps_;
};

}  // namespace zun::tools
