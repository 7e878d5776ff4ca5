// The main dialog's object: first values, message map and data exchange.
#include "app/varnel_dlg.h"

#include "platform/dialog/data_exchange.h"
#include "print/progress_dlg.h"
#include "res/resource.h"
#include "res/templates.h"

using platform::Notification;

CVarnelDlg::CVarnelDlg(platform::Platform& platform)
    : platform::Dialog(res::VarnelTemplate(), platform), m_hIcon(res::kIconProgram) {}

CVarnelDlg::~CVarnelDlg() = default;

namespace {

using Entry = platform::MessageMapEntry<CVarnelDlg>;
constexpr Notification kClicked = Notification::kClicked;

constexpr Entry kMessageMap[] = {
    {res::kIdcVersion, res::kIdcVersion, kClicked, &CVarnelDlg::OnVersion},
    {res::kIdcBrowse, res::kIdcBrowse, kClicked, &CVarnelDlg::OnBrowse},
    {res::kIdcPrint, res::kIdcPrint, kClicked, &CVarnelDlg::OnPrint},
    {res::kIdcFront, res::kIdcFront, kClicked, &CVarnelDlg::OnRadioFront},
    {res::kIdcBack, res::kIdcBack, kClicked, &CVarnelDlg::OnRadioBack},
    {res::kIdcSingle, res::kIdcSingle, kClicked, &CVarnelDlg::OnRadioSingle},
    {res::kIdcPageBreak, res::kIdcPageBreak, kClicked, &CVarnelDlg::OnPageBreakClicked},
    {res::kIdcClose, res::kIdcClose, kClicked, &CVarnelDlg::OnCloseButton},
    {res::kIdcGraphics, res::kIdcGraphics, kClicked, &CVarnelDlg::OnGraphicsClicked},
    {res::kIdcKeyPrinter, res::kIdcKeyPrinter, kClicked, &CVarnelDlg::OnKeyPrinter},
    {res::kIdcKeyPrinterName, res::kIdcKeyPrinterName, kClicked, &CVarnelDlg::OnKeyPrinterName},
    {res::kIdcKeyFile, res::kIdcKeyFile, kClicked, &CVarnelDlg::OnKeyFile},
    {res::kIdcKeyBrowse, res::kIdcKeyBrowse, kClicked, &CVarnelDlg::OnKeyBrowse},
    {res::kIdcKeyRange, res::kIdcKeyRange, kClicked, &CVarnelDlg::OnKeyRange},
    {res::kIdcKeyStartPage, res::kIdcKeyStartPage, kClicked, &CVarnelDlg::OnKeyStartPage},
    {res::kIdcKeyEndPage, res::kIdcKeyEndPage, kClicked, &CVarnelDlg::OnKeyEndPage},
    {res::kIdcKeyCopies, res::kIdcKeyCopies, kClicked, &CVarnelDlg::OnKeyCopies},
    {res::kIdcKeyOptions, res::kIdcKeyOptions, kClicked, &CVarnelDlg::OnKeyOptions},
    {res::kIdcKeySingle, res::kIdcKeySingle, kClicked, &CVarnelDlg::OnKeySingle},
    {res::kIdcKeyFront, res::kIdcKeyFront, kClicked, &CVarnelDlg::OnKeyFront},
    {res::kIdcKeyBack, res::kIdcKeyBack, kClicked, &CVarnelDlg::OnKeyBack},
    {res::kIdcKeyGraphics, res::kIdcKeyGraphics, kClicked, &CVarnelDlg::OnKeyGraphics},
    {res::kIdcKeyPageBreak, res::kIdcKeyPageBreak, kClicked, &CVarnelDlg::OnKeyPageBreak},
    {res::kIdcKeyDouble, res::kIdcKeyDouble, kClicked, &CVarnelDlg::OnKeyDouble},
    {res::kIdcKeyReadPages, res::kIdcKeyReadPages, kClicked, &CVarnelDlg::OnKeyReadPages},
    {res::kIdcStartPage, res::kIdcStartPage, Notification::kChanged,
     &CVarnelDlg::OnChangeStartPage},
    {res::kIdcEndPage, res::kIdcEndPage, Notification::kChanged, &CVarnelDlg::OnChangeEndPage},
    {res::kIdcCopies, res::kIdcCopies, Notification::kChanged, &CVarnelDlg::OnChangeCopies},
    {res::kIdcPrinter, res::kIdcPrinter, Notification::kSelChange, &CVarnelDlg::OnSelChangePrinter},
    {res::kIdcDouble, res::kIdcDouble, kClicked, &CVarnelDlg::OnRadioDouble},
};

}  // namespace

