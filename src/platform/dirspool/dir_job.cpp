#include "platform/dirspool/dir_job.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace platform {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

// A name no other job has: the time to the nanosecond and the process.
std::string NewJobName() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  tm local{};
  localtime_r(&ts.tv_sec, &local);
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "job-%04d%02d%02d-%02d%02d%02d-%09ld-%d.brl",
                local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                local.tm_min, local.tm_sec, static_cast<long>(ts.tv_nsec),
                static_cast<int>(::getpid()));
  return stamp;
}

}  // namespace

bool DirJob::StartDocument(std::string_view) {
  if (fd_ >= 0) return false;
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  tempPath_ = folder_ + "/.partial-XXXXXX";
  fd_ = ::mkstemp(tempPath_.data());
  if (fd_ < 0) {
    tempPath_.clear();
    return false;
  }
  ::fchmod(fd_, 0644);
  failed_ = false;
  buffer_.clear();
  buffer_.reserve(kBufferSize);
  return true;
}

bool DirJob::Flush() {
  std::size_t done = 0;
  while (done < buffer_.size()) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  buffer_.clear();
  return true;
}

bool DirJob::Write(const std::uint8_t* data, std::uint32_t size, std::uint32_t* written) {
  *written = 0;
  if (fd_ < 0 || failed_) return false;
  buffer_.insert(buffer_.end(), data, data + size);
  if (buffer_.size() >= kBufferSize && !Flush()) {
    failed_ = true;
    return false;
  }
  *written = size;
  return true;
}

bool DirJob::EndDocument() {
  if (fd_ < 0) return false;
  bool ok = !failed_ && Flush() && ::fsync(fd_) == 0;
  ok = ::close(fd_) == 0 && ok;
  fd_ = -1;
  const std::string finalPath = folder_ + "/" + NewJobName();
  if (ok && ::rename(tempPath_.c_str(), finalPath.c_str()) == 0) {
    tempPath_.clear();
    return true;
  }
  ::unlink(tempPath_.c_str());
  tempPath_.clear();
  return false;
}

void DirJob::AbortDocument() {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
  ::unlink(tempPath_.c_str());
  tempPath_.clear();
  buffer_.clear();
}

void DirJob::Close() { AbortDocument(); }

}  // namespace platform
