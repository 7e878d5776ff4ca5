// The settings file: the chosen printer, its model and port, and the page-break
// preference. Every file error is silent.
#include <algorithm>
#include <vector>

#include "app/varnel_dlg.h"
#include "platform/file_io.h"
#include "platform/text/cp932.h"
#include "printers/settings_record.h"

namespace {

using printers::SettingsRecord;

// The record as the file holds it; bytes beyond the end of a short file read as zero.
// `whole` tells whether the file is exactly one record long.
std::optional<SettingsRecord> ReadRecord(const std::string& path, bool* whole = nullptr) {
  const auto bytes = platform::ReadFilePrefix(path, printers::kRecordSize + 1);
  if (!bytes) return std::nullopt;
  SettingsRecord record{};
  const std::size_t size = std::min(bytes->size(), record.size());
  std::copy_n(bytes->begin(), size, record.begin());
  if (whole != nullptr) *whole = bytes->size() == record.size();
  return record;
}

std::vector<std::uint8_t> Bytes(const SettingsRecord& record) {
  return std::vector<std::uint8_t>(record.begin(), record.end());
}

// Whether a listed printer is the stored one. The stored name is code page 932 and the
// listed names are UTF-8; the round trip through UTF-8 is not the identity (a stored
// 0x81 0x60 reads back as U+FF5E, where the spooler may spell it U+301C), so the two are
// compared as the file holds them.
bool IsStoredPrinter(const std::string& listed, const std::string& storedBytes) {
  return platform::cp932::FromUtf8(listed) == storedBytes;
}

}  // namespace

void CVarnelDlg::LoadSettings() {
  std::string storedName;
  if (const std::optional<SettingsRecord> record = ReadRecord(m_strIniPath)) {
    storedName = printers::ReadTextSlotBytes(*record, printers::kSlotPrinterName);
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
    const std::string listed = m_cboPrinter.GetLBText(i);
    if (IsStoredPrinter(listed, storedName)) {
      m_cboPrinter.SetCurSel(i);
      m_strPrinterName = listed;  // as the spooler spells it
    }
  }
}

void CVarnelDlg::WriteDefaultSettings() {
  SettingsRecord record{};
  printers::WriteTextSlot(record, printers::kSlotReservedA, m_strTextSlot1);
  printers::WriteTextSlot(record, printers::kSlotReservedB, m_strTextSlot2);
  // Only where there is no file: one that exists but cannot be read holds the user's
  // settings all the same.
  platform::CreateFileAtomically(m_strIniPath, Bytes(record));
}

void CVarnelDlg::SaveSettings() {
  bool whole = false;
  std::optional<SettingsRecord> record = ReadRecord(m_strIniPath, &whole);
  if (!record) return;
  const SettingsRecord before = *record;
  std::fill(record->begin() + 512, record->end(), std::uint8_t{0});
  printers::WriteTextSlot(*record, printers::kSlotPrinterName, m_strPrinterName);
  printers::WriteTextSlot(*record, printers::kSlotModel, m_strModel);
  (*record)[printers::kPageBreakOffset] = m_bPageBreakSetting == 1 ? 1 : 0;
  printers::WriteTextSlot(*record, printers::kSlotPort, m_strPort);
  // A file that holds exactly these bytes already is left as it is: printing again with
  // the same choices writes nothing.
  if (whole && *record == before) return;
  platform::ReplaceFileAtomically(m_strIniPath, Bytes(*record));
}
