// The main dialog and the one record of the program's state. Its member functions are
// implemented across the subsystem folders: app/ (start-up, option controls, data
// exchange), speech/ (announcements, shortcut keys), document/ (file selection and the
// readers), print/ (validation, the job, the embosser byte stream), printers/ (printer
// list, model rules, settings file).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog/controls.h"
#include "platform/dialog/dialog.h"
#include "platform/dialog/message_map.h"
#include "platform/platform.h"
#include "print/job_follow.h"
#include "print/job_spec.h"

class CProgressDlg;

namespace document {
struct BrailleDocument;
}

class CVarnelDlg : public platform::Dialog {
 public:
  explicit CVarnelDlg(platform::Platform& platform);
  ~CVarnelDlg() override;

  static std::span<const platform::MessageMapEntry<CVarnelDlg>> GetMessageMap();
  void DoDataExchange(platform::DataExchange& dx) override;
  bool PreTranslateMessage(int virtualKey) override;
  bool OnInitDialog() override;

  // ---- start-up and lifecycle ----
  void OnSysCommand(unsigned command, long param) override;
  void OnPaint();
  int OnQueryDragIcon() const;
  void OnVersion();
  void OnCloseButton();

  // ---- option controls ----
  void OnRadioSingle();
  void OnRadioFront();
  void OnRadioBack();
  void OnRadioDouble();
  void OnPageBreakClicked();
  void OnGraphicsClicked();
  void OnChangeStartPage();
  void OnChangeEndPage();
  void OnChangeCopies();
  void OnSelChangePrinter();

  // ---- spoken feedback ----
  void Announce();
  // Runs an Announcement of `text`, through the screen-reader channel of `window` (a window
  // in front of the main dialog) or of the main dialog.
  void Say(std::string_view text, platform::DialogHost* window = nullptr);
  std::string PrinterSentence() const;
  std::string FileSentence() const;
  std::string RangeSentence() const;
  std::string OptionsSentence() const;

  // ---- shortcut keys (hidden buttons) ----
  void OnKeyPrinter();      // Alt+1
  void OnKeyPrinterName();  // Alt+2
  void OnKeyFile();         // Alt+3
  void OnKeyBrowse();       // Alt+4
  void OnKeyRange();        // Alt+5
  void OnKeyStartPage();    // Alt+6
  void OnKeyEndPage();      // Alt+7
  void OnKeyCopies();       // Alt+8
  void OnKeyOptions();      // Alt+9
  void OnKeySingle();       // Alt+S
  void OnKeyFront();        // Alt+O
  void OnKeyBack();         // Alt+U
  void OnKeyDouble();       // Alt+W
  void OnKeyGraphics();     // Alt+Z
  void OnKeyPageBreak();    // Alt+K
  void OnKeyJob();          // Alt+J

  // ---- braille documents ----
  void OnBrowse();
  // Reads m_strFilePath whole into `bytes`. False after its message has been shown.
  bool ReadFileBytes(std::vector<std::uint8_t>& bytes);
  static int DigitValue(std::uint8_t byte);
  static std::uint8_t BesCellToAscii(std::uint8_t byte);
  // The readers fill the document from m_strFilePath; false after their message.
  bool ReadBaseNab();
  bool ReadWinBes();
  bool ReadEdel();
  // No file chosen: no path, no lines or graphics, every count 0.
  void ForgetDocument();
  // Runs `use` on the loaded document.
  void UseDocument(const std::function<void(const document::BrailleDocument&)>& use);
  // A reader's document becomes the dialog's document members, and back.
  void InstallDocument(document::BrailleDocument&& doc);
  document::BrailleDocument TakeDocument();

  // ---- reading the pages before printing ----
  void OnKeyReadPages();  // Alt+R
  // The sheets of paper the current range, copies, sides and printer take of `doc` (the
  // loaded document, as UseDocument lends it).
  std::int64_t SheetCount(const document::BrailleDocument& doc) const;
  // The refusal of the current range and copies, as the Print button shows it, or empty.
  std::string_view RangeRefusal() const;
  // Says the paper the current choices take, or why they cannot be printed.
  void SaySheets(const document::BrailleDocument& doc, platform::DialogHost* window);

  // ---- printing ----
  void OnPrint();
  // The checks before a job, in their order; false when one refused (its message shown)
  // or a graphics warning was cancelled.
  bool ValidatePrintRequest();
  void RunPrintJob();
  // One byte of the running job to the spooler; a failure sets m_bJobFailed.
  void WriteByte(std::uint8_t byte);
  // Bytes in a row: one write where the spooler takes runs, else a write per byte.
  void WriteBytes(std::span<const std::uint8_t> bytes);
  void ThrottleForPort();
  // The job as the encoder takes it, from the running job's members.
  print::JobSpec RunningJobSpec() const;
  // Follows a job the spooler took, on the window's timer, and says what becomes of it.
  void FollowJob(std::unique_ptr<platform::JobTracker> tracker);
  void OnTimer() override;
  // The job the current choices make of these pages and copies.
  print::JobSpec JobSpecFor(int startPage, int endPage, int copies) const;

