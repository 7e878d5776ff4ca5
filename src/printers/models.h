// The embosser models: one row each with every rule that depends on the model. A model is
// compared by exact, case-sensitive equality with its name.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace printers {

inline constexpr std::string_view kTen100 = "TEN-100";
inline constexpr std::string_view kTen10 = "TEN-10";
inline constexpr std::string_view kNewEsa721 = "NewESA721";
inline constexpr std::string_view kEsa721 = "ESA721";
inline constexpr std::string_view kNabccDbl = "NABCC-DBL";
inline constexpr std::string_view kNabccSgl = "NABCC-SGL";

struct Model {
  std::string_view name;
  // Takes the job-start, page-start and job-end control sequences.
  bool controlCodes;
  // Its page-break option is held on.
  bool forcedPageBreak;
  // Prints tactile graphics.
  bool graphics;
  // Prints both sides of 18-line pages: offers double-sided printing, and a page printed
  // on one side is followed by a blank back page.
  bool doubleSided;
  // Offers front sides only and back sides only for 18-line pages.
  bool frontBackSides;
  // The Alt keys that refuse because of the embosser, whatever the document.
  bool refusesFrontBackKeys;  // Alt+O, Alt+U
  bool refusesDoubleKey;      // Alt+W
  bool refusesGraphicsKey;    // Alt+Z
  bool refusesPageBreakKey;   // Alt+K
  // The virtual embosser that stands for the model when no embosser is at hand.
  std::string_view virtualEmbosser;
  // The model's printer description for CUPS (packaging/cups/varnel.drv compiles it).
  std::string_view printerDescription;
};

// Every model, in the order the virtual embossers are offered.
std::span<const Model> AllModels();

// The virtual embossers, one per model, in the order of AllModels.
std::vector<std::string> VirtualEmbosserNames();

// The row of a model; a row that allows and takes nothing for a name that is no model
// (no printer chosen yet).
const Model& ModelNamed(std::string_view name);

}  // namespace printers
