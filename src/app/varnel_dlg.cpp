// The main dialog's object: first values, message map and data exchange.
#include "app/varnel_dlg.h"

#include "platform/data_exchange.h"
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
    {1003, 1003, kClicked, &CVarnelDlg::OnVersion},
    {1002, 1002, kClicked, &CVarnelDlg::OnBrowse},
    {1020, 1020, kClicked, &CVarnelDlg::OnPrint},
    {1012, 1012, kClicked, &CVarnelDlg::OnRadioFront},
    {1013, 1013, kClicked, &CVarnelDlg::OnRadioBack},
    {1021, 1021, kClicked, &CVarnelDlg::OnRadioSingle},
    {1025, 1025, kClicked, &CVarnelDlg::OnPageBreakClicked},
    {1026, 1026, kClicked, &CVarnelDlg::OnCloseButton},
    {1027, 1027, kClicked, &CVarnelDlg::OnGraphicsClicked},
    {1030, 1030, kClicked, &CVarnelDlg::OnKeyPrinter},
    {1031, 1031, kClicked, &CVarnelDlg::OnKeyPrinterName},
    {1032, 1032, kClicked, &CVarnelDlg::OnKeyFile},
    {1033, 1033, kClicked, &CVarnelDlg::OnKeyBrowse},
    {1034, 1034, kClicked, &CVarnelDlg::OnKeyRange},
    {1035, 1035, kClicked, &CVarnelDlg::OnKeyStartPage},
    {1036, 1036, kClicked, &CVarnelDlg::OnKeyEndPage},
    {1037, 1037, kClicked, &CVarnelDlg::OnKeyCopies},
    {1038, 1038, kClicked, &CVarnelDlg::OnKeyOptions},
    {1039, 1039, kClicked, &CVarnelDlg::OnKeySingle},
    {1040, 1040, kClicked, &CVarnelDlg::OnKeyFront},
    {1042, 1042, kClicked, &CVarnelDlg::OnKeyBack},
    {1043, 1043, kClicked, &CVarnelDlg::OnKeyGraphics},
    {1044, 1044, kClicked, &CVarnelDlg::OnKeyPageBreak},
    {1045, 1045, kClicked, &CVarnelDlg::OnKeyDouble},
    {1008, 1008, Notification::kChanged, &CVarnelDlg::OnChangeStartPage},
    {1009, 1009, Notification::kChanged, &CVarnelDlg::OnChangeEndPage},
    {1010, 1010, Notification::kChanged, &CVarnelDlg::OnChangeCopies},
    {1041, 1041, Notification::kSelChange, &CVarnelDlg::OnSelChangePrinter},
    {1022, 1022, kClicked, &CVarnelDlg::OnRadioDouble},
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
  DDX_Control(dx, 1053, m_stcGraphicsKey);
  DDX_Control(dx, 1050, m_stcDoubleKey);
  DDX_Control(dx, 1049, m_stcSingleKey);
  DDX_Control(dx, 1052, m_stcBackKey);
  DDX_Control(dx, 1051, m_stcFrontKey);
  DDX_Control(dx, 1054, m_stcPageBreakKey);
  DDX_Control(dx, 1022, m_btnDouble);
  DDX_Control(dx, 1041, m_cboPrinter);
  DDX_Control(dx, 1003, m_btnVersion);
  DDX_Control(dx, 1026, m_btnClose);
  DDX_Control(dx, 1020, m_btnPrint);
  DDX_Control(dx, 1027, m_chkGraphics);
  DDX_Control(dx, 1025, m_chkPageBreak);
  DDX_Control(dx, 1002, m_btnBrowse);
  DDX_Control(dx, 1004, m_edtFileName);
  DDX_Control(dx, 1018, m_edtPort);
  DDX_Control(dx, 1010, m_edtCopies);
  DDX_Control(dx, 1009, m_edtEndPage);
  DDX_Control(dx, 1008, m_edtStartPage);
  DDX_Control(dx, 1021, m_btnSingle);
  DDX_Control(dx, 1012, m_btnFront);
  DDX_Control(dx, 1013, m_btnBack);
  DDX_Text(dx, 1005, m_nCharsPerLine);
  DDX_Text(dx, 1006, m_nLinesPerPage);
  DDX_Text(dx, 1007, m_nPageCount);
  DDX_Radio(dx, 1012, m_nRadioFront);
  DDX_Radio(dx, 1021, m_nRadioSingle);
  DDX_Radio(dx, 1013, m_nRadioBack);
  DDX_Check(dx, 1025, m_bPageBreak);
  DDX_Text(dx, 1028, m_strGraphicsInfo);
  DDX_Check(dx, 1027, m_bGraphics);
  DDX_Text(dx, 1008, m_strStartPage);
  DDX_Text(dx, 1009, m_strEndPage);
  DDX_Text(dx, 1010, m_strCopies);
}
