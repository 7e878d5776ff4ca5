#include "platform/win32_gui/win32_multiline_edit.h"

#include <algorithm>

#include "platform/win32_gui/win32_gui_text.h"

namespace platform::win32 {

namespace {

// The dialog manager selects the whole text of an edit that gets the focus, as it does in
// an edit of one line; a screen reader would then read the page as a selection from its
// end. Without DLGC_HASSETSEL the caret stays where it was.
LRESULT CALLBACK KeepCaretOnFocus(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, &KeepCaretOnFocus, id);
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  return message == WM_GETDLGCODE ? result & ~LRESULT{DLGC_HASSETSEL} : result;
}

bool ShowsBraille(HDC dc, HFONT font) {
  const HGDIOBJ before = SelectObject(dc, font);
  wchar_t cell = 0x283F;  // all six dots
  WORD glyph = 0xFFFF;
  const DWORD got = GetGlyphIndicesW(dc, &cell, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, before);
  return got != GDI_ERROR && glyph != 0xFFFF;
}

}  // namespace

HFONT PrepareMultiLineEdit(HWND edit) {
  SetWindowSubclass(edit, &KeepCaretOnFocus, 1, 0);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
  HDC dc = GetDC(edit);
  HFONT chosen = nullptr;
  if (font != nullptr && !ShowsBraille(dc, font)) {
    LOGFONTW like{};
    GetObjectW(font, sizeof(like), &like);
    like.lfCharSet = DEFAULT_CHARSET;
    for (const std::wstring_view face : {L"Segoe UI Symbol", L"DejaVu Sans"}) {
      std::fill(std::begin(like.lfFaceName), std::end(like.lfFaceName), L'\0');
      face.copy(like.lfFaceName, LF_FACESIZE - 1);
      HFONT candidate = CreateFontIndirectW(&like);
      if (candidate != nullptr && ShowsBraille(dc, candidate)) {
        chosen = candidate;
        break;
      }
      if (candidate != nullptr) DeleteObject(candidate);
    }
  }
  ReleaseDC(edit, dc);
  if (chosen != nullptr) SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), FALSE);
  return chosen;
}

std::wstring ControlLines(std::string_view text) {
  std::string lines;
  for (const char c : text) {
    if (c == '\n') lines += '\r';
    lines += c;
  }
  return Widen(lines);
}

std::string ProgramLines(std::string text) {
  std::erase(text, '\r');
  return text;
}

}  // namespace platform::win32
