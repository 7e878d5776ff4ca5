#include "platform/dialog/dialog_template.h"

namespace platform {

const IconResource* FindIcon(const DialogTemplate& dialog, int id) {
  for (const IconResource& icon : dialog.icons) {
    if (icon.id == id) return &icon;
  }
  return nullptr;
}

const ControlTemplate* FindControl(const DialogTemplate& dialog, int id) {
  if (id == kStaticId) return nullptr;
  for (const ControlTemplate& c : dialog.controls) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

int ControlIndex(const DialogTemplate& dialog, int id) {
  if (id == kStaticId) return -1;
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    if (dialog.controls[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

std::vector<int> RadioGroupFrom(const DialogTemplate& dialog, int firstId) {
  std::vector<int> group;
  const int start = ControlIndex(dialog, firstId);
  if (start < 0) return group;
  for (std::size_t i = static_cast<std::size_t>(start); i < dialog.controls.size(); ++i) {
    const ControlTemplate& c = dialog.controls[i];
    if (i != static_cast<std::size_t>(start) && (c.style & kGroupStart) != 0) break;
    if (c.kind == ControlKind::kRadioButton) group.push_back(c.id);
  }
  return group;
}

char MnemonicOf(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    const char c = caption[i + 1];
    if (c == '&') {
      ++i;  // "&&" is a literal ampersand
      continue;
    }
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    return c;
  }
  return 0;
}

int NextTabStop(int count, int from, bool forward, const std::function<bool(int)>& takesFocus) {
  for (int step = 1; step <= count; ++step) {
    const int i =
        ((from < 0 ? (forward ? -1 : 0) : from) + (forward ? step : -step) + count) % count;
    if (takesFocus(i)) return i;
  }
  return -1;
}

}  // namespace platform
