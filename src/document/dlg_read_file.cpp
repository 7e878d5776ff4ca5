// The steps every reader shares: reading the file whole, and header digits.
#include "app/varnel_dlg.h"
#include "document/braille_document.h"
#include "document/formats.h"
#include "platform/file_io.h"
#include "res/messages.h"

bool CVarnelDlg::ReadFileBytes(std::vector<std::uint8_t>& bytes) {
  switch (platform::ReadWholeFile(m_strFilePath, document::kMaxFileSize, bytes)) {
    case platform::ReadStatus::kOk:
      return true;
    case platform::ReadStatus::kCannotOpen:
      MessageBox(m_strFilePath + "\n\n" + std::string(res::kCannotOpen), res::kAppName,
                 platform::kMbOk);
      return false;
    case platform::ReadStatus::kTooLarge:
      MessageBox(res::kTooLarge, res::kAppName, platform::kMbOk);
      return false;
  }
  return false;
}

int CVarnelDlg::DigitValue(std::uint8_t byte) { return document::DigitValue(byte); }

std::uint8_t CVarnelDlg::BesCellToAscii(std::uint8_t byte) {
  return document::BesCellToAscii(byte);
}
