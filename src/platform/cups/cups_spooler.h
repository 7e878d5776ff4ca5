// The CUPS spooler, through libcups: queues are the printers, the device URI (without any
// user name or password) is the port, and each job is one raw document.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/spooler.h"

namespace platform::cups {

class Spooler : public platform::Spooler {
 public:
  // `keepWaiting` runs while a request waits on the server (about once a second); it keeps
  // the windows alive and returns false to give the request up.
  explicit Spooler(std::function<bool()> keepWaiting = [] { return true; });
  ~Spooler() override;

  bool EnumeratePrinters(std::vector<PrinterInfo>& printers) override;
  // Asks the one queue, not the list of all.
  bool LookUpPort(std::string_view printerName, std::string& port) override;
  std::unique_ptr<PrinterConnection> Open(std::string_view printerName) override;
  std::string LastError() const override { return *lastError_; }

 private:
  // The queue of that exact name in a listing made a moment ago (as when the program starts
  // and looks up the remembered embosser's port, or varnel-cli chooses one at once), or
  // nullptr: the scheduler is asked again after that.
  const PrinterInfo* Listed(std::string_view printerName) const;

  std::function<bool()> keepWaiting_;
  std::vector<PrinterInfo> listed_;
  std::chrono::steady_clock::time_point listedAt_{};
  // Shared with the jobs it opens, which tell why they failed.
  std::shared_ptr<std::string> lastError_ = std::make_shared<std::string>();
};

// A device URI with any user name and password taken out: "ipp://user:pw@host/q" and
// "ipp://user@host/q" give "ipp://host/q". URIs without an authority stay as they are.
std::string UriWithoutCredentials(std::string_view uri);

// The title of a job: the text as well-formed UTF-8 without control characters (other
// bytes become U+FFFD), cut at a character boundary to 255 bytes.
std::string JobTitle(std::string_view documentName);

}  // namespace platform::cups
