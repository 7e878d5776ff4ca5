// The screen readers' own voices on a thread of their own: looking an interface up, or a
// reader slow to answer its call, never holds the program's start or a key. The sentences
// are spoken in the order they were said; those no running reader took come back to the
// window's thread, to be raised there as UI Automation notifications.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/windows_api.h"
#include "platform/win32_gui/reader_voices.h"

namespace platform::win32 {

class ReaderThread {
 public:
  using MakeVoices = std::function<std::vector<std::unique_ptr<ReaderVoice>>()>;
  struct Sentence {
    HWND window;
    std::string text;
  };

  // Starts the thread, which makes the voices (and so looks them up) before it speaks.
  // `unspoken` is called on that thread, without waiting, each time a sentence no reader
  // took is ready for TakeUnspoken; never after the destructor began.
  ReaderThread(MakeVoices voices, std::function<void()> unspoken);
  // Lets the thread speak what is left for a moment; a thread held by a reader is left
  // to end with the process.
  ~ReaderThread();
  ReaderThread(const ReaderThread&) = delete;
  ReaderThread& operator=(const ReaderThread&) = delete;

  // Queues the sentence said in `window`; returns at once.
  void Say(HWND window, std::string_view text);
  // The sentences no reader took, oldest first, taken out of the thread's hands.
  std::vector<Sentence> TakeUnspoken();
  // Waits up to `limit` until every sentence said so far has been handled; false when the
  // time ran out.
  bool WaitIdle(std::chrono::milliseconds limit);

 private:
  struct State;
  static void Run(const std::shared_ptr<State>& state, const MakeVoices& voices);
  std::shared_ptr<State> state_;
};

}  // namespace platform::win32
