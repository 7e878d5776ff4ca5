#include "app/about_dlg.h"

#include "res/resource.h"
#include "res/templates.h"

CAboutDlg::CAboutDlg(platform::Platform& platform)
    : platform::Dialog(res::AboutTemplate(), platform) {}

namespace {

constexpr platform::MessageMapEntry<CAboutDlg> kMessageMap[] = {
    {res::kIdcHomePage, res::kIdcHomePage, platform::Notification::kClicked,
     &CAboutDlg::OnHomePage},
};

}  // namespace

std::span<const platform::MessageMapEntry<CAboutDlg>> CAboutDlg::GetMessageMap() {
  return kMessageMap;
}

bool CAboutDlg::DispatchCommand(int id, platform::Notification code) {
  return platform::DispatchThroughMap(*this, GetMessageMap(), id, code);
}

void CAboutDlg::OnHomePage() {
  OnOK();
  Services().shell.OpenInBrowser(res::kHomePageAddress);
}
