// One job to a virtual embosser: written to a hidden temporary file in the printer's
// folder, renamed to its final name when the document ends.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dirspool/pending_file.h"
#include "platform/spooler.h"

namespace platform {

class DirJob : public PrinterConnection {
 public:
  explicit DirJob(std::string folder) : folder_(std::move(folder)) {}
  ~DirJob() override { Close(); }

  bool StartDocument(std::string_view documentName) override;
  bool Write(const std::uint8_t* data, std::uint32_t size, std::uint32_t* written) override;
  bool EndDocument() override;
  void AbortDocument() override;
  void Close() override;

 private:
  std::string folder_;
  PendingFile file_;
};

}  // namespace platform
