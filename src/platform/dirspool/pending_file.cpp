#include "platform/dirspool/pending_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace platform {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

// The names of the files under way, for RemovePendingFiles. A signal handler reads them:
// an entry's name is complete before it is marked used.
struct Entry {
  volatile std::sig_atomic_t used = 0;
  char path[PATH_MAX] = {};
};
Entry entries[4];

int Remember(const std::string& path) {
  if (path.size() >= PATH_MAX) return -1;
  for (int i = 0; i < static_cast<int>(std::size(entries)); ++i) {
    if (entries[i].used) continue;
    std::memcpy(entries[i].path, path.c_str(), path.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    entries[i].used = 1;
    return i;
  }
  return -1;
}

// Holds back every signal while it lives: a signal that ends the program finds a new
// file already entered for removal.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t all;
    sigfillset(&all);
    ::pthread_sigmask(SIG_BLOCK, &all, &old_);
  }
  ~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &old_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t old_;
};

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

void RemovePendingFiles() noexcept {
  for (const Entry& e : entries) {
    if (e.used) ::unlink(e.path);
  }
}

bool PendingFile::Create(std::string pattern, mode_t mode) {
  if (fd_ >= 0) return false;
  {
    const SignalsHeld held;
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return false;
    fd_ = fd;
    slot_ = Remember(pattern);
  }
  path_ = std::move(pattern);
  if (::fchmod(fd_, mode) != 0) {
    const int error = errno;
    Discard();
    errno = error;
    return false;
  }
  buffer_.resize(kBufferSize);
  return true;
}

bool PendingFile::CreateUnnamed(const std::string& folder) {
  if (fd_ >= 0) return false;
  fd_ = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd_ < 0) {
    // A file system without nameless files: a name removed at once.
    std::string pattern = folder + "/varnel-XXXXXX";
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) return false;
    ::unlink(pattern.c_str());
  }
  buffer_.resize(kBufferSize);
  return true;
}

bool PendingFile::Flush() {
  if (!WriteAll(fd_, buffer_.data(), used_)) return false;
  used_ = 0;
  return true;
}

bool PendingFile::Append(const std::uint8_t* data, std::size_t size) {
  if (fd_ < 0 || failed_) return false;
  while (size > 0) {
    if (used_ == buffer_.size() && !Flush()) {
      failed_ = true;
      return false;
    }
    const std::size_t n = std::min(size, buffer_.size() - used_);
    std::memcpy(buffer_.data() + used_, data, n);
    used_ += n;
    data += n;
    size -= n;
  }
  return true;
}

bool PendingFile::Commit(const std::string& path) {
  if (fd_ < 0 || path_.empty()) return false;
  bool ok = !failed_ && Flush() && ::fsync(fd_) == 0;
  ok = ::close(fd_) == 0 && ok;
  fd_ = -1;
  ok = ok && ::rename(path_.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(path_.c_str());
  Forget();
  return ok;
}

bool PendingFile::CopyInto(int destination) {
  if (fd_ < 0) return false;
  bool ok = !failed_ && Flush() && ::ftruncate(destination, 0) == 0 &&
            ::lseek(destination, 0, SEEK_SET) == 0;
  for (off_t offset = 0; ok;) {
    const ssize_t n = ::pread(fd_, buffer_.data(), buffer_.size(), offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    offset += n;
    ok = WriteAll(destination, buffer_.data(), static_cast<std::size_t>(n));
  }
  ok = ok && ::fsync(destination) == 0;
  Discard();
  return ok;
}

void PendingFile::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!path_.empty()) ::unlink(path_.c_str());
  Forget();
}

void PendingFile::Forget() {
  if (slot_ >= 0) entries[slot_].used = 0;
  slot_ = -1;
  path_.clear();
  std::vector<std::uint8_t>().swap(buffer_);
  used_ = 0;
  failed_ = false;
}

}  // namespace platform
