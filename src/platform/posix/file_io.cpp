// POSIX implementation of the file operations.
#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace platform {

namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

// Reads up to `count` bytes; false on a read error. The buffer starts at the size the
// file says it has (and one byte more, to see a file that grew), so a small file does not
// cost a buffer of `count` bytes.
bool ReadUpTo(int fd, std::size_t count, std::vector<std::uint8_t>& out) {
  out.clear();
  struct stat st = {};
  std::size_t size = count;
  if (::fstat(fd, &st) == 0 && st.st_size >= 0 && static_cast<std::size_t>(st.st_size) < count) {
    size = static_cast<std::size_t>(st.st_size) + 1;
  }
  out.resize(size);
  std::size_t got = 0;
  while (got < count) {
    if (got == out.size()) out.resize(std::min(count, out.size() * 2));
    const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      out.clear();
      return false;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  out.resize(got);
  return true;
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool IsRegularOrMissing(const std::string& path) {
  struct stat st = {};
  if (::stat(path.c_str(), &st) != 0) return errno == ENOENT;
  return S_ISREG(st.st_mode);
}

// Opens a regular file for reading; -1 for anything else. Opening does not wait, so a
// named pipe chosen by mistake cannot hang the program.
int OpenRegularFile(const std::string& path) {
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) return -1;
  struct stat st = {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return -1;
  return fd.release();
}

}  // namespace

ReadStatus ReadWholeFile(const std::string& path, std::size_t limit,
                         std::vector<std::uint8_t>& bytes) {
  bytes.clear();
  Fd fd(OpenRegularFile(path));
  if (fd.get() < 0) return ReadStatus::kCannotOpen;
  // One byte more than the limit tells a file of `limit` bytes from a shorter one.
  if (!ReadUpTo(fd.get(), limit, bytes)) return ReadStatus::kCannotOpen;
  if (bytes.size() >= limit) {
    bytes.clear();
    bytes.shrink_to_fit();
    return ReadStatus::kTooLarge;
  }
  return ReadStatus::kOk;
}

std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path,
                                                        std::size_t count) {
  Fd fd(OpenRegularFile(path));
  if (fd.get() < 0) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  if (!ReadUpTo(fd.get(), count, bytes)) return std::nullopt;
  return bytes;
}

bool OpensForReadingAndWriting(const std::string& path) {
  // Without waiting, as for reading; a pipe or a device is no file to keep settings in.
  Fd fd(::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  struct stat st = {};
  return fd.get() >= 0 && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode);
}

namespace {

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

enum class TempResult { kWritten, kNoRoom, kFailed };

// Writes `bytes` to a temporary file beside `target`, with `mode`, and sets `temp` to its
// path. kNoRoom when the folder cannot take one; kFailed when the bytes could not all be
// written (full disk, size limit), and then nothing is left behind.
TempResult WriteTemporaryBeside(const std::string& target, const std::vector<std::uint8_t>& bytes,
                                mode_t mode, std::string& temp) {
  temp = target + ".XXXXXX";
  Fd fd(::mkstemp(temp.data()));
  if (fd.get() < 0) return TempResult::kNoRoom;
  bool ok = ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
  ok = (::close(fd.release()) == 0) && ok;
  if (ok) return TempResult::kWritten;
  ::unlink(temp.c_str());
  return TempResult::kFailed;
}

// The file a path names, through symbolic links; empty when it is neither a regular file
// nor missing.
std::string WritableTarget(const std::string& path) {
  std::string target = path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) != nullptr) target = resolved;
  if (target.empty() || !IsRegularOrMissing(target)) return {};
  return target;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string target = WritableTarget(path);
  if (target.empty()) return false;

  struct stat old = {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  // The rename needs only the folder's permission; the file's own must be asked here.
  // Opening without truncation changes nothing.
  if (existed && Fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC)).get() < 0) return false;

  std::string temp;
  switch (
      WriteTemporaryBeside(target, bytes, existed ? (old.st_mode & 07777) : NewFileMode(), temp)) {
    case TempResult::kWritten:
      break;
    case TempResult::kNoRoom: {
      // The folder cannot take a temporary file: replace the content in place, in one write.
      Fd in(::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
      return in.get() >= 0 && WriteAll(in.get(), bytes);
    }
    case TempResult::kFailed:
      // The bytes did not fit: truncating the file in place would lose the old content too.
      return false;
  }
  if (::rename(temp.c_str(), target.c_str()) == 0) return true;
  ::unlink(temp.c_str());
  return false;
}

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::string(utf8));
}

std::string Utf8FromPath(const std::filesystem::path& path) { return path.string(); }

bool CreateFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  struct stat st = {};
  if (::lstat(path.c_str(), &st) == 0 || errno != ENOENT) return false;
  std::string temp;
  if (WriteTemporaryBeside(path, bytes, NewFileMode(), temp) != TempResult::kWritten) return false;
  // A hard link never replaces a file that appeared meanwhile.
  const bool linked = ::link(temp.c_str(), path.c_str()) == 0;
  const int linkError = errno;
  ::unlink(temp.c_str());
  if (linked) return true;
  if (linkError == EEXIST) return false;
  // A file system without hard links: create exclusively and write in one go.
  Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  return fd.get() >= 0 && WriteAll(fd.get(), bytes);
}

bool IsAbsent(const std::string& path) {
  struct stat st = {};
  return ::lstat(path.c_str(), &st) != 0 && errno == ENOENT;
}

// Asked as the effective user, who makes the file (access() would ask as the real one).
bool FolderTakesNewFiles(const std::string& folder) {
  return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::string JoinPath(const std::string& folder, std::string_view name) {
  return folder + "/" + std::string(name);
}

}  // namespace platform
