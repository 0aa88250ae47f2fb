#include "span_runner.h"

#include <algorithm>
#include <thread>

namespace zun::tools {

SpanRunner::SpanRunner(int threads, int parts, long long spans, int ahead)
    : threads_(std::max(threads, 1)),
      parts_(std::max(parts, 1)),
      spans_(spans),
      ahead_(std::max(ahead, 1)),
      done_(static_cast<size_t>(std::max(parts, 1)), 0) {}

bool SpanRunner::claim(long long& span, int& part) {
  if (stop_ || next_ >= spans_ * parts_) return false;
  span = next_ / parts_;
  part = static_cast<int>(next_ % parts_);
  // The span needs a free place, and the part its previous span.
  if (span >= finished_ + ahead_ || done_[static_cast<size_t>(part)] != span) return false;
  if (part == 0) {
    try {
      work_->prepare(span);
    } catch (...) {
      failure_ = std::current_exception();
      stop_ = true;
      changed_.notify_all();
      return false;
    }
  }
  ++next_;
  return true;
}

void SpanRunner::renderClaimed(std::unique_lock<std::mutex>& lock, long long span, int part) {
  lock.unlock();
  try {
    work_->render(span, part);
  } catch (...) {
    lock.lock();
    if (!failure_) failure_ = std::current_exception();
    stop_ = true;
    changed_.notify_all();
    return;
  }
  lock.lock();
  ++done_[static_cast<size_t>(part)];
  changed_.notify_all();
}

bool SpanRunner::rendered(long long span) const {
  return std::all_of(done_.begin(), done_.end(), [span](long long d) { return d > span; });
}

void SpanRunner::workerLoop() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stop_ && next_ < spans_ * parts_) {
    long long span;
    int part;
    if (claim(span, part)) renderClaimed(lock, span, part);
    else changed_.wait(lock);
  }
}

void SpanRunner::run(const Work& work) {
  work_ = &work;
  std::vector<std::thread> workers;
  for (int t = 1; t < threads_; ++t) workers.emplace_back([this] { workerLoop(); });
  auto stopWorkers = [&] {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    changed_.notify_all();
    for (std::thread& w : workers) w.join();
  };
  try {
    for (long long s = 0; s < spans_; ++s) {
      {
        // Helps render while the span is not ready.
        std::unique_lock<std::mutex> lock(mutex_);
        while (!stop_ && !rendered(s)) {
          long long span;
          int part;
          if (claim(span, part)) renderClaimed(lock, span, part);
          else changed_.wait(lock);
        }
        if (stop_) break;
      }
      if (!work.finish(s)) break;
      std::lock_guard<std::mutex> lock(mutex_);
      finished_ = s + 1;
      changed_.notify_all();
    }
  } catch (...) {
    stopWorkers();
    throw;
  }
  stopWorkers();
  if (failure_) std::rethrow_exception(failure_);
}

}  // namespace zun::tools
