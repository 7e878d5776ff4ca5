#include "platform/cups/cups_job.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <string>

#include "platform/cups/cups_follow.h"
#include "platform/cups/cups_spooler.h"

namespace platform::cups {

namespace {

// A slow embosser's pace: a few characters a second, bytes of the control sequences and
// graphics included. The fastest take a hundred cells a second.
constexpr std::uint64_t kSlowBytesPerSecond = 10;
// The scheduler's default MaxJobTime.
constexpr std::uint64_t kSchedulerDefaultSeconds = 3 * 60 * 60;
// The largest value the attribute takes (an IPP integer).
constexpr std::uint64_t kMostSeconds = 0x7FFFFFFF;

// Creates a job on the queue and returns its id, 0 when the server refused. Asked of the
// queue directly: libcups's cupsCreateJob first fetches the queue's whole description
// twice, which a raw job does not need (the queue's existence is checked when it opens).
int CreateJob(http_t* http, const std::string& printer, const std::string& title,
              std::span<cups_option_t> options) {
  ipp_t* request = QueueRequest(IPP_OP_CREATE_JOB, printer);
  if (request == nullptr) return 0;
  Cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.c_str());
  const int count = static_cast<int>(options.size());
  Cups().cupsEncodeOptions2(request, count, options.data(), IPP_TAG_OPERATION);
  Cups().cupsEncodeOptions2(request, count, options.data(), IPP_TAG_JOB);
  // Posted to the queue's own resource, as lp posts it (a server's policy may name it).
  char scheme[32], user[256], host[256], resource[HTTP_MAX_URI];
  int port = 0;
  Cups().httpSeparateURI(
      HTTP_URI_CODING_ALL,
      Cups().ippGetString(Cups().ippFindAttribute(request, "printer-uri", IPP_TAG_URI), 0, nullptr),
      scheme, sizeof scheme, user, sizeof user, host, sizeof host, &port, resource,
      sizeof resource);
  const Ipp response(Cups().cupsDoRequest(http, request, resource));
  ipp_attribute_t* id = Cups().ippFindAttribute(response.get(), "job-id", IPP_TAG_INTEGER);
  return id != nullptr && LastRequestSucceeded() ? Cups().ippGetInteger(id, 0) : 0;
}

// Gives the held job the time it needs to print, now that its size is known, and lets it
// print: one request. A server that refuses the time limit is asked to release the job
// alone, which then prints with the limit it was created with. False when the server did
// not confirm the release.
bool ReleaseJob(http_t* http, const std::string& printer, int job, std::uint64_t seconds) {
  ipp_t* request = JobRequest(IPP_OP_SET_JOB_ATTRIBUTES, printer, job);
  if (request == nullptr) return false;
  Cups().ippAddInteger(request, IPP_TAG_JOB, IPP_TAG_INTEGER, "job-cancel-after",
                       static_cast<int>(seconds));
  Cups().ippAddString(request, IPP_TAG_JOB, IPP_TAG_KEYWORD, "job-hold-until", nullptr, "no-hold");
  Cups().ippDelete(Cups().cupsDoRequest(http, request, "/jobs/"));
  if (LastRequestSucceeded()) return true;
  Cups().ippDelete(
      Cups().cupsDoRequest(http, JobRequest(IPP_OP_RELEASE_JOB, printer, job), "/jobs/"));
  return LastRequestSucceeded();
}

}  // namespace

std::uint64_t CancelAfterSeconds(std::uint64_t bytes) {
  return std::min(std::max(bytes / kSlowBytesPerSecond, kSchedulerDefaultSeconds), kMostSeconds);
}

Job::Job(std::unique_ptr<Http> http, std::string printer, std::function<bool()> keepWaiting,
         std::shared_ptr<std::string> failure)
    : http_(std::move(http)),
      printer_(std::move(printer)),
      keepWaiting_(std::move(keepWaiting)),
      failure_(std::move(failure)) {}

bool Job::Fail(std::string why) {
  if (failure_->empty()) *failure_ = std::move(why);
  return false;
}

Job::~Job() { Close(); }

