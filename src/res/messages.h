// What Varnel's message boxes say, and their captions. The dialog shows them; varnel-cli and
// the CUPS filter print the same words, so every route refuses a file or a job alike.
#pragma once

#include <string_view>

namespace res {

// The program's name: the caption of its message boxes and the title of its main window.
inline constexpr std::string_view kAppName = "Varnel";
// The caption of the boxes that report a failed job.
inline constexpr std::string_view kErrorCaption = "Error";

// A file that cannot be read. kCannotOpen follows the file's path and an empty line.
inline constexpr std::string_view kCannotOpen = "ファイルのオープンに失敗しました。";
inline constexpr std::string_view kTooLarge =
    "サイズが１Ｍ バイト 以上の大きいファイルは開けません。";
inline constexpr std::string_view kWrongVersion = "このバージョンのファイルは開けません。";
inline constexpr std::string_view kNotEdel = "これは「エーデル」ファイルではありません。";
inline constexpr std::string_view kUnknownFormat = "この形式のファイルは開けません";

// Text that is not a number in the range and copies edits.
inline constexpr std::string_view kHalfWidthDigitsOnly = "入力は半角数字を使用してください";

// The Print button's refusals, in the order they are checked.
inline constexpr std::string_view kNoPrinterChosen = "プリンタが選択されていません";
inline constexpr std::string_view kNoFileChosen = "ファイルが選択されていません";
inline constexpr std::string_view kStartPageBelowOne = "印刷開始頁は 1 頁以上にしてください";
inline constexpr std::string_view kEndPageBelowOne = "印刷終了頁は 1 頁以上にしてください";
inline constexpr std::string_view kCopiesBelowOne = "印刷部数は 1 部以上にしてください";
inline constexpr std::string_view kStartPagePastEnd = "印刷開始頁がファイル最終頁より大きいです";
inline constexpr std::string_view kEndPagePastEnd = "印刷終了頁がファイル最終頁より大きいです";
inline constexpr std::string_view kEndBeforeStart = "印刷終了頁が開始頁より小さいです";
inline constexpr std::string_view kTooManyCopies = "印刷部数は 1000 部以下にしてください";
inline constexpr std::string_view kEdelNeedsGraphicsModel =
    "TEN-100、TEN-10、New ESA721 以外の点字プリンタでは　　\n"
    "「エーデル」の図形印刷はできません";

// The graphics warning: kGraphicsHeld, an empty line, then why they will not be embossed.
inline constexpr std::string_view kGraphicsHeld = "ファイルには図形データが含まれていますが";
inline constexpr std::string_view kNoGraphicsOnModel = "この点字プリンタでは 図形は印刷されません";
inline constexpr std::string_view kGraphicsSwitchedOff =
    "図形出力のチェックが外れているため 図形は印刷されません";

// The printer list, the printer or the job failed.
inline constexpr std::string_view kEnumerationFailed = "プリンタの列挙に失敗";
inline constexpr std::string_view kOpenFailed = "プリンタのオープンに失敗しました";
inline constexpr std::string_view kPrintFailed = "印刷できませんでした";

}  // namespace res
