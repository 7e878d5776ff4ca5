// Control objects bound to a dialog's controls by data exchange. Each forwards to the
// window's host; without a window every operation does nothing.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class Dialog;
class DialogHost;

class Control {
 public:
  void Attach(Dialog& dialog, int id);
  int Id() const { return id_; }

  void ShowWindow(bool show);
  void EnableWindow(bool enable);
  bool IsWindowEnabled() const;
  void SetFocus();
  std::string GetWindowText() const;
  void SetWindowText(std::string_view text);

 protected:
  DialogHost* host() const;

 private:
  Dialog* dialog_ = nullptr;
  int id_ = 0;
};

class Button : public Control {
 public:
  int GetCheck() const;
  void SetCheck(int state);
  // The check-state bits of the button (checked 1, indeterminate 2).
  int GetState() const { return GetCheck(); }
};

class Edit : public Control {};
class Static : public Control {};

class ComboBox : public Control {
 public:
  void ResetContent();
  int AddString(std::string_view text);
  void DeleteString(int index);
  int GetCount() const;
  void SetCurSel(int index);
  int GetCurSel() const;
  std::string GetLBText(int index) const;
};

class ProgressCtrl : public Control {
 public:
  void SetRange(int low, int high);
  void SetStep(int step);
  int SetPos(int pos);
};

}  // namespace platform
