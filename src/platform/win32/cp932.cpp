// Code page 932 through the Windows conversion functions, giving the bytes and text the
// iconv converter gives on Linux, so that a settings file reads the same on both:
// - Windows maps the single bytes 0x80, 0xA0 and 0xFD-0xFF (to U+0080 and U+F8F0-U+F8F3)
//   where iconv has no character: here they have none either.
// - iconv gives a few characters one-way codes (U+301C WAVE DASH writes as 0x81 0x60,
//   which reads back as U+FF5E): here they take the same codes, through the character
//   Windows reads back.
#include "platform/text/cp932.h"

#include <windows.h>

#include <climits>

#include "platform/win32/utf16.h"

namespace platform::cp932 {

namespace {

constexpr UINT kCodePage = 932;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The character whose code page 932 code a character takes one way (what the code reads
// back as); the character itself when it has its own code or none.
wchar_t TwoWayCharacter(wchar_t c) {
  switch (c) {
    case 0x00A2:
      return 0xFFE0;  // CENT SIGN
    case 0x00A3:
      return 0xFFE1;  // POUND SIGN
    case 0x00A5:
      return 0x005C;  // YEN SIGN
    case 0x00AC:
      return 0xFFE2;  // NOT SIGN
    case 0x2014:
      return 0x2015;  // EM DASH
    case 0x2016:
      return 0x2225;  // DOUBLE VERTICAL LINE
    case 0x203E:
      return 0x007E;  // OVERLINE
    case 0x2212:
      return 0xFF0D;  // MINUS SIGN
    case 0x301C:
      return 0xFF5E;  // WAVE DASH
    default:
      return c;
  }
}

// Characters Windows alone gives a code.
bool HasOnlyAWindowsCode(wchar_t c) { return c == 0x0080 || (c >= 0xF8F0 && c <= 0xF8F3); }

// The UTF-8 of one character of code page 932 (one or two bytes); nothing when the bytes
// are no character.
std::optional<std::string> DecodeOne(const char* bytes, int size) {
  wchar_t wide[2];
  const int n = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes, size, wide, 2);
  if (n != 1 || HasOnlyAWindowsCode(wide[0])) return std::nullopt;
  return win32::Utf8FromUtf16(std::wstring_view(wide, 1));
}

}  // namespace

std::optional<std::string> FromUtf8(std::string_view utf8) {
  std::optional<std::wstring> wide = win32::Utf16FromUtf8(utf8);
  if (!wide) return std::nullopt;
  if (wide->empty()) return std::string();
  for (wchar_t& c : *wide) {
    if (HasOnlyAWindowsCode(c)) return std::nullopt;
    c = TwoWayCharacter(c);
  }
  if (wide->size() > static_cast<std::size_t>(INT_MAX) / 2) return std::nullopt;
  const int size = static_cast<int>(wide->size());
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide->data(), size, nullptr, 0,
                                    nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<std::size_t>(n), '\0');
  if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide->data(), size, out.data(), n,
                          nullptr, &usedDefault) != n ||
      usedDefault) {
    return std::nullopt;
  }
  return out;
}

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out += bytes[i];
      ++i;
      continue;
    }
    const int width = IsLeadByte(b) && i + 1 < bytes.size() ? 2 : 1;
    // A lead byte without a character after it stands alone, as a byte without one.
    if (const std::optional<std::string> c = DecodeOne(bytes.data() + i, width)) {
      out += *c;
      i += static_cast<std::size_t>(width);
    } else {
      out += kReplacement;
      ++i;
    }
  }
  return out;
}

}  // namespace platform::cp932
