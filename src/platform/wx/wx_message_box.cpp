#include "platform/wx/wx_message_box.h"

#include <wx/msgdlg.h>

#include "platform/dialog/dialog_host.h"
#include "platform/wx/wx_present.h"
#include "platform/wx/wx_text.h"

namespace platform::wx {

namespace {

constexpr unsigned kButtonsMask = 0x0F;
constexpr unsigned kIconMask = 0xF0;
constexpr unsigned kIconQuestion = 0x20;
constexpr unsigned kIconExclamation = 0x30;

long StyleOf(unsigned type) {
  long style = (type & kButtonsMask) == kMbOkCancel ? (wxOK | wxCANCEL) : wxOK;
  switch (type & kIconMask) {
    case kMbIconStop:
      style |= wxICON_ERROR;
      break;
    case kIconQuestion:
      style |= wxICON_QUESTION;
      break;
    case kIconExclamation:
      style |= wxICON_WARNING;
      break;
    case kMbIconInformation:
      style |= wxICON_INFORMATION;
      break;
    default:
      style |= wxICON_NONE;
      break;
  }
  return style;
}

}  // namespace

int ShowMessageBox(wxWindow* parent, std::string_view text, std::string_view caption,
                   unsigned type) {
  const long style = StyleOf(type);
  wxMessageDialog box(parent, ToWx(text), ToWx(caption), style);
  // The buttons speak Japanese whatever the desktop's language.
  if ((style & wxCANCEL) != 0) box.SetOKCancelLabels(ToWx("OK"), ToWx("キャンセル"));
  const PresentWhenShown present(box);
  const int pressed = box.ShowModal();
  // A box with OK alone answers OK however it is closed.
  if ((style & wxCANCEL) == 0) return kMbResultOk;
  return pressed == wxID_OK ? kMbResultOk : kMbResultCancel;
}

}  // namespace platform::wx
