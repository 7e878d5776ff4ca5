#include "platform/wx/wx_shell.h"

#include <wx/app.h>
#include <wx/utils.h>

#include "platform/wx/wx_text.h"

namespace platform::wx {

// The request is made once the current event has been handled: the about box asks from
// its button handler just after ending itself, and the browser should come up after the
// box has gone, not under it.
void Shell::OpenInBrowser(std::string_view address) {
  const wxString url = ToWx(address);
  if (wxTheApp == nullptr) return;
  wxTheApp->CallAfter([url] { wxLaunchDefaultBrowser(url); });
}

}  // namespace platform::wx
