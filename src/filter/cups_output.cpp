#include "filter/cups_output.h"

#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>

namespace filter {

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

}  // namespace

void Report(std::string_view prefix, std::string_view message) {
  std::string line;
  std::size_t start = 0;
  while (start <= message.size()) {
    std::size_t end = message.find('\n', start);
    if (end == std::string_view::npos) end = message.size();
    std::string_view part = message.substr(start, end - start);
    if (!part.empty() && part.back() == '\r') part.remove_suffix(1);
    if (!part.empty()) {
      if (!line.empty()) line += ' ';
      line.append(part);
    }
    start = end + 1;
  }
  std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(prefix.size()), prefix.data(), line.c_str());
  std::fflush(stderr);
}

void AwaitStatusRead() {
  struct stat st = {};
  if (::fstat(STDERR_FILENO, &st) != 0 || !S_ISFIFO(st.st_mode)) return;
  for (int i = 0; i < 200; ++i) {
    int unread = 0;
    if (::ioctl(STDERR_FILENO, FIONREAD, &unread) != 0 || unread == 0) return;
    ::usleep(5000);
  }
}

BlockSink::BlockSink(int fd) : fd_(fd) { block_.reserve(kBlockSize); }

bool BlockSink::Put(std::uint8_t byte) {
  if (failed_) return false;
  block_.push_back(byte);
  return block_.size() < kBlockSize || Flush();
}

bool BlockSink::PutRun(std::span<const std::uint8_t> bytes) {
  // Each block goes out full, as byte by byte: only the copying is done a run at a time.
  while (!failed_ && !bytes.empty()) {
    const std::size_t take = std::min(bytes.size(), kBlockSize - block_.size());
    block_.insert(block_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(take));
    bytes = bytes.subspan(take);
    if (block_.size() == kBlockSize && !Flush()) return false;
  }
  return !failed_;
}

bool BlockSink::Flush() {
  std::size_t done = 0;
  while (!failed_ && done < block_.size()) {
    const ssize_t n = ::write(fd_, block_.data() + done, block_.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;  // a cancel interrupts a write to a stalled device; it goes on
    } else {
      failed_ = true;
    }
  }
  block_.clear();
  return !failed_;
}

void PageReporter::PageStarting(int, int, int page) {
  Finish();
  pending_ = page;
}

void PageReporter::Finish() {
  if (pending_ == 0) return;
  if (sink_.Flush()) std::fprintf(stderr, "PAGE: %d 1\n", pending_);
  pending_ = 0;
}

}  // namespace filter
