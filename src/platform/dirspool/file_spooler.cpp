#include "platform/dirspool/file_spooler.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>

#include "platform/dirspool/pending_file.h"

namespace platform {

namespace {

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

std::string TempFolder() {
  const char* tmp = std::getenv("TMPDIR");
  return tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
}

// The job goes to a temporary file beside the output file, renamed over it when the job
// completes: the output file holds the whole job or what it held before.
//
// Where the folder cannot take a temporary file (a folder the user cannot write holding a
// file the user can, or a name too long to take a suffix), the job waits in a nameless file
// of TMPDIR and is copied over the output file's content when it completes. Only a failure
// during that copy can leave the file part written.
class FileJob : public PrinterConnection {
 public:
  explicit FileJob(std::string path) : path_(std::move(path)) {}
  ~FileJob() override { Close(); }

  bool StartDocument(std::string_view) override;
  bool Write(const std::uint8_t* data, std::uint32_t size, std::uint32_t* written) override {
    *written = 0;
    if (!file_.Append(data, size)) return false;
    *written = size;
    return true;
  }
  bool EndDocument() override;
  void AbortDocument() override {
    file_.Discard();
    CloseDestination();
  }
  void Close() override { AbortDocument(); }

 private:
  bool CopyIntoTarget();
  void CloseDestination() {
    if (destination_ >= 0) ::close(destination_);
    destination_ = -1;
  }

  std::string path_;
  std::string target_;    // the file written: the output path through its symbolic links
  int destination_ = -1;  // the target, open when its content is replaced in place
  bool inPlace_ = false;
  PendingFile file_;
};

bool FileJob::StartDocument(std::string_view) {
  if (file_.IsOpen() || path_.empty()) return false;
  char resolved[PATH_MAX];
  target_ = ::realpath(path_.c_str(), resolved) != nullptr ? resolved : path_;

  // Only a regular file is replaced, keeping its permissions; a new file has the
  // permissions the umask leaves.
  struct stat st {};
  const bool exists = ::stat(target_.c_str(), &st) == 0;
  if (exists ? !S_ISREG(st.st_mode) : errno != ENOENT) return false;
  const mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~CurrentUmask());

  // The rename needs only the folder's permission: the file's own is asked here, so that a
  // file its user may not write is left alone (and refused now, not after the whole job).
  if (exists) {
    destination_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
    if (destination_ < 0) return false;
  }
  if (file_.Create(target_ + ".XXXXXX", mode)) {
    inPlace_ = false;
    CloseDestination();
    return true;
  }
  // A new file where not even a temporary file can be made cannot be made either, unless
  // only its name was too long for the suffix.
  inPlace_ = true;
  if ((exists || errno == ENAMETOOLONG) && file_.CreateUnnamed(TempFolder())) return true;
  AbortDocument();
  return false;
}

bool FileJob::EndDocument() {
  if (!file_.IsOpen()) return false;
  return inPlace_ ? CopyIntoTarget() : file_.Commit(target_);
}

bool FileJob::CopyIntoTarget() {
  bool created = false;
  if (destination_ < 0) {
    destination_ = ::open(target_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    created = destination_ >= 0;
  }
  bool ok = destination_ >= 0 && file_.CopyInto(destination_);
  if (destination_ >= 0) ok = ::close(destination_) == 0 && ok;
  destination_ = -1;
  if (!ok && created) ::unlink(target_.c_str());
  AbortDocument();
  return ok;
}

}  // namespace

bool FileSpooler::EnumeratePrinters(std::vector<PrinterInfo>& printers) {
  printers = {{name_, port_}};
  return true;
}

std::unique_ptr<PrinterConnection> FileSpooler::Open(std::string_view printerName) {
  if (printerName != name_) return nullptr;
  return std::make_unique<FileJob>(path_);
}

}  // namespace platform
