#include "platform/win32_gui/win32_reader_thread.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace platform::win32 {

namespace {

// How long the end of the program waits for sentences a reader has not yet taken.
constexpr std::chrono::milliseconds kLastWords{1500};

}  // namespace

// Shared by both threads; outlives the object when the thread is left to the process.
struct ReaderThread::State {
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<Sentence> said;
  std::vector<Sentence> unspoken;
  std::function<void()> wake;
  bool busy = false;
  bool stop = false;
  bool ended = false;
};

ReaderThread::ReaderThread(MakeVoices voices, std::function<void()> unspoken)
    : state_(std::make_shared<State>()) {
  state_->wake = std::move(unspoken);
  std::thread(&ReaderThread::Run, state_, std::move(voices)).detach();
}

ReaderThread::~ReaderThread() {
  std::unique_lock lock(state_->mutex);
  state_->stop = true;
  state_->wake = nullptr;
  state_->changed.notify_all();
  state_->changed.wait_for(lock, kLastWords, [this] { return state_->ended; });
}

void ReaderThread::Run(const std::shared_ptr<State>& state, const MakeVoices& voices) {
  // The readers' COM objects (JAWS) live in the thread's apartment.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  {
    ReaderVoices readers(voices());
    std::unique_lock lock(state->mutex);
    for (;;) {
      state->changed.wait(lock, [&] { return state->stop || !state->said.empty(); });
      if (state->said.empty()) break;
      Sentence sentence = std::move(state->said.front());
      state->said.pop_front();
      state->busy = true;
      lock.unlock();
      const bool spoken = readers.Say(sentence.text);
      lock.lock();
      state->busy = false;
      if (!spoken) {
        state->unspoken.push_back(std::move(sentence));
        if (state->wake) state->wake();
      }
      state->changed.notify_all();
    }
  }
  if (SUCCEEDED(com)) CoUninitialize();
  const std::lock_guard lock(state->mutex);
  state->ended = true;
  state->changed.notify_all();
}

void ReaderThread::Say(HWND window, std::string_view text) {
  const std::lock_guard lock(state_->mutex);
  state_->said.push_back({window, std::string(text)});
  state_->changed.notify_all();
}

std::vector<ReaderThread::Sentence> ReaderThread::TakeUnspoken() {
  const std::lock_guard lock(state_->mutex);
  return std::exchange(state_->unspoken, {});
}

bool ReaderThread::WaitIdle(std::chrono::milliseconds limit) {
  std::unique_lock lock(state_->mutex);
  return state_->changed.wait_for(lock, limit,
                                  [this] { return state_->said.empty() && !state_->busy; });
}

}  // namespace platform::win32
