#include "platform/win32_gui/win32_dialog_build.h"

#include <array>

#include "platform/win32/windows_api.h"
#include "platform/win32_gui/win32_gui_text.h"

namespace platform::win32 {

namespace {

// Predefined window classes, as the dialog manager numbers them.
constexpr std::uint16_t kButtonClass = 0x0080;
constexpr std::uint16_t kEditClass = 0x0081;
constexpr std::uint16_t kStaticClass = 0x0082;
constexpr std::uint16_t kComboBoxClass = 0x0085;
// The identifier the resource compiler gives labels nothing addresses.
constexpr std::uint16_t kUnaddressedId = 0xFFFF;

class TemplateWriter {
 public:
  void Word(std::uint16_t w) { words_.push_back(w); }
  void Dword(std::uint32_t d) {
    Word(static_cast<std::uint16_t>(d & 0xFFFF));
    Word(static_cast<std::uint16_t>(d >> 16));
  }
  void Short(int s) { Word(static_cast<std::uint16_t>(static_cast<std::int16_t>(s))); }
  void Text(std::wstring_view text) {
    for (const wchar_t c : text) Word(static_cast<std::uint16_t>(c));
    Word(0);
  }
  void Ordinal(std::uint16_t n) {
    Word(0xFFFF);
    Word(n);
  }
  void AlignToDword() {
    if (words_.size() % 2 != 0) Word(0);
  }
  std::vector<std::uint16_t> Take() { return std::move(words_); }

