// The operating system's print spooler, as the print job and the printer list see it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/job_tracker.h"

namespace platform {

struct PrinterInfo {
  std::string name;  // UTF-8
  std::string port;  // connection location as the spooler reports it
};

// One opened printer.
class PrinterConnection {
 public:
  virtual ~PrinterConnection() = default;
  // Starts a raw document; false when the spooler refuses it.
  virtual bool StartDocument(std::string_view documentName) = 0;
  // Writes bytes to the document; `written` receives how many were accepted. False on
  // failure.
  virtual bool Write(const std::uint8_t* data, std::uint32_t size, std::uint32_t* written) = 0;
  // True where a write of several bytes does exactly what writes of one byte each would
  // do: the write only fills the document's buffer. A job then hands over its bytes a run
  // at a time; elsewhere each byte is a write of its own.
  virtual bool TakesRuns() const { return false; }
  // Completes the document; false when it could not be delivered.
  virtual bool EndDocument() = 0;
  // Gives the document up: nothing of it is printed.
  virtual void AbortDocument() = 0;
  // Releases the printer. The destructor closes too.
  virtual void Close() = 0;
  // Follows the job of the last document that ended. A printer without a spooler behind
  // it (a file) has sent a document once it is complete.
  virtual std::unique_ptr<JobTracker> FollowLastDocument() {
    return std::make_unique<CompleteJob>();
  }
};

class Spooler {
 public:
  virtual ~Spooler() = default;
  // All installed printers in the spooler's order. False when the spooler cannot be asked.
  // A back end may leave out a port that only another machine could tell (LookUpPort
  // asks for it).
  virtual bool EnumeratePrinters(std::vector<PrinterInfo>& printers) = 0;
  // Sets `port` to the port of the printer of that exact name; leaves it as it is when no
  // printer has that name. No other printer is asked about. False when the spooler cannot
  // be asked.
  virtual bool LookUpPort(std::string_view printerName, std::string& port) {
    std::vector<PrinterInfo> printers;
    if (!EnumeratePrinters(printers)) return false;
    for (const PrinterInfo& p : printers) {
      if (p.name == printerName) port = p.port;
    }
    return true;
  }
  // Opens the printer of that exact name; nullptr when it cannot be opened.
  virtual std::unique_ptr<PrinterConnection> Open(std::string_view printerName) = 0;
  // Why the last enumeration failed, or the last document of a printer this spooler
  // opened, in one line for a log or a terminal; empty when it succeeded or the spooler
  // cannot tell. The dialog's own messages stay as they are: this is for varnel-cli.
  virtual std::string LastError() const { return {}; }
};

}  // namespace platform