bool Job::StartDocument(std::string_view documentName) {
  if (state_ == State::kPrinting) return false;
  failure_->clear();
  // After a failure the old connection is gone or unusable: a new document gets a new one.
  if (!http_) http_ = Http::Connect(keepWaiting_);
  if (!http_) return Fail(ConnectError());

  const std::string title = JobTitle(documentName);
  // The job is held until its document is complete. When the connection breaks, the
  // scheduler takes what it received as the whole document; held, that part never
  // prints, even if the cancel that follows cannot reach the server.
  //
  // The copies are in the bytes: one copy of the document, whatever the queue's default
  // (CUPS's device backends send a raw document as many times as the job's copies), and
  // no banner sheets around it.
  char holdName[] = "job-hold-until";
  char holdValue[] = "indefinite";
  char copiesName[] = "copies";
  char copiesValue[] = "1";
  char sheetsName[] = "job-sheets";
  char sheetsValue[] = "none,none";
  // The scheduler's time limit, until the document's size gives a better one.
  char cancelName[] = "job-cancel-after";
  std::string cancelValue = std::to_string(CancelAfterSeconds(0));
  cups_option_t options[] = {{holdName, holdValue},
                             {copiesName, copiesValue},
                             {sheetsName, sheetsValue},
                             {cancelName, cancelValue.data()}};
  job_ = CreateJob(http_->get(), printer_, title, options);
  if (job_ <= 0) {
    job_ = 0;
    return Fail(ServerError());
  }
  if (Cups().cupsStartDocument(http_->get(), printer_.c_str(), job_, title.c_str(), CUPS_FORMAT_RAW,
                               1) != HTTP_STATUS_CONTINUE) {
    Fail(ServerError());
    GiveUp();  // a job without its document would wait on the server for nothing
    return false;
  }
  block_.reserve(kBlockBytes);
  documentBytes_ = 0;
  state_ = State::kPrinting;
  underWay_.emplace();
  return true;
}

bool Job::Write(const std::uint8_t* data, std::uint32_t size, std::uint32_t* written) {
  *written = 0;
  if (state_ == State::kPrinting && TerminationRequested()) {
    state_ = State::kFailed;
    Fail("終了の合図を受けたので、ジョブを取り消しました");
  }
  if (state_ != State::kPrinting) return false;
  documentBytes_ += size;
  // Many writes are of one byte (a form feed, a byte of a paced port).
  if (size == 1) {
    block_.push_back(*data);
  } else {
    block_.insert(block_.end(), data, data + size);
  }
  if (block_.size() >= kBlockBytes && !Flush()) return false;
  *written = size;
  return true;
}

bool Job::Flush() {
  // Writing nothing to libcups would end the document's data early.
  if (block_.empty()) return true;
  http_t* const http = http_->get();
  // A block that did not go fails the job: the document now lacks it. Some failures show
  // only in the connection's error, with CONTINUE reported.
  const bool sent = Cups().cupsWriteRequestData(http, reinterpret_cast<const char*>(block_.data()),
                                                block_.size()) == HTTP_STATUS_CONTINUE &&
                    Cups().httpError(http) == 0;
  block_.clear();
  if (!sent) {
    state_ = State::kFailed;
    Fail(ServerError());
  }
  return sent;
}

bool Job::EndDocument() {
  if (state_ == State::kIdle) return false;
  // The bytes still collected go before the document ends.
  if (state_ == State::kFailed || !Flush() ||
      !Succeeded(Cups().cupsFinishDocument(http_->get(), printer_.c_str()))) {
    Fail(ServerError());
    GiveUp();
    return false;
  }
  if (!ReleaseJob(http_->get(), printer_, job_, CancelAfterSeconds(documentBytes_))) {
    Fail(ServerError());
    GiveUp();
    return false;
  }
  state_ = State::kIdle;
  lastJob_ = job_;
  job_ = 0;
  underWay_.reset();
  return true;
}

std::unique_ptr<JobTracker> Job::FollowLastDocument() {
  if (lastJob_ <= 0) return nullptr;
  return FollowJob(printer_, lastJob_);
}

void Job::AbortDocument() {
  if (state_ != State::kIdle) GiveUp();
}

void Job::Close() {
  AbortDocument();
  http_.reset();
}

void Job::GiveUp() {
  block_.clear();
  http_.reset();
  CancelJob(printer_, job_, keepWaiting_);
  state_ = State::kIdle;
  job_ = 0;
  underWay_.reset();
}

}  // namespace platform::cups
