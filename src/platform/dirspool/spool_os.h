// What the virtual embossers and varnel-cli --output ask of the operating system, apart
// from their rules: open files, unique and nameless files, renames, what a path names,
// local time, and holding back the signals that end the program. spool_os_posix.cpp and
// spool_os_win32.cpp implement it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace platform::spoolos {

// An open file, owned: the destructor closes it.
class File {
 public:
  File() = default;
  ~File() { Close(); }
  File(File&& other) noexcept : handle_(other.handle_) { other.handle_ = kNone; }
  File& operator=(File&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = other.handle_;
      other.handle_ = kNone;
    }
    return *this;
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  bool IsOpen() const { return handle_ != kNone; }
  // Writes all of `size` bytes; false from the first failure.
  bool WriteAll(const std::uint8_t* data, std::size_t size);
  // Reads up to `size` bytes at `offset`: how many were read, 0 at the end, -1 on an error.
  long long ReadAt(std::uint8_t* data, std::size_t size, std::uint64_t offset);
  // Empties the file; the next write goes to its start.
  bool Truncate();
  // Puts the written bytes on the disk.
  bool Sync();
  // True when the file was open and closed without error.
  bool Close();

  // The system's descriptor or handle: for the implementations.
  static constexpr std::intptr_t kNone = -1;
  explicit File(std::intptr_t handle) : handle_(handle) {}
  std::intptr_t Handle() const { return handle_; }

 private:
  std::intptr_t handle_ = kNone;
};

// Creates a new file from `pattern`, whose last six characters ("XXXXXX") are replaced to
// give a name no file has yet, for reading and writing. False, with errno set
// (ENAMETOOLONG when the name is too long), when the folder cannot take it.
bool CreateUnique(std::string& pattern, File& file);
// Gives the file the permissions `mode` (0644 ...; on Windows the attributes a replaced
// file keeps: hidden, system ...; 0 for none).
bool SetMode(File& file, unsigned mode);
// Creates a file without a name in `folder`, or one that disappears when it is closed:
// nothing of it outlives the program.
bool CreateUnnamed(const std::string& folder, File& file);
// Opens an existing file for writing, without changing it.
bool OpenForWriting(const std::string& path, File& file);
// Creates a file that must not exist yet, for writing.
bool CreateExclusive(const std::string& path, File& file);

// Gives the file `from` the name `to`, replacing any file of that name.
bool Rename(const std::string& from, const std::string& to);
// Removes a file. Safe in a signal handler on POSIX.
void Remove(const char* path) noexcept;

struct FileState {
  enum class Kind { kMissing, kRegular, kOther, kUnknown };
  Kind kind = Kind::kUnknown;
  unsigned mode = 0;      // a regular file's permissions (attributes on Windows)
  std::error_code error;  // why it is kUnknown
};
// What the path names (through symbolic links).
FileState Inspect(const std::string& path);
// The path with its symbolic links resolved where the system has them; the path itself
// when it cannot be resolved.
std::string ResolvePath(const std::string& path);
// The permissions a new file takes (0666 less the umask; none on Windows).
unsigned NewFileMode();
// The folder for temporary files.
std::string TempFolder();
// True when `name` (valid UTF-8 without control characters) can name a folder.
bool FitsFolderName(std::string_view name);
// A system error as one line of text.
std::string ErrorText(const std::error_code& error);

// The local time of a moment.
std::tm LocalTime(std::time_t time);
// This process's number.
long ProcessId();

// Runs `action` while the signals that end the program (Ctrl+C on Windows) wait, so that
// their handler finds the files `action` makes entered for removal.
void HoldingEndSignals(const std::function<void()>& action);

}  // namespace platform::spoolos
