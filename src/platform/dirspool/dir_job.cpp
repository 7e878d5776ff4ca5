#include "platform/dirspool/dir_job.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/dirspool/spool_os.h"
#include "platform/file_io.h"

namespace platform {

namespace {

// A name no other job has: the time to the nanosecond and the process.
std::string NewJobName() {
  using namespace std::chrono;
  const nanoseconds now = duration_cast<nanoseconds>(system_clock::now().time_since_epoch());
  const seconds whole = floor<seconds>(now);
  const std::tm local = spoolos::LocalTime(static_cast<std::time_t>(whole.count()));
  char stamp[80];
  std::snprintf(stamp, sizeof stamp, "job-%04d%02d%02d-%02d%02d%02d-%09ld-%ld.brl",
                local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                local.tm_sec, static_cast<long>((now - whole).count()), spoolos::ProcessId());
  return stamp;
}

}  // namespace

bool DirJob::Fail(const std::string& path) {
  *failure_ = "ファイル「" + path + "」に書けません: " +
              spoolos::ErrorText(std::error_code(errno, std::generic_category()));
  return false;
}

bool DirJob::StartDocument(std::string_view) {
  if (file_.IsOpen()) return false;
  failure_->clear();
  std::error_code ec;
  std::filesystem::create_directories(PathFromUtf8(folder_), ec);
  return file_.Create(folder_ + "/.partial-XXXXXX", 0644) || Fail(folder_);
}

bool DirJob::Write(const std::uint8_t* data, std::uint32_t size, std::uint32_t* written) {
  *written = 0;
  if (!file_.Append(data, size)) return Fail(folder_);
  *written = size;
  return true;
}

bool DirJob::EndDocument() {
  const std::string path = folder_ + "/" + NewJobName();
  return file_.Commit(path) || Fail(path);
}

void DirJob::AbortDocument() { file_.Discard(); }

void DirJob::Close() { AbortDocument(); }

}  // namespace platform
