// The queues of the CUPS scheduler, and opening one of them.
#include "platform/cups/cups_spooler.h"

#include <iterator>
#include <string_view>

#include "platform/cups/cups_http.h"
#include "platform/cups/cups_job.h"
#include "platform/cups/cups_library.h"

namespace platform::cups {

namespace {

// Whether a reply carries a successful status.

// Adds the printer described by the attributes of one printer group, if it has a name.
void AddPrinter(std::vector<PrinterInfo>& printers, const char* name, const char* deviceUri) {
  if (name == nullptr || name[0] == '\0') return;
  printers.push_back({name, deviceUri != nullptr ? UriWithoutCredentials(deviceUri) : ""});
}

// Whether the scheduler has a queue of exactly this name. One attribute is asked for:
// the answer's status is all that counts, and a smaller request keeps a job close to the
// cost of `lp`.
bool QueueExists(http_t* http, const std::string& name) {
  ipp_t* request = QueueRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, name);
  if (request == nullptr) return false;
  Cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                      "printer-name");
  const Ipp response(Cups().cupsDoRequest(http, request, "/"));  // frees `request`
  return response != nullptr && LastRequestSucceeded();
}

}  // namespace

Spooler::Spooler(std::function<bool()> keepWaiting) : keepWaiting_(std::move(keepWaiting)) {}
Spooler::~Spooler() = default;

bool Spooler::EnumeratePrinters(std::vector<PrinterInfo>& printers) {
  printers.clear();
  lastError_->clear();
  const std::unique_ptr<cups::Http> http = cups::Http::Connect(keepWaiting_);
  if (!http) {
    *lastError_ = cups::ConnectError();
    return false;
  }

  // Asked directly rather than through cupsGetDests: no lpoptions instances, no network
  // browsing, and a server that does not answer is told apart from one without queues.
  static const char* const kAttributes[] = {"printer-name", "device-uri"};
  ipp_t* request = Cups().ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
  Cups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                       static_cast<int>(std::size(kAttributes)), nullptr, kAttributes);
  Cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                      Cups().cupsUser());
  const Ipp response(Cups().cupsDoRequest(http->get(), request, "/"));  // frees `request`
  const ipp_status_t status = Cups().cupsLastError();
  if (status == IPP_STATUS_ERROR_NOT_FOUND) return true;  // the server has no queue
  if (!response || !Succeeded(status)) {
    *lastError_ = cups::ServerError();
    return false;
  }

  // Printer groups follow one another; an attribute of another group ends one.
  const char* name = nullptr;
  const char* deviceUri = nullptr;
  bool inPrinter = false;
  for (ipp_attribute_t* a = Cups().ippFirstAttribute(response.get()); a != nullptr;
       a = Cups().ippNextAttribute(response.get())) {
    const char* attribute = Cups().ippGetName(a);
    if (Cups().ippGetGroupTag(a) != IPP_TAG_PRINTER || attribute == nullptr) {
      if (inPrinter) AddPrinter(printers, name, deviceUri);
      name = deviceUri = nullptr;
      inPrinter = false;
      continue;
    }
    inPrinter = true;
    const std::string_view key(attribute);
    if (key == "printer-name") {
      name = Cups().ippGetString(a, 0, nullptr);
    } else if (key == "device-uri") {
      deviceUri = Cups().ippGetString(a, 0, nullptr);
    }
  }
  if (inPrinter) AddPrinter(printers, name, deviceUri);
  listed_ = printers;
  listedAt_ = std::chrono::steady_clock::now();
  return true;
}

const PrinterInfo* Spooler::Listed(std::string_view printerName) const {
  constexpr std::chrono::seconds kMoment(2);
  if (std::chrono::steady_clock::now() - listedAt_ > kMoment) return nullptr;
  for (const PrinterInfo& p : listed_) {
    if (p.name == printerName) return &p;
  }
  return nullptr;
}

bool Spooler::LookUpPort(std::string_view printerName, std::string& port) {
  lastError_->clear();
  if (const PrinterInfo* listed = Listed(printerName)) {
    port = listed->port;
    return true;
  }
  if (!LibraryLoaded()) {
    *lastError_ = cups::ConnectError();
    return false;
  }
  const std::string name(printerName);
  // An empty name would stand for the default queue; a name that makes no URI names none.
  ipp_t* request = name.empty() ? nullptr : QueueRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, name);
  if (request == nullptr) return true;
  const std::unique_ptr<cups::Http> http = cups::Http::Connect(keepWaiting_);
  if (!http) {
    Cups().ippDelete(request);
    *lastError_ = cups::ConnectError();
    return false;
  }
  static const char* const kAttributes[] = {"printer-name", "device-uri"};
  Cups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                       static_cast<int>(std::size(kAttributes)), nullptr, kAttributes);
  const Ipp response(Cups().cupsDoRequest(http->get(), request, "/"));  // frees `request`
  const ipp_status_t status = Cups().cupsLastError();
  if (status == IPP_STATUS_ERROR_NOT_FOUND) return true;
  if (!response || !Succeeded(status)) {
    *lastError_ = cups::ServerError();
    return false;
  }
  // The scheduler finds a queue whatever the letter case; the name must be exactly this one.
  ipp_attribute_t* found = Cups().ippFindAttribute(response.get(), "printer-name", IPP_TAG_NAME);
  const char* foundName = found != nullptr ? Cups().ippGetString(found, 0, nullptr) : nullptr;
  if (foundName == nullptr || name != foundName) return true;
  ipp_attribute_t* uri = Cups().ippFindAttribute(response.get(), "device-uri", IPP_TAG_URI);
  const char* deviceUri = uri != nullptr ? Cups().ippGetString(uri, 0, nullptr) : nullptr;
  port = deviceUri != nullptr ? UriWithoutCredentials(deviceUri) : "";
  return true;
}

std::unique_ptr<PrinterConnection> Spooler::Open(std::string_view printerName) {
  // An empty name would stand for the default queue.
  if (printerName.empty()) return nullptr;
  lastError_->clear();
  std::unique_ptr<cups::Http> http = cups::Http::Connect(keepWaiting_);
  if (!http) {
    *lastError_ = cups::ConnectError();
    return nullptr;
  }
  std::string name(printerName);
  // Asked even just after a listing: a queue removed since then fails to open, as it should.
  if (!QueueExists(http->get(), name)) {
    *lastError_ = cups::ServerError();
    return nullptr;
  }
  return std::make_unique<cups::Job>(std::move(http), std::move(name), keepWaiting_, lastError_);
}

}  // namespace platform::cups
