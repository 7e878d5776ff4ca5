// A page of a document as it will be embossed, for reading before printing: its lines in
// Unicode braille and a drawing of its dots.
#pragma once

#include <string>
#include <vector>

#include "document/braille_document.h"
#include "platform/picture.h"

namespace preview {

// The lines of page `page` (counted from 1) as the embosser receives them, in Unicode
// braille: one per braille line, padded with the embosser's blank lines to the document's
// lines per page. None for a page without text (a drawing).
std::vector<std::string> PageLines(const document::BrailleDocument& doc, int page);

// The number of graphics points of the page that reach the embosser.
int PagePointCount(const document::BrailleDocument& doc, int page);

// A page drawn to scale, in millimetres: each cell's raised dots at their places in the
// cell, and the graphics points over the same page.
using PageDrawing = platform::Picture;

PageDrawing DrawPage(const document::BrailleDocument& doc, int page);

// Pages `first` to `last` (counted from 1) drawn one below the other, as an SVG picture.
std::string PagesSvg(const document::BrailleDocument& doc, int first, int last);

}  // namespace preview
