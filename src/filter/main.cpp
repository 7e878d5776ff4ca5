// varnel-filter: the CUPS filter that embosses BASE, NAB, Win-BES and EDEL files on a
// queue whose printer description names a Varnel embosser model.
//
//   varnel-filter job-id user title copies options [file]
//
// The document is read whole (from `file`, else from standard input) and checked before
// a single byte goes to standard output; a refused job leaves standard output empty,
// says why on an ERROR: line and ends with status 1. The embosser's bytes are those the
// dialog sends for the same choices, copies included. SIGTERM (a cancelled job) is the
// dialog's Cancel: the page under way is completed with blank lines and the job closed,
// so that the embosser is left ready for the next job (CUPS's device backends go on
// reading after the signal for that purpose); the filter then ends with status 0.
#include <cups/cups.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "filter/cups_output.h"
#include "filter/filter_job.h"
#include "filter/printer_description.h"
#include "print/embosser_stream.h"
#include "res/messages.h"

namespace {

// A file of this many bytes or more is not read, as in the dialog.
using document::kMaxFileSize;

volatile std::sig_atomic_t g_stop = 0;

extern "C" void OnTerminate(int) { g_stop = 1; }

void InstallSignals() {
  struct sigaction action = {};
  action.sa_handler = OnTerminate;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart: a write blocked on a stalled device returns
  sigaction(SIGTERM, &action, nullptr);
  std::signal(SIGPIPE, SIG_IGN);  // a vanished reader is a failed write, not a death
}

// Reads at most kMaxFileSize bytes; a document that reaches the limit is too large.
filter::ReadOutcome ReadDocument(const char* path, std::vector<std::uint8_t>& bytes) {
  const int fd = path != nullptr ? ::open(path, O_RDONLY | O_CLOEXEC) : 0;
  if (fd < 0) return filter::ReadOutcome::kCannotOpen;
  bytes.resize(64 * 1024);
  std::size_t got = 0;
  filter::ReadOutcome outcome = filter::ReadOutcome::kRead;
  while (got < kMaxFileSize) {
    if (got == bytes.size()) bytes.resize(std::min(kMaxFileSize, 2 * bytes.size()));
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR && g_stop == 0) continue;
    if (n < 0) {
      outcome = filter::ReadOutcome::kCannotOpen;
      break;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (outcome == filter::ReadOutcome::kRead && got >= kMaxFileSize) {
    outcome = filter::ReadOutcome::kTooLarge;
  }
  bytes.resize(got);
  if (path != nullptr) ::close(fd);
  return outcome;
}

// The job's options: from the command line, else the printer description's defaults.
filter::JobChoices ChoicesOf(const char* copies, const char* optionText,
                             const filter::PrinterDescription& description) {
  cups_option_t* options = nullptr;
  const int count = cupsParseOptions(optionText, 0, &options);
  auto choice = [&](const char* name) -> std::optional<std::string> {
    if (const char* value = cupsGetOption(name, count, options)) return std::string(value);
    const auto preset = description.defaults.find(name);
    if (preset != description.defaults.end()) return preset->second;
    return std::nullopt;
  };
  filter::JobChoices choices;
  choices.pageRanges = choice("page-ranges");
  choices.copies = copies;
  choices.sides = choice("VarnelSides");
  choices.graphics = choice("VarnelGraphics");
  choices.pageBreak = choice("VarnelPageBreak");
  choices.pageSet = choice("page-set");
  cupsFreeOptions(count, options);
  return choices;
}

std::optional<filter::Format> FormatOf(const char* path, const std::vector<std::uint8_t>& bytes) {
  if (const char* type = std::getenv("CONTENT_TYPE")) {
    if (auto format = document::FormatOfType(type)) return format;
  }
  if (path != nullptr) {
    if (auto format = filter::FormatOfName(path)) return format;
  }
  return document::FormatOfContent(bytes);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 6 || argc > 7) {
    std::fputs("Usage: varnel-filter job-id user title copies options [file]\n", stderr);
    return 1;
  }
  InstallSignals();
  const char* path = argc == 7 ? argv[6] : nullptr;

  filter::PrinterDescription description;
  if (const char* ppd = std::getenv("PPD")) {
    if (auto read = filter::ReadPrinterDescription(ppd)) description = std::move(*read);
  }

  std::vector<std::uint8_t> bytes;
  filter::FilterRequest request;
  request.model = description.model;
  // The user knows the job by its title, not by the scheduler's spool file.
  request.documentName = argv[3][0] != '\0' ? argv[3] : path != nullptr ? path : "-";
  request.read = ReadDocument(path, bytes);
  request.bytes = bytes;
  request.format = FormatOf(path, bytes);
  request.choices = ChoicesOf(argv[4], argv[5], description);
  if (g_stop != 0) return 1;

  const filter::FilterPlan plan = filter::PlanJob(request);
  if (plan.refusal) {
    filter::Report("ERROR", *plan.refusal);
    filter::AwaitStatusRead();
    return 1;
  }
  for (const std::string& question : plan.questions) filter::Report("INFO", question);

  filter::BlockSink sink(STDOUT_FILENO);
  filter::PageReporter pages(sink, g_stop);
  print::EncodeJob(plan.document, plan.spec, sink, pages);
  pages.Finish();
  const bool sent = sink.Flush();
  if (g_stop != 0) {
    filter::Report("INFO", "印刷を中止しました");
    return 0;
  }
  if (!sent) {
    filter::Report("ERROR", res::kPrintFailed);
    filter::AwaitStatusRead();
    return 1;
  }
  return 0;
}
