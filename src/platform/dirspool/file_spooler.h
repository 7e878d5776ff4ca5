// One printer whose jobs are written to one file: varnel-cli's --output. The file is
// replaced only when a job completes.
#pragma once

#include <string>

#include "platform/spooler.h"

namespace platform {

class FileSpooler : public Spooler {
 public:
  FileSpooler(std::string printerName, std::string port, std::string outputPath)
      : name_(std::move(printerName)), port_(std::move(port)), path_(std::move(outputPath)) {}

  bool EnumeratePrinters(std::vector<PrinterInfo>& printers) override;
  std::unique_ptr<PrinterConnection> Open(std::string_view printerName) override;

 private:
  std::string name_;
  std::string port_;
  std::string path_;
};

}  // namespace platform
