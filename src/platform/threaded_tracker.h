// Asks a spooler about a job on a thread of its own, at an interval, until the job ended:
// whoever follows the job takes the latest answer without waiting on the spooler. The
// thread starts at the first poll, so a job nobody follows costs nothing.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "platform/job_tracker.h"

namespace platform {

class ThreadedTracker : public JobTracker {
 public:
  // Runs on the thread alone: sets the report, or returns false without an answer. A
  // request that waits on the spooler gives up once `keepWaiting` says false (the
  // tracker is going).
  using Ask = std::function<bool(JobReport& report, const std::function<bool()>& keepWaiting)>;

  ThreadedTracker(Ask ask, std::chrono::milliseconds interval)
      : ask_(std::move(ask)), interval_(interval) {}
  ~ThreadedTracker() override {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
  }
  ThreadedTracker(const ThreadedTracker&) = delete;
  ThreadedTracker& operator=(const ThreadedTracker&) = delete;

  bool Poll(JobReport& report) override {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (!worker_.joinable()) worker_ = std::thread([this] { Run(); });
    if (!news_) return false;
    report = std::move(*news_);
    news_.reset();
    return true;
  }

 private:
  void Run() {
    const std::function<bool()> keepWaiting = [this] {
      const std::lock_guard<std::mutex> lock(mutex_);
      return !stopping_;
    };
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
      lock.unlock();
      JobReport report;
      const bool answered = ask_(report, keepWaiting);
      lock.lock();
      if (answered) {
        const bool ended = report.phase != JobPhase::kQueued;
        news_ = std::move(report);
        if (ended) return;
      }
      wake_.wait_for(lock, interval_, [this] { return stopping_; });
    }
  }

  Ask ask_;
  const std::chrono::milliseconds interval_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::optional<JobReport> news_;
  std::thread worker_;
};

}  // namespace platform
