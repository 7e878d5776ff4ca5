// The six embosser models and the groups of them that decide behaviour. A model is
// compared by exact, case-sensitive equality with these names.
#pragma once

#include <string_view>

namespace printers {

inline constexpr std::string_view kTen100 = "TEN-100";
inline constexpr std::string_view kTen10 = "TEN-10";
inline constexpr std::string_view kNewEsa721 = "NewESA721";
inline constexpr std::string_view kEsa721 = "ESA721";
inline constexpr std::string_view kNabccDbl = "NABCC-DBL";
inline constexpr std::string_view kNabccSgl = "NABCC-SGL";

// Models that print tactile graphics.
bool IsGraphicsModel(std::string_view model);
// Models whose page-break option is held on.
bool IsForcedPageBreakModel(std::string_view model);
// Models that print both sides of the paper.
bool IsDoubleSidedModel(std::string_view model);
// Models that take the job, page and job-end control sequences.
bool IsControlCodeModel(std::string_view model);
// Models that need a blank back page after each page printed single-sided.
bool IsBlankBackModel(std::string_view model);

}  // namespace printers
