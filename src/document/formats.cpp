#include "document/formats.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "res/messages.h"

namespace document {

namespace {

constexpr std::array<FormatRow, 4> kFormats = {{
    {Format::kBase, "BSE", "application/x-braille-base", "", FormatGraphics::kNone},
    {Format::kNab, "NAB", "application/x-braille-nab", "", FormatGraphics::kNone},
    {Format::kWinBes, "BES", "application/x-braille-winbes", "%BET", FormatGraphics::kSwitchable},
    {Format::kEdel, "EDL", "application/x-braille-edel", "EDEL", FormatGraphics::kOnly},
}};

std::string Upper(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return out;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

}  // namespace

const FormatRow& RowOf(Format format) {
  for (const FormatRow& row : kFormats) {
    if (row.format == format) return row;
  }
  return kFormats.front();
}

std::optional<Format> FormatOfExtension(std::string_view extension) {
  for (const FormatRow& row : kFormats) {
    if (extension == row.extension || extension == Lower(row.extension)) return row.format;
  }
  return std::nullopt;
}

std::optional<Format> FormatOfExtensionAnyCase(std::string_view extension) {
  return FormatOfExtension(Upper(extension));
}

std::optional<Format> FormatOfType(std::string_view mimeType) {
  for (const FormatRow& row : kFormats) {
    if (mimeType == row.mimeType) return row.format;
  }
  return std::nullopt;
}

std::optional<Format> FormatOfContent(Bytes bytes) {
  for (const FormatRow& row : kFormats) {
    if (row.signature.empty() || bytes.size() < row.signature.size()) continue;
    if (std::equal(row.signature.begin(), row.signature.end(), bytes.begin(),
                   [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; })) {
      return row.format;
    }
  }
  return std::nullopt;
}

FormatGraphics GraphicsOfExtension(std::string_view extension) {
  const std::optional<Format> format = FormatOfExtension(extension);
  return format ? RowOf(*format).graphics : FormatGraphics::kNone;
}

bool IsDrawingExtension(std::string_view extension) {
  return GraphicsOfExtension(extension) == FormatGraphics::kOnly;
}

std::variant<BrailleDocument, std::string_view> ReadFormat(Format format, Bytes bytes) {
  switch (format) {
    case Format::kBase:
    case Format::kNab:
      return ParseBaseNab(bytes);
    case Format::kWinBes:
      if (auto doc = ParseWinBes(bytes)) return std::move(*doc);
      return res::kWrongVersion;
    case Format::kEdel:
      if (auto doc = ParseEdel(bytes)) {
        doc->pageCount = 1;
        doc->linesPerPage = 0;
        doc->charsPerLine = 0;
        return std::move(*doc);
      }
      return res::kNotEdel;
  }
  return res::kUnknownFormat;
}

}  // namespace document
