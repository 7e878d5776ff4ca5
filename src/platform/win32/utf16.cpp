#include "platform/win32/utf16.h"

#include <windows.h>

#include <climits>

namespace platform::win32 {

std::optional<std::wstring> Utf16FromUtf8(std::string_view utf8) {
  if (utf8.empty()) return std::wstring();
  if (utf8.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
  const int size = static_cast<int>(utf8.size());
  const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), n) != n) {
    return std::nullopt;
  }
  return wide;
}

namespace {

std::optional<std::string> Convert(std::wstring_view utf16, DWORD flags) {
  if (utf16.empty()) return std::string();
  if (utf16.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
  const int size = static_cast<int>(utf16.size());
  const int n =
      WideCharToMultiByte(CP_UTF8, flags, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::nullopt;
  std::string narrow(static_cast<std::size_t>(n), '\0');
  if (WideCharToMultiByte(CP_UTF8, flags, utf16.data(), size, narrow.data(), n, nullptr, nullptr) !=
      n) {
    return std::nullopt;
  }
  return narrow;
}

}  // namespace

std::optional<std::string> Utf8FromUtf16(std::wstring_view utf16) {
  return Convert(utf16, WC_ERR_INVALID_CHARS);
}

std::string Utf8ForDisplay(std::wstring_view utf16) {
  // Without WC_ERR_INVALID_CHARS an unpaired surrogate becomes U+FFFD.
  return Convert(utf16, 0).value_or(std::string());
}

std::string SystemMessage(unsigned long error) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = n > 0 && text != nullptr ? std::wstring(text, n) : std::wstring();
  if (text != nullptr) LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L' ' || message.back() == L'.')) {
    message.pop_back();
  }
  for (wchar_t& c : message) {
    if (c == L'\r' || c == L'\n') c = L' ';
  }
  if (message.empty()) return "error " + std::to_string(error);
  return Utf8ForDisplay(message);
}

std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv) {
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) args.push_back(Utf8ForDisplay(argv[i]));
  return args;
}

}  // namespace platform::win32
