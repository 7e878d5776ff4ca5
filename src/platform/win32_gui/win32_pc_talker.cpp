// PC-Talker's user library, loaded from the system's search path as PC-Talker installs it.
#include <optional>
#include <string>

#include "platform/text/cp932.h"
#include "platform/win32_gui/win32_gui_text.h"
#include "platform/win32_gui/win32_procedure.h"
#include "platform/win32_gui/win32_readers.h"

namespace platform::win32 {

namespace {

#ifdef _WIN64
constexpr wchar_t kLibrary[] = L"pctkusr64.dll";
#else
constexpr wchar_t kLibrary[] = L"pctkusr.dll";
#endif

// The sentence in code page 932. A character the code page lacks (in a file name) becomes
// the code page's default character rather than silencing the whole sentence.
std::string Cp932Text(std::string_view text) {
  if (std::optional<std::string> bytes = cp932::FromUtf8(text)) return *bytes;
  const std::wstring wide = Widen(text);
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(932, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(932, 0, wide.data(), size, bytes.data(), n, nullptr, nullptr);
  return bytes;
}

}  // namespace

bool PcTalkerVoice::Find() {
  library_ = LoadQuietly(kLibrary);
  if (library_ == nullptr) return false;
  status_ = Procedure<Status>(library_, "PCTKStatus");
  read_ = Procedure<Read>(library_, "PCTKPRead");
  if (status_ != nullptr && read_ != nullptr) return true;
  Drop();
  return false;
}

void PcTalkerVoice::Drop() {
  status_ = nullptr;
  read_ = nullptr;
  if (library_ != nullptr) FreeLibrary(library_);
  library_ = nullptr;
}

// PCTKPRead's result means nothing documented: a sentence handed over is taken as spoken.
Spoken PcTalkerVoice::Speak(std::string_view text) {
  if (status_ == nullptr) return Spoken::kFailed;
  if (status_() == 0) return Spoken::kNotRunning;
  const std::string bytes = Cp932Text(text);
  read_(bytes.c_str(), 0, 1);
  return Spoken::kYes;
}

}  // namespace platform::win32
