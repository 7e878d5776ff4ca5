#include "platform/win32/console.h"

#include <windows.h>

#include <iostream>
#include <streambuf>
#include <string>

#include "platform/win32/utf16.h"

namespace platform::win32 {

namespace {

// The length of the UTF-8 sequence a byte starts; 1 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

// How many bytes at the end of `text` begin a character that is not complete yet.
std::size_t IncompleteTail(const std::string& text) {
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const auto b = static_cast<unsigned char>(text[text.size() - back]);
    if ((b & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    return SequenceLength(b) > back ? back : 0;
  }
  return 0;
}

class StandardStreamBuf : public std::streambuf {
 public:
  explicit StandardStreamBuf(DWORD which) : handle_(GetStdHandle(which)) {
    DWORD mode = 0;
    console_ = handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE &&
               GetConsoleMode(handle_, &mode) != 0;
    setp(buffer_, buffer_ + sizeof buffer_);
  }

 protected:
  int_type overflow(int_type c) override {
    if (!Flush()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return Flush() ? 0 : -1; }

 private:
  bool Flush() {
    pending_.append(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_, buffer_ + sizeof buffer_);
    if (pending_.empty()) return true;
    if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
      pending_.clear();
      return true;  // no stream to write to: the text goes nowhere, as on a closed stream
    }
    if (console_) return WriteToConsole();
    const bool ok = WriteBytes(pending_.data(), pending_.size());
    pending_.clear();
    return ok;
  }

  // A character cut between two flushes waits for its other bytes.
  bool WriteToConsole() {
    const std::size_t complete = pending_.size() - IncompleteTail(pending_);
    const std::wstring wide = Utf16ForConsole(std::string_view(pending_).substr(0, complete));
    pending_.erase(0, complete);
    const wchar_t* p = wide.data();
    std::size_t left = wide.size();
    while (left > 0) {
      DWORD written = 0;
      const DWORD chunk = static_cast<DWORD>(left < 8192 ? left : 8192);
      if (!WriteConsoleW(handle_, p, chunk, &written, nullptr) || written == 0) return false;
      p += written;
      left -= written;
    }
    return true;
  }

  bool WriteBytes(const char* data, std::size_t size) {
    while (size > 0) {
      DWORD written = 0;
      const DWORD chunk = static_cast<DWORD>(size < (1u << 20) ? size : (1u << 20));
      if (!WriteFile(handle_, data, chunk, &written, nullptr) || written == 0) return false;
      data += written;
      size -= written;
    }
    return true;
  }

  // Bytes that are not UTF-8 show as U+FFFD.
  static std::wstring Utf16ForConsole(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), n);
    return wide;
  }

  HANDLE handle_;
  bool console_ = false;
  char buffer_[4096];
  std::string pending_;
};

void (*beforeConsoleEnd)() = nullptr;

BOOL WINAPI OnConsoleEnd(DWORD event) {
  if (beforeConsoleEnd != nullptr) beforeConsoleEnd();
  // Ctrl+C and Ctrl+Break end the program with the status Windows gives them (Wine's own
  // default would give 0, as if the job had succeeded); the system ends it anyway when the
  // console closes or the session ends.
  if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) ExitProcess(STATUS_CONTROL_C_EXIT);
  return FALSE;
}

}  // namespace

void RunBeforeConsoleEnd(void (*action)()) {
  beforeConsoleEnd = action;
  SetConsoleCtrlHandler(OnConsoleEnd, TRUE);
}

void UseUtf8StandardStreams() {
  // Never destroyed: the streams flush at exit, after every static object of ours is gone.
  static StandardStreamBuf* const out = new StandardStreamBuf(STD_OUTPUT_HANDLE);
  static StandardStreamBuf* const err = new StandardStreamBuf(STD_ERROR_HANDLE);
  std::cout.rdbuf(out);
  std::cerr.rdbuf(err);
}

}  // namespace platform::win32
