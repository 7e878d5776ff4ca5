// varnel_sentences: the program's sentences and messages for the shell tests, from the one
// source the program speaks them from, so that no test keeps a copy.
//
//   varnel_sentences NAME                     one sentence or message (NAME as below)
//   varnel_sentences printer NAME PORT        the composed sentences, as Alt+1, Alt+3,
//   varnel_sentences file PATH CELLS LINES PAGES GRAPHICS_INFO    Alt+5 and Alt+9 say
//   varnel_sentences range START END SIDES    (SIDES 0 single, 1 front, 2 back, 3 double)
//   varnel_sentences options GRAPHICS PAGE_BREAK                  (each 0 or 1)
//   varnel_sentences page PAGE COUNT GRAPHICS   the page reading window's (GRAPHICS 0 or 1)
//   varnel_sentences sheets SHEETS              and Alt+M's
#include <iostream>
#include <string>
#include <string_view>
#include <utility>

#include "res/messages.h"
#include "speech/sentences.h"

namespace {

int Number(const char* text) { return std::stoi(text); }

}  // namespace

int main(int argc, char* argv[]) {
  const std::string_view what = argc > 1 ? argv[1] : "";
  if (argc == 2) {
    const std::pair<std::string_view, std::string_view> all[] = {
        {"PRINT_FINISHED", speech::kPrintFinished},
        {"NO_FILE", speech::kNoFile},
        {"NO_PRINTER", speech::kNoPrinter},
        {"CLOSING", speech::kClosing},
        {"SINGLE_SET", speech::kSingleSet},
        {"FRONT_SET", speech::kFrontSet},
        {"BACK_SET", speech::kBackSet},
        {"DOUBLE_SET", speech::kDoubleSet},
        {"PRINTER_NO_PER_SIDE", speech::kPrinterNoPerSide},
        {"FILE_NO_PER_SIDE", speech::kFileNoPerSide},
        {"PRINTER_NO_DOUBLE", speech::kPrinterNoDouble},
        {"FILE_NO_DOUBLE", speech::kFileNoDouble},
        {"PRINTER_NO_GRAPHICS", speech::kPrinterNoGraphics},
        {"NO_GRAPHICS_DATA", speech::kNoGraphicsData},
        {"EDEL_GRAPHICS_FIXED", speech::kEdelGraphicsFixed},
        {"GRAPHICS_ON", speech::kGraphicsOn},
        {"GRAPHICS_OFF", speech::kGraphicsOff},
        {"PAGE_BREAK_REQUIRED", speech::kPageBreakRequired},
        {"PAGE_BREAK_ON", speech::kPageBreakOn},
        {"PAGE_BREAK_OFF", speech::kPageBreakOff},
        {"JOB_SENT", speech::kJobSent},
        {"JOB_NOT_SENT", speech::kJobNotSent},
        {"JOB_CANCELLED", speech::kJobCancelled},
        {"EMBOSSER_STOPPED", speech::kEmbosserStopped},
        {"JOB_IN_SPOOLER", speech::kJobInSpooler},
        {"NOTHING_PRINTED", speech::kNothingPrinted},
        {"ENUMERATION_FAILED", res::kEnumerationFailed},
        {"OPEN_FAILED", res::kOpenFailed},
        {"PRINT_FAILED", res::kPrintFailed},
        {"NO_GRAPHICS_ON_MODEL", res::kNoGraphicsOnModel},
    };
    for (const auto& [name, text] : all) {
      if (name != what) continue;
      std::cout << text << '\n';
      return 0;
    }
    std::cerr << "varnel_sentences: no sentence named " << what << "\n";
    return 2;
  } else if (what == "printer" && argc == 4) {
    std::cout << speech::PrinterSentence(argv[2], argv[3]) << '\n';
  } else if (what == "file" && argc == 7) {
    std::cout << speech::FileSentence(argv[2], Number(argv[3]), Number(argv[4]), Number(argv[5]),
                                      argv[6])
              << '\n';
  } else if (what == "range" && argc == 5) {
    std::cout << speech::RangeSentence(Number(argv[2]), Number(argv[3]), Number(argv[4])) << '\n';
  } else if (what == "options" && argc == 4) {
    std::cout << speech::OptionsSentence(Number(argv[2]), Number(argv[3])) << '\n';
  } else if (what == "page" && argc == 5) {
    std::cout << speech::PageSentence(Number(argv[2]), Number(argv[3]), Number(argv[4]) != 0)
              << '\n';
  } else if (what == "sheets" && argc == 3) {
    std::cout << speech::SheetsSentence(Number(argv[2])) << '\n';
  } else {
    std::cerr << "varnel_sentences: unknown request\n";
    return 2;
  }
  return 0;
}