  // ---- printers and settings ----
  void FillPrinterList();
  void LookUpPrinterPort();
  void ClassifyPrinterModel();
  void ApplySidesRule();
  void ApplyGraphicsRule();
  void ApplyPageBreakRule();
  void LoadSettings();
  void WriteDefaultSettings();
  void SaveSettings();

 protected:
  bool DispatchCommand(int id, platform::Notification code) override;

 private:
  // Sets the check marks of radios 1021, 1012, 1013 and 1022, in this order, so that only
  // `checkedId` is on, and m_nSides to `sides`.
  void SelectSides(int checkedId, int sides);
  // Sends every copy and page of the job; false when the spooler failed.
  void SendJob(CProgressDlg& progress);
  // Ends a job whose bytes could not all be delivered.
  void FailJob(CProgressDlg& progress);
  // The shared part of the three numeric edits' change handlers.
  void CheckNumericEdit(platform::Edit& edit, int& value, const std::string& resetText,
                        int resetValue);
  // Enumerates the printers; shows the enumeration failure message and returns false when
  // the spooler cannot be asked.
  bool EnumeratePrinters(std::vector<platform::PrinterInfo>& printers);

 public:
  // ---- members, in the order of declaration ----
  std::string m_strIniPath;
  int m_nEndPage = 0;
  int m_nCopies = 0;
  int m_nStartPage = 0;
  std::string m_strSpeech;
  std::uint8_t m_bPageBreakSetting = 0;
  std::uint8_t m_bDocHasGraphics = 0;
  std::string m_strTextSlot2;
  std::string m_strTextSlot1;
  std::uint32_t m_dwWritten = 0;
  std::uint8_t m_chOut = 0;
  std::unique_ptr<platform::PrinterConnection> m_hPrinter;
  int m_nCurPage = 0;
  std::string m_strModel;
  int m_nSides = 0;
  int m_nJobCopies = 0;
  int m_nJobEnd = 0;
  int m_nJobStart = 0;
  int m_nDocPageCount = 0;
  int m_nDocLinesPerPage = 0;
  int m_nDocCharsPerLine = 0;
  std::string m_strFileHeader;
  std::string m_strFileExt;
  std::string m_strFilePath;
  std::string m_strPort;
  std::string m_strPrinterName;
  std::vector<std::string> m_arrLines;
  std::vector<std::string> m_arrPageGraphics;
  // The name and path handed to the spooler, passed whole: a name cut short could open
  // another printer.
  std::string m_szPrinterName;
  std::string m_szDocName;
  platform::Static m_stcGraphicsKey;
  platform::Static m_stcDoubleKey;
  platform::Static m_stcSingleKey;
  platform::Static m_stcBackKey;
  platform::Static m_stcFrontKey;
  platform::Static m_stcPageBreakKey;
  platform::Button m_btnDouble;
  platform::ComboBox m_cboPrinter;
  platform::Button m_btnVersion;
  platform::Button m_btnClose;
  platform::Button m_btnPrint;
  platform::Button m_chkGraphics;
  platform::Button m_chkPageBreak;
  platform::Button m_btnBrowse;
  platform::Edit m_edtFileName;
  platform::Edit m_edtPort;
  platform::Edit m_edtCopies;
  platform::Edit m_edtEndPage;
  platform::Edit m_edtStartPage;
  platform::Button m_btnSingle;
  platform::Button m_btnFront;
  platform::Button m_btnBack;
  int m_nCharsPerLine = 0;
  int m_nLinesPerPage = 0;
  int m_nPageCount = 0;
  int m_nRadioFront = -1;
  int m_nRadioSingle = -1;
  int m_nRadioBack = -1;
  int m_bPageBreak = 0;
  std::string m_strGraphicsInfo;
  int m_bGraphics = 0;
  std::string m_strStartPage;
  std::string m_strEndPage;
  std::string m_strCopies;
  int m_hIcon = 0;

  // A spooler write or the end of the document failed during the running job.
  bool m_bJobFailed = false;
  // The port of the running job is a slow parallel port that needs a pause after each byte.
  bool m_bThrottlePort = false;
  // A job is being sent: what became of earlier ones is said after it.
  bool m_bPrinting = false;
  // The jobs the spooler took in this run.
  print::JobWatch m_jobWatch;
};
