#include "platform/win32/environment_win32.h"

#include <cstdint>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/file_io.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/utf16_win32.h"
// After windows.h.
#include <shlobj.h>

namespace platform {

namespace {

// A settings file is one record of 1024 bytes: anything this large is not one.
constexpr std::size_t kLargestSettingsFile = 64 * 1024;

bool IsAbsent(const std::string& path) {
  const std::optional<std::wstring> wide = win32::ApiPath(path);
  return wide && GetFileAttributesW(wide->c_str()) == INVALID_FILE_ATTRIBUTES &&
         win32::IsMissingError(GetLastError());
}

std::string Join(const std::string& folder, std::string_view name) {
  std::string path = folder;
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  return path + std::string(name);
}

}  // namespace

bool FolderTakesNewFiles(const std::string& folder) {
  const std::optional<std::wstring> wide = win32::ApiPath(Join(folder, ".varnel-"));
  if (!wide) return false;
  std::wstring probe;
  // Removed when the handle closes, here.
  return win32::CreateUniqueFile(*wide, FILE_FLAG_DELETE_ON_CLOSE | FILE_ATTRIBUTE_HIDDEN, probe)
      .IsOpen();
}

std::string ChooseSettingsPath(const std::string& executableDir, const std::string& appData,
                               std::string_view fileName, bool startUserFile) {
  const std::string beside = Join(executableDir, fileName);
  if (OpensForReadingAndWriting(beside)) return beside;
  if (IsAbsent(beside) && FolderTakesNewFiles(executableDir)) return beside;

  const std::string folder = Join(appData, "Varnel");
  const std::string own = Join(folder, fileName);
  if (!startUserFile) return IsAbsent(own) && !IsAbsent(beside) ? beside : own;
  std::error_code ec;
  std::filesystem::create_directories(PathFromUtf8(folder), ec);
  // The first time, the user's file starts as a copy of the one beside the program.
  std::vector<std::uint8_t> bytes;
  if (ReadWholeFile(beside, kLargestSettingsFile, bytes) == ReadStatus::kOk) {
    CreateFileAtomically(own, bytes);
  }
  return own;
}

std::string UserAppDataFolder() {
  if (const wchar_t* env = _wgetenv(L"APPDATA"); env != nullptr && env[0] != L'\0') {
    if (std::optional<std::string> utf8 = win32::Utf8FromUtf16(env)) return *utf8;
  }
  PWSTR known = nullptr;
  std::string folder = ".";
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known))) {
    folder = win32::Utf8FromUtf16(known).value_or(".");
  }
  CoTaskMemFree(known);
  return folder;
}

std::string ExecutableDir() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return ".";
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return ".";
  return win32::Utf8FromUtf16(std::wstring_view(path).substr(0, slash)).value_or(".");
}

std::string Win32Environment::SettingsFilePath(std::string_view fileName) {
  if (!override_.empty()) return override_;
  return ChooseSettingsPath(ExecutableDir(), UserAppDataFolder(), fileName, true);
}

std::string Win32Environment::SettingsFileToRead(std::string_view fileName) {
  if (!override_.empty()) return override_;
  return ChooseSettingsPath(ExecutableDir(), UserAppDataFolder(), fileName, false);
}

std::unique_ptr<Environment> MakeSystemEnvironment(std::string overridePath) {
  return std::make_unique<Win32Environment>(std::move(overridePath));
}

}  // namespace platform
