#include "platform/win32_gui/reader_voices.h"

#include <utility>

namespace platform::win32 {

ReaderVoices::ReaderVoices(std::vector<std::unique_ptr<ReaderVoice>> voices) {
  for (std::unique_ptr<ReaderVoice>& voice : voices) {
    if (voice == nullptr) continue;
    Entry entry{std::move(voice)};
    entry.found = entry.voice->Find();
    entries_.push_back(std::move(entry));
  }
}

ReaderVoices::~ReaderVoices() {
  for (Entry& entry : entries_) {
    if (entry.found) entry.voice->Drop();
  }
}

bool ReaderVoices::Say(std::string_view text) {
  bool spoken = false;
  for (Entry& entry : entries_) {
    if (!entry.found && entry.findAgain) {
      entry.findAgain = false;
      entry.found = entry.voice->Find();
    }
    if (!entry.found) continue;
    switch (entry.voice->Speak(text)) {
      case Spoken::kYes:
        spoken = true;
        break;
      case Spoken::kNotRunning:
        break;
      case Spoken::kFailed:
        entry.voice->Drop();
        entry.found = false;
        entry.findAgain = true;
        break;
    }
  }
  return spoken;
}

}  // namespace platform::win32
