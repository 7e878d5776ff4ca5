// Every sentence the program speaks. Wide blanks are ideographic spaces (U+3000).
#pragma once

#include <string>
#include <string_view>

namespace speech {

inline constexpr std::string_view kClosing = "Varnelを終了します";
inline constexpr std::string_view kPrintFinished = "印刷を　終了しました";
inline constexpr std::string_view kNoPrinter = "てんじプリンタが　せんたく　されていません";
inline constexpr std::string_view kNoFile = "いんさつするファイルが　せんたく　されていません";
inline constexpr std::string_view kSingleSet = "全ページ　かためん　いんさつに　せっていしました";
inline constexpr std::string_view kFrontSet = "おもてめん　いんさつに　せっていしました";
inline constexpr std::string_view kBackSet = "うらめん　いんさつに　せっていしました";
inline constexpr std::string_view kDoubleSet = "全ページ　りょーめん　いんさつに　せっていしました";
inline constexpr std::string_view kPrinterNoPerSide =
    "このプリンタわ　片面ごとの　両面印刷わ　できません";
inline constexpr std::string_view kFileNoPerSide =
    "このファイルわ　片面ごとの　両面印刷わ　できません";
inline constexpr std::string_view kPrinterNoDouble = "このプリンタわ　両面印刷　できません";
inline constexpr std::string_view kFileNoDouble = "このファイルわ　両面印刷　できません";
inline constexpr std::string_view kPrinterNoGraphics =
    "このプリンタでわ　図形は印刷できませんので　図形出力の　チェックわ　いれられません";
inline constexpr std::string_view kNoGraphicsData =
    "図形データがないので　図形出力の　チェックわ　いれられません";
inline constexpr std::string_view kEdelGraphicsFixed =
    "エーデルのファイルでわ　図形出力の　チェックわ　はずせません";
inline constexpr std::string_view kGraphicsOn = "図形出力の　チェックを　いれました";
inline constexpr std::string_view kGraphicsOff = "図形出力の　チェックを　はずしました";
inline constexpr std::string_view kPageBreakRequired =
    "このプリンタでわ　改ページ出力が必要ですので　チェックわ　はずせません";
inline constexpr std::string_view kPageBreakOn = "改ページ出力のチェックを　いれました";
inline constexpr std::string_view kPageBreakOff = "改ページ出力のチェックを　はずしました";

// The composed sentences, from the values they speak of.
std::string PrinterSentence(std::string_view printerName, std::string_view port);
std::string FileSentence(std::string_view path, int charsPerLine, int linesPerPage, int pages,
                         std::string_view graphicsInfo);
std::string RangeSentence(int startPage, int endPage, int sides);
std::string OptionsSentence(int graphics, int pageBreak);
// The page shown in the page reading window: "2ページめ　ぜんぶで　3ページ".
std::string PageSentence(int page, int pageCount, bool hasGraphics);
// The paper a print of the current choices takes.
std::string SheetsSentence(long long sheets);

}  // namespace speech
