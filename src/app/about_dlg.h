// The about box: name, version and a button that opens the home page.
#pragma once

#include <span>

#include "platform/dialog/dialog.h"
#include "platform/dialog/message_map.h"

class CAboutDlg : public platform::Dialog {
 public:
  explicit CAboutDlg(platform::Platform& platform);
  static std::span<const platform::MessageMapEntry<CAboutDlg>> GetMessageMap();
  void OnHomePage();

 protected:
  bool DispatchCommand(int id, platform::Notification code) override;
};