 private:
  std::vector<std::uint16_t> words_;
};

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

bool FontInstalled(HDC dc, const std::wstring& face) {
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  face.copy(query.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExW(dc, &query, &NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

void WriteClassAndTitle(TemplateWriter& w, const ControlTemplate& c) {
  switch (c.kind) {
    case ControlKind::kPushButton:
    case ControlKind::kDefPushButton:
    case ControlKind::kGroupBox:
    case ControlKind::kRadioButton:
    case ControlKind::kCheckBox:
      w.Ordinal(kButtonClass);
      break;
    case ControlKind::kEdit:
      w.Ordinal(kEditClass);
      break;
    case ControlKind::kLabel:
    case ControlKind::kIcon:
    case ControlKind::kPicture:
      w.Ordinal(kStaticClass);
      break;
    case ControlKind::kComboBox:
      w.Ordinal(kComboBoxClass);
      break;
    case ControlKind::kProgressBar:
      w.Text(PROGRESS_CLASSW);
      break;
  }
  if (c.kind == ControlKind::kIcon) {
    w.Ordinal(static_cast<std::uint16_t>(c.resource));
  } else {
    w.Text(Widen(c.text));
  }
}

// The window styles of a control, from the template's kind and flags.
unsigned long ControlStyle(const ControlTemplate& c) {
  unsigned long style = WS_CHILD;
  if ((c.style & kHidden) == 0) style |= WS_VISIBLE;
  if ((c.style & kTabStop) != 0) style |= WS_TABSTOP;
  if ((c.style & kGroupStart) != 0) style |= WS_GROUP;
  if ((c.style & kVScroll) != 0) style |= WS_VSCROLL;
  switch (c.kind) {
    case ControlKind::kPushButton:
      style |= BS_PUSHBUTTON;
      break;
    case ControlKind::kDefPushButton:
      style |= BS_DEFPUSHBUTTON;
      break;
    case ControlKind::kGroupBox:
      style |= BS_GROUPBOX;
      break;
    case ControlKind::kRadioButton:
      style |= BS_AUTORADIOBUTTON;
      break;
    case ControlKind::kCheckBox:
      style |= BS_AUTOCHECKBOX;
      break;
    case ControlKind::kEdit:
      if ((c.style & kReadOnly) != 0) style |= ES_READONLY;
      if ((c.style & kMultiLine) != 0) style |= ES_MULTILINE | ES_AUTOVSCROLL;
      if ((c.style & kDigitsOnly) != 0) style |= ES_NUMBER;
      if ((c.style & kRightAligned) != 0) style |= ES_RIGHT;
      if ((c.style & kAutoScroll) != 0) style |= ES_AUTOHSCROLL;
      if ((c.style & kBorder) != 0) style |= WS_BORDER;
      break;
    case ControlKind::kLabel:
      style |= (c.style & kRightAligned) != 0 ? SS_RIGHT : SS_LEFT;
      if ((c.style & kNoPrefix) != 0) style |= SS_NOPREFIX;
      break;
    case ControlKind::kIcon:
      style |= SS_ICON;
      break;
    case ControlKind::kComboBox:
      // Not CBS_SORT: the host puts each item at its place in the program's own order,
      // the same in every host. Names longer than the field scroll in it.
      style |= CBS_DROPDOWN | CBS_AUTOHSCROLL;
      break;
    case ControlKind::kPicture:
      // Painted by the dialog; a static control never takes the focus.
      style |= SS_OWNERDRAW;
      if ((c.style & kBorder) != 0) style |= WS_BORDER;
      break;
    case ControlKind::kProgressBar:
      if ((c.style & kBorder) != 0) style |= WS_BORDER;
      break;
  }
  if ((c.kind == ControlKind::kPushButton || c.kind == ControlKind::kDefPushButton) &&
      (c.style & kFlat) != 0) {
    style |= BS_FLAT;
  }
  return style;
}

unsigned long DialogStyle(const DialogTemplate& tpl) {
  unsigned long style = WS_POPUP | DS_SETFONT | DS_3DLOOK | DS_CENTER;
  if ((tpl.style & kModalFrame) != 0) style |= DS_MODALFRAME;
  if ((tpl.style & kCaption) != 0) style |= WS_CAPTION;
  if ((tpl.style & kSystemMenu) != 0) style |= WS_SYSMENU;
  if ((tpl.style & kMinimizeBox) != 0) style |= WS_MINIMIZEBOX;
  return style;
}

unsigned long DialogExStyle(const DialogTemplate& tpl) {
  return (tpl.style & kAppWindow) != 0 ? WS_EX_APPWINDOW : 0UL;
}

}  // namespace

DialogFont ChooseDialogFont(std::string_view templateFace, int pointSize) {
  const std::wstring own = Widen(templateFace);
  const std::array<std::wstring, 6> faces = {
      own, L"MS PGothic", L"IPAPGothic", L"MS UI Gothic", L"Meiryo UI", L"Yu Gothic UI"};
  HDC dc = GetDC(nullptr);
  DialogFont chosen{own, pointSize};
  for (const std::wstring& face : faces) {
    if (!face.empty() && FontInstalled(dc, face)) {
      chosen.face = face;
      break;
    }
  }
  ReleaseDC(nullptr, dc);
  return chosen;
}

std::vector<std::uint16_t> BuildDialogTemplate(const DialogTemplate& tpl, const DialogFont& font) {
  TemplateWriter w;
  w.Word(1);       // dlgVer
  w.Word(0xFFFF);  // signature: the extended form
  w.Dword(0);      // helpID
  w.Dword(DialogExStyle(tpl));
  w.Dword(DialogStyle(tpl));
  w.Word(static_cast<std::uint16_t>(tpl.controls.size()));
  w.Short(0);
  w.Short(0);
  w.Short(tpl.width);
  w.Short(tpl.height);
  w.Word(0);  // no menu
  w.Word(0);  // the dialog class
  w.Text(Widen(tpl.caption));
  w.Word(static_cast<std::uint16_t>(font.pointSize));
  w.Word(FW_NORMAL);
  w.Word(static_cast<std::uint16_t>(SHIFTJIS_CHARSET << 8));  // italic 0, then the charset
  w.Text(font.face);

  for (const ControlTemplate& c : tpl.controls) {
    w.AlignToDword();
    w.Dword(0);  // helpID
    w.Dword(0);  // exStyle
    w.Dword(static_cast<std::uint32_t>(ControlStyle(c)));
    w.Short(c.rect.x);
    w.Short(c.rect.y);
    w.Short(c.rect.width);
    w.Short(c.rect.height);
    w.Dword(c.id == kStaticId ? kUnaddressedId : static_cast<std::uint32_t>(c.id));
    WriteClassAndTitle(w, c);
    w.Word(0);  // no creation data
  }
  return w.Take();
}

}  // namespace platform::win32
