#include "app/varnel_app.h"

#include "app/varnel_dlg.h"

bool CVarnelApp::InitInstance() {
  CVarnelDlg dlg(platform_);
  dlg.SetMainWindowRole();
  dlg.DoModal();
  return false;
}
