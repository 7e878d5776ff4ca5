#include "platform/cups/cups_follow.h"

#include <chrono>
#include <functional>
#include <iterator>
#include <memory>

#include "platform/cups/cups_http.h"
#include "platform/threaded_tracker.h"

namespace platform::cups {

namespace {

// How often the server is asked, and how long a connection may take to come.
constexpr std::chrono::milliseconds kAskInterval(1000);
constexpr int kFollowConnectMilliseconds = 1000;

std::string Text(ipp_t* response, const char* name) {
  ipp_attribute_t* a = Cups().ippFindAttribute(response, name, IPP_TAG_TEXT);
  const char* text = a != nullptr ? Cups().ippGetString(a, 0, nullptr) : nullptr;
  return text != nullptr ? text : "";
}

int Enum(ipp_t* response, const char* name) {
  ipp_attribute_t* a = Cups().ippFindAttribute(response, name, IPP_TAG_ENUM);
  return a != nullptr ? Cups().ippGetInteger(a, 0) : 0;
}

// The job's state and its queue's from one pair of requests on `http`; false when the
// server did not answer. A job the server no longer knows is kGone.
bool AskJob(http_t* http, const std::string& printer, int job, JobReport& report) {
  static const char* const kJobAttributes[] = {"job-state", "job-printer-state-message"};
  ipp_t* request = JobRequest(IPP_OP_GET_JOB_ATTRIBUTES, printer, job);
  if (request == nullptr) return false;
  Cups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                       static_cast<int>(std::size(kJobAttributes)), nullptr, kJobAttributes);
  const Ipp jobAnswer(Cups().cupsDoRequest(http, request, "/"));
  if (Cups().cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) {
    report = {JobPhase::kGone, false, {}};
    return true;
  }
  if (!jobAnswer || !LastRequestSucceeded()) return false;

  static const char* const kPrinterAttributes[] = {"printer-state", "printer-state-message"};
  request = QueueRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, printer);
  Cups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                       static_cast<int>(std::size(kPrinterAttributes)), nullptr,
                       kPrinterAttributes);
  const Ipp printerAnswer(Cups().cupsDoRequest(http, request, "/"));
  if (!printerAnswer || !LastRequestSucceeded()) return false;

  const std::string jobMessage = Text(jobAnswer.get(), "job-printer-state-message");
  const std::string printerMessage = Text(printerAnswer.get(), "printer-state-message");
  report = {JobPhase::kQueued, false, {}};
  switch (Enum(jobAnswer.get(), "job-state")) {
    case IPP_JSTATE_COMPLETED:
      report.phase = JobPhase::kSent;
      return true;
    case IPP_JSTATE_ABORTED:
      report.phase = JobPhase::kFailed;
      report.reason = jobMessage;
      return true;
    case IPP_JSTATE_CANCELED:
      // The job's message is then its printer's last one, not why it was cancelled.
      report.phase = JobPhase::kCancelled;
      return true;
    case IPP_JSTATE_STOPPED:
      report.printerStopped = true;
      break;
    default:  // pending, held, processing
      report.printerStopped = Enum(printerAnswer.get(), "printer-state") == IPP_PSTATE_STOPPED;
      break;
  }
  if (report.printerStopped) report.reason = !printerMessage.empty() ? printerMessage : jobMessage;
  return true;
}

}  // namespace

std::unique_ptr<JobTracker> FollowJob(std::string printer, int job) {
  // One connection for the job's whole following, made again after a failed request.
  auto http = std::make_shared<std::unique_ptr<Http>>();
  return std::make_unique<ThreadedTracker>(
      [http, printer = std::move(printer), job](JobReport& report,
                                                const std::function<bool()>& keepWaiting) {
        if (!*http) *http = Http::Connect(keepWaiting, kFollowConnectMilliseconds);
        const bool answered = *http && AskJob((*http)->get(), printer, job, report);
        if (!answered) http->reset();
        return answered;
      },
      kAskInterval);
}

}  // namespace platform::cups
