// Announcements: a sentence placed on the clipboard, where a screen reader that reads
// clipboard changes picks it up, and handed to the platform's accessibility layer.
#include "app/varnel_dlg.h"

namespace {

void AnnounceThrough(platform::DialogHost* host, platform::Platform& services,
                     const std::string& text) {
  // The clipboard first, where screen readers that read its changes have always found the
  // sentence. A busy clipboard drops it without a word; m_strSpeech keeps it.
  services.clipboard.PutText(text);
  if (host != nullptr) host->AnnounceToScreenReader(text);
}

}  // namespace

void CVarnelDlg::Announce() { AnnounceThrough(Host(), Services(), m_strSpeech); }

void CVarnelDlg::Say(std::string_view text, platform::DialogHost* window) {
  m_strSpeech = std::string(text);
  AnnounceThrough(window != nullptr ? window : Host(), Services(), m_strSpeech);
}
