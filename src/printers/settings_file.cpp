// The settings file: the chosen printer, its model and port, and the page-break
// preference. Every file error is silent.
#include <algorithm>
#include <vector>

#include "app/varnel_dlg.h"
#include "platform/file_io.h"
#include "printers/settings_record.h"

namespace {

using printers::SettingsRecord;

// The record as the file holds it; bytes beyond the end of a short file read as zero.
std::optional<SettingsRecord> ReadRecord(const std::string& path) {
  const auto bytes = platform::ReadFilePrefix(path, printers::kRecordSize);
  if (!bytes) return std::nullopt;
  SettingsRecord record{};
  std::copy(bytes->begin(), bytes->end(), record.begin());
  return record;
}

void WriteRecord(const std::string& path, const SettingsRecord& record) {
  platform::ReplaceFileAtomically(path, std::vector<std::uint8_t>(record.begin(), record.end()));
}

}  // namespace

void CVarnelDlg::LoadSettings() {
  if (const std::optional<SettingsRecord> record = ReadRecord(m_strIniPath)) {
    m_strTextSlot1 = printers::ReadTextSlot(*record, printers::kSlotReservedA);
    m_strTextSlot2 = printers::ReadTextSlot(*record, printers::kSlotReservedB);
    m_strPrinterName = printers::ReadTextSlot(*record, printers::kSlotPrinterName);
    m_strModel = printers::ReadTextSlot(*record, printers::kSlotModel);
    m_strPort = printers::ReadTextSlot(*record, printers::kSlotPort);
    const bool on = (*record)[printers::kPageBreakOffset] != 0;
    m_bPageBreak = on ? 1 : 0;
    m_bPageBreakSetting = on ? 1 : 0;
  } else {
    m_strPrinterName.clear();
    m_strModel.clear();
    m_strPort.clear();
    m_bPageBreak = 1;
    m_bPageBreakSetting = 1;
    WriteDefaultSettings();
  }

  m_cboPrinter.SetCurSel(0);
  const int count = m_cboPrinter.GetCount();
  if (m_strPrinterName.empty()) {
    m_strPrinterName = count > 0 ? m_cboPrinter.GetLBText(0) : std::string();
    return;
  }
  for (int i = 0; i < count; ++i) {
    if (m_cboPrinter.GetLBText(i) == m_strPrinterName) m_cboPrinter.SetCurSel(i);
  }
}

void CVarnelDlg::WriteDefaultSettings() {
  SettingsRecord record{};
  printers::WriteTextSlot(record, printers::kSlotReservedA, m_strTextSlot1);
  printers::WriteTextSlot(record, printers::kSlotReservedB, m_strTextSlot2);
  WriteRecord(m_strIniPath, record);
}

void CVarnelDlg::SaveSettings() {
  std::optional<SettingsRecord> record = ReadRecord(m_strIniPath);
  if (!record) return;
  std::fill(record->begin() + 512, record->end(), std::uint8_t{0});
  printers::WriteTextSlot(*record, printers::kSlotPrinterName, m_strPrinterName);
  printers::WriteTextSlot(*record, printers::kSlotModel, m_strModel);
  (*record)[printers::kPageBreakOffset] = m_bPageBreakSetting == 1 ? 1 : 0;
  printers::WriteTextSlot(*record, printers::kSlotPort, m_strPort);
  WriteRecord(m_strIniPath, *record);
}
