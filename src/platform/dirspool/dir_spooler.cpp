#include "platform/dirspool/dir_spooler.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/dirspool/dir_job.h"
#include "platform/dirspool/spool_os.h"
#include "platform/file_io.h"
#include "platform/text/utf8.h"

namespace platform {

namespace {

std::error_code LastErrno() { return std::error_code(errno, std::generic_category()); }

}  // namespace

bool IsUsablePrinterName(std::string_view name) {
  if (name.empty() || name.size() > 255 || name == "." || name == "..") return false;
  for (char c : name) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F || c == '/') return false;
  }
  return IsValidUtf8(name) && spoolos::FitsFolderName(name);
}

std::string DirSpooler::PrinterFolder(std::string_view printerName) const {
  return directory_ + "/" + std::string(printerName);
}

bool DirSpooler::Fail(const char* before, const std::string& path, const char* after,
                      std::error_code error) {
  *lastError_ = before + path + after;
  if (error) *lastError_ += ": " + spoolos::ErrorText(error);
  return false;
}

bool DirSpooler::EnumeratePrinters(std::vector<PrinterInfo>& printers) {
  printers.clear();
  lastError_->clear();
  // The virtual embossers are always at hand: their folder is made on first use.
  std::error_code ec;
  std::filesystem::create_directories(PathFromUtf8(directory_), ec);
  if (ec) return Fail("フォルダ「", directory_, "」を作成できません", ec);

  const std::string listPath = directory_ + "/printers";
  const spoolos::FileState list = spoolos::Inspect(listPath);
  if (list.kind == spoolos::FileState::Kind::kUnknown) {
    return Fail("ファイル「", listPath, "」を読めません", list.error);
  }
  if (list.kind == spoolos::FileState::Kind::kMissing) {
    for (const std::string& name : virtualEmbossers_) {
      printers.push_back({name, PrinterFolder(name)});
    }
    return true;
  }
  std::ifstream in(PathFromUtf8(listPath), std::ios::binary);
  if (!in) return Fail("ファイル「", listPath, "」を読めません", LastErrno());
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t tab = line.find('\t');
    std::string name = line.substr(0, tab);
    std::string port = tab == std::string::npos ? std::string() : line.substr(tab + 1);
    // A name that cannot name a folder, or a port that is not text, is left out.
    if (!IsUsablePrinterName(name) || !IsValidUtf8(port)) continue;
    printers.push_back({std::move(name), std::move(port)});
  }
  if (in.bad()) return Fail("ファイル「", listPath, "」を読めません", LastErrno());
  return true;
}

std::unique_ptr<PrinterConnection> DirSpooler::Open(std::string_view printerName) {
  std::vector<PrinterInfo> printers;
  if (!EnumeratePrinters(printers)) return nullptr;
  for (const PrinterInfo& p : printers) {
    if (p.name == printerName) {
      return std::make_unique<DirJob>(PrinterFolder(printerName), lastError_);
    }
  }
  *lastError_ = "プリンタ「" + std::string(printerName) + "」はありません";
  return nullptr;
}

}  // namespace platform
