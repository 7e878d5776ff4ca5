// Template 100: the about box.
#include "platform/dialog/dialog_template.h"
#include "res/icons.h"
#include "res/resource.h"
#include "res/templates.h"

namespace res {

namespace {

using namespace platform;

constexpr ControlTemplate kControls[] = {
    {kStaticId, ControlKind::kIcon, "", {12, 17, 20, 20}, 0, kIconAbout},
    {kStaticId, ControlKind::kLabel, "Varnel", {41, 15, 38, 8}, 0},
    {kStaticId, ControlKind::kLabel, "Varnel    Version 2.40", {41, 30, 119, 8}, kNoPrefix},
    {kStaticId, ControlKind::kLabel, kMakerName, {143, 48, 78, 8}, 0},
    {kStaticId, ControlKind::kLabel, kMakerLine, {41, 61, 180, 8}, 0},
    {kIdOk, ControlKind::kDefPushButton, "OK", {189, 7, 50, 14}, kTabStop | kGroupStart},
    {kStaticId,
     ControlKind::kLabel,
     "使用説明書と最新情報は弊社ホームページにてご案内しております。",
     {13, 82, 222, 8},
     0},
    {kStaticId, ControlKind::kGroupBox, "", {7, 71, 232, 41}, 0},
    {kIdcHomePage, ControlKind::kPushButton, kHomePageAddress, {52, 94, 117, 14}, kFlat | kTabStop},
};

constexpr DialogTemplate kTemplate = {
    kIddAbout,
    "Varnelのﾊﾞｰｼﾞｮﾝ情報",
    246,
    119,
    "ＭＳ Ｐゴシック",
    11,
    kModalFrame | kCaption | kSystemMenu,
    kControls,
    {},
    kIcons,
    kIconProgram,
};

}  // namespace

const platform::DialogTemplate& AboutTemplate() { return kTemplate; }

}  // namespace res
