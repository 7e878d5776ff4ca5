// NVDA's controller client, from the program's own folder only: a library of that name
// elsewhere on the search path is not NVDA's to trust.
#include <string>

#include "platform/environment.h"
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

}  // namespace

bool NvdaVoice::Find() {
  // The folder is "." only when the program's own name cannot be had: never the
  // current folder.
  const std::string folder = ExecutableDir();
  if (folder == ".") return false;
  const std::wstring path = Widen(folder) + L"\\" + kLibrary;
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
