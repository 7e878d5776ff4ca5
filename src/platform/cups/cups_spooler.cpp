// Placeholder until the CUPS back end lands: a spooler that cannot be asked.
#include "platform/cups/cups_spooler.h"

#include "platform/utf8.h"

namespace platform {

CupsSpooler::CupsSpooler(std::function<bool()> keepWaiting) : keepWaiting_(std::move(keepWaiting)) {}
CupsSpooler::~CupsSpooler() = default;
bool CupsSpooler::EnumeratePrinters(std::vector<PrinterInfo>& printers) {
  printers.clear();
  return false;
}
std::unique_ptr<PrinterConnection> CupsSpooler::Open(std::string_view) { return nullptr; }
std::string UriWithoutCredentials(std::string_view uri) { return std::string(uri); }
std::string JobTitle(std::string_view documentName) {
  return std::string(Utf8Prefix(documentName, 255));
}

}  // namespace platform
