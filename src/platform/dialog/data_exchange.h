// Data exchange between dialog members and controls.
#pragma once

#include <string>

namespace platform {

class Control;
class Dialog;

class DataExchange {
 public:
  DataExchange(Dialog& dialog, bool save) : dialog_(dialog), save_(save) {}
  Dialog& dialog() const { return dialog_; }
  // True: controls to members.
  bool saving() const { return save_; }
  bool failed() const { return failed_; }
  void Fail() { failed_ = true; }

 private:
  Dialog& dialog_;
  bool save_;
  bool failed_ = false;
};

void DDX_Control(DataExchange& dx, int id, Control& control);
// An edit's text as a decimal integer. Reading a text that is not one fails the exchange.
void DDX_Text(DataExchange& dx, int id, int& value);
void DDX_Text(DataExchange& dx, int id, std::string& value);
// The radio group that starts at `id` (template order): the number of its checked radio,
// or -1 when none is checked.
void DDX_Radio(DataExchange& dx, int id, int& value);
void DDX_Check(DataExchange& dx, int id, int& value);

}  // namespace platform
