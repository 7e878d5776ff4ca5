// libcups, loaded the first time the CUPS spooler is asked something. A program that never
// talks to the scheduler (a job written to a file, a document's description, the help) then
// loads neither libcups nor the TLS, Kerberos, Avahi and D-Bus libraries libcups brings,
// which took most of such a program's start.
#pragma once

#include <cups/cups.h>

#include <string>

namespace platform::cups {

// The functions of libcups the spooler calls.
#define VARNEL_CUPS_FUNCTIONS(X) \
  X(cupsCancelJob2)              \
  X(cupsDoRequest)               \
  X(cupsEncodeOptions2)          \
  X(cupsEncryption)              \
  X(cupsFinishDocument)          \
  X(cupsLastError)               \
  X(cupsLastErrorString)         \
  X(cupsServer)                  \
  X(cupsStartDocument)           \
  X(cupsUser)                    \
  X(cupsWriteRequestData)        \
  X(httpAssembleURI)             \
  X(httpAssembleURIf)            \
  X(httpClose)                   \
  X(httpConnect2)                \
  X(httpError)                   \
  X(httpSeparateURI)             \
  X(httpSetTimeout)              \
  X(ippAddInteger)               \
  X(ippAddString)                \
  X(ippAddStrings)               \
  X(ippDelete)                   \
  X(ippErrorString)              \
  X(ippFindAttribute)            \
  X(ippFirstAttribute)           \
  X(ippGetGroupTag)              \
  X(ippGetInteger)               \
  X(ippGetName)                  \
  X(ippGetString)                \
  X(ippNewRequest)               \
  X(ippNextAttribute)            \
  X(ippPort)

struct Library {
#define VARNEL_CUPS_POINTER(name) decltype(&::name) name = nullptr;
  VARNEL_CUPS_FUNCTIONS(VARNEL_CUPS_POINTER)
#undef VARNEL_CUPS_POINTER
};

// Loads libcups once, on the first call from any thread; false when it, or one of its
// functions above, cannot be found (LibraryError says which).
bool LibraryLoaded();
std::string LibraryError();

// The functions, once LibraryLoaded() has said true.
const Library& Cups();

}  // namespace platform::cups
