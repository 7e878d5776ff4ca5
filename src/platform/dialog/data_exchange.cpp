#include "platform/dialog/data_exchange.h"

#include <string>

#include "platform/dialog/controls.h"
#include "platform/dialog/dialog.h"
#include "platform/text/decimal.h"

namespace platform {

namespace {

// The platform's own message for a field that must hold a whole number.
constexpr std::string_view kNotAnInteger = "整数を入力してください。";

// Writing the text a control already shows changes nothing and raises no notification.
void WriteText(Dialog& dialog, int id, const std::string& text) {
  if (dialog.GetDlgItemText(id) != text) dialog.SetDlgItemText(id, text);
}

}  // namespace

void DDX_Control(DataExchange& dx, int id, Control& control) {
  if (dx.failed()) return;
  control.Attach(dx.dialog(), id);
}

void DDX_Text(DataExchange& dx, int id, int& value) {
  if (dx.failed()) return;
  if (!dx.saving()) {
    WriteText(dx.dialog(), id, std::to_string(value));
    return;
  }
  const std::optional<int> parsed = ParseInteger(dx.dialog().GetDlgItemText(id));
  if (!parsed) {
    dx.dialog().MessageBox(kNotAnInteger, dx.dialog().Services().appName,
                           kMbOk | kMbIconInformation);
    dx.dialog().GotoDlgCtrl(id);
    dx.Fail();
    return;
  }
  value = *parsed;
}

void DDX_Text(DataExchange& dx, int id, std::string& value) {
  if (dx.failed()) return;
  if (dx.saving()) {
    value = dx.dialog().GetDlgItemText(id);
  } else {
    WriteText(dx.dialog(), id, value);
  }
}

void DDX_Radio(DataExchange& dx, int id, int& value) {
  if (dx.failed()) return;
  const std::vector<int> group = RadioGroupFrom(dx.dialog().Template(), id);
  if (dx.saving()) {
    value = -1;
    for (std::size_t i = 0; i < group.size(); ++i) {
      if (dx.dialog().IsDlgButtonChecked(group[i]) != 0) {
        value = static_cast<int>(i);
        break;
      }
    }
    return;
  }
  for (std::size_t i = 0; i < group.size(); ++i) {
    dx.dialog().CheckDlgButton(group[i], static_cast<int>(i) == value ? kChecked : kUnchecked);
  }
}

void DDX_Check(DataExchange& dx, int id, int& value) {
  if (dx.failed()) return;
  if (dx.saving()) {
    value = dx.dialog().IsDlgButtonChecked(id);
  } else {
    dx.dialog().CheckDlgButton(id, value);
  }
}

}  // namespace platform
