#include "platform/cups/cups_http.h"

namespace platform::cups {

namespace {

// A cancel is worth a short wait, never an endless one.
constexpr int kCancelWaits = 5;

std::string ServerName() { return std::string("CUPS サーバ「") + Cups().cupsServer() + "」"; }

}  // namespace

std::string ServerError() {
  const char* why = Cups().cupsLastErrorString();
  return ServerName() + ": " +
         (why != nullptr && why[0] != '\0' ? why : Cups().ippErrorString(Cups().cupsLastError()));
}

std::string ConnectError() {
  if (!LibraryLoaded()) return "CUPS のライブラリを読み込めません: " + LibraryError();
  return ServerName() + "に接続できません";
}

Http::Http(std::function<bool()> keepWaiting) : keepWaiting_(std::move(keepWaiting)) {}

Http::~Http() {
  if (http_ != nullptr) Cups().httpClose(http_);
}

std::unique_ptr<Http> Http::Connect(std::function<bool()> keepWaiting, int connectMilliseconds) {
  if (!LibraryLoaded()) return nullptr;
  std::unique_ptr<Http> connection(new Http(std::move(keepWaiting)));
  connection->http_ = Cups().httpConnect2(Cups().cupsServer(), Cups().ippPort(), nullptr, AF_UNSPEC,
                                          Cups().cupsEncryption(), 1, connectMilliseconds, nullptr);
  if (connection->http_ == nullptr) return nullptr;
  // Never without a callback: with a timeout and no callback, libcups drops the buffered
  // data of a write that timed out and still reports success.
  Cups().httpSetTimeout(connection->http_, kWaitSeconds, &Http::OnTimeout, connection.get());
  return connection;
}

int Http::OnTimeout(http_t*, void* self) {
  const Http& connection = *static_cast<const Http*>(self);
  return connection.keepWaiting_ && connection.keepWaiting_() ? 1 : 0;
}

bool CancelJob(const std::string& printer, int job, const std::function<bool()>& keepWaiting) {
  if (job <= 0) return false;
  int waits = 0;
  const std::unique_ptr<Http> http = Http::Connect(
      [&waits, &keepWaiting] { return ++waits < kCancelWaits && (!keepWaiting || keepWaiting()); });
  if (!http) return false;
  return Succeeded(Cups().cupsCancelJob2(http->get(), printer.c_str(), job, 0));
}

ipp_t* QueueRequest(ipp_op_t operation, const std::string& printer) {
  char uri[HTTP_MAX_URI];
  if (Cups().httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost",
                              Cups().ippPort(), "/printers/%s",
                              printer.c_str()) != HTTP_URI_STATUS_OK) {
    return nullptr;
  }
  ipp_t* request = Cups().ippNewRequest(operation);
  Cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
  Cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                      Cups().cupsUser());
  return request;
}

ipp_t* JobRequest(ipp_op_t operation, const std::string& printer, int job) {
  ipp_t* request = QueueRequest(operation, printer);
  if (request != nullptr)
    Cups().ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
  return request;
}

}  // namespace platform::cups
