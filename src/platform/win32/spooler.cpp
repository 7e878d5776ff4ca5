// Each job is one document of datatype RAW: the spooler hands the bytes to the port
// unchanged. Every Write is one WritePrinter, as the print job calls it (one byte at a
// time). A write that fails, or a document the spooler does not take at its end, aborts
// the document so that nothing of it prints, as the CUPS back end cancels its job.
#include "platform/win32/spooler.h"

#include <windows.h>
// After windows.h.
#include <winspool.h>

#include <cwchar>
#include <memory>
#include <optional>
#include <vector>

#include "platform/win32/job_follow.h"
#include "platform/win32/utf16.h"

namespace platform::win32 {

namespace {

class Job : public PrinterConnection {
 public:
  // `failure` receives why a document failed, in the system's words.
  Job(HANDLE printer, std::wstring name, std::shared_ptr<std::string> failure)
      : printer_(printer), name_(std::move(name)), failure_(std::move(failure)) {}
  ~Job() override { Close(); }
  Job(const Job&) = delete;
  Job& operator=(const Job&) = delete;

  bool StartDocument(std::string_view documentName) override {
    if (printer_ == nullptr || state_ != State::kIdle) return false;
    failure_->clear();
    // The name only labels the job in the queue: one that is not UTF-8 gives way to the
    // program's name rather than failing the job.
    std::wstring name = win32::Utf16FromUtf8(documentName).value_or(L"");
    if (name.empty()) name = L"Varnel";
    wchar_t datatype[] = L"RAW";
    DOC_INFO_1W info{name.data(), nullptr, datatype};
    job_ = StartDocPrinterW(printer_, 1, reinterpret_cast<BYTE*>(&info));
    if (job_ == 0) return Fail("印刷を始められません");
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
      Fail("プリンタに書けません");
      state_ = State::kFailed;
      return false;
    }
    return true;
  }

  bool EndDocument() override {
    if (state_ == State::kIdle) return false;
    const bool ended = state_ == State::kPrinting && EndDocPrinter(printer_);
    if (!ended) {
      if (state_ == State::kPrinting) Fail("印刷を終えられません");
      AbortPrinter(printer_);
      state_ = State::kIdle;
      return false;
    }
    state_ = State::kIdle;
    lastJob_ = job_;
    return true;
  }

  std::unique_ptr<JobTracker> FollowLastDocument() override {
    if (lastJob_ == 0) return nullptr;
    return FollowJob(name_, lastJob_);
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

  // Keeps the system's reason for the step that failed; false.
  bool Fail(const char* step) {
    const DWORD reason = GetLastError();
    if (failure_->empty()) *failure_ = std::string(step) + ": " + win32::SystemMessage(reason);
    return false;
  }

  HANDLE printer_;
  std::wstring name_;
  std::shared_ptr<std::string> failure_;
  // The spooler's number of the document under way, and of the last one that ended.
  DWORD job_ = 0;
  DWORD lastJob_ = 0;
  State state_ = State::kIdle;
};

// The printers' names: the local printers and the connections to shared ones, at level 4,
// which the spooler reads from the registry without asking any print server.
constexpr DWORD kNameFlags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;

// EnumPrinters at `level` into `buffer`; `count` entries. False with the system's reason in
// `error`.
bool Enumerate(DWORD flags, DWORD level, std::vector<BYTE>& buffer, DWORD& count,
               std::string& error) {
  buffer.clear();
  DWORD needed = 0;
  count = 0;
  // A printer added between the two calls needs more room: ask again.
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (EnumPrintersW(flags, nullptr, level, buffer.empty() ? nullptr : buffer.data(),
                      static_cast<DWORD>(buffer.size()), &needed, &count)) {
      if (buffer.empty()) count = 0;
      return true;
    }
    const DWORD reason = GetLastError();
    if (reason != ERROR_INSUFFICIENT_BUFFER || attempt == 4) {
      error = "プリンタを列挙できません: " + win32::SystemMessage(reason);
      return false;
    }
    buffer.assign(needed, 0);
  }
  return false;
}

// A listed printer's name in UTF-8; nothing for a name that is not well-formed UTF-16,
// which could not be reopened by its UTF-8 name.
std::optional<std::string> ListedName(const wchar_t* name) {
  if (name == nullptr) return std::nullopt;
  std::optional<std::string> utf8 = win32::Utf8FromUtf16(name);
  if (!utf8 || utf8->empty()) return std::nullopt;
  return utf8;
}

// The port of one printer, asked on its own handle (for a connection, of its server alone);
// empty when it cannot be asked.
std::string PortOnItsHandle(const wchar_t* printerName) {
  std::wstring name = printerName;
  PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
  HANDLE printer = nullptr;
  if (!OpenPrinterW(name.data(), &printer, &defaults)) return {};
  std::string port;
  DWORD needed = 0;
  GetPrinterW(printer, 2, nullptr, 0, &needed);
  std::vector<BYTE> buffer(needed);
  if (needed > 0 && GetPrinterW(printer, 2, buffer.data(), needed, &needed)) {
    const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    if (info->pPortName != nullptr) port = win32::Utf8ForDisplay(info->pPortName);
  }
  ClosePrinter(printer);
  return port;
}

}  // namespace

