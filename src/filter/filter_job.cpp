#include "filter/filter_job.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <string_view>

#include "platform/text/decimal.h"
#include "print/job_rules.h"
#include "printers/models.h"
#include "res/messages.h"

namespace filter {

namespace {

// What only the filter refuses, in the dialog's manner.
constexpr std::string_view kOneRangeOnly = "印刷範囲は 1 つだけ指定してください";
constexpr std::string_view kNoModel = "プリンタの説明に点字プリンタの機種がありません";
constexpr std::string_view kSidesInstead =
    "（表の頁・裏の頁だけは VarnelSides=front、VarnelSides=back で選びます）";

// The upper bound CUPS gives an open range ("3-").
constexpr int kOpenEnd = INT_MAX;

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::string BadValue(std::string_view option, std::string_view value) {
  return "オプション " + std::string(option) + " の値「" + std::string(value) + "」は使えません";
}

// A choice of three: on, off, or as the dialog proposes (nothing).
struct Switch {
  bool valid = true;
  std::optional<bool> on;
};

Switch ParseSwitch(std::string_view text) {
  const std::string v = Lower(text);
  if (v == "true" || v == "yes" || v == "on") return {true, true};
  if (v == "false" || v == "no" || v == "off") return {true, false};
  if (v == "auto") return {true, std::nullopt};
  return {false, std::nullopt};
}

// The sides choice: kSidesSingle ..., or nothing for the dialog's proposal; -1 when the
// text names no choice.
std::optional<int> ParseSides(std::string_view text) {
  const std::string v = Lower(text);
  if (v == "single") return print::kSidesSingle;
  if (v == "front") return print::kSidesFront;
  if (v == "back") return print::kSidesBack;
  if (v == "double") return print::kSidesDouble;
  if (v == "auto") return std::nullopt;
  return -1;
}

// Reads the document by its format, as the file selection does: the reader's refusal, or
// the document with the geometry the dialog gives it.
std::optional<std::string> ReadDocument(const FilterRequest& request,
                                        document::BrailleDocument& doc) {
  switch (request.read) {
    case ReadOutcome::kCannotOpen:
      return request.documentName + "\n\n" + std::string(res::kCannotOpen);
    case ReadOutcome::kTooLarge:
      return std::string(res::kTooLarge);
    case ReadOutcome::kRead:
      break;
  }
  if (!request.format) return std::string(res::kUnknownFormat);
  auto read = document::ReadFormat(*request.format, request.bytes);
  if (const auto* refusal = std::get_if<std::string_view>(&read)) return std::string(*refusal);
  doc = std::move(std::get<document::BrailleDocument>(read));
  return std::nullopt;
}

// Text typed into a range or copies edit: its number, or nothing when the edit would
// refuse it.
std::optional<int> EditValue(std::string_view text) {
  if (!platform::IsAllDigits(text)) return std::nullopt;
  return platform::DigitsToInt(text);
}

// The range: one "N-M" (either end may be left open) or one page "N".
std::optional<std::string> ApplyPageRanges(std::string_view ranges, int pageCount,
                                           print::JobSpec& spec) {
  if (ranges.find(',') != std::string_view::npos) return std::string(kOneRangeOnly);
  const std::size_t dash = ranges.find('-');
  const std::string_view first = ranges.substr(0, dash);
  const std::string_view last = dash == std::string_view::npos ? first : ranges.substr(dash + 1);
  const std::optional<int> start =
      first.empty() && dash != std::string_view::npos ? std::optional<int>(1) : EditValue(first);
  std::optional<int> end = last.empty() ? std::optional<int>(kOpenEnd) : EditValue(last);
  if (!start || !end) return std::string(res::kHalfWidthDigitsOnly);
  if (*end == kOpenEnd) end = pageCount;
  spec.startPage = *start;
  spec.endPage = *end;
  return std::nullopt;
}

print::GraphicsContent ContentOf(const document::BrailleDocument& doc,
                                 std::optional<Format> format) {
  if (doc.hasGraphics != 1 || !format) return print::GraphicsContent::kNone;
  switch (document::RowOf(*format).graphics) {
    case document::FormatGraphics::kSwitchable:
      return print::GraphicsContent::kPresent;
    case document::FormatGraphics::kOnly:
      return print::GraphicsContent::kOnly;
    case document::FormatGraphics::kNone:
      break;
  }
  return print::GraphicsContent::kNone;
}

// Applies the choices to the state the dialog is in once the file is loaded; the first
// refusal, if any.
std::optional<std::string> ApplyChoices(const FilterRequest& request, const printers::Model& model,
                                        FilterPlan& plan) {
  const document::BrailleDocument& doc = plan.document;
  print::JobSpec& spec = plan.spec;
  const JobChoices& choices = request.choices;

  // Odd or even pages alone are the sides choice's front and back sides; printed by
  // CUPS's rule they would ignore the embosser's sides.
  if (choices.pageSet && Lower(*choices.pageSet) != "all") {
    return BadValue("page-set", *choices.pageSet) + std::string(kSidesInstead);
  }
  if (choices.pageRanges) {
    if (auto refused = ApplyPageRanges(*choices.pageRanges, doc.pageCount, spec)) return refused;
  }
  const std::optional<int> copies = EditValue(choices.copies);
  if (!copies) return std::string(res::kHalfWidthDigitsOnly);
  spec.copies = *copies;

  if (choices.sides) {
    const std::optional<int> sides = ParseSides(*choices.sides);
    if (sides == -1) return BadValue("VarnelSides", *choices.sides);
    if (sides) {
      const print::KeyAnswer answer = print::SidesKeyAnswer(model, doc.linesPerPage, *sides);
      if (!answer.accepted) return std::string(answer.sentence);
      spec.sides = *sides;
    }
  }
  if (choices.graphics) {
    const Switch wanted = ParseSwitch(*choices.graphics);
    if (!wanted.valid) return BadValue("VarnelGraphics", *choices.graphics);
    if (wanted.on && *wanted.on != spec.graphics) {
      const print::KeyAnswer answer =
          print::GraphicsKeyAnswer(model, ContentOf(doc, request.format), spec.graphics);
      if (!answer.accepted) return std::string(answer.sentence);
      spec.graphics = *wanted.on;
    }
  }
  if (choices.pageBreak) {
    const Switch wanted = ParseSwitch(*choices.pageBreak);
    if (!wanted.valid) return BadValue("VarnelPageBreak", *choices.pageBreak);
    if (wanted.on && *wanted.on != spec.pageBreak) {
      const print::KeyAnswer answer = print::PageBreakKeyAnswer(model, spec.pageBreak);
      if (!answer.accepted) return std::string(answer.sentence);
      spec.pageBreak = *wanted.on;
    }
  }
  return std::nullopt;
}

}  // namespace

FilterPlan PlanJob(const FilterRequest& request) {
  FilterPlan plan;
  const printers::Model& model = printers::ModelNamed(request.model);
  if (model.name.empty()) {
    plan.refusal = std::string(kNoModel);
    return plan;
  }
  if (auto refused = ReadDocument(request, plan.document)) {
    plan.refusal = std::move(refused);
    return plan;
  }
  const document::BrailleDocument& doc = plan.document;
  const bool edel = request.format &&
                    document::RowOf(*request.format).graphics == document::FormatGraphics::kOnly;

  // The dialog after the file is loaded: the option rules' proposals, page breaks as a
  // new settings file keeps them (on), all pages, one copy.
  print::JobSpec& spec = plan.spec;
  spec.model = std::string(model.name);
  spec.linesPerPage = doc.linesPerPage;
  spec.sides = print::ProposedSides(print::OfferedSides(model, doc.linesPerPage));
  spec.graphics = print::ProposedGraphics(model, doc.hasGraphics == 1);
  spec.pageBreak = true;
  spec.edel = edel;
  spec.pacePort = false;
  spec.startPage = 1;
  spec.endPage = doc.pageCount;
  spec.copies = 1;

  if (auto refused = ApplyChoices(request, model, plan)) {
    plan.refusal = std::move(refused);
    return plan;
  }
  if (const auto range =
          print::CheckRangeAndCopies(spec.startPage, spec.endPage, spec.copies, doc.pageCount)) {
    plan.refusal = std::string(range->message);
    return plan;
  }
  if (const auto refused = print::CheckEdelOnModel(model, edel)) {
    plan.refusal = std::string(*refused);
    return plan;
  }
  std::string question = print::GraphicsWarning(model, doc.hasGraphics == 1, spec.graphics);
  if (!question.empty()) plan.questions.push_back(std::move(question));
  return plan;
}

std::optional<Format> FormatOfName(std::string_view fileName) {
  const std::size_t slash = fileName.find_last_of('/');
  const std::string_view name =
      slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos) return std::nullopt;
  return document::FormatOfExtensionAnyCase(name.substr(dot + 1));
}

}  // namespace filter
