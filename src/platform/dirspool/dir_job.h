// One job to a virtual embosser: written to a hidden temporary file in the printer's
// folder, renamed to its final name when the document ends.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/dirspool/pending_file.h"
#include "platform/spooler.h"

namespace platform {

class DirJob : public PrinterConnection {
 public:
  // `failure` receives why a document failed: the file and the system's reason.
  DirJob(std::string folder, std::shared_ptr<std::string> failure)
      : folder_(std::move(folder)), failure_(std::move(failure)) {}
  ~DirJob() override { Close(); }

  bool StartDocument(std::string_view documentName) override;
  bool Write(const std::uint8_t* data, std::uint32_t size, std::uint32_t* written) override;
  bool TakesRuns() const override { return true; }
  bool EndDocument() override;
  void AbortDocument() override;
  void Close() override;

 private:
  bool Fail(const std::string& path);

  std::string folder_;
  std::shared_ptr<std::string> failure_;
  PendingFile file_;
};

}  // namespace platform
