// The printer combo box, the port of the chosen printer and its model.
#include <string>
#include <string_view>
#include <vector>

#include "app/varnel_dlg.h"
#include "printers/printer_names.h"
#include "res/messages.h"

bool CVarnelDlg::EnumeratePrinters(std::vector<platform::PrinterInfo>& printers) {
  printers.clear();
  if (Services().spooler.EnumeratePrinters(printers)) return true;
  MessageBox(res::kEnumerationFailed, res::kAppName, platform::kMbOk);
  return false;
}

void CVarnelDlg::FillPrinterList() {
  const int count = m_cboPrinter.GetCount();
  for (int i = 0; i < count; ++i) m_cboPrinter.DeleteString(0);

  std::vector<platform::PrinterInfo> printers;
  if (!EnumeratePrinters(printers)) return;
  for (const platform::PrinterInfo& p : printers) {
    if (printers::IsListedEmbosserName(p.name)) m_cboPrinter.AddString(p.name);
  }
}

// Only the chosen printer is asked about: on Windows asking a printer connection waits on
// its server, and a server that is down would hold the dialog for every printer listed.
void CVarnelDlg::LookUpPrinterPort() {
  if (!Services().spooler.LookUpPort(m_strPrinterName, m_strPort)) {
    MessageBox(res::kEnumerationFailed, res::kAppName, platform::kMbOk);
    return;
  }
  m_strPort = printers::RemoveColons(m_strPort);
}

void CVarnelDlg::ClassifyPrinterModel() {
  m_strModel = std::string(printers::ClassifyModelName(m_strPrinterName));
}
