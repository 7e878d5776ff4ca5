// The printer combo box, the port of the chosen printer and its model.
#include <string>
#include <vector>

#include "app/varnel_dlg.h"
#include "printers/printer_names.h"

bool CVarnelDlg::EnumeratePrinters(std::vector<platform::PrinterInfo>& printers) {
  printers.clear();
  if (Services().spooler.EnumeratePrinters(printers)) return true;
  MessageBox("プリンタの列挙に失敗", "Varnel", platform::kMbOk);
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

void CVarnelDlg::LookUpPrinterPort() {
  std::vector<platform::PrinterInfo> printers;
  if (!EnumeratePrinters(printers)) return;
  for (const platform::PrinterInfo& p : printers) {
    if (p.name == m_strPrinterName) m_strPort = p.port;
  }
  m_strPort = printers::RemoveColons(m_strPort);
}

void CVarnelDlg::ClassifyPrinterModel() {
  m_strModel = std::string(printers::ClassifyModelName(m_strPrinterName));
}
