// Template 103: the progress window of a print job.
#include "platform/dialog/dialog_template.h"
#include "res/icons.h"
#include "res/resource.h"
#include "res/templates.h"

namespace res {

namespace {

using namespace platform;

constexpr ControlTemplate kControls[] = {
    {kIdCancel, ControlKind::kDefPushButton, "ｷｬﾝｾﾙ", {68, 40, 50, 14}, kTabStop},
    {kIdcProgressBar, ControlKind::kProgressBar, "", {14, 19, 154, 13}, kBorder},
    {kIdcProgressText, ControlKind::kLabel, "", {13, 7, 158, 8}, 0},
};

constexpr DialogTemplate kTemplate = {
    kIddProgress,
    "",
    186,
    61,
    "ＭＳ Ｐゴシック",
    9,
    kCaption | kSystemMenu | kModalFrame | kVisibleOnCreate,
    kControls,
    {},
    kIcons,
    kIconProgram,
};

}  // namespace

const platform::DialogTemplate& ProgressTemplate() { return kTemplate; }

}  // namespace res
