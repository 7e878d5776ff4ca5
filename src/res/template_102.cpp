// Template 102: the main dialog, 64 controls in template order (also the tab order).
#include "platform/dialog/dialog_template.h"
#include "res/icons.h"
#include "res/resource.h"
#include "res/templates.h"

namespace res {

namespace {

using platform::ControlKind;
using namespace platform;  // style flags

constexpr int S = kStaticId;
constexpr ControlKind kPush = ControlKind::kPushButton;
constexpr ControlKind kGroup = ControlKind::kGroupBox;
constexpr ControlKind kEdit = ControlKind::kEdit;
constexpr ControlKind kLabel = ControlKind::kLabel;
constexpr ControlKind kRadio = ControlKind::kRadioButton;
constexpr ControlKind kCheck = ControlKind::kCheckBox;

constexpr unsigned kReadOnlyEdit = kReadOnly | kAutoScroll;
constexpr unsigned kNumberEdit = kDigitsOnly | kRightAligned | kAutoScroll | kBorder | kTabStop;
constexpr unsigned kCountField = kReadOnly | kRightAligned | kAutoScroll;

constexpr ControlTemplate kControls[] = {
    {kIdcBrowse, kPush, "ファイル参照(&4)", {159, 56, 52, 14}, kTabStop},
    {S, kGroup, "ファイル", {6, 45, 210, 42}, 0},
    {kIdcFileName,
     kEdit,
     "",
     {13, 57, 140, 12},
     kReadOnlyEdit | kBorder | kTabStop | kGroupStart,
     0,
     "ファイル"},
    {kIdcCharsPerLine, kEdit, "", {13, 74, 25, 12}, kCountField, 0, "字／行"},
    {kIdcLinesPerPage, kEdit, "", {65, 74, 25, 12}, kCountField, 0, "行／頁"},
    {kIdcPageCount, kEdit, "", {116, 74, 25, 12}, kCountField, 0, "頁"},
    {kIdcGraphicsInfo, kEdit, "", {159, 74, 34, 12}, kReadOnlyEdit, 0, "図形"},
    {S, kLabel, "字／行", {41, 74, 22, 8}, kGroupStart},
    {S, kLabel, "行／頁", {93, 74, 22, 8}, kGroupStart},
    {S, kGroup, "印刷範囲(5)", {6, 88, 163, 61}, 0},
    {S, kGroup, "開始", {10, 100, 41, 45}, 0},
    {kIdcStartPage, kEdit, "", {14, 118, 25, 12}, kNumberEdit, 0, "開始"},
    {S, kGroup, "終了", {54, 100, 41, 45}, 0},
    {kIdcEndPage, kEdit, "", {58, 118, 25, 12}, kNumberEdit | kGroupStart, 0, "終了"},
    {S, kGroup, "印刷面", {98, 100, 67, 45}, 0},
    {kIdcSingle, kRadio, "全頁（片面）", {101, 111, 45, 10}, 0},
    {kIdcFront, kRadio, "表面（奇数頁）", {101, 122, 50, 8}, 0},
    {kIdcBack, kRadio, "裏面（偶数頁）", {101, 132, 50, 8}, 0},
    {kIdcDouble, kRadio, "全頁（両面）", {101, 128, 43, 8}, 0},
    {S, kGroup, "部数", {174, 88, 42, 61}, 0},
    {kIdcCopies, kEdit, "", {178, 118, 25, 12}, kNumberEdit, 0, "部数"},
    {S, kGroup, "オプション(9)", {222, 45, 46, 42}, 0},
    {kIdcPageBreak, kCheck, "改頁", {229, 72, 22, 8}, kTabStop | kGroupStart},
    {kIdcGraphics, kCheck, "図形", {229, 58, 23, 8}, 0},
    {kIdcPrint, kPush, "印刷(&P)", {223, 111, 45, 26}, kTabStop | kGroupStart},
    {kIdcVersion, kPush, "バージョン(&V)", {222, 30, 46, 13}, kTabStop},
    {kIdcClose, kPush, "閉じる(&Q)", {222, 7, 46, 13}, kTabStop},
    {S, kGroup, "点字プリンタ", {6, 3, 210, 41}, 0},
    {kIdcPrinter,
     ControlKind::kComboBox,
     "",
     {56, 15, 155, 138},
     kSorted | kVScroll | kTabStop,
     0,
     "プリンタ名"},
    {S, kLabel, "プリンタ名(2)", {14, 17, 39, 8}, kRightAligned | kGroupStart},
    {S, kLabel, "接続場所", {23, 31, 29, 8}, kRightAligned | kGroupStart},
    {S, kLabel, "頁", {144, 74, 8, 8}, kGroupStart},
    {S, kLabel, "頁", {41, 120, 8, 8}, kGroupStart},
    {S, kLabel, "頁", {85, 120, 8, 8}, kGroupStart},
    {S, kLabel, "部", {205, 120, 8, 8}, kGroupStart},
    {S, kGroup, "プリンタ接続場所", {52, 25, 165, 21}, kHidden},
    {kIdcPort, kEdit, "", {57, 31, 154, 12}, kReadOnlyEdit | kTabStop, 0, "接続場所"},
    {S, kLabel, "(6)", {23, 133, 9, 8}, kGroupStart},
    {S, kLabel, "(7)", {68, 133, 9, 8}, kGroupStart},
    {S, kLabel, "(8)", {188, 133, 9, 8}, kGroupStart},
    {kIdcKeyPrinter, kPush, "S(&1)", {45, 43, 15, 14}, kHidden},
    {kIdcKeyPrinterName, kPush, "SP(&2)", {60, 44, 17, 14}, kHidden},
    {kIdcKeyFile, kPush, "S(&3)", {77, 44, 17, 14}, kHidden},
    {kIdcKeyBrowse, kPush, "S(&4)", {93, 44, 17, 14}, kHidden},
    {kIdcKeyRange, kPush, "S(&5)", {110, 43, 17, 14}, kHidden},
    {kIdcKeyStartPage, kPush, "S(&6)", {127, 43, 17, 14}, kHidden},
    {kIdcKeyEndPage, kPush, "S(&7)", {144, 43, 17, 14}, kHidden},
    {kIdcKeyCopies, kPush, "S(&8)", {161, 43, 17, 14}, kHidden},
    {kIdcKeyOptions, kPush, "S(&9)", {178, 43, 17, 14}, kHidden},
    {kIdcKeySingle, kPush, "S(&S)", {177, 97, 16, 12}, kHidden},
    {kIdcKeyFront, kPush, "S(&O)", {196, 97, 17, 12}, kHidden},
    {kIdcKeyBack, kPush, "S(&U)", {222, 97, 16, 12}, kHidden},
    {kIdcKeyGraphics, kPush, "S(&Z)", {233, 18, 15, 14}, kHidden},
    {kIdcKeyPageBreak, kPush, "S(&K)", {249, 18, 15, 14}, kHidden},
    {kIdcKeyDouble, kPush, "S(&W)", {241, 97, 16, 12}, kHidden},
    {kIdcKeyReadPages, kPush, "S(&R)", {258, 97, 15, 12}, kHidden},
    {kIdcSingleKey, kLabel, "(S)", {153, 111, 10, 8}, kGroupStart},
    {kIdcFrontKey, kLabel, "(O)", {153, 121, 10, 8}, kGroupStart},
    {kIdcBackKey, kLabel, "(U)", {153, 132, 10, 8}, kGroupStart},
    {kIdcPageBreakKey, kLabel, "(K)", {254, 72, 9, 8}, kGroupStart},
    {kIdcGraphicsKey, kLabel, "(Z)", {255, 58, 10, 8}, kGroupStart},
    {kIdcDoubleKey, kLabel, "(W)", {152, 128, 11, 8}, kGroupStart},
    {S, kLabel, "(3)", {35, 45, 9, 8}, kGroupStart},
    {S, kLabel, "(1)", {48, 3, 9, 8}, kGroupStart},
};

static_assert(std::size(kControls) == 64);

constexpr std::string_view kComboItems[] = {""};

constexpr DialogTemplate kTemplate = {
    kIddVarnel,
    "Varnel",
    274,
    155,
    "ＭＳ Ｐゴシック",
    12,
    kModalFrame | kCaption | kSystemMenu | kMinimizeBox | kAppWindow,
    kControls,
    kComboItems,
    kIcons,
    kIconProgram,
};

}  // namespace

const platform::DialogTemplate& VarnelTemplate() { return kTemplate; }

}  // namespace res
