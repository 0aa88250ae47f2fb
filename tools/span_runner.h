#pragma once

// Runs the spans of several independent parts of a render on several
// threads: each part renders its spans in order, any part on any thread;
// the calling thread finishes each span, in order, once every part has
// rendered it. Threads take the next span of a part as soon as the part is
// free, so that no thread waits for the others at the end of a span.

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <vector>

namespace zun::tools {

class SpanRunner {
 public:
  struct Work {
    // Before the first part renders span s, under the runner's lock, in
    // span order.
    std::function<void(long long span)> prepare;
    // Part `part` renders span s, on any thread, after it rendered s - 1.
    std::function<void(long long span, int part)> render;
    // On the calling thread, in span order, once every part rendered s;
    // false stops the run.
    std::function<bool(long long span)> finish;
  };

  // `threads` counts the calling thread; at most `ahead` spans are
  // rendered and not yet finished.
  SpanRunner(int threads, int parts, long long spans, int ahead);

  // Returns once every span is finished or finish() said stop. Rethrows the
  // first exception any call threw.
  void run(const Work& work);

 private:
  // With the lock held: a span and part whose turn it is, if any.
  bool claim(long long& span, int& part);
  // Renders what claim() gave, without the lock.
  void renderClaimed(std::unique_lock<std::mutex>& lock, long long span, int part);
  bool rendered(long long span) const;
  void workerLoop();

  const int threads_;
  const int parts_;
  const long long spans_;
  const int ahead_;
  const Work* work_ = nullptr;

  std::mutex mutex_;
  std::condition_variable changed_;
  long long next_ = 0;            // the next span * parts_ + part to claim
  long long finished_ = 0;        // spans finished
  std::vector<long long> done_;   // spans each part has rendered
  bool stop_ = false;
  std::exception_ptr failure_;
};

}  // namespace zun::tools
