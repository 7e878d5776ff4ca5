#include "platform/headless/headless_host.h"

#include <algorithm>

#include "platform/dialog/combo_order.h"
#include "platform/headless/headless_window_system.h"

namespace platform {

HeadlessHost::HeadlessHost(HeadlessWindowSystem& system, const DialogTemplate& tpl, Dialog& dialog,
                           DialogHost* owner)
    : system_(system), template_(tpl), dialog_(dialog), owner_(owner), title_(tpl.caption) {
  for (const ControlTemplate& t : tpl.controls) {
    ControlState c;
    c.tpl = &t;
    c.text = std::string(t.text);
    c.visible = (t.style & kHidden) == 0;
    if (t.kind == ControlKind::kComboBox) {
      c.text.clear();
      for (std::string_view item : tpl.comboInitialItems) c.items.emplace_back(item);
    }
    controls_.push_back(std::move(c));
  }
  system_.Register(this);
}

HeadlessHost::~HeadlessHost() { system_.Unregister(this); }

HeadlessHost::ControlState* HeadlessHost::Find(int id) {
  if (id == kStaticId) return nullptr;
  for (ControlState& c : controls_) {
    if (c.tpl->id == id) return &c;
  }
  return nullptr;
}

const HeadlessHost::ControlState* HeadlessHost::Find(int id) const {
  return const_cast<HeadlessHost*>(this)->Find(id);
}

// ---- DialogHost ----

std::string HeadlessHost::GetText(int id) const {
  const ControlState* c = Find(id);
  return c ? c->text : std::string();
}

void HeadlessHost::SetText(int id, std::string_view text) {
  ControlState* c = Find(id);
  if (!c) return;
  c->text = std::string(text);
  if (c->tpl->kind == ControlKind::kEdit) dialog_.OnCommand(id, Notification::kChanged);
}

int HeadlessHost::GetCheck(int id) const {
  const ControlState* c = Find(id);
  return c ? c->check : 0;
}

void HeadlessHost::SetCheck(int id, int state) {
  if (ControlState* c = Find(id)) c->check = state;
}

void HeadlessHost::ShowControl(int id, bool show) {
  if (ControlState* c = Find(id)) c->visible = show;
}

bool HeadlessHost::IsControlVisible(int id) const {
  const ControlState* c = Find(id);
  return c && c->visible;
}

void HeadlessHost::EnableControl(int id, bool enable) {
  if (ControlState* c = Find(id)) c->enabled = enable;
}

bool HeadlessHost::IsControlEnabled(int id) const {
  const ControlState* c = Find(id);
  return c && c->enabled;
}

void HeadlessHost::SetFocus(int id) {
  if (Find(id)) focus_ = id;
}

void HeadlessHost::ComboReset(int id) {
  if (ControlState* c = Find(id)) {
    c->items.clear();
    c->selection = -1;
    c->text.clear();
  }
}

int HeadlessHost::ComboAdd(int id, std::string_view text) {
  ControlState* c = Find(id);
  if (!c) return -1;
  auto at = c->items.end();
  if ((c->tpl->style & kSorted) != 0) {
    at = std::upper_bound(
        c->items.begin(), c->items.end(), text,
        [](std::string_view a, const std::string& b) { return ComboItemLess(a, b); });
  }
  const int index = static_cast<int>(at - c->items.begin());
  c->items.insert(at, std::string(text));
  if (c->selection >= index) ++c->selection;
  return index;
}

void HeadlessHost::ComboDelete(int id, int index) {
  ControlState* c = Find(id);
  if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return;
  c->items.erase(c->items.begin() + index);
  if (c->selection == index) {
    c->selection = -1;
  } else if (c->selection > index) {
    --c->selection;
  }
}

int HeadlessHost::ComboCount(int id) const {
  const ControlState* c = Find(id);
  return c ? static_cast<int>(c->items.size()) : 0;
}

void HeadlessHost::ComboSelect(int id, int index) {
  ControlState* c = Find(id);
  if (!c) return;
  if (index >= 0 && index < static_cast<int>(c->items.size())) {
    c->selection = index;
    c->text = c->items[static_cast<std::size_t>(index)];
  } else {
    c->selection = -1;
    c->text.clear();
  }
}

int HeadlessHost::ComboSelection(int id) const {
  const ControlState* c = Find(id);
  return c ? c->selection : -1;
}

std::string HeadlessHost::ComboItem(int id, int index) const {
  const ControlState* c = Find(id);
  if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return {};
  return c->items[static_cast<std::size_t>(index)];
}

std::vector<std::string> HeadlessHost::ComboItems(int id) const {
  const ControlState* c = Find(id);
  return c ? c->items : std::vector<std::string>();
}

void HeadlessHost::ProgressSetRange(int id, int low, int high) {
  if (ControlState* c = Find(id)) {
    c->low = low;
    c->high = high;
  }
}

void HeadlessHost::ProgressSetStep(int id, int step) {
  if (ControlState* c = Find(id)) c->step = step;
}

int HeadlessHost::ProgressSetPos(int id, int pos) {
  ControlState* c = Find(id);
  if (!c) return 0;
  return std::exchange(c->pos, pos);
}

void HeadlessHost::SetPicture(int id, const Picture& picture) {
  ControlState* c = Find(id);
  if (c != nullptr && c->tpl->kind == ControlKind::kPicture) c->picture = picture;
}

Picture HeadlessHost::PictureOf(int id) const {
  const ControlState* c = Find(id);
  return c != nullptr ? c->picture : Picture{};
}

int HeadlessHost::ProgressPos(int id) const {
  const ControlState* c = Find(id);
  return c ? c->pos : 0;
}

int HeadlessHost::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
  return system_.RecordMessageBox({std::string(text), std::string(caption), type, template_.id});
}

bool HeadlessHost::AppendSystemMenuItem(int command, std::string_view text) {
  if ((template_.style & kSystemMenu) == 0) return false;
  menu_.emplace_back(command, std::string(text));
  return true;
}

void HeadlessHost::AnnounceToScreenReader(std::string_view text) {
  announcements_.emplace_back(text);
}

void HeadlessHost::ShowModeless() {
  FocusFirstTabStopUnlessSet();
  shown_ = true;
}

int HeadlessHost::RunModal() {
  FocusFirstTabStopUnlessSet();
  shown_ = true;
  system_.RunModalScript(*this);
  if (!ended_) EndDialog(kIdCancel);
  return result_;
}

void HeadlessHost::EndDialog(int result) {
  ended_ = true;
  result_ = result;
  shown_ = false;
}

}  // namespace platform
