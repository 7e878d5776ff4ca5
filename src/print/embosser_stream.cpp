// The embosser byte stream: control sequences by model, text and blank lines, page ends,
// blank pages and tactile graphics, in the order of copies and pages the sides choice
// prescribes. Lines and control sequences go to the sink as runs; on a paced port every
// byte goes on its own, with its pause.
#include "print/embosser_stream.h"

#include <array>
#include <span>
#include <string_view>

#include "print/page_graphics.h"
#include "printers/models.h"

namespace print {

namespace {

using Seq = std::string_view;
constexpr Seq kEscN = "\x1b\x1bN";
constexpr Seq kEscF14 =
    "\x1b\x1b"
    "F14";
constexpr Seq kEscF00 =
    "\x1b\x1b"
    "F00";
constexpr Seq kEscF07 =
    "\x1b\x1b"
    "F07";
constexpr Seq kEscP6 = "\x1b\x1bP6";
constexpr Seq kEscP2 = "\x1b\x1bP2";
constexpr Seq kLineEnd = "\r\n";
constexpr Seq kSpaceLine = " \r\n";
constexpr Seq kBlankLine = "  \r\n";
constexpr std::uint8_t kFormFeed = 0x0C;
constexpr int kBlankPageLines = 18;

class Encoder {
 public:
  Encoder(const document::BrailleDocument& doc, const JobSpec& spec, ByteSink& sink,
          JobObserver& observer)
      : doc_(doc),
        spec_(spec),
        model_(printers::ModelNamed(spec.model)),
        sink_(sink),
        observer_(observer) {}

  bool Run();

 private:
  void Put(std::uint8_t byte) {
    if (failed_) return;
    if (!sink_.Put(byte)) failed_ = true;
    if (spec_.pacePort) observer_.PaceAfterByte();
  }
  void Put(Seq bytes) {
    Put(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  }
  void Put(std::span<const std::uint8_t> bytes) {
    // A paced port pauses after every byte; elsewhere the sink takes the run.
    if (spec_.pacePort) {
      for (std::uint8_t b : bytes) Put(b);
    } else if (!failed_ && !sink_.PutRun(bytes)) {
      failed_ = true;
    }
  }

  void JobStart();
  bool PageStart();  // true when the page's first line is skipped
  void PageGraphics();
  void TextLine(const std::string& line);
  void BlankLine() { Put(kBlankLine); }
  void PageEnd();
  void BlankPage();
  void BlankBackPage();
  void CopyEnd();
  void JobEnd();

  const document::BrailleDocument& doc_;
  const JobSpec& spec_;
  const printers::Model& model_;
  ByteSink& sink_;
  JobObserver& observer_;
  bool failed_ = false;
  int page_ = 0;  // the page being sent, counted from 0
};

bool Encoder::Run() {
  const std::int64_t S = spec_.startPage;
  const std::int64_t E = spec_.endPage;
  const std::int64_t C = spec_.copies;
  const std::int64_t L = spec_.linesPerPage;
  const std::int64_t total = (E - S + 1) * C;
  const std::int64_t lineCount = static_cast<std::int64_t>(doc_.lines.size());

  JobStart();
  for (std::int64_t j = 0; j < C && !failed_; ++j) {
    page_ = static_cast<int>(S - 1);
    while (page_ < E && !failed_) {
      observer_.Progress(static_cast<int>(((E - S + 1) * j + (page_ + 1 - S)) * 100 / total));
      if (spec_.sides == kSidesFront && page_ % 2 == 1) ++page_;  // odd page numbers
      if (spec_.sides == kSidesBack && page_ % 2 == 0) ++page_;   // even page numbers
      if (page_ >= E) break;
      observer_.PageStarting(static_cast<int>(j + 1), static_cast<int>(C), page_ + 1);

      std::int64_t i = PageStart() ? 1 : 0;
      PageGraphics();
      const std::int64_t first = static_cast<std::int64_t>(page_) * L;
      while (i < L && first + i < lineCount && !failed_) {
        TextLine(doc_.lines[static_cast<std::size_t>(first + i)]);
        ++i;
        if (observer_.CancelRequested()) break;
      }
      // A page cut short by Cancel is still completed to its length.
      for (; i < L && !failed_; ++i) BlankLine();
      PageEnd();
      if (observer_.CancelRequested()) break;
      BlankBackPage();
      ++page_;
    }
    CopyEnd();
    if (observer_.CancelRequested()) break;
  }
  JobEnd();
  return !failed_;
}

void Encoder::JobStart() {
  if (model_.controlCodes) Put(kEscN);
}

bool Encoder::PageStart() {
  if (!model_.controlCodes) return false;
  switch (spec_.linesPerPage) {
    case kDoubleSidedLines:
      if (spec_.sides == kSidesBack) {
        // The back side starts one line down: its first line is not embossed.
        Put(kEscF07);
        Put(kSpaceLine);
        Put(kEscF14);
        return true;
      }
      Put(kEscF14);
      return false;
    case 22:
      Put(kEscF00);
      return false;
    case 24:
      Put(kEscP6);
      return false;
    case 35:
      Put(kEscF07);
      return false;
    default:
      return false;
  }
}

void Encoder::PageGraphics() {
  if (!model_.graphics || !spec_.graphics) return;
  if (page_ < 0 || static_cast<std::size_t>(page_) >= doc_.pageGraphics.size()) return;
  const std::string& graphics = doc_.pageGraphics[static_cast<std::size_t>(page_)];
  if (graphics.empty()) return;
  EncodePageGraphics(graphics, !doc_.lines.empty(), [this](std::uint8_t b) { Put(b); });
}

void Encoder::TextLine(const std::string& line) {
  Put(EmbossedLine(line));
  Put(kLineEnd);
}

void Encoder::PageEnd() {
  if (spec_.pageBreak || spec_.edel) Put(kFormFeed);
  observer_.PageEnded();
}

void Encoder::BlankPage() {
  for (int i = 0; i < kBlankPageLines; ++i) BlankLine();
  if (spec_.pageBreak) Put(kFormFeed);
  observer_.PageEnded();
}

void Encoder::BlankBackPage() {
  if (spec_.sides == kSidesSingle && PrintsBothSides(spec_)) BlankPage();
}

void Encoder::CopyEnd() {
  // Double-sided with an odd number of pages: a blank back keeps the next copy's first
  // page on a front side.
  if (spec_.linesPerPage == kDoubleSidedLines && spec_.sides == kSidesDouble &&
      (spec_.endPage - spec_.startPage) % 2 == 0) {
    BlankPage();
  }
}

void Encoder::JobEnd() {
  if (!model_.controlCodes) return;
  if (spec_.linesPerPage == 24) Put(kEscP2);
  Put(kEscF00);
}

}  // namespace

std::string_view EmbossedLine(std::string_view line) {
  auto trailingWhite = [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
  };
  while (!line.empty() && trailingWhite(line.back())) line.remove_suffix(1);
  return line.empty() ? std::string_view("  ") : line;
}

bool PrintsBothSides(const JobSpec& spec) {
  return spec.linesPerPage == kDoubleSidedLines && printers::ModelNamed(spec.model).doubleSided;
}

bool EncodeJob(const document::BrailleDocument& doc, const JobSpec& spec, ByteSink& sink,
               JobObserver& observer) {
  return Encoder(doc, spec, sink, observer).Run();
}

}  // namespace print
