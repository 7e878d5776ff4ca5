// Announcements: a sentence placed on the clipboard, where a screen reader that reads
// clipboard changes picks it up, and handed to the platform's accessibility layer.
#include "app/varnel_dlg.h"

void CVarnelDlg::Announce() {
  const std::string text = m_strSpeech;
  // The clipboard first, where screen readers that read its changes have always found the
  // sentence. A busy clipboard drops it without a word; m_strSpeech keeps it.
  Services().clipboard.PutText(text);
  if (platform::DialogHost* host = Host()) host->AnnounceToScreenReader(text);
}

void CVarnelDlg::Say(std::string_view text) {
  m_strSpeech = std::string(text);
  Announce();
}
