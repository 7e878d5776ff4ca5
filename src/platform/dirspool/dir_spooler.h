// Virtual embossers: printers that are folders. `--spooler dir:DIRECTORY` lists the
// printers of DIRECTORY/printers (one "NAME<TAB>PORT" a line) or, without that file, the
// virtual embossers it was given (one per model). DIRECTORY is made, with its parents, when it is
// first listed. Each job becomes a new file in DIRECTORY/<printer name>/, which appears complete or
// not at all.
#pragma once

#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "platform/spooler.h"

namespace platform {

class DirSpooler : public Spooler {
 public:
  // `virtualEmbossers`: the printers offered when DIRECTORY/printers does not exist.
  DirSpooler(std::string directory, std::vector<std::string> virtualEmbossers)
      : directory_(std::move(directory)), virtualEmbossers_(std::move(virtualEmbossers)) {}

  bool EnumeratePrinters(std::vector<PrinterInfo>& printers) override;
  std::unique_ptr<PrinterConnection> Open(std::string_view printerName) override;

  const std::string& Directory() const { return directory_; }
  // The folder that receives the jobs of a printer.
  std::string PrinterFolder(std::string_view printerName) const;
  // Why the last listing or the last document failed, in one line naming the folder or
  // file and the system's reason; empty when it succeeded.
  std::string LastError() const override { return *lastError_; }

 private:
  // Keeps the reason of a failed listing (the message's text around the path, and the
  // system's error).
  bool Fail(const char* before, const std::string& path, const char* after, std::error_code error);

  std::string directory_;
  std::vector<std::string> virtualEmbossers_;
  std::shared_ptr<std::string> lastError_ = std::make_shared<std::string>();
};

// True when a printer name can name a folder: valid UTF-8, no "/" or control
// characters, not "." or "..", at most 255 bytes, and on Windows none of the characters
// and device names (CON, LPT1 ...) that Windows keeps for itself.
bool IsUsablePrinterName(std::string_view name);

}  // namespace platform
