// Dialog templates as data: every control of a window with its id, kind, caption,
// style and rectangle in dialog units, in template order. Both hosts build their
// windows from these tables, so tab order and radio groups come from one place.
#pragma once

#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace platform {

// Identifier of labels and group boxes that no code addresses.
inline constexpr int kStaticId = -1;
// Standard command identifiers.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

enum class ControlKind {
  kPushButton,
  kDefPushButton,
  kGroupBox,
  kEdit,
  kLabel,
  kRadioButton,  // automatic radio button
  kCheckBox,     // automatic check box
  kComboBox,     // drop-down with an edit field
  kIcon,
  kProgressBar,
  kPicture,  // a drawing for sighted readers: takes no focus, and screen readers pass it by
};

// Style flags of a control.
enum ControlStyle : unsigned {
  kTabStop = 1u << 0,
  kGroupStart = 1u << 1,
  kHidden = 1u << 2,
  kReadOnly = 1u << 3,
  kDigitsOnly = 1u << 4,
  kRightAligned = 1u << 5,
  kAutoScroll = 1u << 6,
  kBorder = 1u << 7,
  kSorted = 1u << 8,
  kVScroll = 1u << 9,
  kFlat = 1u << 10,
  kNoPrefix = 1u << 11,   // "&" is shown as it stands, no accelerator
  kMultiLine = 1u << 12,  // an edit of several lines, "\n" between them
};

// Style flags of a dialog window.
enum DialogStyle : unsigned {
  kSystemMenu = 1u << 0,
  kMinimizeBox = 1u << 1,
  kModalFrame = 1u << 2,
  kCaption = 1u << 3,
  kVisibleOnCreate = 1u << 4,
  kAppWindow = 1u << 5,  // own task-bar button
};

struct DialogRect {
  int x;
  int y;
  int width;
  int height;
};

struct ControlTemplate {
  int id;
  ControlKind kind;
  std::string_view text;  // caption (UTF-8); for an icon, empty
  DialogRect rect;
  unsigned style;
  int resource = 0;  // icon resource of an icon control
  // The name a screen reader gives an edit or combo box: the label or group box a sighted
  // user reads it by. Empty for controls whose caption names them.
  std::string_view accessibleName = {};
};

// One picture of an icon, as XPM lines.
struct IconImage {
  int pixels;
  std::span<const char* const> xpm;
};

// An icon resource: the same artwork at several sizes.
struct IconResource {
  int id;
  std::span<const IconImage> images;
};

struct DialogTemplate {
  int id;
  std::string_view caption;
  int width;
  int height;
  std::string_view fontFace;
  int pointSize;
  unsigned style;
  std::span<const ControlTemplate> controls;
  // Items a combo box holds when the window is created (one empty item for 102).
  std::span<const std::string_view> comboInitialItems = {};
  // The icons the window and its icon controls may show, and the window's own.
  std::span<const IconResource> icons = {};
  int windowIcon = 0;
};

// The icon resource with this id among the template's, or nullptr.
const IconResource* FindIcon(const DialogTemplate& dialog, int id);

// The control with this id, or nullptr.
const ControlTemplate* FindControl(const DialogTemplate& dialog, int id);

// Index of the control in template order, or -1.
int ControlIndex(const DialogTemplate& dialog, int id);

// The radio buttons of the group that starts at radio `firstId`: that radio and the
// radios that follow it in template order, up to the next control that starts a group.
std::vector<int> RadioGroupFrom(const DialogTemplate& dialog, int firstId);

// The index, among `count` controls in template order, of the control Tab (Shift+Tab when
// not `forward`) moves the focus to from the control at `from` (-1: none has it), as the
// dialog manager does: the next that `takesFocus`, wrapping round; -1 when none does.
int NextTabStop(int count, int from, bool forward, const std::function<bool(int)>& takesFocus);

// The accelerator letter of a caption ("印刷(&P)" gives 'P'), upper-cased, or 0.
char MnemonicOf(std::string_view caption);

}  // namespace platform
