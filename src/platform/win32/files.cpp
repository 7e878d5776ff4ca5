#include "platform/win32/files.h"

#include <algorithm>
#include <atomic>

#include "platform/win32/utf16.h"

namespace platform::win32 {

std::optional<std::wstring> ApiPath(std::string_view utf8) {
  std::optional<std::wstring> path = Utf16FromUtf8(utf8);
  if (!path || path->empty()) return std::nullopt;
  constexpr std::size_t kClassicLimit = 248;
  // Short paths, and paths already marked or naming a device, go as they are.
  if (path->size() < kClassicLimit || path->rfind(L"\\\\?\\", 0) == 0 ||
      path->rfind(L"\\\\.\\", 0) == 0) {
    return path;
  }
  const DWORD size = GetFullPathNameW(path->c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD n = GetFullPathNameW(path->c_str(), size, full.data(), nullptr);
  if (n == 0 || n >= size) return path;
  full.resize(n);
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);  // \\server\share
  return L"\\\\?\\" + full;
}

bool WriteAll(HANDLE file, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0) return false;
    data += written;
    size -= written;
  }
  return true;
}

bool ReadUpTo(HANDLE file, std::size_t count, std::vector<std::uint8_t>& out) {
  out.clear();
  std::size_t size = count;
  LARGE_INTEGER fileSize{};
  if (GetFileSizeEx(file, &fileSize) && fileSize.QuadPart >= 0 &&
      static_cast<unsigned long long>(fileSize.QuadPart) < count) {
    size = static_cast<std::size_t>(fileSize.QuadPart) + 1;
  }
  out.resize(size);
  std::size_t got = 0;
  while (got < count) {
    if (got == out.size()) out.resize(std::min(count, out.size() * 2));
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(out.size() - got, 1u << 30));
    DWORD n = 0;
    if (!ReadFile(file, out.data() + got, chunk, &n, nullptr)) {
      if (GetLastError() == ERROR_HANDLE_EOF) break;
      out.clear();
      return false;
    }
    if (n == 0) break;
    got += n;
  }
  out.resize(got);
  return true;
}

FileHandle OpenRegularFileForReading(const std::wstring& path) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) return {};
  // A folder does not open without FILE_FLAG_BACKUP_SEMANTICS; devices (CON, COM1) and
  // pipes do, and reading them could wait for ever.
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileInformationByHandle(file.get(), &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return {};
  }
  return file;
}

FileHandle CreateUniqueFile(const std::wstring& prefix, DWORD flags, std::wstring& name) {
  static std::atomic<unsigned> counter{0};
  static const wchar_t kDigits[] = L"0123456789abcdefghijklmnopqrstuvwxyz";
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned long long seed = GetTickCount64() * 1000003ULL + GetCurrentProcessId() * 7919ULL +
                              counter.fetch_add(1) * 104729ULL;
    name = prefix;
    for (int i = 0; i < 6; ++i) {
      name += kDigits[seed % 36];
      seed /= 36;
    }
    FileHandle file(CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, kShareAll,
                                nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL | flags, nullptr));
    if (file.IsOpen()) return file;
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
      name.clear();
      SetLastError(error);
      return {};
    }
  }
  name.clear();
  SetLastError(ERROR_FILE_EXISTS);
  return {};
}

bool IsMissingError(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace platform::win32
