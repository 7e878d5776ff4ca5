// Stand-ins for the screen readers' own libraries, built twice: as PC-Talker's
// pctkusr64.dll (READER_PROBE_PC_TALKER) and as NVDA's nvdaControllerClient64.dll. Each
// "runs" when VARNEL_READERS_RUNNING is 1, and writes down every call, with its result
// and the exact text it was given, in the file named by VARNEL_PCTK_PROBE_LOG (bytes, the
// text in code page 932) or VARNEL_NVDA_PROBE_LOG (UTF-16LE throughout), one line a call:
//   PCTKStatus RESULT | PCTKPRead A B TEXT
//   testIfRunning RESULT | speakText TEXT | brailleMessage TEXT
#include <windows.h>

namespace {

bool Running() {
  wchar_t value[4] = L"";
  return GetEnvironmentVariableW(L"VARNEL_READERS_RUNNING", value, 4) == 1 && value[0] == L'1';
}

// Appends the byte runs to the log; each run given as pointer and length.
void Log(const wchar_t* variable, const void* a, int na, const void* b = "", int nb = 0) {
  wchar_t path[MAX_PATH];
  if (GetEnvironmentVariableW(variable, path, MAX_PATH) == 0) return;
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, a, static_cast<DWORD>(na), &written, nullptr);
  WriteFile(file, b, static_cast<DWORD>(nb), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

#ifdef READER_PROBE_PC_TALKER

namespace {
void PcTalker(const char* text) { Log(L"VARNEL_PCTK_PROBE_LOG", text, lstrlenA(text)); }
}  // namespace

extern "C" {
__declspec(dllexport) int __cdecl PCTKStatus();
__declspec(dllexport) int __cdecl PCTKPRead(const char* text, int a, int b);
}

int __cdecl PCTKStatus() {
  const int status = Running() ? 1 : 0;
  PcTalker(status != 0 ? "PCTKStatus 1\n" : "PCTKStatus 0\n");
  return status;
}

int __cdecl PCTKPRead(const char* text, int a, int b) {
  char head[40];
  wsprintfA(head, "PCTKPRead %d %d ", a, b);
  Log(L"VARNEL_PCTK_PROBE_LOG", head, lstrlenA(head), text, lstrlenA(text));
  PcTalker("\n");
  return 0;
}

#else

namespace {
constexpr unsigned long kServerUnavailable = 1722;  // RPC_S_SERVER_UNAVAILABLE

// The line NAME TEXT, in UTF-16LE.
void Nvda(const wchar_t* name, const wchar_t* text) {
  Log(L"VARNEL_NVDA_PROBE_LOG", name, lstrlenW(name) * 2, text, lstrlenW(text) * 2);
  Log(L"VARNEL_NVDA_PROBE_LOG", L"\n", 2);
}
}  // namespace

extern "C" {
__declspec(dllexport) unsigned long WINAPI nvdaController_testIfRunning();
__declspec(dllexport) unsigned long WINAPI nvdaController_speakText(const wchar_t* text);
__declspec(dllexport) unsigned long WINAPI nvdaController_brailleMessage(const wchar_t* text);
}

unsigned long WINAPI nvdaController_testIfRunning() {
  const bool running = Running();
  Nvda(L"testIfRunning ", running ? L"0" : L"1722");
  return running ? 0 : kServerUnavailable;
}

unsigned long WINAPI nvdaController_speakText(const wchar_t* text) {
  Nvda(L"speakText ", text);
  return Running() ? 0 : kServerUnavailable;
}

unsigned long WINAPI nvdaController_brailleMessage(const wchar_t* text) {
  Nvda(L"brailleMessage ", text);
  return Running() ? 0 : kServerUnavailable;
}

#endif
