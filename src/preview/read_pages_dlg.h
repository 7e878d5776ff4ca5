// The page reading window: one page of the loaded document in Unicode braille, for a
// screen reader and a braille display, with a drawing of its dots beside it. Page Up and
// Page Down turn the pages, Ctrl+Home and Ctrl+End go to the first and the last, Alt+G
// to a page by its number, Alt+M tells the paper a print will take, Esc and Alt+Q close.
#pragma once

#include <span>
#include <string_view>

#include "document/braille_document.h"
#include "platform/dialog/dialog.h"
#include "platform/dialog/message_map.h"

class CVarnelDlg;

class CReadPagesDlg : public platform::Dialog {
 public:
  CReadPagesDlg(CVarnelDlg& owner, const document::BrailleDocument& doc);

  static std::span<const platform::MessageMapEntry<CReadPagesDlg>> GetMessageMap();
  bool OnInitDialog() override;
  bool PreTranslateMessage(int virtualKey) override;

  // Shows page `page` (counted from 1, kept within the document) and says which it is.
  void ShowPage(int page);
  void OnKeySheets();  // Alt+M

  int m_nPage = 1;

 protected:
  bool DispatchCommand(int id, platform::Notification code) override;

 private:
  void GoToTypedPage();

  CVarnelDlg& owner_;
  const document::BrailleDocument& doc_;
};
