// The read-back sentences of the main dialog, from its members as they are.
#include "app/varnel_dlg.h"
#include "speech/sentences.h"

std::string CVarnelDlg::PrinterSentence() const {
  return speech::PrinterSentence(m_strPrinterName, m_strPort);
}

std::string CVarnelDlg::FileSentence() const {
  return speech::FileSentence(m_strFilePath, m_nDocCharsPerLine, m_nDocLinesPerPage,
                              m_nDocPageCount, m_strGraphicsInfo);
}

std::string CVarnelDlg::RangeSentence() const {
  return speech::RangeSentence(m_nStartPage, m_nEndPage, m_nSides);
}

std::string CVarnelDlg::OptionsSentence() const {
  return speech::OptionsSentence(m_bGraphics, m_bPageBreak);
}
