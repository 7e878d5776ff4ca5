// The Windows print spooler (winspool): its printers by name and port, and raw documents.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/spooler.h"

namespace platform {

class Win32Spooler : public Spooler {
 public:
  // The local printers and the connections to shared ones (EnumPrinters, level 2), with
  // their names and port names in UTF-8. A printer whose name is not well-formed UTF-16
  // cannot be reopened by its UTF-8 name and is left out.
  bool EnumeratePrinters(std::vector<PrinterInfo>& printers) override;
  // Opens the printer of that exact name for printing.
  std::unique_ptr<PrinterConnection> Open(std::string_view printerName) override;
  std::string LastError() const override { return lastError_; }

 private:
  std::string lastError_;
};

}  // namespace platform
