#include "platform/headless/scripted_services.h"

#include <chrono>
#include <thread>

namespace platform {

std::optional<std::string> ScriptedFileChooser::ChooseFileToOpen(std::string_view title,
                                                                 std::string_view filter) {
  ++showings_;
  lastTitle_ = std::string(title);
  lastFilter_ = std::string(filter);
  if (answers_.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

unsigned long long RecordingClock::Total(WaitPurpose purpose) const {
  unsigned long long total = 0;
  for (const Wait& w : waits_) {
    if (w.purpose == purpose) total += w.milliseconds;
  }
  return total;
}

void SleepingClock::Sleep(unsigned milliseconds, WaitPurpose purpose) {
  if (purpose == WaitPurpose::kUserInterface && !userInterfaceWaits_) return;
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void ScriptedPump::PumpPending() {
  ++count_;
  const auto it = actions_.find(count_);
  if (it != actions_.end()) {
    std::function<void()> action = std::move(it->second);
    actions_.erase(it);
    action();
  }
  if (watcher_) watcher_();
}

}  // namespace platform