bool Spooler::EnumeratePrinters(std::vector<PrinterInfo>& printers) {
  printers.clear();
  lastError_->clear();
  std::vector<BYTE> names;
  std::vector<BYTE> locals;
  DWORD nameCount = 0;
  DWORD localCount = 0;
  if (!Enumerate(kNameFlags, 4, names, nameCount, *lastError_) ||
      !Enumerate(PRINTER_ENUM_LOCAL, 5, locals, localCount, *lastError_)) {
    return false;
  }
  const auto* named = reinterpret_cast<const PRINTER_INFO_4W*>(names.data());
  const auto* local = reinterpret_cast<const PRINTER_INFO_5W*>(locals.data());
  for (DWORD i = 0; i < nameCount; ++i) {
    std::optional<std::string> name = ListedName(named[i].pPrinterName);
    if (!name) continue;
    std::string port;
    for (DWORD j = 0; j < localCount; ++j) {
      if (local[j].pPrinterName != nullptr && local[j].pPortName != nullptr &&
          std::wcscmp(local[j].pPrinterName, named[i].pPrinterName) == 0) {
        port = win32::Utf8ForDisplay(local[j].pPortName);
      }
    }
    printers.push_back({std::move(*name), std::move(port)});
  }
  return true;
}

bool Spooler::LookUpPort(std::string_view printerName, std::string& port) {
  lastError_->clear();
  std::vector<BYTE> names;
  DWORD count = 0;
  if (!Enumerate(kNameFlags, 4, names, count, *lastError_)) return false;
  const auto* named = reinterpret_cast<const PRINTER_INFO_4W*>(names.data());
  for (DWORD i = 0; i < count; ++i) {
    // Only a listed name is opened: opening any other could reach a server the user
    // no longer uses.
    if (ListedName(named[i].pPrinterName) == printerName) {
      port = PortOnItsHandle(named[i].pPrinterName);
      return true;
    }
  }
  return true;
}

std::unique_ptr<PrinterConnection> Spooler::Open(std::string_view printerName) {
  lastError_->clear();
  std::optional<std::wstring> name = win32::Utf16FromUtf8(printerName);
  if (!name || name->empty()) return nullptr;
  PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
  HANDLE printer = nullptr;
  if (!OpenPrinterW(name->data(), &printer, &defaults)) {
    *lastError_ = "プリンタ「" + std::string(printerName) +
                  "」を開けません: " + win32::SystemMessage(GetLastError());
    return nullptr;
  }
  return std::make_unique<Job>(printer, std::move(*name), lastError_);
}

}  // namespace platform::win32
