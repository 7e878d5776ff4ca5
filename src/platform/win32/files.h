// File handles and the few file operations the Windows back ends share.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::win32 {

// The path to give the file API for a UTF-8 path: its UTF-16 spelling, made absolute and
// marked \\?\ when it is too long for the classic limit of 260 characters (folders: 248),
// so that deep folders and long names work where the system allows long paths. Nothing
// for bytes that are not UTF-8 or an empty path.
std::optional<std::wstring> ApiPath(std::string_view utf8);

// An open file handle, closed by the destructor.
class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(FileHandle&& other) noexcept : handle_(other.Release()) {}
  FileHandle& operator=(FileHandle&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = other.Release();
    }
    return *this;
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE get() const { return handle_; }
  HANDLE Release() {
    const HANDLE h = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return h;
  }
  // True when the handle was open and closed without error.
  bool Close() {
    if (!IsOpen()) return false;
    const bool ok = CloseHandle(Release()) != 0;
    return ok;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Every sharing mode: other programs may read, write, rename and delete the file while it
// is open (a file being written can still be removed when the program is interrupted).
inline constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Writes all of `size` bytes; false on the first failure.
bool WriteAll(HANDLE file, const std::uint8_t* data, std::size_t size);

// Reads up to `count` bytes from the current position; false on a read error. The buffer
// starts at the file's size (and one byte more, to see a file that grew).
bool ReadUpTo(HANDLE file, std::size_t count, std::vector<std::uint8_t>& out);

// Opens an existing regular file for reading; nothing for a folder, a device or a pipe.
FileHandle OpenRegularFileForReading(const std::wstring& path);

// Creates a new file named `prefix` followed by six characters, for reading and writing,
// with `flags` (FILE_FLAG_...) and every sharing mode, and sets `name` to its name.
// Closed when no such file could be made; GetLastError says why.
FileHandle CreateUniqueFile(const std::wstring& prefix, DWORD flags, std::wstring& name);

// The attributes a file keeps when its content is replaced.
inline constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                         FILE_ATTRIBUTE_ARCHIVE |
                                         FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// True when GetLastError's code says the file (or a folder on its path) does not exist.
bool IsMissingError(DWORD error);

}  // namespace platform::win32
