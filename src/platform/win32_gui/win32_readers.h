// The speech interfaces of the screen readers Windows users run, each loaded at run time
// (no header or import library of theirs is needed): PC-Talker's and NVDA's libraries,
// JAWS's COM object. ReaderVoices chooses among them.
#pragma once

#include <string_view>

#include "platform/win32/windows_api.h"
#include "platform/win32_gui/reader_voices.h"

namespace platform::win32 {

// PC-Talker: its user library, from the system's search path (pctkusr64.dll, or
// pctkusr.dll in a 32-bit program). PCTKStatus() is non-zero while PC-Talker runs;
// PCTKPRead(text, 0, 1) speaks text in code page 932.
class PcTalkerVoice : public ReaderVoice {
 public:
  ~PcTalkerVoice() override { Drop(); }
  bool Find() override;
  void Drop() override;
  Spoken Speak(std::string_view text) override;

 private:
  using Status = int(__cdecl*)();
  using Read = int(__cdecl*)(const char*, int, int);
  HMODULE library_ = nullptr;
  Status status_ = nullptr;
  Read read_ = nullptr;
};

// NVDA: its controller client, beside the program where an administrator put it
// (nvdaControllerClient64.dll, or nvdaControllerClient32.dll in a 32-bit program). Each
// function returns 0 on success; testIfRunning succeeds while NVDA runs. The sentence goes
// to speech and to the braille display.
class NvdaVoice : public ReaderVoice {
 public:
  ~NvdaVoice() override { Drop(); }
  bool Find() override;
  void Drop() override;
  Spoken Speak(std::string_view text) override;

 private:
  using TestIfRunning = unsigned long(WINAPI*)();
  using Message = unsigned long(WINAPI*)(const wchar_t*);
  HMODULE library_ = nullptr;
  TestIfRunning testIfRunning_ = nullptr;
  Message speak_ = nullptr;
  Message braille_ = nullptr;
};

// JAWS: the COM class FreedomSci.JawsApi, registered where JAWS is installed, called by
// late binding: SayString(text, FALSE), FALSE to queue the sentence after what JAWS is
// saying. SayString returns false when JAWS does not run. Needs COM on the thread.
class JawsVoice : public ReaderVoice {
 public:
  ~JawsVoice() override { Drop(); }
  bool Find() override;
  void Drop() override;
  Spoken Speak(std::string_view text) override;

 private:
  IDispatch* api_ = nullptr;
  DISPID sayString_ = 0;
};

}  // namespace platform::win32
