// The small modeless window shown while a print job runs: a progress bar, one line of
// text and Cancel. The job calls into it between lines and pages; each call handles the
// messages waiting for the program's windows, so they repaint and Cancel is seen.
#pragma once

#include <string_view>

#include "platform/dialog/controls.h"
#include "platform/dialog/dialog.h"

class CProgressDlg : public platform::Dialog {
 public:
  // `captionId` 0 takes the string "印刷中".
  explicit CProgressDlg(platform::Platform& platform, unsigned captionId = 0);
  ~CProgressDlg() override;

  // Disables the owner (the parent's window, or the application's main window) and shows
  // the window. False, with the owner enabled again, when the window cannot be made.
  bool Create(platform::Dialog* parent = nullptr);
  void DoDataExchange(platform::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void DestroyWindow() override;

  void SetRange(int low, int high);
  // Handles waiting messages, then moves the bar; returns its previous position.
  int SetPos(int pos);
  void SetStatusText(std::string_view text);
  void PumpMessages();
  bool IsCancelRequested();
  void RestoreOwner();

  platform::ProgressCtrl m_ctlProgress;
  unsigned m_nCaptionId;
  int m_nRangeLow = 0;
  int m_nRangeHigh = 100;
  int m_nStep = 10;
  int m_bCancelRequested = 0;
  int m_bOwnerDisabled = 0;
  platform::DialogHost* m_pOwner = nullptr;
};
