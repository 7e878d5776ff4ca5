#include "print/job_rules.h"

#include "print/job_spec.h"
#include "res/messages.h"
#include "speech/sentences.h"

namespace print {

namespace {

constexpr std::string_view kBlankLine = "\r\n\r\n";

}  // namespace

KeyAnswer SidesKeyAnswer(const printers::Model& model, int linesPerPage, int sides) {
  const bool eighteen = linesPerPage == kDoubleSidedLines;
  switch (sides) {
    case kSidesFront:
    case kSidesBack:
      if (model.refusesFrontBackKeys) return {false, speech::kPrinterNoPerSide};
      if (!eighteen) return {false, speech::kFileNoPerSide};
      return {true, sides == kSidesFront ? speech::kFrontSet : speech::kBackSet};
    case kSidesDouble:
      if (model.refusesDoubleKey) return {false, speech::kPrinterNoDouble};
      if (!eighteen) return {false, speech::kFileNoDouble};
      return {true, speech::kDoubleSet};
    default:
      return {true, speech::kSingleSet};
  }
}

KeyAnswer GraphicsKeyAnswer(const printers::Model& model, GraphicsContent content,
                            bool graphicsOn) {
  if (model.refusesGraphicsKey) return {false, speech::kPrinterNoGraphics};
  if (content == GraphicsContent::kOnly) return {false, speech::kEdelGraphicsFixed};
  if (content == GraphicsContent::kNone) return {false, speech::kNoGraphicsData};
  return {true, graphicsOn ? speech::kGraphicsOff : speech::kGraphicsOn};
}

KeyAnswer PageBreakKeyAnswer(const printers::Model& model, bool pageBreakOn) {
  if (model.refusesPageBreakKey) return {false, speech::kPageBreakRequired};
  return {true, pageBreakOn ? speech::kPageBreakOff : speech::kPageBreakOn};
}

SidesOffer OfferedSides(const printers::Model& model, int linesPerPage) {
  if (linesPerPage != kDoubleSidedLines) return SidesOffer::kSingleOnly;
  if (model.doubleSided) return SidesOffer::kDouble;
  if (model.frontBackSides) return SidesOffer::kFrontAndBack;
  return SidesOffer::kSingleOnly;
}

int ProposedSides(SidesOffer offer) {
  return offer == SidesOffer::kDouble ? kSidesDouble : kSidesSingle;
}

bool ProposedGraphics(const printers::Model& model, bool documentHasGraphics) {
  return documentHasGraphics && model.graphics;
}

std::optional<RangeRefusal> CheckRangeAndCopies(int startPage, int endPage, int copies,
                                                int pageCount) {
  using enum RangeField;
  if (startPage < 1) return RangeRefusal{res::kStartPageBelowOne, kStartPage};
  if (endPage < 1) return RangeRefusal{res::kEndPageBelowOne, kEndPage};
  if (copies < 1) return RangeRefusal{res::kCopiesBelowOne, kCopies};
  if (startPage > pageCount) {
    return RangeRefusal{res::kStartPagePastEnd, kStartPage};
  }
  if (endPage > pageCount) {
    return RangeRefusal{res::kEndPagePastEnd, kEndPage};
  }
  if (startPage > endPage) return RangeRefusal{res::kEndBeforeStart, kEndPage};
  if (copies > 1000) return RangeRefusal{res::kTooManyCopies, kCopies};
  return std::nullopt;
}

std::optional<std::string_view> CheckEdelOnModel(const printers::Model& model, bool edel) {
  if (!edel || model.graphics) return std::nullopt;
  return res::kEdelNeedsGraphicsModel;
}

std::string GraphicsWarning(const printers::Model& model, bool documentHasGraphics,
                            bool graphicsOn) {
  if (!documentHasGraphics) return {};
  if (!model.graphics) {
    return std::string(res::kGraphicsHeld) + std::string(kBlankLine) +
           std::string(res::kNoGraphicsOnModel);
  }
  if (!graphicsOn) {
    return std::string(res::kGraphicsHeld) + std::string(kBlankLine) +
           std::string(res::kGraphicsSwitchedOff);
  }
  return {};
}

}  // namespace print
