// What the dialog's message boxes say when the printer list, the printer or the job fails,
// and when a document's graphics will not be embossed; varnel-cli and the filter say the
// same.
#pragma once

#include <string_view>

namespace print {

inline constexpr std::string_view kEnumerationFailed = "プリンタの列挙に失敗";
inline constexpr std::string_view kOpenFailed = "プリンタのオープンに失敗しました";
inline constexpr std::string_view kPrintFailed = "印刷できませんでした";
inline constexpr std::string_view kNoGraphicsOnModel = "この点字プリンタでは 図形は印刷されません";
inline constexpr std::string_view kGraphicsSwitchedOff =
    "図形出力のチェックが外れているため 図形は印刷されません";

}  // namespace print
