// varnel-cli show: the pages of a braille file as they will be embossed, in Unicode
// braille on stdout, and as a drawing in an SVG file.
#include <iostream>
#include <optional>
#include <utility>

#include "app/varnel_dlg.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/job_choices.h"
#include "platform/file_io.h"
#include "platform/memory/memory_spooler.h"
#include "platform/text/decimal.h"
#include "preview/page_view.h"
#include "print/job_rules.h"
#include "res/resource.h"

namespace cli {

namespace {

// "N" or "N-M", digits only; nothing when the text is neither.
std::optional<std::pair<int, int>> PageRange(const std::string& text) {
  const std::size_t dash = text.find('-');
  const std::string first = text.substr(0, dash);
  const std::string last = dash == std::string::npos ? first : text.substr(dash + 1);
  if (first.empty() || last.empty() || !platform::IsAllDigits(first) ||
      !platform::IsAllDigits(last)) {
    return std::nullopt;
  }
  return std::pair(platform::DigitsToInt(first), platform::DigitsToInt(last));
}

void PrintPages(const document::BrailleDocument& doc, int first, int last) {
  for (int page = first; page <= last; ++page) {
    std::cout << "page " << page << '/' << doc.pageCount << '\n';
    if (const int points = preview::PagePointCount(doc, page); points > 0)
      std::cout << "graphics: " << points << " objects\n";
    for (const std::string& line : preview::PageLines(doc, page)) std::cout << line << '\n';
  }
}

}  // namespace

int RunShow(const ShowOptions& o) {
  const auto range = o.pages ? PageRange(*o.pages) : std::pair(1, 0);
  if (!range) {
    std::cerr << "--pages: N or N-M\n";
    return kExitUsage;
  }
  Session session(std::make_unique<platform::MemorySpooler>(), o.settings);
  session.Files().Answer(o.file);
  return session.Run([&](platform::HeadlessHost& host) {
    host.Click(res::kIdcBrowse);
    if (session.MessageCount() > 0) return kExitRefused;
    CVarnelDlg& dlg = MainDialog(host);
    const int first = range->first;
    const int last = o.pages ? range->second : dlg.m_nDocPageCount;
    if (const auto refusal = print::CheckRangeAndCopies(first, last, 1, dlg.m_nDocPageCount)) {
      std::cerr << refusal->message << '\n';
      return kExitRefused;
    }
    int status = kExitOk;
    dlg.UseDocument([&](const document::BrailleDocument& doc) {
      PrintPages(doc, first, last);
      if (!o.svg) return;
      const std::string svg = preview::PagesSvg(doc, first, last);
      if (!platform::ReplaceFileAtomically(*o.svg,
                                           std::vector<std::uint8_t>(svg.begin(), svg.end()))) {
        std::cerr << *o.svg << ": SVG を書き込めませんでした\n";
        status = kExitRefused;
      }
    });
    return status;
  });
}

}  // namespace cli