std::span<const platform::MessageMapEntry<CVarnelDlg>> CVarnelDlg::GetMessageMap() {
  return kMessageMap;
}

bool CVarnelDlg::DispatchCommand(int id, Notification code) {
  return platform::DispatchThroughMap(*this, GetMessageMap(), id, code);
}

void CVarnelDlg::DoDataExchange(platform::DataExchange& dx) {
  using platform::DDX_Check;
  using platform::DDX_Control;
  using platform::DDX_Radio;
  using platform::DDX_Text;
  platform::Dialog::DoDataExchange(dx);
  DDX_Control(dx, res::kIdcGraphicsKey, m_stcGraphicsKey);
  DDX_Control(dx, res::kIdcDoubleKey, m_stcDoubleKey);
  DDX_Control(dx, res::kIdcSingleKey, m_stcSingleKey);
  DDX_Control(dx, res::kIdcBackKey, m_stcBackKey);
  DDX_Control(dx, res::kIdcFrontKey, m_stcFrontKey);
  DDX_Control(dx, res::kIdcPageBreakKey, m_stcPageBreakKey);
  DDX_Control(dx, res::kIdcDouble, m_btnDouble);
  DDX_Control(dx, res::kIdcPrinter, m_cboPrinter);
  DDX_Control(dx, res::kIdcVersion, m_btnVersion);
  DDX_Control(dx, res::kIdcClose, m_btnClose);
  DDX_Control(dx, res::kIdcPrint, m_btnPrint);
  DDX_Control(dx, res::kIdcGraphics, m_chkGraphics);
  DDX_Control(dx, res::kIdcPageBreak, m_chkPageBreak);
  DDX_Control(dx, res::kIdcBrowse, m_btnBrowse);
  DDX_Control(dx, res::kIdcFileName, m_edtFileName);
  DDX_Control(dx, res::kIdcPort, m_edtPort);
  DDX_Control(dx, res::kIdcCopies, m_edtCopies);
  DDX_Control(dx, res::kIdcEndPage, m_edtEndPage);
  DDX_Control(dx, res::kIdcStartPage, m_edtStartPage);
  DDX_Control(dx, res::kIdcSingle, m_btnSingle);
  DDX_Control(dx, res::kIdcFront, m_btnFront);
  DDX_Control(dx, res::kIdcBack, m_btnBack);
  DDX_Text(dx, res::kIdcCharsPerLine, m_nCharsPerLine);
  DDX_Text(dx, res::kIdcLinesPerPage, m_nLinesPerPage);
  DDX_Text(dx, res::kIdcPageCount, m_nPageCount);
  DDX_Radio(dx, res::kIdcFront, m_nRadioFront);
  DDX_Radio(dx, res::kIdcSingle, m_nRadioSingle);
  DDX_Radio(dx, res::kIdcBack, m_nRadioBack);
  DDX_Check(dx, res::kIdcPageBreak, m_bPageBreak);
  DDX_Text(dx, res::kIdcGraphicsInfo, m_strGraphicsInfo);
  DDX_Check(dx, res::kIdcGraphics, m_bGraphics);
  DDX_Text(dx, res::kIdcStartPage, m_strStartPage);
  DDX_Text(dx, res::kIdcEndPage, m_strEndPage);
  DDX_Text(dx, res::kIdcCopies, m_strCopies);
}
