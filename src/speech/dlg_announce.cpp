// Announcements: a sentence placed on the clipboard, where a screen reader that reads
// clipboard changes picks it up, and handed to the platform's accessibility layer.
#include "app/varnel_dlg.h"

void CVarnelDlg::Announce() {
  const std::string text = m_strSpeech;
  if (platform::DialogHost* host = Host()) host->AnnounceToScreenReader(text);
  // A busy clipboard drops the sentence without a word; m_strSpeech keeps it.
  Services().clipboard.PutText(text);
}

void CVarnelDlg::Say(std::string_view text) {
  m_strSpeech = std::string(text);
  Announce();
}
