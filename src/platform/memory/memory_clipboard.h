// A clipboard in memory, which can be made busy.
#pragma once

#include <string>
#include <vector>

#include "platform/clipboard.h"

namespace platform {

class MemoryClipboard : public Clipboard {
 public:
  bool PutText(std::string_view text) override {
    if (busy_) return false;
    text_ = std::string(text);
    history_.push_back(text_);
    return true;
  }
  const std::string& Text() const { return text_; }
  const std::vector<std::string>& History() const { return history_; }
  // Another program holds the clipboard open.
  void SetBusy(bool busy) { busy_ = busy; }
  void SetText(std::string text) { text_ = std::move(text); }

 private:
  std::string text_;
  std::vector<std::string> history_;
  bool busy_ = false;
};

}  // namespace platform
