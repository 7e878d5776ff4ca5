#include "platform/win32_gui/win32_clipboard.h"

#include <cstring>
#include <string>

#include "platform/win32/windows_api.h"
#include "platform/win32_gui/win32_gui_text.h"
#include "platform/win32_gui/win32_window_system.h"

namespace platform::win32 {

namespace {

constexpr UINT kShiftJis = 932;
constexpr LCID kJapanese = 0x0411;
// Movable, zero-filled and shareable, as clipboard blocks were always made.
constexpr UINT kBlockFlags = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;
// A program that reads every clipboard change (a screen reader, a clipboard history, the
// bridge to another desktop) holds the clipboard for a moment after each one. A sentence
// that follows another closely would find it held, so opening is tried again for a while;
// a clipboard held longer than that drops the sentence.
constexpr int kOpenAttempts = 20;
constexpr DWORD kOpenPauseMs = 10;

// Hands `size` bytes to the clipboard in a new block; the clipboard owns it afterwards.
bool Offer(UINT format, const void* data, std::size_t size) {
  HGLOBAL block = GlobalAlloc(kBlockFlags, size);
  if (block == nullptr) return false;
  void* p = GlobalLock(block);
  if (p == nullptr) {
    GlobalFree(block);
    return false;
  }
  std::memcpy(p, data, size);
  GlobalUnlock(block);
  if (SetClipboardData(format, block) == nullptr) {
    GlobalFree(block);
    return false;
  }
  return true;
}

std::string ToShiftJis(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(kShiftJis, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(kShiftJis, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n,
                      nullptr, nullptr);
  return bytes;
}

bool OpenPatiently(HWND owner) {
  for (int attempt = 1; attempt < kOpenAttempts; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(kOpenPauseMs);
  }
  return OpenClipboard(owner);
}

}  // namespace

bool Clipboard::PutText(std::string_view text) {
  if (!OpenPatiently(windows_.MainHwnd())) return false;  // still busy: the sentence is dropped
  EmptyClipboard();
  const std::wstring wide = Widen(text);
  Offer(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  const std::string shiftJis = ToShiftJis(wide);
  Offer(CF_TEXT, shiftJis.c_str(), shiftJis.size() + 1);
  Offer(CF_LOCALE, &kJapanese, sizeof(kJapanese));
  CloseClipboard();
  return true;
}

}  // namespace platform::win32
