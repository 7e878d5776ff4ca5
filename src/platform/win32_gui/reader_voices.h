// Which screen reader speaks a sentence: every reader whose own speech interface is there
// and whose reader runs, each once; when none of them spoke, the caller raises the
// sentence as a UI Automation notification instead. The interfaces are looked up once, when
// the program starts, and again only after one of their calls failed, so that a key never
// waits for a library search; a reader started or stopped later is found by the running
// check each sentence makes. Nothing here knows the interfaces themselves, so that the
// choice can be tried with stand-ins.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

namespace platform::win32 {

// What a reader's interface did with a sentence.
enum class Spoken {
  kYes,         // the reader runs and took the sentence
  kNotRunning,  // the interface is there, the reader is not running
  kFailed,      // a call failed: the interface is to be looked up again
};

// One screen reader's own speech interface, loaded at run time.
class ReaderVoice {
 public:
  virtual ~ReaderVoice() = default;
  // Looks the interface up (loads its library, creates its object); false when it is not
  // there. Never waits for the reader.
  virtual bool Find() = 0;
  // Lets go of what Find found.
  virtual void Drop() = 0;
  // Speaks `text` (UTF-8) when the reader runs.
  virtual Spoken Speak(std::string_view text) = 0;
};

class ReaderVoices {
 public:
  // Looks each interface up.
  explicit ReaderVoices(std::vector<std::unique_ptr<ReaderVoice>> voices);
  ~ReaderVoices();
  ReaderVoices(const ReaderVoices&) = delete;
  ReaderVoices& operator=(const ReaderVoices&) = delete;

  // Speaks `text` through every running reader; true when one of them took it. A reader
  // whose call failed is not asked twice for the same sentence: its interface is looked
  // up again at the next one.
  bool Say(std::string_view text);

 private:
  struct Entry {
    std::unique_ptr<ReaderVoice> voice;
    bool found = false;
    bool findAgain = false;
  };
  std::vector<Entry> entries_;
};

}  // namespace platform::win32
