// One connection to the CUPS scheduler that cupsServer() names (CUPS_SERVER, client.conf,
// or the local socket), and the cancellation of a job on a connection of its own.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/cups/cups_library.h"

namespace platform::cups {

// How long one wait on a silent server lasts before the waiting policy is asked again.
inline constexpr double kWaitSeconds = 1.0;
// How long a connection may take to come (a remote server that does not answer).
inline constexpr int kConnectMilliseconds = 5000;

class Http {
 public:
  // Connects; nullptr when the server does not answer or libcups cannot be loaded. Whenever a
  // request has waited kWaitSeconds on the server, `keepWaiting` decides whether to go on waiting
  // (true) or to give the request up (false), which then fails. Connecting itself gives up after
  // `connectMilliseconds`.
  static std::unique_ptr<Http> Connect(std::function<bool()> keepWaiting,
                                       int connectMilliseconds = kConnectMilliseconds);

  ~Http();
  Http(const Http&) = delete;
  Http& operator=(const Http&) = delete;

  http_t* get() const { return http_; }

 private:
  explicit Http(std::function<bool()> keepWaiting);
  static int OnTimeout(http_t* http, void* self);

  std::function<bool()> keepWaiting_;
  http_t* http_ = nullptr;
};

// Whether an IPP status says the request was done.
inline bool Succeeded(ipp_status_t status) { return status <= IPP_STATUS_OK_EVENTS_COMPLETE; }
// Whether the last request of this thread was done.
inline bool LastRequestSucceeded() { return Succeeded(Cups().cupsLastError()); }

// An IPP message (a request or an answer), deleted with its owner.
struct IppDeleter {
  void operator()(ipp_t* ipp) const { Cups().ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;

// Why the last request failed, in one line: the server's name and libcups's words; after a
// failed Connect, that the server did not answer, or that libcups could not be loaded.
std::string ServerError();
std::string ConnectError();

// A request about the queue `printer` (nullptr when its name makes no URI), or about one
// of its jobs, from this program's user.
ipp_t* QueueRequest(ipp_op_t operation, const std::string& printer);
ipp_t* JobRequest(ipp_op_t operation, const std::string& printer, int job);

// Cancels the job on a new connection: the connection that carried the job may be
// broken or still inside its request. The cancel waits a few seconds at most, and less
// when `keepWaiting` gives up first. False when the server did not confirm it.
bool CancelJob(const std::string& printer, int job, const std::function<bool()>& keepWaiting);

}  // namespace platform::cups
