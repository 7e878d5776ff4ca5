// The Windows print spooler (winspool): its printers by name and port, and raw documents.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/spooler.h"

namespace platform::win32 {

class Spooler : public platform::Spooler {
 public:
  // The local printers and the connections to shared ones, with their names and port
  // names in UTF-8, asking no print server: the names at level 4, the local printers'
  // ports at level 5; a connection's port is left empty. A printer whose name is not
  // well-formed UTF-16 cannot be reopened by its UTF-8 name and is left out.
  bool EnumeratePrinters(std::vector<PrinterInfo>& printers) override;
  // The port of a listed printer asked on its own handle (a connection asks its server,
  // and only this one); empty when it cannot be asked.
  bool LookUpPort(std::string_view printerName, std::string& port) override;
  // Opens the printer of that exact name for printing.
  std::unique_ptr<PrinterConnection> Open(std::string_view printerName) override;
  // Why the last listing, opening or document failed, in the system's words.
  std::string LastError() const override { return *lastError_; }

 private:
  std::shared_ptr<std::string> lastError_ = std::make_shared<std::string>();
};

}  // namespace platform::win32
