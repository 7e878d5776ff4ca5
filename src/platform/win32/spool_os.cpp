// The virtual embossers' and varnel-cli --output's needs on Windows.
#include "platform/dirspool/spool_os.h"

#include <cerrno>
#include <iterator>
#include <mutex>
#include <string>

#include "platform/win32/files.h"
#include "platform/win32/utf16.h"

namespace platform::spoolos {

namespace {

HANDLE NativeHandle(const File& file) { return reinterpret_cast<HANDLE>(file.Handle()); }

File Adopt(win32::FileHandle handle) {
  return File(reinterpret_cast<std::intptr_t>(handle.Release()));
}

// errno for a Windows error, for the callers that tell a name too long from other failures.
int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_INVALID_NAME:
    case ERROR_BUFFER_OVERFLOW:
      return ENAMETOOLONG;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    default:
      return EIO;
  }
}

std::wstring Wide(const std::string& utf8) { return win32::ApiPath(utf8).value_or(L""); }

// Opens `path` with `disposition`, for writing; errno set on failure.
bool OpenWrite(const std::string& path, DWORD disposition, File& file) {
  const std::wstring wide = Wide(path);
  if (wide.empty()) {
    errno = ENOENT;
    return false;
  }
  win32::FileHandle handle(CreateFileW(wide.c_str(), GENERIC_WRITE, win32::kShareAll, nullptr,
                                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle.IsOpen()) {
    errno = ErrnoOf(GetLastError());
    return false;
  }
  // Windows refuses to write a read-only file; so does Varnel, whoever runs it.
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle.get(), &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
    errno = EACCES;
    return false;
  }
  file = Adopt(std::move(handle));
  return true;
}

// Ctrl+C runs its handler on a thread of its own, while the program goes on: the files
// under way are entered for removal, or removed, one at a time.
std::mutex endSignalsHeld;

}  // namespace

bool File::WriteAll(const std::uint8_t* data, std::size_t size) {
  return win32::WriteAll(NativeHandle(*this), data, size);
}

long long File::ReadAt(std::uint8_t* data, std::size_t size, std::uint64_t offset) {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  const DWORD chunk = static_cast<DWORD>(size < (1u << 30) ? size : (1u << 30));
  DWORD n = 0;
  if (!ReadFile(NativeHandle(*this), data, chunk, &n, &at)) {
    return GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
  }
  return n;
}

bool File::Truncate() {
  LARGE_INTEGER start{};
  return SetFilePointerEx(NativeHandle(*this), start, nullptr, FILE_BEGIN) &&
         SetEndOfFile(NativeHandle(*this));
}

bool File::Sync() { return FlushFileBuffers(NativeHandle(*this)) != 0; }

bool File::Close() {
  if (!IsOpen()) return false;
  const HANDLE h = NativeHandle(*this);
  handle_ = kNone;
  return CloseHandle(h) != 0;
}

bool CreateUnique(std::string& pattern, File& file) {
  constexpr std::string_view kSuffix = "XXXXXX";
  if (pattern.size() < kSuffix.size() ||
      std::string_view(pattern).substr(pattern.size() - kSuffix.size()) != kSuffix) {
    errno = EINVAL;
    return false;
  }
  const std::wstring prefix = Wide(pattern.substr(0, pattern.size() - kSuffix.size()));
  if (prefix.empty()) {
    errno = ENOENT;
    return false;
  }
  // A name longer than a folder entry can be (255 characters) is refused as such, whatever
  // error the file system would give.
  const std::size_t slash = prefix.find_last_of(L"\\/");
  if (prefix.size() - (slash == std::wstring::npos ? 0 : slash + 1) + kSuffix.size() > 255) {
    errno = ENAMETOOLONG;
    return false;
  }
  std::wstring name;
  win32::FileHandle handle = win32::CreateUniqueFile(prefix, 0, name);
  if (!handle.IsOpen()) {
    errno = ErrnoOf(GetLastError());
    return false;
  }
  pattern = win32::Utf8ForDisplay(name);
  file = Adopt(std::move(handle));
  return true;
}

bool SetMode(File& file, unsigned mode) {
  if (mode == 0) return true;
  FILE_BASIC_INFO info{};
  info.FileAttributes = mode;
  return SetFileInformationByHandle(NativeHandle(file), FileBasicInfo, &info, sizeof info) != 0;
}

bool CreateUnnamed(const std::string& folder, File& file) {
  const std::wstring prefix = Wide(folder + "\\varnel-");
  std::wstring name;
  win32::FileHandle handle =
      win32::CreateUniqueFile(prefix, FILE_FLAG_DELETE_ON_CLOSE | FILE_ATTRIBUTE_TEMPORARY, name);
  if (!handle.IsOpen()) {
    errno = ErrnoOf(GetLastError());
    return false;
  }
  file = Adopt(std::move(handle));
  return true;
}

bool OpenForWriting(const std::string& path, File& file) {
  return OpenWrite(path, OPEN_EXISTING, file);
}

bool CreateExclusive(const std::string& path, File& file) {
  return OpenWrite(path, CREATE_NEW, file);
}

bool Rename(const std::string& from, const std::string& to) {
  const std::wstring source = Wide(from);
  const std::wstring target = Wide(to);
  return !source.empty() && !target.empty() &&
         MoveFileExW(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void Remove(const char* path) noexcept {
  try {
    const std::wstring wide = Wide(path);
    if (!wide.empty()) DeleteFileW(wide.c_str());
  } catch (...) {
    // Out of memory while the program ends: the file stays.
  }
}

FileState Inspect(const std::string& path) {
  const std::wstring wide = Wide(path);
  if (wide.empty()) {
    return {FileState::Kind::kUnknown, 0,
            std::error_code(ERROR_INVALID_NAME, std::system_category())};
  }
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (win32::IsMissingError(error)) return {FileState::Kind::kMissing, 0, {}};
    return {FileState::Kind::kUnknown, 0,
            std::error_code(static_cast<int>(error), std::system_category())};
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {FileState::Kind::kOther, 0, {}};
  return {
      FileState::Kind::kRegular, static_cast<unsigned>(attributes & win32::kKeptAttributes), {}};
}

std::string ResolvePath(const std::string& path) { return path; }

unsigned NewFileMode() { return 0; }

std::string TempFolder() {
  wchar_t buffer[MAX_PATH + 2];
  const DWORD n = GetTempPathW(static_cast<DWORD>(std::size(buffer)), buffer);
  if (n == 0 || n >= std::size(buffer)) return ".";
  std::wstring folder(buffer, n);
  while (folder.size() > 3 && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  return win32::Utf8ForDisplay(folder);
}

bool FitsFolderName(std::string_view name) {
  if (name.empty()) return false;
  if (name.find_first_of("<>:\"/\\|?*") != std::string_view::npos) return false;
  if (name.back() == '.' || name.back() == ' ') return false;
  // Device names, with or without an extension, name no file in any folder.
  std::string stem(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (char& c : stem) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return false;
  if (stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
      stem[3] >= '1' && stem[3] <= '9') {
    return false;
  }
  return true;
}

std::string ErrorText(const std::error_code& error) {
  if (error.category() == std::system_category()) {
    return win32::SystemMessage(static_cast<unsigned long>(error.value()));
  }
  return error.message();
}

std::tm LocalTime(std::time_t time) {
  std::tm local{};
  localtime_s(&local, &time);
  return local;
}

long ProcessId() { return static_cast<long>(GetCurrentProcessId()); }

void HoldingEndSignals(const std::function<void()>& action) {
  const std::lock_guard<std::mutex> held(endSignalsHeld);
  action();
}

}  // namespace platform::spoolos
