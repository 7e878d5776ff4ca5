// What a braille file format is, written once for the dialog and the CUPS filter: its
// extension, its CUPS type and leading bytes, the size limit, how it is read into a
// document or refused, and what graphics it carries.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "document/braille_document.h"

namespace document {

enum class Format { kBase, kNab, kWinBes, kEdel };

// A file of this many bytes or more is not read.
inline constexpr std::size_t kMaxFileSize = 1'000'000;

// The graphics a format's documents may carry.
enum class FormatGraphics {
  kNone,        // text only
  kSwitchable,  // beside the text; the graphics option may switch them off
  kOnly,        // a drawing: graphics and nothing else, always embossed
};

struct FormatRow {
  Format format;
  std::string_view extension;  // in capitals
  std::string_view mimeType;   // as CUPS types it (packaging/cups/varnel.types)
  std::string_view signature;  // the leading bytes; empty where the format has none
  FormatGraphics graphics;
};

const FormatRow& RowOf(Format format);

// The format of an extension as the dialog reads it: all capitals or all small letters
// ("BSE", "bse"; "Bse" is no format).
std::optional<Format> FormatOfExtension(std::string_view extension);
// The format of an extension in any letter case, as the filter reads a job's name.
std::optional<Format> FormatOfExtensionAnyCase(std::string_view extension);
std::optional<Format> FormatOfType(std::string_view mimeType);
// The format the leading bytes show, for the formats that have a signature.
std::optional<Format> FormatOfContent(Bytes bytes);

// The graphics of the format the dialog's extension names; kNone for no format.
FormatGraphics GraphicsOfExtension(std::string_view extension);
// Whether the dialog's extension names a drawing, whose page always ends with a form feed
// and which only the graphics embossers print.
bool IsDrawingExtension(std::string_view extension);

// Reads the bytes as the format: the document, a drawing with the dialog's geometry
// (one page, no lines, no cells), or the reader's refusal message.
std::variant<BrailleDocument, std::string_view> ReadFormat(Format format, Bytes bytes);

}  // namespace document
