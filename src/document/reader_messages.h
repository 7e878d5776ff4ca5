// What the readers and the file selection say when a file cannot be read, shared by the
// dialog and the CUPS filter so that both refuse a file in the same words.
#pragma once

#include <string_view>

namespace document {

// Follows the file's path and an empty line.
inline constexpr std::string_view kCannotOpenMessage = "ファイルのオープンに失敗しました。";
inline constexpr std::string_view kTooLargeMessage =
    "サイズが１Ｍ バイト 以上の大きいファイルは開けません。";
inline constexpr std::string_view kWrongVersionMessage = "このバージョンのファイルは開けません。";
inline constexpr std::string_view kNotEdelMessage = "これは「エーデル」ファイルではありません。";
inline constexpr std::string_view kUnknownFormatMessage = "この形式のファイルは開けません";

}  // namespace document
