#include "platform/dirspool/file_spooler.h"

#include <cstdint>
#include <vector>

#include "platform/file_io.h"

namespace platform {

namespace {

class FileJob : public PrinterConnection {
 public:
  explicit FileJob(std::string path) : path_(std::move(path)) {}
  bool StartDocument(std::string_view) override {
    started_ = true;
    bytes_.clear();
    return true;
  }
  bool Write(const std::uint8_t* data, std::uint32_t size, std::uint32_t* written) override {
    *written = 0;
    if (!started_) return false;
    bytes_.insert(bytes_.end(), data, data + size);
    *written = size;
    return true;
  }
  bool EndDocument() override {
    if (!started_) return false;
    started_ = false;
    return ReplaceFileAtomically(path_, bytes_);
  }
  void AbortDocument() override {
    started_ = false;
    bytes_.clear();
  }
  void Close() override { AbortDocument(); }

 private:
  std::string path_;
  std::vector<std::uint8_t> bytes_;
  bool started_ = false;
};

}  // namespace

bool FileSpooler::EnumeratePrinters(std::vector<PrinterInfo>& printers) {
  printers = {{name_, port_}};
  return true;
}

std::unique_ptr<PrinterConnection> FileSpooler::Open(std::string_view printerName) {
  if (printerName != name_) return nullptr;
  return std::make_unique<FileJob>(path_);
}

}  // namespace platform
