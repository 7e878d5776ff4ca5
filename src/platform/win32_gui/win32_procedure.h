// Functions of a library loaded at run time, by name.
#pragma once

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// The function `name` of `module`, as the type it is known to have; nullptr when the
// library does not export it.
template <typename F>
F Procedure(HMODULE module, const char* name) {
  FARPROC p = GetProcAddress(module, name);
  F f = nullptr;
  static_assert(sizeof(f) == sizeof(p));
  __builtin_memcpy(&f, &p, sizeof(f));
  return f;
}

// Loads a library without the system's error boxes for one that is missing or damaged: a
// screen reader's broken library must not stop the program at start.
inline HMODULE LoadQuietly(const wchar_t* name, DWORD flags = 0) {
  DWORD before = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &before);
  HMODULE module = LoadLibraryExW(name, nullptr, flags);
  SetThreadErrorMode(before, nullptr);
  return module;
}

}  // namespace platform::win32
