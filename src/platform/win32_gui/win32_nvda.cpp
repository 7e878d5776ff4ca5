// NVDA's controller client, from the program's own folder only: a library of that name
// elsewhere on the search path is not NVDA's to trust.
#include <string>

#include "platform/win32_gui/win32_gui_text.h"
#include "platform/win32_gui/win32_procedure.h"
#include "platform/win32_gui/win32_readers.h"

namespace platform::win32 {

namespace {

#ifdef _WIN64
constexpr wchar_t kLibrary[] = L"nvdaControllerClient64.dll";
#else
constexpr wchar_t kLibrary[] = L"nvdaControllerClient32.dll";
#endif

// The full name of `file` in the folder of the program; empty when it cannot be had.
std::wstring BesideProgram(const wchar_t* file) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {};
  return path.substr(0, slash + 1) + file;
}

}  // namespace

bool NvdaVoice::Find() {
  const std::wstring path = BesideProgram(kLibrary);
  if (path.empty()) return false;
  library_ = LoadQuietly(path.c_str(), LOAD_WITH_ALTERED_SEARCH_PATH);
  if (library_ == nullptr) return false;
  testIfRunning_ = Procedure<TestIfRunning>(library_, "nvdaController_testIfRunning");
  speak_ = Procedure<Message>(library_, "nvdaController_speakText");
  braille_ = Procedure<Message>(library_, "nvdaController_brailleMessage");
  if (testIfRunning_ != nullptr && speak_ != nullptr && braille_ != nullptr) return true;
  Drop();
  return false;
}

void NvdaVoice::Drop() {
  testIfRunning_ = nullptr;
  speak_ = nullptr;
  braille_ = nullptr;
  if (library_ != nullptr) FreeLibrary(library_);
  library_ = nullptr;
}

// A braille display that cannot show the message does not undo the speech.
Spoken NvdaVoice::Speak(std::string_view text) {
  if (testIfRunning_ == nullptr) return Spoken::kFailed;
  if (testIfRunning_() != 0) return Spoken::kNotRunning;
  const std::wstring sentence = Widen(text);
  if (speak_(sentence.c_str()) != 0) return Spoken::kFailed;
  braille_(sentence.c_str());
  return Spoken::kYes;
}

}  // namespace platform::win32
