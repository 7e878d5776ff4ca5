#include "platform/cups/cups_library.h"

#include <dlfcn.h>

namespace platform::cups {

namespace {

// The soname libcups has had since CUPS 1.2.
constexpr const char* kSoname = "libcups.so.2";

struct Loaded {
  Library functions;
  std::string error;  // empty when every function was found
};

Loaded Load() {
  Loaded loaded;
  // Never closed: the library's own threads and handlers stay valid until the program ends.
  // Bound lazily, as the program's own calls are: libcups and its libraries have thousands
  // of functions, and a print calls a few dozen.
  void* const handle = dlopen(kSoname, RTLD_LAZY | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = dlerror();
    loaded.error = why != nullptr ? why : kSoname;
    return loaded;
  }
#define VARNEL_CUPS_RESOLVE(name)                                                    \
  loaded.functions.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name)); \
  if (loaded.functions.name == nullptr && loaded.error.empty()) {                    \
    loaded.error = std::string(kSoname) + " に " #name " がありません";              \
  }
  VARNEL_CUPS_FUNCTIONS(VARNEL_CUPS_RESOLVE)
#undef VARNEL_CUPS_RESOLVE
  return loaded;
}

const Loaded& Once() {
  static const Loaded loaded = Load();
  return loaded;
}

}  // namespace

bool LibraryLoaded() { return Once().error.empty(); }

std::string LibraryError() { return Once().error; }

const Library& Cups() { return Once().functions; }

}  // namespace platform::cups
