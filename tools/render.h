#pragma once

// The render loop: sets the host up as the score says (tables in buffer~
// objects, the objects with their creation arguments), then runs the audio
// chain vector by vector, delivering each vector's due messages before
// processing it, and sums every object's two signal outlets into the stereo
// output. After each vector the scheduler moves on by the vector's length,
// so that the objects' clocks go off between vectors. Objects are
// independent, so each renders spans of many vectors on a thread of its
// own; their outputs are summed, and what they posted and sent out
// reported, in the order of a render on one thread.

#include <optional>
#include <string>
#include <vector>

#include "score.h"
#include "sound_file.h"
#include "tables.h"
#include "zunHost.h"

namespace zun::tools {

struct RenderSettings {
  double sampleRate = 44100.0;
  long vectorSize = 64;
  long long frames = 0;  // the length of the render
  // Each object that takes a "seed" message gets one as it is created,
  // before any message of the score (objectSeed). Without it they seed
  // themselves from the clock.
  std::optional<int> seed;
  // Threads that render objects side by side, the calling one included.
  // Each object renders on one thread at a time, taking its messages there;
  // the result is the same for any number.
  int jobs = 1;
  // The output's channels: outputChannels(score) for the whole of it.
  int channels = 2;
};

// As many channels as the widest object sends out as its objects are
// created (a stereo object and an object with one signal outlet count two),
// and two for a score without signal objects. Uses the host, which it
// leaves reset.
int outputChannels(const Score& score);

// The seed object k of the score (counting from 0) gets in a render seeded
// with `seed`: seed + k * 2^32, so the first object gets the seed itself and
// no two objects of any two renders get the same one.
long long objectSeed(int seed, std::size_t k);

// What a statement was doing when an object posted a line.
struct PostContext {
  int line = 0;              // 0: during audio processing
  const std::string* object = nullptr;
  const std::string* selector = nullptr;  // null for a creation
};

// The render's reports, as it goes. The default does nothing.
class RenderObserver {
 public:
  virtual ~RenderObserver() = default;
  virtual void console(double /*seconds*/, const zun::ConsoleLine&, const PostContext&) {}
  // An integer out of a non-signal outlet, such as the answer to "info".
  virtual void outlet(double /*seconds*/, const std::string& /*object*/, int /*outlet*/,
                      long long /*value*/) {}
  // A list out of a non-signal outlet, such as a grain event. `fields`
  // names its values where the outlet's assist text ends in them
  // ("...: sample voice ..."), and is empty otherwise.
  virtual void list(double /*seconds*/, const std::string& /*object*/, int /*outlet*/,
                    const std::vector<std::string>& /*fields*/,
                    const std::vector<zun::Atom>& /*values*/) {}
  // Any other message out of a non-signal outlet, such as an attribute's
  // value ("density 20").
  virtual void message(double /*seconds*/, const std::string& /*object*/, int /*outlet*/,
                       const std::string& /*selector*/, const std::vector<zun::Atom>& /*values*/) {}
  virtual void progress(long long /*framesDone*/, long long /*framesTotal*/) {}
  virtual bool cancelled() { return false; }
};

struct RenderResult {
  long long frames = 0;   // written
  bool cancelled = false;
  double peak = 0.0;      // the largest magnitude of a sample
  long long peakFrame = 0;
  std::vector<double> channelPeaks;  // the largest magnitude on each channel
  long long overs = 0;      // samples beyond full scale (magnitude > 1)
  long long nonFinite = 0;  // NaN, infinite or beyond the output's numbers: written as 0
  long long messages = 0;   // delivered
};

// Renders into `sink` (without finishing it). The host's state is reset
// first. Throws zun::HostError and std::runtime_error for failures of the
// host or the output.
RenderResult render(const Score& score, const std::vector<Table>& tables,
                    const RenderSettings& settings, AudioSink& sink, RenderObserver& observer);

}  // namespace zun::tools
