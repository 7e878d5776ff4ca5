// Template 102: the main dialog, 63 controls in template order (also the tab order).
#include "platform/dialog_template.h"
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
    {1002, kPush, "ファイル参照(&4)", {159, 56, 52, 14}, kTabStop},
    {S, kGroup, "ファイル", {6, 45, 210, 42}, 0},
    {1004, kEdit, "", {13, 57, 140, 12}, kReadOnlyEdit | kBorder | kTabStop | kGroupStart},
    {1005, kEdit, "", {13, 74, 25, 12}, kCountField},
    {1006, kEdit, "", {65, 74, 25, 12}, kCountField},
    {1007, kEdit, "", {116, 74, 25, 12}, kCountField},
    {1028, kEdit, "", {159, 74, 34, 12}, kReadOnlyEdit},
    {S, kLabel, "字／行", {41, 74, 22, 8}, kGroupStart},
    {S, kLabel, "行／頁", {93, 74, 22, 8}, kGroupStart},
    {S, kGroup, "印刷範囲(5)", {6, 88, 163, 61}, 0},
    {S, kGroup, "開始", {10, 100, 41, 45}, 0},
    {1008, kEdit, "", {14, 118, 25, 12}, kNumberEdit},
    {S, kGroup, "終了", {54, 100, 41, 45}, 0},
    {1009, kEdit, "", {58, 118, 25, 12}, kNumberEdit | kGroupStart},
    {S, kGroup, "印刷面", {98, 100, 67, 45}, 0},
    {1021, kRadio, "全頁（片面）", {101, 111, 45, 10}, 0},
    {1012, kRadio, "表面（奇数頁）", {101, 122, 50, 8}, 0},
    {1013, kRadio, "裏面（偶数頁）", {101, 132, 50, 8}, 0},
    {1022, kRadio, "全頁（両面）", {101, 128, 43, 8}, 0},
    {S, kGroup, "部数", {174, 88, 42, 61}, 0},
    {1010, kEdit, "", {178, 118, 25, 12}, kNumberEdit},
    {S, kGroup, "オプション(9)", {222, 45, 46, 42}, 0},
    {1025, kCheck, "改頁", {229, 72, 22, 8}, kTabStop | kGroupStart},
    {1027, kCheck, "図形", {229, 58, 23, 8}, 0},
    {1020, kPush, "印刷(&P)", {223, 111, 45, 26}, kTabStop | kGroupStart},
    {1003, kPush, "バージョン(&V)", {222, 30, 46, 13}, kTabStop},
    {1026, kPush, "閉じる(&Q)", {222, 7, 46, 13}, kTabStop},
    {S, kGroup, "点字プリンタ", {6, 3, 210, 41}, 0},
    {1041, ControlKind::kComboBox, "", {56, 15, 155, 138}, kSorted | kVScroll | kTabStop},
    {S, kLabel, "プリンタ名(2)", {14, 17, 39, 8}, kRightAligned | kGroupStart},
    {S, kLabel, "接続場所", {23, 31, 29, 8}, kRightAligned | kGroupStart},
    {S, kLabel, "頁", {144, 74, 8, 8}, kGroupStart},
    {S, kLabel, "頁", {41, 120, 8, 8}, kGroupStart},
    {S, kLabel, "頁", {85, 120, 8, 8}, kGroupStart},
    {S, kLabel, "部", {205, 120, 8, 8}, kGroupStart},
    {S, kGroup, "プリンタ接続場所", {52, 25, 165, 21}, kHidden},
    {1018, kEdit, "", {57, 31, 154, 12}, kReadOnlyEdit | kTabStop},
    {S, kLabel, "(6)", {23, 133, 9, 8}, kGroupStart},
    {S, kLabel, "(7)", {68, 133, 9, 8}, kGroupStart},
    {S, kLabel, "(8)", {188, 133, 9, 8}, kGroupStart},
    {1030, kPush, "S(&1)", {45, 43, 15, 14}, kHidden},
    {1031, kPush, "SP(&2)", {60, 44, 17, 14}, kHidden},
    {1032, kPush, "S(&3)", {77, 44, 17, 14}, kHidden},
    {1033, kPush, "S(&4)", {93, 44, 17, 14}, kHidden},
    {1034, kPush, "S(&5)", {110, 43, 17, 14}, kHidden},
    {1035, kPush, "S(&6)", {127, 43, 17, 14}, kHidden},
    {1036, kPush, "S(&7)", {144, 43, 17, 14}, kHidden},
    {1037, kPush, "S(&8)", {161, 43, 17, 14}, kHidden},
    {1038, kPush, "S(&9)", {178, 43, 17, 14}, kHidden},
    {1039, kPush, "S(&S)", {177, 97, 16, 12}, kHidden},
    {1040, kPush, "S(&O)", {196, 97, 17, 12}, kHidden},
    {1042, kPush, "S(&U)", {222, 97, 16, 12}, kHidden},
    {1043, kPush, "S(&Z)", {233, 18, 15, 14}, kHidden},
    {1044, kPush, "S(&K)", {249, 18, 15, 14}, kHidden},
    {1045, kPush, "S(&W)", {241, 97, 16, 12}, kHidden},
    {1049, kLabel, "(S)", {153, 111, 10, 8}, kGroupStart},
    {1051, kLabel, "(O)", {153, 121, 10, 8}, kGroupStart},
    {1052, kLabel, "(U)", {153, 132, 10, 8}, kGroupStart},
    {1054, kLabel, "(K)", {254, 72, 9, 8}, kGroupStart},
    {1053, kLabel, "(Z)", {255, 58, 10, 8}, kGroupStart},
    {1050, kLabel, "(W)", {152, 128, 11, 8}, kGroupStart},
    {S, kLabel, "(3)", {35, 45, 9, 8}, kGroupStart},
    {S, kLabel, "(1)", {48, 3, 9, 8}, kGroupStart},
};

static_assert(std::size(kControls) == 63);

constexpr std::string_view kComboItems[] = {""};

constexpr DialogTemplate kTemplate = {
    102,
    "Varnel",
    274,
    155,
    "ＭＳ Ｐゴシック",
    12,
    kModalFrame | kCaption | kSystemMenu | kMinimizeBox | kAppWindow,
    kControls,
    kComboItems,
};

}  // namespace

const platform::DialogTemplate& VarnelTemplate() { return kTemplate; }

}  // namespace res
