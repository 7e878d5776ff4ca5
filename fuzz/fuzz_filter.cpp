// A print job as the CUPS filter gets it from anyone on the network: any document bytes
// and any option values. The plan either refuses with a message or gives the encoder a
// job the print checks let through; then the encoder runs it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "filter/filter_job.h"
#include "fuzz_check.h"
#include "print/embosser_stream.h"
#include "printers/models.h"

namespace {

using fuzz::Check;

// The options, then the document, are separated by NUL bytes.
constexpr int kOptionFields = 5;
// Jobs longer than this are planned but not encoded: many copies of long pages, or of
// pages full of graphics, would only slow the fuzzer down without reaching new code (the
// encoder's own target takes long documents). A graphics entry weighs as much as a line.
constexpr std::int64_t kMaxEncodedWork = 2000;

class CountingJob : public print::ByteSink, public print::JobObserver {
 public:
  bool Put(std::uint8_t) override {
    ++bytes;
    return true;
  }
  void Progress(int) override {}
  void PageStarting(int, int, int) override {}
  bool CancelRequested() override { return false; }
  void PaceAfterByte() override {}
  std::int64_t bytes = 0;
};

std::optional<std::string> Field(std::string_view text) {
  if (text == "\x01") return std::nullopt;  // the option was not given
  return std::string(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const auto models = printers::AllModels();
  filter::FilterRequest request;
  request.model = data[0] % (models.size() + 1) < models.size()
                      ? std::string(models[data[0] % (models.size() + 1)].name)
                      : std::string("no such model");
  if (data[1] % 5 < 4) request.format = static_cast<filter::Format>(data[1] % 5);
  request.read = static_cast<filter::ReadOutcome>(data[2] % 3);
  request.documentName = "/spool/d00001-001";

  std::string_view rest(reinterpret_cast<const char*>(data + 3), size - 3);
  std::string_view fields[kOptionFields];
  for (std::string_view& field : fields) {
    const std::size_t end = rest.find('\0');
    if (end == std::string_view::npos) return 0;
    field = rest.substr(0, end);
    rest.remove_prefix(end + 1);
  }
  request.choices.pageRanges = Field(fields[0]);
  request.choices.copies = std::string(fields[1]);
  request.choices.sides = Field(fields[2]);
  request.choices.graphics = Field(fields[3]);
  request.choices.pageBreak = Field(fields[4]);
  request.bytes = {reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size()};

  const filter::FilterPlan plan = filter::PlanJob(request);
  if (plan.refusal) {
    Check(!plan.refusal->empty(), "a refusal says why");
    const bool knownModel = !printers::ModelNamed(request.model).name.empty();
    if (knownModel && request.read == filter::ReadOutcome::kCannotOpen) {
      Check(plan.refusal->starts_with(request.documentName), "a file not opened is named");
    }
    return 0;
  }
  Check(request.read == filter::ReadOutcome::kRead && request.format.has_value(),
        "only a document read by a reader is embossed");
  const print::JobSpec& spec = plan.spec;
  const document::BrailleDocument& doc = plan.document;
  Check(spec.model == request.model, "the job is for the description's model");
  Check(printers::ModelNamed(spec.model).name == spec.model, "the model is one of the table's");
  Check(1 <= spec.startPage && spec.startPage <= spec.endPage && spec.endPage <= doc.pageCount,
        "the range lies in the document");
  Check(1 <= spec.copies && spec.copies <= 1000, "copies are 1 to 1000");
  Check(spec.sides >= print::kSidesSingle && spec.sides <= print::kSidesDouble,
        "sides are one of the four choices");
  Check(spec.linesPerPage == doc.linesPerPage, "the page length is the document's");
  Check(spec.edel == (request.format == filter::Format::kEdel), "only a drawing is EDEL");

  std::int64_t work = static_cast<std::int64_t>(spec.endPage - spec.startPage + 1) *
                      std::max(spec.linesPerPage, 1) * 2;
  if (spec.graphics || spec.edel) {
    for (int page = spec.startPage; page <= spec.endPage; ++page) {
      const auto at = static_cast<std::size_t>(page - 1);
      if (at < doc.pageGraphics.size())
        work += static_cast<std::int64_t>(doc.pageGraphics[at].size() / 5);
    }
  }
  if (work * spec.copies > kMaxEncodedWork) return 0;
  CountingJob job;
  Check(print::EncodeJob(doc, spec, job, job), "a sink that takes every byte gets the job");
  return 0;
}
