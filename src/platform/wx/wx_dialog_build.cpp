// Building a window from its template: the dialog in the template's font, each control
// at its dialog-unit rectangle, in template order (which is also the Tab order), and
// the Alt keys of the hidden buttons.
#include <wx/accel.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/gauge.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <map>

#include "platform/wx/wx_accessibility.h"
#include "platform/wx/wx_dialog_host.h"
#include "platform/wx/wx_font.h"
#include "platform/wx/wx_icons.h"
#include "platform/wx/wx_picture.h"
#include "platform/wx/wx_text.h"
#include "platform/wx/wx_window_system.h"

namespace platform::wx {

namespace {

// The size the Windows icon control gives itself: the icon's own 32 pixels.
constexpr int kIconPixels = 32;

bool IsPushButton(ControlKind kind) {
  return kind == ControlKind::kPushButton || kind == ControlKind::kDefPushButton;
}

// Controls the keyboard can focus, where the template decides whether Tab reaches them.
bool TakesFocus(ControlKind kind) {
  switch (kind) {
    case ControlKind::kPushButton:
    case ControlKind::kDefPushButton:
    case ControlKind::kEdit:
    case ControlKind::kRadioButton:
    case ControlKind::kCheckBox:
    case ControlKind::kComboBox:
      return true;
    default:
      return false;
  }
}

// The caption as wx reads it: "&" marks the mnemonic, as in the template, unless the
// template says the text is shown as it stands.
wxString CaptionOf(const ControlTemplate& c) {
  wxString text = ToWx(c.text);
  if ((c.style & kNoPrefix) != 0) text.Replace("&", "&&");
  return text;
}

wxWindowID WxIdOf(const ControlTemplate& c) { return c.id == kStaticId ? wxID_ANY : c.id; }

// Creates `w` hidden, so that a hidden control is never mapped, not even for a moment.
template <typename W, typename... Args>
W* CreateControl(bool hidden, Args&&... args) {
  auto* w = new W();
  if (hidden) w->Hide();
  w->Create(std::forward<Args>(args)...);
  return w;
}

}  // namespace

void DialogHost::BuildWindow(wxWindow* parent) {
  long style = wxCAPTION;
  if ((template_.style & kSystemMenu) != 0) style |= wxSYSTEM_MENU | wxCLOSE_BOX;
  if ((template_.style & kMinimizeBox) != 0) style |= wxMINIMIZE_BOX;
  if (parent == nullptr) style |= wxDIALOG_NO_PARENT;

  window_ = new wxDialog();
  window_->Create(parent, wxID_ANY, ToWx(template_.caption), wxDefaultPosition, wxDefaultSize,
                  style);
  // The font first: dialog units are measured in it.
  window_->SetFont(TemplateFont(template_.fontFace, template_.pointSize));
  window_->SetClientSize(window_->ConvertDialogToPixels(wxSize(template_.width, template_.height)));
  // Enter and Esc reach the dialog object as key-down messages; wx itself never ends
  // a window.
  window_->SetEscapeId(wxID_NONE);
  window_->SetAffirmativeId(wxID_NONE);
  if (const IconResource* icon = FindIcon(template_, template_.windowIcon)) {
    window_->SetIcons(IconBundleOf(*icon));
  }
}

void DialogHost::BuildControls() {
  const auto& tpl = template_.controls;
  // A radio group runs from a control that starts a group to the next one.
  std::vector<std::size_t> group(tpl.size());
  std::map<std::size_t, std::size_t> firstRadio;
  std::map<std::size_t, std::size_t> lastRadio;
  std::size_t g = 0;
  for (std::size_t i = 0; i < tpl.size(); ++i) {
    if (i > 0 && (tpl[i].style & kGroupStart) != 0) ++g;
    group[i] = g;
    if (tpl[i].kind == ControlKind::kRadioButton) {
      firstRadio.try_emplace(g, i);
      lastRadio[g] = i;
    }
  }

  controls_.reserve(tpl.size());
  for (std::size_t i = 0; i < tpl.size(); ++i) {
    const ControlTemplate& c = tpl[i];
    const bool radio = c.kind == ControlKind::kRadioButton;
    wxWindow* w = BuildControl(c, radio && firstRadio[group[i]] == i);
    controls_.push_back({&c, w, nullptr});

    if (!radio || lastRadio[group[i]] != i) continue;
    // Closes the group with a hidden radio of its own: checking it leaves every visible
    // radio of the group unchecked, as the window starts.
    auto* off = CreateControl<wxRadioButton>(true, window_, wxID_ANY, wxString(), w->GetPosition(),
                                             wxDefaultSize, 0L);
    off->SetValue(true);
    for (std::size_t j = 0; j <= i; ++j) {
      if (tpl[j].kind == ControlKind::kRadioButton && group[j] == group[i]) {
        controls_[j].groupOff = off;
      }
    }
  }
}

wxWindow* DialogHost::BuildControl(const ControlTemplate& c, bool firstRadioOfGroup) {
  const wxPoint pos = window_->ConvertDialogToPixels(wxPoint(c.rect.x, c.rect.y));
  const wxSize size = window_->ConvertDialogToPixels(wxSize(c.rect.width, c.rect.height));
  // Radio buttons, check boxes and the combo box take their natural height: the
  // template's is less than GTK needs to draw them.
  const wxSize naturalHeight(size.x, -1);
  const bool hidden = (c.style & kHidden) != 0;
  const wxWindowID id = WxIdOf(c);
  wxWindow* w = nullptr;

  switch (c.kind) {
    case ControlKind::kPushButton:
    case ControlKind::kDefPushButton: {
      const long style = (c.style & kFlat) != 0 ? long{wxBORDER_NONE} : 0L;
      auto* b = CreateControl<wxButton>(hidden, window_, id, CaptionOf(c), pos, size, style);
      if (c.kind == ControlKind::kDefPushButton) b->SetDefault();
      w = b;
      break;
    }
    case ControlKind::kGroupBox:
      w = CreateControl<wxStaticBox>(hidden, window_, id, CaptionOf(c), pos, size, 0L);
      break;
    case ControlKind::kLabel: {
      long style = wxST_NO_AUTORESIZE;
      style |= (c.style & kRightAligned) != 0 ? wxALIGN_RIGHT : wxALIGN_LEFT;
      w = CreateControl<wxStaticText>(hidden, window_, id, CaptionOf(c), pos, size, style);
      break;
    }
    case ControlKind::kEdit: {
      long style = 0;
      if ((c.style & kReadOnly) != 0) style |= wxTE_READONLY;
      if ((c.style & kMultiLine) != 0) style |= wxTE_MULTILINE;
      if ((c.style & kRightAligned) != 0) style |= wxTE_RIGHT;
      if ((c.style & kBorder) == 0) style |= wxBORDER_NONE;
      // No text validator on the digits-only edits: the host stops typed non-digits
      // before they reach the edit, and a validator would also take the keys pressed
      // with Alt, the buttons' mnemonics. Pasted text arrives; the dialog checks it.
      w = CreateControl<wxTextCtrl>(hidden, window_, id, ToWx(c.text), pos, size, style,
                                    wxDefaultValidator);
      break;
    }
    case ControlKind::kRadioButton:
      w = CreateControl<wxRadioButton>(hidden, window_, id, CaptionOf(c), pos, naturalHeight,
                                       firstRadioOfGroup ? long{wxRB_GROUP} : 0L);
      break;
    case ControlKind::kCheckBox:
      w = CreateControl<wxCheckBox>(hidden, window_, id, CaptionOf(c), pos, naturalHeight, 0L);
      break;
    case ControlKind::kComboBox: {
      // Not wxCB_SORT: the host inserts each item at its place in the program's own
      // order, the same in every host.
      auto* combo = CreateControl<wxComboBox>(hidden, window_, id, wxString(), pos, naturalHeight,
                                              0, nullptr, long{wxCB_DROPDOWN});
      for (std::string_view item : template_.comboInitialItems) combo->Append(ToWx(item));
      w = combo;
      break;
    }
    case ControlKind::kIcon: {
      const IconResource* icon = FindIcon(template_, c.resource);
      w = CreateControl<wxStaticBitmap>(
          hidden, window_, id, icon != nullptr ? IconBitmapOf(*icon, kIconPixels) : wxBitmap(), pos,
          wxSize(kIconPixels, kIconPixels), 0L);
      break;
    }
    case ControlKind::kProgressBar:
      w = CreateControl<wxGauge>(hidden, window_, id, 100, pos, size,
                                 long{wxGA_HORIZONTAL | wxGA_SMOOTH});
      progress_[c.id] = ProgressState{};
      break;
    case ControlKind::kPicture: {
      const long style = (c.style & kBorder) != 0 ? long{wxBORDER_SIMPLE} : long{wxBORDER_NONE};
      w = CreateControl<PictureWindow>(hidden, window_, id, pos, size, style, wxString());
      HideFromScreenReader(*w);
      break;
    }
  }

  if (c.kind == ControlKind::kRadioButton || c.kind == ControlKind::kCheckBox) {
    // A GTK check or radio narrower than its indicator and caption need fails to lay
    // itself out; the template's widths are a few pixels short in this font.
    const int natural = w->GetBestSize().x;
    if (natural > size.x) w->SetSize(natural, w->GetSize().y);
  }
  if (TakesFocus(c.kind) && (c.style & kTabStop) == 0) w->DisableFocusFromKeyboard();
  if (!c.accessibleName.empty()) SetAccessibleName(*w, c.accessibleName);
  return w;
}

void DialogHost::InstallAccelerators() {
  // GTK ignores the mnemonics of widgets that are not mapped, so the Alt keys of the
  // hidden buttons come from a table made from their captions. The visible buttons keep
  // their own mnemonics: in the table they would fire even while disabled.
  std::vector<wxAcceleratorEntry> entries;
  for (const Control& c : controls_) {
    if (!IsPushButton(c.tpl->kind) || (c.tpl->style & kHidden) == 0) continue;
    const char key = MnemonicOf(c.tpl->text);
    if (key != 0) entries.emplace_back(wxACCEL_ALT, key, c.tpl->id);
  }
  if (entries.empty()) return;
  window_->SetAcceleratorTable(
      wxAcceleratorTable(static_cast<int>(entries.size()), entries.data()));
}

}  // namespace platform::wx
