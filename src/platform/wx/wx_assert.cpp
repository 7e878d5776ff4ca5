#include "platform/wx/wx_assert.h"

#include <wx/debug.h>
#include <wx/string.h>

#include <cstdio>

namespace platform::wx {

namespace {

void LogAssertion(const wxString& file, int line, const wxString& function,
                  const wxString& condition, const wxString& message) {
  std::fprintf(stderr, "varnel: wxWidgets assertion \"%s\" failed in %s (%s:%d)%s%s\n",
               condition.utf8_str().data(), function.utf8_str().data(), file.utf8_str().data(),
               line, message.empty() ? "" : ": ", message.utf8_str().data());
}

}  // namespace

void LogAssertionsInsteadOfAsking() { wxSetAssertHandler(LogAssertion); }

}  // namespace platform::wx
