// One job to a virtual embosser: written to a hidden temporary file in the printer's
// folder, renamed to its final name when the document ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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
  bool Flush();

  std::string folder_;
  std::string tempPath_;
  std::vector<std::uint8_t> buffer_;
  int fd_ = -1;
  bool failed_ = false;
};

}  // namespace platform
