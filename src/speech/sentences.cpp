#include "speech/sentences.h"

#include "print/job_spec.h"

namespace speech {

std::string PrinterSentence(std::string_view printerName, std::string_view port) {
  std::string s = "いんさつする　てんじプリンタわ   ";
  s += printerName;
  s += "　です　　";
  s += "せつぞくばしょわ　";
  s += port;
  s += "　です";
  return s;
}

std::string FileSentence(std::string_view path, int charsPerLine, int linesPerPage, int pages,
                         std::string_view graphicsInfo) {
  std::string s = "いんさつするファイルわ　";
  s += path;
  s += "　です　　";
  s += "一ページわ　";
  s += std::to_string(charsPerLine);
  s += "ます　";
  s += std::to_string(linesPerPage);
  s += "ぎょう　";
  s += std::to_string(pages);
  s += "ページ　";
  if (graphicsInfo == "図形あり") {
    s += "ずけいが　あります";
  } else if (graphicsInfo == "図形のみ") {
    s += "ずけい　のみです";
  } else {
    s += "ずけいわ　ありません";
  }
  return s;
}

std::string RangeSentence(int startPage, int endPage, int sides) {
  std::string s = "いんさつする　はんいわ　";
  s += std::to_string(startPage);
  s += "ページから　";
  s += std::to_string(endPage);
  s += "ページまでの　";
  switch (sides) {
    case print::kSidesSingle:
      s += "全ページ　かためん　いんさつ　です";
      break;
    case print::kSidesFront:
      s += "おもてめん　きすうページです";
      break;
    case print::kSidesBack:
      s += "うらめん　ぐうすうぺーじです";
      break;
    default:
      s += "全ページ　りょーめん　いんさつ　です";
      break;
  }
  return s;
}

std::string OptionsSentence(int graphics, int pageBreak) {
  std::string s = graphics == 1 ? "図形出力　チェックあり　" : "図形出力　チェックなし　";
  s += pageBreak == 1 ? "改ページ出力　チェックあり" : "改ページ出力　チェックなし";
  return s;
}

std::string PageSentence(int page, int pageCount, bool hasGraphics) {
  std::string s = std::to_string(page);
  s += "ページめ　ぜんぶで　";
  s += std::to_string(pageCount);
  s += "ページ";
  if (hasGraphics) s += "　ずけいが　あります";
  return s;
}

std::string SheetsSentence(long long sheets) {
  return "この　いんさつでわ　かみを　" + std::to_string(sheets) + "まい　つかいます";
}

}  // namespace speech
