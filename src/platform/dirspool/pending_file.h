// A file written as a job goes, through a 64 KiB buffer, under a temporary name. It takes
// its final name only when complete; otherwise it is removed, by Discard or the destructor.
// So a job's file is whole or absent, and a job of any length costs the same memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dirspool/spool_os.h"

namespace platform {

class PendingFile {
 public:
  PendingFile() = default;
  ~PendingFile() { Discard(); }
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Creates the file from a pattern ending in "XXXXXX" with the permissions `mode`. False,
  // with errno set, when the folder cannot take it.
  bool Create(std::string pattern, unsigned mode);
  // Creates a file without a name in `folder`: nothing of it outlives the program. It can
  // only be copied into place.
  bool CreateUnnamed(const std::string& folder);
  bool IsOpen() const { return file_.IsOpen(); }

  // Appends bytes; false from the first write that fails. Many writes are of one byte (a
  // form feed, a byte of a paced port): such a byte goes straight into the buffer while it
  // has room.
  bool Append(const std::uint8_t* data, std::size_t size) {
    if (size == 1 && used_ < buffer_.size() && !failed_) {
      buffer_[used_++] = *data;
      return true;
    }
    return AppendBlock(data, size);
  }
  // Writes everything out and gives the file the name `path`, replacing any file of that
  // name. The file is removed when that fails.
  bool Commit(const std::string& path);
  // Writes everything out and copies the content over the content of `destination`, then
  // closes and removes this file.
  bool CopyInto(spoolos::File& destination);
  // Closes and removes the file.
  void Discard();

 private:
  bool AppendBlock(const std::uint8_t* data, std::size_t size);
  bool Flush();
  void Forget();

  spoolos::File file_;
  std::string path_;  // empty for a file without a name
  int slot_ = -1;     // its entry among the files RemovePendingFiles removes
  std::vector<std::uint8_t> buffer_;
  std::size_t used_ = 0;
  bool failed_ = false;
};

// Removes the named files of the jobs under way. Safe to call from a signal handler, so
// that a program ended by a signal leaves no temporary file behind.
void RemovePendingFiles() noexcept;

// Enters another temporary file of the program's, made or still to be made, for removal by
// RemovePendingFiles until it is forgotten. -1 when it could not be entered.
int RememberPendingPath(const std::string& path);
void ForgetPendingPath(int entry);

}  // namespace platform
