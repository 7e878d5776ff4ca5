// Each job is one document of datatype RAW: the spooler hands the bytes to the port
// unchanged. Every Write is one WritePrinter, as the print job calls it (one byte at a
// time). A write that fails, or a document the spooler does not take at its end, aborts
// the document so that nothing of it prints, as the CUPS back end cancels its job.
#include "platform/win32/spooler_win32.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h.
#include <winspool.h>

#include "platform/win32/utf16_win32.h"

namespace platform {

namespace {

class Win32Job : public PrinterConnection {
 public:
  explicit Win32Job(HANDLE printer) : printer_(printer) {}
  ~Win32Job() override { Close(); }
  Win32Job(const Win32Job&) = delete;
  Win32Job& operator=(const Win32Job&) = delete;

  bool StartDocument(std::string_view documentName) override {
    if (printer_ == nullptr || state_ != State::kIdle) return false;
    // The name only labels the job in the queue: one that is not UTF-8 gives way to the
    // program's name rather than failing the job.
    std::wstring name = win32::Utf16FromUtf8(documentName).value_or(L"");
    if (name.empty()) name = L"Varnel";
    wchar_t datatype[] = L"RAW";
    DOC_INFO_1W info{name.data(), nullptr, datatype};
    if (StartDocPrinterW(printer_, 1, reinterpret_cast<BYTE*>(&info)) == 0) return false;
    state_ = State::kPrinting;
    return true;
  }

  bool Write(const std::uint8_t* data, std::uint32_t size, std::uint32_t* written) override {
    *written = 0;
    if (state_ != State::kPrinting) return false;
    DWORD done = 0;
    const bool ok = WritePrinter(printer_, const_cast<std::uint8_t*>(data), size, &done) != 0;
    *written = done;
    // The first failure is kept: the document now lacks bytes and cannot succeed.
    if (!ok || done != size) {
      state_ = State::kFailed;
      return false;
    }
    return true;
  }

  bool EndDocument() override {
    if (state_ == State::kIdle) return false;
    if (state_ == State::kFailed || !EndDocPrinter(printer_)) {
      AbortPrinter(printer_);
      state_ = State::kIdle;
      return false;
    }
    state_ = State::kIdle;
    return true;
  }

  void AbortDocument() override {
    if (state_ == State::kIdle) return;
    AbortPrinter(printer_);
    state_ = State::kIdle;
  }

  void Close() override {
    AbortDocument();
    if (printer_ != nullptr) ClosePrinter(printer_);
    printer_ = nullptr;
  }

 private:
  enum class State { kIdle, kPrinting, kFailed };

  HANDLE printer_;
  State state_ = State::kIdle;
};

constexpr DWORD kEnumFlags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;

}  // namespace

bool Win32Spooler::EnumeratePrinters(std::vector<PrinterInfo>& printers) {
  printers.clear();
  lastError_.clear();
  std::vector<BYTE> buffer;
  DWORD needed = 0;
  DWORD count = 0;
  // A printer added between the two calls needs more room: ask again.
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (EnumPrintersW(kEnumFlags, nullptr, 2, buffer.empty() ? nullptr : buffer.data(),
                      static_cast<DWORD>(buffer.size()), &needed, &count)) {
      break;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_INSUFFICIENT_BUFFER || attempt == 4) {
      lastError_ = "プリンタを列挙できません: " + win32::SystemMessage(error);
      return false;
    }
    buffer.assign(needed, 0);
  }
  if (buffer.empty()) count = 0;
  const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    if (info[i].pPrinterName == nullptr) continue;
    std::optional<std::string> name = win32::Utf8FromUtf16(info[i].pPrinterName);
    if (!name || name->empty()) continue;
    std::string port =
        info[i].pPortName != nullptr ? win32::Utf8ForDisplay(info[i].pPortName) : std::string();
    printers.push_back({std::move(*name), std::move(port)});
  }
  return true;
}

std::unique_ptr<PrinterConnection> Win32Spooler::Open(std::string_view printerName) {
  std::optional<std::wstring> name = win32::Utf16FromUtf8(printerName);
  if (!name || name->empty()) return nullptr;
  PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
  HANDLE printer = nullptr;
  if (!OpenPrinterW(name->data(), &printer, &defaults)) return nullptr;
  return std::make_unique<Win32Job>(printer);
}

}  // namespace platform
