// Another Windows program taking the clipboard: each line read from standard input (UTF-8)
// becomes the clipboard's text, owned by this program's window. The real-window tests
// under Wine hand it the clipboard before a key, so that a sentence said before is never
// taken for the new one. Being a Windows program, it changes the clipboard as the program
// under test does; an X program taking the selection instead makes Wine copy it into the
// Windows clipboard some time later, possibly over the sentence that came meanwhile.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr UINT kPut = WM_APP + 1;

DWORD WINAPI ReadLines(void* window) {
  char line[4096];
  while (std::fgets(line, sizeof line, stdin) != nullptr) {
    auto text = std::make_unique<std::string>(line);
    while (!text->empty() && (text->back() == '\n' || text->back() == '\r')) text->pop_back();
    PostMessageW(static_cast<HWND>(window), kPut, 0, reinterpret_cast<LPARAM>(text.release()));
  }
  PostMessageW(static_cast<HWND>(window), WM_CLOSE, 0, 0);
  return 0;
}

void Put(HWND window, const std::string& utf8) {
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  // The program under test, or Wine serving the X selection, may hold it for a moment.
  for (int i = 0; i < 500 && !OpenClipboard(window); ++i) Sleep(10);
  EmptyClipboard();
  const std::size_t size = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  if (block != nullptr) {
    std::memcpy(GlobalLock(block), wide.c_str(), size);
    GlobalUnlock(block);
    if (SetClipboardData(CF_UNICODETEXT, block) == nullptr) GlobalFree(block);
  }
  CloseClipboard();
}

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kPut) {
    const std::unique_ptr<std::string> text(reinterpret_cast<std::string*>(lparam));
    Put(window, *text);
    return 0;
  }
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int main() {
  WNDCLASSW type{};
  type.lpfnWndProc = Proc;
  type.lpszClassName = L"VarnelTestClipboardOwner";
  RegisterClassW(&type);
  // A window of its own: a clipboard emptied without an owner takes no data.
  HWND window = CreateWindowW(type.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              nullptr, nullptr);
  if (window == nullptr) return 1;
  HANDLE reader = CreateThread(nullptr, 0, ReadLines, window, 0, nullptr);
  if (reader == nullptr) return 1;
  CloseHandle(reader);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
