// Services for windows without a screen: a scripted file chooser, a recording shell, a
// clock that only records, a scripted message pump and a fixed settings path.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/file_chooser.h"
#include "platform/message_pump.h"
#include "platform/shell.h"

namespace platform {

class ScriptedFileChooser : public FileChooser {
 public:
  std::optional<std::string> ChooseFileToOpen(std::string_view title,
                                              std::string_view filter) override;
  // The next showing returns this path; nothing means the user cancels.
  void Answer(std::optional<std::string> path) { answers_.push_back(std::move(path)); }
  int Showings() const { return showings_; }
  const std::string& LastTitle() const { return lastTitle_; }
  const std::string& LastFilter() const { return lastFilter_; }

 private:
  std::deque<std::optional<std::string>> answers_;
  int showings_ = 0;
  std::string lastTitle_;
  std::string lastFilter_;
};

class RecordingShell : public Shell {
 public:
  void OpenInBrowser(std::string_view address) override { opened_.emplace_back(address); }
  const std::vector<std::string>& Opened() const { return opened_; }

 private:
  std::vector<std::string> opened_;
};

// Records every wait without waiting.
class RecordingClock : public Clock {
 public:
  struct Wait {
    unsigned milliseconds;
    WaitPurpose purpose;
  };
  void Sleep(unsigned milliseconds, WaitPurpose purpose) override {
    waits_.push_back({milliseconds, purpose});
    if (watcher_) watcher_();
  }
  // Runs `watcher` at every wait.
  void OnEveryWait(std::function<void()> watcher) { watcher_ = std::move(watcher); }
  const std::vector<Wait>& Waits() const { return waits_; }
  // Total of the waits of one purpose.
  unsigned long long Total(WaitPurpose purpose) const;

 private:
  std::vector<Wait> waits_;
  std::function<void()> watcher_;
};

// Waits for real for the purposes it is asked to honour, and skips the others.
class SleepingClock : public Clock {
 public:
  explicit SleepingClock(bool userInterfaceWaits) : userInterfaceWaits_(userInterfaceWaits) {}
  void Sleep(unsigned milliseconds, WaitPurpose purpose) override;

 private:
  bool userInterfaceWaits_;
};

// Counts the pumps and runs what the script says the user does at a given pump.
class ScriptedPump : public MessagePump {
 public:
  void PumpPending() override;
  // Runs `action` at pump number `n` (1 for the first).
  void At(long n, std::function<void()> action) { actions_[n] = std::move(action); }
  // Runs `watcher` at every pump, after any action of that pump.
  void OnEveryPump(std::function<void()> watcher) { watcher_ = std::move(watcher); }
  long Count() const { return count_; }

 private:
  long count_ = 0;
  std::function<void()> watcher_;
  std::map<long, std::function<void()>> actions_;
};

class FixedEnvironment : public Environment {
 public:
  explicit FixedEnvironment(std::string settingsPath) : path_(std::move(settingsPath)) {}
  std::string SettingsFilePath(std::string_view) override { return path_; }

 private:
  std::string path_;
};

}  // namespace platform
