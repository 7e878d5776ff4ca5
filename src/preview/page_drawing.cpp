// The page to scale. Text cells take the common braille measures: dots 2.5 mm apart in a
// cell, cells 6 mm apart, lines 10 mm apart. The embosser's graphics coordinates have no
// stated length; one unit is drawn as 0.2 mm, so that the 1024 units of a line across are
// about the width of a 32-cell line, and the point (0, 0) is where the first cell's first
// dot stands, the place the pen returns to before the text.
#include <algorithm>
#include <charconv>

#include "preview/page_view.h"
#include "preview/unicode_braille.h"
#include "print/embosser_stream.h"
#include "print/page_graphics.h"

namespace preview {

namespace {

constexpr double kMargin = 5.0;
constexpr double kDotPitch = 2.5;
constexpr double kCellPitch = 6.0;
constexpr double kLinePitch = 10.0;
constexpr double kTextDotRadius = 0.7;
constexpr double kGraphicsUnit = 0.2;
constexpr double kPageGap = 10.0;

// The three dot kinds at three sizes, in the order of their selecting digits 0, 1 and 2.
double GraphicsDotRadius(std::uint8_t kind) {
  switch (print::DotKindCode(kind)) {
    case '0':
      return 0.9;
    case '2':
      return 0.45;
    default:
      return 0.65;
  }
}

void DrawCell(std::uint8_t byte, double left, double top, std::vector<PageDrawing::Dot>& dots) {
  const std::uint8_t pattern = CellDots(byte);
  for (int n = 0; n < 6; ++n) {
    if ((pattern & (1u << n)) == 0) continue;
    dots.push_back(PageDrawing::Dot{left + (n < 3 ? 0.0 : kDotPitch), top + kDotPitch * (n % 3),
                                    kTextDotRadius});
  }
}

// A length in millimetres, to a hundredth, whatever the locale.
std::string Number(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  return std::string(text, end.ptr);
}

}  // namespace

PageDrawing DrawPage(const document::BrailleDocument& doc, int page) {
  PageDrawing drawing;
  drawing.width = 2 * kMargin + kCellPitch * std::max(doc.charsPerLine, 1);
  drawing.height = 2 * kMargin + kLinePitch * std::max(doc.linesPerPage, 1);
  if (page < 1) return drawing;
  const std::size_t first = static_cast<std::size_t>(page - 1) * std::max(doc.linesPerPage, 0);
  for (int row = 0; row < doc.linesPerPage; ++row) {
    const std::size_t i = first + static_cast<std::size_t>(row);
    if (i >= doc.lines.size()) break;
    const std::string_view line = print::EmbossedLine(doc.lines[i]);
    for (std::size_t column = 0; column < line.size(); ++column) {
      DrawCell(static_cast<std::uint8_t>(line[column]), kMargin + kCellPitch * column,
               kMargin + kLinePitch * row, drawing.dots);
    }
    drawing.width = std::max(drawing.width, 2 * kMargin + kCellPitch * line.size());
  }
  if (static_cast<std::size_t>(page) <= doc.pageGraphics.size()) {
    print::ForEachEmbossedPoint(
        doc.pageGraphics[static_cast<std::size_t>(page - 1)], [&](const print::EmbossedPoint& p) {
          const PageDrawing::Dot dot{kMargin + kGraphicsUnit * p.x, kMargin + kGraphicsUnit * p.y,
                                     GraphicsDotRadius(p.kind)};
          drawing.dots.push_back(dot);
          drawing.width = std::max(drawing.width, dot.x + kMargin);
          drawing.height = std::max(drawing.height, dot.y + kMargin);
        });
  }
  return drawing;
}

std::string PagesSvg(const document::BrailleDocument& doc, int first, int last) {
  std::vector<PageDrawing> pages;
  double width = 0;
  double height = 0;
  for (int page = first; page <= last; ++page) {
    pages.push_back(DrawPage(doc, page));
    width = std::max(width, pages.back().width);
    height += pages.back().height + (page > first ? kPageGap : 0.0);
  }
  const std::string w = Number(width);
  const std::string h = Number(height);
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
      w + "mm\" height=\"" + h + "mm\" viewBox=\"0 0 " + w + " " + h + "\">\n";
  double top = 0;
  int page = first;
  for (const PageDrawing& drawing : pages) {
    svg += "<g id=\"page" + std::to_string(page++) + "\" transform=\"translate(0 " + Number(top) +
           ")\">\n<rect width=\"" + Number(drawing.width) + "\" height=\"" +
           Number(drawing.height) + "\" fill=\"white\" stroke=\"gray\" stroke-width=\"0.3\"/>\n";
    for (const PageDrawing::Dot& dot : drawing.dots) {
      svg += "<circle cx=\"" + Number(dot.x) + "\" cy=\"" + Number(dot.y) + "\" r=\"" +
             Number(dot.radius) + "\"/>\n";
    }
    svg += "</g>\n";
    top += drawing.height + kPageGap;
  }
  svg += "</svg>\n";
  return svg;
}

}  // namespace preview
