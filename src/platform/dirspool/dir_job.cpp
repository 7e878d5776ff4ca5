#include "platform/dirspool/dir_job.h"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace platform {

namespace {

// A name no other job has: the time to the nanosecond and the process.
std::string NewJobName() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  tm local{};
  localtime_r(&ts.tv_sec, &local);
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "job-%04d%02d%02d-%02d%02d%02d-%09ld-%d.brl",
                local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                local.tm_sec, static_cast<long>(ts.tv_nsec), static_cast<int>(::getpid()));
  return stamp;
}

}  // namespace

bool DirJob::StartDocument(std::string_view) {
  if (file_.IsOpen()) return false;
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  return file_.Create(folder_ + "/.partial-XXXXXX", 0644);
}

bool DirJob::Write(const std::uint8_t* data, std::uint32_t size, std::uint32_t* written) {
  *written = 0;
  if (!file_.Append(data, size)) return false;
  *written = size;
  return true;
}

bool DirJob::EndDocument() { return file_.Commit(folder_ + "/" + NewJobName()); }

void DirJob::AbortDocument() { file_.Discard(); }

void DirJob::Close() { AbortDocument(); }

}  // namespace platform
