// The rules a print request is held to, as functions of the embosser model, the document
// and the choices made: which sides, graphics and page-break choices the option keys take
// or refuse and with which sentence, what the dialog proposes for a newly loaded
// document, the range and copies checks, the EDEL check and the graphics warnings. The
// dialog and the CUPS filter both ask these, so that a job one of them refuses is refused
// by the other with the same words.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "printers/models.h"

namespace print {

// The answer to an option key: whether the choice is taken, and the sentence said.
struct KeyAnswer {
  bool accepted;
  std::string_view sentence;
};

// The sides keys (Alt+S, Alt+O, Alt+U, Alt+W) asking for `sides` (kSidesSingle ...).
KeyAnswer SidesKeyAnswer(const printers::Model& model, int linesPerPage, int sides);

// What the file information says about graphics: "図形なし" (or nothing yet), "図形あり",
// "図形のみ".
enum class GraphicsContent { kNone, kPresent, kOnly };

// The graphics key (Alt+Z) while the graphics option is `graphicsOn`: accepted, it turns
// the option the other way.
KeyAnswer GraphicsKeyAnswer(const printers::Model& model, GraphicsContent content, bool graphicsOn);

// The page-break key (Alt+K) while the page-break option is `pageBreakOn`: accepted, it
// turns the option the other way.
KeyAnswer PageBreakKeyAnswer(const printers::Model& model, bool pageBreakOn);

// The sides radios offered for a model and a document's lines per page, besides "all
// pages, one side", which is always offered.
enum class SidesOffer { kSingleOnly, kDouble, kFrontAndBack };
SidesOffer OfferedSides(const printers::Model& model, int linesPerPage);

// The sides choice that goes with the offer: both sides where they are offered, else one.
int ProposedSides(SidesOffer offer);

// The graphics option proposed for a document: on when it carries graphics the embosser
// prints.
bool ProposedGraphics(const printers::Model& model, bool documentHasGraphics);

// The range and copies edits, named for the focus after a refusal.
enum class RangeField { kStartPage, kEndPage, kCopies };

struct RangeRefusal {
  std::string_view message;
  RangeField field;
};

// The range and copies checks, in their order, against a document of `pageCount` pages.
std::optional<RangeRefusal> CheckRangeAndCopies(int startPage, int endPage, int copies,
                                                int pageCount);

// An EDEL drawing on an embosser without graphics: the refusal, shown on two lines.
std::optional<std::string_view> CheckEdelOnModel(const printers::Model& model, bool edel);

// The question asked before a job whose document carries graphics that will not be
// embossed; empty when there is nothing to ask.
std::string GraphicsWarning(const printers::Model& model, bool documentHasGraphics,
                            bool graphicsOn);

}  // namespace print
