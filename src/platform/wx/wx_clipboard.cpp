#include "platform/wx/wx_clipboard.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include "platform/wx/wx_text.h"

namespace platform::wx {

// On X11 the program owns the selection and serves the text from its event loop, so the
// text stays readable only while the program runs and pumps events.
bool Clipboard::PutText(std::string_view text) {
  if (!wxTheClipboard->Open()) return false;  // busy: the sentence is dropped
  // SetData replaces every format on the clipboard; the clipboard owns the object.
  wxTheClipboard->SetData(new wxTextDataObject(ToWx(text)));
  wxTheClipboard->Close();
  return true;
}

}  // namespace platform::wx
