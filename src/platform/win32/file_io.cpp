// Windows implementation of the file operations: UTF-8 paths inside, UTF-16 at the API.
// The same rules as on POSIX: a file is replaced through a temporary file beside it, only
// when it could be opened for writing, and created only where no file of its name exists.
#include "platform/file_io.h"

#include "platform/win32/files.h"
#include "platform/win32/utf16.h"

namespace platform {

namespace {

using win32::FileHandle;

}  // namespace

ReadStatus ReadWholeFile(const std::string& path, std::size_t limit,
                         std::vector<std::uint8_t>& bytes) {
  bytes.clear();
  const std::optional<std::wstring> wide = win32::ApiPath(path);
  if (!wide) return ReadStatus::kCannotOpen;
  FileHandle file = win32::OpenRegularFileForReading(*wide);
  if (!file.IsOpen()) return ReadStatus::kCannotOpen;
  // One byte more than the limit tells a file of `limit` bytes from a shorter one.
  if (!win32::ReadUpTo(file.get(), limit, bytes)) return ReadStatus::kCannotOpen;
  if (bytes.size() >= limit) {
    bytes.clear();
    bytes.shrink_to_fit();
    return ReadStatus::kTooLarge;
  }
  return ReadStatus::kOk;
}

std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path,
                                                        std::size_t count) {
  const std::optional<std::wstring> wide = win32::ApiPath(path);
  if (!wide) return std::nullopt;
  FileHandle file = win32::OpenRegularFileForReading(*wide);
  if (!file.IsOpen()) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  if (!win32::ReadUpTo(file.get(), count, bytes)) return std::nullopt;
  return bytes;
}

namespace {

enum class TempResult { kWritten, kNoRoom, kFailed };

// Writes `bytes` to a temporary file beside `target` and sets `temp` to its name. kNoRoom
// when the folder cannot take one; kFailed when the bytes could not all be written (full
// disk, quota), and then nothing is left behind.
TempResult WriteTemporaryBeside(const std::wstring& target, const std::vector<std::uint8_t>& bytes,
                                std::wstring& temp) {
  FileHandle file = win32::CreateUniqueFile(target + L".", 0, temp);
  if (!file.IsOpen()) return TempResult::kNoRoom;
  bool ok =
      win32::WriteAll(file.get(), bytes.data(), bytes.size()) && FlushFileBuffers(file.get()) != 0;
  ok = file.Close() && ok;
  if (ok) return TempResult::kWritten;
  DeleteFileW(temp.c_str());
  return TempResult::kFailed;
}

enum class Kind { kMissing, kRegular, kReadOnly, kOther };

// What a path names: nothing, a file (one marked read-only apart), or something else (a
// folder, a path that cannot be asked about). `attributes` receives a file's attributes.
Kind KindOf(const std::wstring& path, DWORD& attributes) {
  attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    return win32::IsMissingError(GetLastError()) ? Kind::kMissing : Kind::kOther;
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return Kind::kOther;
  // Windows refuses to write a read-only file; so does Varnel, whoever runs it.
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return Kind::kReadOnly;
  return Kind::kRegular;
}

// True when the existing file opens for writing, as a file on disk (not a device). Opening
// without truncation changes nothing; a file its user may not write does not open.
bool OpensForWriting(const std::wstring& path) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, win32::kShareAll, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.IsOpen() && GetFileType(file.get()) == FILE_TYPE_DISK;
}

}  // namespace

bool OpensForReadingAndWriting(const std::string& path) {
  const std::optional<std::wstring> wide = win32::ApiPath(path);
  DWORD attributes = 0;
  if (!wide || KindOf(*wide, attributes) != Kind::kRegular) return false;
  FileHandle file(CreateFileW(wide->c_str(), GENERIC_READ | GENERIC_WRITE, win32::kShareAll,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.IsOpen() && GetFileType(file.get()) == FILE_TYPE_DISK;
}

bool ReplaceFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::optional<std::wstring> target = win32::ApiPath(path);
  if (!target) return false;
  DWORD attributes = 0;
  const Kind kind = KindOf(*target, attributes);
  if (kind == Kind::kOther || kind == Kind::kReadOnly) return false;
  const bool existed = kind == Kind::kRegular;
  // Renaming over the file needs only the folder's permission: the file's own is asked.
  if (existed && !OpensForWriting(*target)) return false;

  std::wstring temp;
  switch (WriteTemporaryBeside(*target, bytes, temp)) {
    case TempResult::kWritten:
      // The new content keeps the file's attributes (hidden ...), as on POSIX its mode.
      if (existed && (attributes & win32::kKeptAttributes) != 0) {
        SetFileAttributesW(temp.c_str(), attributes & win32::kKeptAttributes);
      }
      break;
    case TempResult::kNoRoom: {
      // The folder cannot take a temporary file: replace the content in place.
      FileHandle file(CreateFileW(target->c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
      return file.IsOpen() && GetFileType(file.get()) == FILE_TYPE_DISK &&
             win32::WriteAll(file.get(), bytes.data(), bytes.size()) &&
             SetEndOfFile(file.get()) != 0;
    }
    case TempResult::kFailed:
      // The bytes did not fit: truncating the file in place would lose the old content too.
      return false;
  }
  // ReplaceFileW keeps the replaced file's permissions too.
  if (existed && ReplaceFileW(target->c_str(), temp.c_str(), nullptr,
                              REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
    return true;
  }
  if (MoveFileExW(temp.c_str(), target->c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(temp.c_str());
  return false;
}

bool CreateFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::optional<std::wstring> target = win32::ApiPath(path);
  DWORD attributes = 0;
  if (!target || KindOf(*target, attributes) != Kind::kMissing) return false;
  std::wstring temp;
  if (WriteTemporaryBeside(*target, bytes, temp) != TempResult::kWritten) return false;
  // Without MOVEFILE_REPLACE_EXISTING the move never replaces a file that appeared
  // meanwhile.
  if (MoveFileExW(temp.c_str(), target->c_str(), MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileW(temp.c_str());
  return false;
}

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  const std::optional<std::wstring> wide = win32::ApiPath(utf8);
  return wide ? std::filesystem::path(*wide) : std::filesystem::path();
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  return win32::Utf8ForDisplay(path.native());
}

bool IsAbsent(const std::string& path) {
  const std::optional<std::wstring> wide = win32::ApiPath(path);
  return wide && GetFileAttributesW(wide->c_str()) == INVALID_FILE_ATTRIBUTES &&
         win32::IsMissingError(GetLastError());
}

// Asked by making a file, removed at once: the folder's permissions are an access list that
// only the system can evaluate.
bool FolderTakesNewFiles(const std::string& folder) {
  const std::optional<std::wstring> wide = win32::ApiPath(JoinPath(folder, ".varnel-"));
  if (!wide) return false;
  std::wstring probe;
  // Removed when the handle closes, here.
  return win32::CreateUniqueFile(*wide, FILE_FLAG_DELETE_ON_CLOSE | FILE_ATTRIBUTE_HIDDEN, probe)
      .IsOpen();
}

std::string JoinPath(const std::string& folder, std::string_view name) {
  std::string path = folder;
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  return path + std::string(name);
}

}  // namespace platform
