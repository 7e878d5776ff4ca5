#include "platform/dirspool/spool_os.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace platform::spoolos {

namespace {

int Fd(const File& file) { return static_cast<int>(file.Handle()); }

}  // namespace

bool File::WriteAll(const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(Fd(*this), data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

long long File::ReadAt(std::uint8_t* data, std::size_t size, std::uint64_t offset) {
  for (;;) {
    const ssize_t n = ::pread(Fd(*this), data, size, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    return n;
  }
}

bool File::Truncate() {
  return ::ftruncate(Fd(*this), 0) == 0 && ::lseek(Fd(*this), 0, SEEK_SET) == 0;
}

bool File::Sync() { return ::fsync(Fd(*this)) == 0; }

bool File::Close() {
  if (!IsOpen()) return false;
  const int fd = Fd(*this);
  handle_ = kNone;
  return ::close(fd) == 0;
}

bool CreateUnique(std::string& pattern, File& file) {
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) return false;
  file = File(fd);
  return true;
}

bool SetMode(File& file, unsigned mode) {
  return ::fchmod(Fd(file), static_cast<mode_t>(mode)) == 0;
}

bool CreateUnnamed(const std::string& folder, File& file) {
  int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd < 0) {
    // A file system without nameless files: a name removed at once.
    std::string pattern = folder + "/varnel-XXXXXX";
    fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return false;
    ::unlink(pattern.c_str());
  }
  file = File(fd);
  return true;
}

bool OpenForWriting(const std::string& path, File& file) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  file = File(fd);
  return true;
}

bool CreateExclusive(const std::string& path, File& file) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  file = File(fd);
  return true;
}

bool Rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

void Remove(const char* path) noexcept { ::unlink(path); }

FileState Inspect(const std::string& path) {
  struct stat st = {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return {FileState::Kind::kMissing, 0, {}};
    return {FileState::Kind::kUnknown, 0, std::error_code(errno, std::generic_category())};
  }
  if (!S_ISREG(st.st_mode)) return {FileState::Kind::kOther, 0, {}};
  return {FileState::Kind::kRegular, static_cast<unsigned>(st.st_mode & 07777), {}};
}

std::string ResolvePath(const std::string& path) {
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) != nullptr ? resolved : path;
}

unsigned NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

std::string TempFolder() {
  const char* tmp = std::getenv("TMPDIR");
  return tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
}

bool FitsFolderName(std::string_view name) { return name.find('/') == std::string_view::npos; }

std::string ErrorText(const std::error_code& error) { return error.message(); }

std::tm LocalTime(std::time_t time) {
  std::tm local{};
  localtime_r(&time, &local);
  return local;
}

long ProcessId() { return static_cast<long>(::getpid()); }

void HoldingEndSignals(const std::function<void()>& action) {
  sigset_t all;
  sigset_t old;
  sigfillset(&all);
  ::pthread_sigmask(SIG_BLOCK, &all, &old);
  action();
  const int error = errno;  // what `action` left for its caller
  ::pthread_sigmask(SIG_SETMASK, &old, nullptr);
  errno = error;
}

}  // namespace platform::spoolos
