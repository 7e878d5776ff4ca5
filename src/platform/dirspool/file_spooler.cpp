#include "platform/dirspool/file_spooler.h"

#include <cerrno>
#include <cstdint>

#include "platform/dirspool/pending_file.h"
#include "platform/dirspool/spool_os.h"

namespace platform {

namespace {

// The job goes to a temporary file beside the output file, renamed over it when the job
// completes: the output file holds the whole job or what it held before.
//
// Where the folder cannot take a temporary file (a folder the user cannot write holding a
// file the user can, or a name too long to take a suffix), the job waits in a nameless file
// of the temporary folder and is copied over the output file's content when it completes.
// Only a failure during that copy can leave the file part written.
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
  bool TakesRuns() const override { return true; }
  bool EndDocument() override;
  void AbortDocument() override {
    file_.Discard();
    destination_.Close();
  }
  void Close() override { AbortDocument(); }

 private:
  bool CopyIntoTarget();

  std::string path_;
  std::string target_;         // the file written: the output path through its symbolic links
  spoolos::File destination_;  // the target, open when its content is replaced in place
  bool inPlace_ = false;
  PendingFile file_;
};

bool FileJob::StartDocument(std::string_view) {
  if (file_.IsOpen() || path_.empty()) return false;
  target_ = spoolos::ResolvePath(path_);

  // Only a regular file is replaced, keeping its permissions; a new file has the
  // permissions the umask leaves.
  const spoolos::FileState state = spoolos::Inspect(target_);
  using Kind = spoolos::FileState::Kind;
  if (state.kind != Kind::kRegular && state.kind != Kind::kMissing) return false;
  const bool exists = state.kind == Kind::kRegular;
  const unsigned mode = exists ? state.mode : spoolos::NewFileMode();

  // The rename needs only the folder's permission: the file's own is asked here, so that a
  // file its user may not write is left alone (and refused now, not after the whole job).
  if (exists && !spoolos::OpenForWriting(target_, destination_)) return false;
  if (file_.Create(target_ + ".XXXXXX", mode)) {
    inPlace_ = false;
    destination_.Close();
    return true;
  }
  // A new file where not even a temporary file can be made cannot be made either, unless
  // only its name was too long for the suffix.
  inPlace_ = true;
  if ((exists || errno == ENAMETOOLONG) && file_.CreateUnnamed(spoolos::TempFolder())) return true;
  AbortDocument();
  return false;
}

bool FileJob::EndDocument() {
  if (!file_.IsOpen()) return false;
  return inPlace_ ? CopyIntoTarget() : file_.Commit(target_);
}

bool FileJob::CopyIntoTarget() {
  bool created = false;
  if (!destination_.IsOpen()) created = spoolos::CreateExclusive(target_, destination_);
  bool ok = destination_.IsOpen() && file_.CopyInto(destination_);
  if (destination_.IsOpen()) ok = destination_.Close() && ok;
  if (!ok && created) spoolos::Remove(target_.c_str());
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
