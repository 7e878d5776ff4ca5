// Template 105: the window that reads the pages before printing. The page in Unicode
// braille takes the focus; the drawing beside it is for sighted helpers.
#include "platform/dialog/dialog_template.h"
#include "res/icons.h"
#include "res/resource.h"
#include "res/templates.h"

namespace res {

namespace {

using namespace platform;

constexpr ControlTemplate kControls[] = {
    {kIdcPageText,
     ControlKind::kEdit,
     "",
     {7, 7, 190, 176},
     kMultiLine | kReadOnly | kVScroll | kBorder | kTabStop,
     0,
     "ページ"},
    {kIdcPagePicture, ControlKind::kPicture, "", {204, 7, 140, 150}, kBorder},
    {kStaticId, ControlKind::kLabel, "ページ(&G)", {204, 166, 34, 8}, kRightAligned},
    {kIdcGoToPage,
     ControlKind::kEdit,
     "",
     {240, 164, 36, 12},
     kDigitsOnly | kRightAligned | kAutoScroll | kBorder | kTabStop,
     0,
     "ページ(G)"},
    {kIdCancel, ControlKind::kPushButton, "閉じる(&Q)", {294, 163, 50, 14}, kTabStop},
    {kIdcKeySheets, ControlKind::kPushButton, "S(&M)", {282, 185, 15, 12}, kHidden},
};

constexpr DialogTemplate kTemplate = {
    kIddReadPages,
    "ページを読む",
    352,
    190,
    "ＭＳ Ｐゴシック",
    12,
    kModalFrame | kCaption | kSystemMenu,
    kControls,
    {},
    kIcons,
    kIconProgram,
};

}  // namespace

const platform::DialogTemplate& ReadPagesTemplate() { return kTemplate; }

}  // namespace res
