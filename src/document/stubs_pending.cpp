#include "app/varnel_dlg.h"
void CVarnelDlg::OnBrowse() {}
bool CVarnelDlg::ReadFileBytes(std::vector<std::uint8_t>&) { return false; }
int CVarnelDlg::DigitValue(std::uint8_t) { return 0; }
std::uint8_t CVarnelDlg::BesCellToAscii(std::uint8_t) { return 0; }
void CVarnelDlg::ReadBaseNab() {}
void CVarnelDlg::ReadWinBes() {}
void CVarnelDlg::ReadEdel() {}
void CVarnelDlg::OnPrint() {}
bool CVarnelDlg::ValidatePrintRequest() { return false; }
void CVarnelDlg::RunPrintJob() {}
void CVarnelDlg::WriteByte(std::uint8_t) {}
void CVarnelDlg::ThrottleForPort() {}
void CVarnelDlg::WritePageGraphics() {}
void CVarnelDlg::WriteBytes(std::span<const std::uint8_t>) {}
void CVarnelDlg::JobStartEvent() {}
bool CVarnelDlg::PageStartEvent() { return false; }
void CVarnelDlg::PageGraphicsEvent() {}
void CVarnelDlg::TextLineEvent(const std::string&) {}
void CVarnelDlg::BlankLineEvent() {}
void CVarnelDlg::PageEndEvent() {}
void CVarnelDlg::BlankBackPageEvent() {}
void CVarnelDlg::CopyEndEvent() {}
void CVarnelDlg::JobEndEvent() {}
