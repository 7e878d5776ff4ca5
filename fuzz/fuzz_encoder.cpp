// Any bytes through a reader and then the encoder, with a job spec taken from the input's
// first bytes: the stream never crashes, ends with the model's end sequence, ends every
// embossed page once, sends no control byte outside its commands, and stops at a byte the
// spooler refused.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "fuzz_check.h"
#include "print/embosser_stream.h"
#include "printers/models.h"

namespace {

using fuzz::Check;

constexpr std::size_t kSpecBytes = 8;
// Enough pages for every rule of the job loop, few enough for many runs a second.
constexpr int kMaxPagesInRange = 24;
constexpr int kMaxCopies = 3;

class Job : public print::ByteSink, public print::JobObserver {
 public:
  bool Put(std::uint8_t byte) override {
    Check(!refused, "no byte after a refused one");
    if (failAt != 0 && bytes.size() + 1 == failAt) {
      refused = true;
      return false;
    }
    bytes.push_back(byte);
    return true;
  }
  void Progress(int percent) override {
    Check(percent >= 0 && percent < 100, "progress is a share of the job not yet done");
  }
  void PageStarting(int, int, int) override { ++pages; }
  bool CancelRequested() override { return cancelAt != 0 && ++checks >= cancelAt; }
  void PaceAfterByte() override {}

  std::vector<std::uint8_t> bytes;
  std::size_t failAt = 0;
  bool refused = false;
  int cancelAt = 0;
  int checks = 0;
  int pages = 0;
};

std::optional<document::BrailleDocument> Read(std::uint8_t format, document::Bytes file) {
  switch (format % 3) {
    case 0:
      return document::ParseBaseNab(file);
    case 1:
      return document::ParseWinBes(file);
    default:
      return document::ParseEdel(file);
  }
}

bool EndsWith(const std::vector<std::uint8_t>& bytes, std::string_view tail) {
  return bytes.size() >= tail.size() &&
         std::equal(tail.begin(), tail.end(),
                    bytes.end() - static_cast<std::ptrdiff_t>(tail.size()),
                    [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

// The pages the job embosses, blank ones included, as the sides rules count them.
int PagesOfJob(const print::JobSpec& spec, const printers::Model& model) {
  int perCopy = 0;
  for (int page = spec.startPage; page <= spec.endPage; ++page) {
    if (spec.sides == print::kSidesFront && page % 2 == 0) continue;
    if (spec.sides == print::kSidesBack && page % 2 == 1) continue;
    ++perCopy;
    const bool blankBack = spec.linesPerPage == print::kDoubleSidedLines &&
                           spec.sides == print::kSidesSingle && model.doubleSided;
    if (blankBack) ++perCopy;
  }
  if (spec.linesPerPage == print::kDoubleSidedLines && spec.sides == print::kSidesDouble &&
      (spec.endPage - spec.startPage) % 2 == 0) {
    ++perCopy;
  }
  return perCopy * spec.copies;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kSpecBytes) return 0;
  const std::uint8_t* s = data;
  const std::optional<document::BrailleDocument> doc =
      Read(s[0], document::Bytes(data + kSpecBytes, size - kSpecBytes));
  if (!doc || doc->pageCount < 1) return 0;

  const auto models = printers::AllModels();
  print::JobSpec spec;
  spec.model = std::string(s[1] % (models.size() + 1) < models.size()
                               ? models[s[1] % (models.size() + 1)].name
                               : std::string_view("other"));
  spec.linesPerPage = doc->linesPerPage;
  spec.sides = s[2] % 4;
  spec.pageBreak = (s[3] & 1) != 0;
  spec.graphics = (s[3] & 2) != 0;
  spec.edel = s[0] % 3 == 2;
  spec.pacePort = (s[3] & 4) != 0;
  // A range the checks before a job let through.
  spec.startPage = 1 + s[4] % doc->pageCount;
  spec.endPage = std::min(doc->pageCount, spec.startPage + s[5] % kMaxPagesInRange);
  spec.copies = 1 + s[6] % kMaxCopies;
  const printers::Model& model = printers::ModelNamed(spec.model);

  Job job;
  if ((s[7] & 0x80) != 0) job.failAt = 1 + (s[7] & 0x3F) * 7;
  if ((s[7] & 0x40) != 0) job.cancelAt = 1 + (s[7] & 0x3F);
  const bool delivered = print::EncodeJob(*doc, spec, job, job);

  Check(delivered == !job.refused, "a job is delivered exactly when no byte was refused");
  if (job.refused) {
    Check(job.bytes.size() + 1 == job.failAt, "the stream stops at the refused byte");
    return 0;
  }
  if (model.controlCodes) {
    Check(job.bytes.size() >= 3 && job.bytes[0] == 0x1B && job.bytes[1] == 0x1B &&
              job.bytes[2] == 'N',
          "a control-code job starts with ESC ESC N");
    Check(EndsWith(job.bytes, spec.linesPerPage == 24 ? "\x1b\x1bP2\x1b\x1b"
                                                        "F00"
                                                      : "\x1b\x1b"
                                                        "F00"),
          "a control-code job ends with its end sequence");
  }
  // Control bytes come from the encoder alone where the text holds none: every ESC opens
  // an ESC ESC command, every form feed ends a page. Graphics coordinates never hold one.
  auto textHolds = [&](char c) {
    return std::any_of(doc->lines.begin(), doc->lines.end(),
                       [c](const auto& l) { return l.find(c) != std::string::npos; });
  };
  if (!textHolds('\x1b')) {
    for (std::size_t i = 0; i < job.bytes.size(); ++i) {
      if (job.bytes[i] != 0x1B) continue;
      Check(i + 2 < job.bytes.size() && job.bytes[i + 1] == 0x1B &&
                std::string_view("NFPGD").find(static_cast<char>(job.bytes[i + 2])) !=
                    std::string_view::npos,
            "every ESC starts an ESC ESC command");
      i += 2;
    }
  }
  if (job.cancelAt != 0) return 0;

  const int pages = PagesOfJob(spec, model);
  int started = 0;
  for (int page = spec.startPage; page <= spec.endPage; ++page) {
    if (spec.sides == print::kSidesFront && page % 2 == 0) continue;
    if (spec.sides == print::kSidesBack && page % 2 == 1) continue;
    ++started;
  }
  Check(job.pages == started * spec.copies, "every page in the range and sides is started");

  if (!textHolds('\x0c')) {
    const auto formFeeds = std::count(job.bytes.begin(), job.bytes.end(), 0x0C);
    if (spec.pageBreak) {
      Check(formFeeds == pages, "one page end per embossed page");
    } else if (spec.edel) {
      Check(formFeeds == started * spec.copies, "a drawing's page always ends");
    } else {
      Check(formFeeds == 0, "no page end without page breaks");
    }
  }
  return 0;
}
