#include "preview/read_pages_dlg.h"

#include <algorithm>
#include <string>

#include "app/varnel_dlg.h"
#include "platform/text/decimal.h"
#include "preview/page_view.h"
#include "res/resource.h"
#include "res/templates.h"
#include "speech/sentences.h"

CReadPagesDlg::CReadPagesDlg(CVarnelDlg& owner, const document::BrailleDocument& doc)
    : platform::Dialog(res::ReadPagesTemplate(), owner.Services()), owner_(owner), doc_(doc) {}

namespace {

constexpr platform::MessageMapEntry<CReadPagesDlg> kMessageMap[] = {
    {res::kIdcKeySheets, res::kIdcKeySheets, platform::Notification::kClicked,
     &CReadPagesDlg::OnKeySheets},
};

}  // namespace

std::span<const platform::MessageMapEntry<CReadPagesDlg>> CReadPagesDlg::GetMessageMap() {
  return kMessageMap;
}

bool CReadPagesDlg::DispatchCommand(int id, platform::Notification code) {
  return platform::DispatchThroughMap(*this, GetMessageMap(), id, code);
}

bool CReadPagesDlg::OnInitDialog() {
  ShowPage(1);
  GotoDlgCtrl(res::kIdcPageText);
  return false;
}

void CReadPagesDlg::ShowPage(int page) {
  m_nPage = std::clamp(page, 1, std::max(doc_.pageCount, 1));
  std::string text;
  for (const std::string& line : preview::PageLines(doc_, m_nPage)) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  SetDlgItemText(res::kIdcPageText, text);
  if (platform::DialogHost* host = Host())
    host->SetPicture(res::kIdcPagePicture, preview::DrawPage(doc_, m_nPage));
  const bool graphics = preview::PagePointCount(doc_, m_nPage) > 0;
  owner_.Say(speech::PageSentence(m_nPage, std::max(doc_.pageCount, 1), graphics), Host());
}

bool CReadPagesDlg::PreTranslateMessage(int virtualKey) {
  switch (virtualKey) {
    case platform::kVkNext:
      ShowPage(m_nPage + 1);
      return true;
    case platform::kVkPrior:
      ShowPage(m_nPage - 1);
      return true;
    case platform::kVkHome | platform::kWithCtrl:
      ShowPage(1);
      return true;
    case platform::kVkEnd | platform::kWithCtrl:
      ShowPage(doc_.pageCount);
      return true;
    case platform::kVkReturn:
      if (GetFocusedId() != res::kIdcGoToPage) return false;
      GoToTypedPage();
      return true;
    default:
      return platform::Dialog::PreTranslateMessage(virtualKey);
  }
}

void CReadPagesDlg::GoToTypedPage() {
  // Digits alone reach the edit; a number past the last page goes to the last.
  const std::string typed = GetDlgItemText(res::kIdcGoToPage);
  ShowPage(typed.empty() ? m_nPage : platform::DigitsToInt(typed));
  GotoDlgCtrl(res::kIdcPageText);
}

void CReadPagesDlg::OnKeySheets() { owner_.SaySheets(doc_, Host()); }
