#include "platform/dirspool/pending_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iterator>

namespace platform {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
constexpr std::size_t kMaxPath = 4096;

// The names of the files under way, for RemovePendingFiles. A signal handler reads them:
// an entry's name is complete before it is marked used.
struct Entry {
  volatile std::sig_atomic_t used = 0;
  char path[kMaxPath] = {};
};
Entry entries[4];

int Remember(const std::string& path) {
  if (path.size() >= kMaxPath) return -1;
  for (int i = 0; i < static_cast<int>(std::size(entries)); ++i) {
    if (entries[i].used) continue;
    std::memcpy(entries[i].path, path.c_str(), path.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    entries[i].used = 1;
    return i;
  }
  return -1;
}

}  // namespace

void RemovePendingFiles() noexcept {
  for (const Entry& e : entries) {
    if (e.used) spoolos::Remove(e.path);
  }
}

int RememberPendingPath(const std::string& path) {
  int entry = -1;
  spoolos::HoldingEndSignals([&] { entry = Remember(path); });
  return entry;
}

void ForgetPendingPath(int entry) {
  if (entry >= 0 && entry < static_cast<int>(std::size(entries))) entries[entry].used = 0;
}

bool PendingFile::Create(std::string pattern, unsigned mode) {
  if (file_.IsOpen()) return false;
  bool created = false;
  // A signal that ends the program finds a new file already entered for removal.
  spoolos::HoldingEndSignals([&] {
    created = spoolos::CreateUnique(pattern, file_);
    if (created) slot_ = Remember(pattern);
  });
  if (!created) return false;
  path_ = std::move(pattern);
  if (!spoolos::SetMode(file_, mode)) {
    const int error = errno;
    Discard();
    errno = error;
    return false;
  }
  buffer_.resize(kBufferSize);
  return true;
}

bool PendingFile::CreateUnnamed(const std::string& folder) {
  if (file_.IsOpen()) return false;
  if (!spoolos::CreateUnnamed(folder, file_)) return false;
  buffer_.resize(kBufferSize);
  return true;
}

bool PendingFile::Flush() {
  if (!file_.WriteAll(buffer_.data(), used_)) return false;
  used_ = 0;
  return true;
}

bool PendingFile::AppendBlock(const std::uint8_t* data, std::size_t size) {
  if (!file_.IsOpen() || failed_) return false;
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
  if (!file_.IsOpen() || path_.empty()) return false;
  bool ok = !failed_ && Flush() && file_.Sync();
  ok = file_.Close() && ok;
  ok = ok && spoolos::Rename(path_, path);
  if (!ok) spoolos::Remove(path_.c_str());
  Forget();
  return ok;
}

bool PendingFile::CopyInto(spoolos::File& destination) {
  if (!file_.IsOpen()) return false;
  bool ok = !failed_ && Flush() && destination.Truncate();
  for (std::uint64_t offset = 0; ok;) {
    const long long n = file_.ReadAt(buffer_.data(), buffer_.size(), offset);
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    offset += static_cast<std::uint64_t>(n);
    ok = destination.WriteAll(buffer_.data(), static_cast<std::size_t>(n));
  }
  ok = ok && destination.Sync();
  Discard();
  return ok;
}

void PendingFile::Discard() {
  file_.Close();
  if (!path_.empty()) spoolos::Remove(path_.c_str());
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
