// Test skins and skinned test widgets.
#include "BindingTestSupport.h"

#include <QPaintEvent>

#include "skin/binding/RepaintPath.h"
#include "platform/NimbrelCommand.h"
#include "platform/TestIsolation.h"
#include "skin/model/SkinOptions.h"
#include "platform/UpwardHooks.h"

void LoadTestSkin(TsSkinManager& manager, const std::string& optionsText) {
    const SkinOptions options = SkinOptions::FromText(optionsText);
    SkinModel model;
    model.Load(&options, nullptr, std::string(), SkinLoadSettings());
    model.SkinData.Active = true;
    manager.CommonSkinData() = std::move(model);
}

namespace {
const std::string kTestSkin = R"(
[GLOBALINFO]
VERSION=6.4
COLOR=16777215
[EDIT]
COLOR=15790320
FONTCOLOR=255
STATES=2
GRADIENTPERCENT=100
GRADIENTDATA=255;16711680;100;1;0
[PANEL]
COLOR=65280
[TSPECIAL]
COLOR=16711680
[SOLID]
COLOR=65280
STATES=1
[HALF]
COLOR=255
TRANSPARENCY=50
[CLEAR]
TRANSPARENCY=100
[GRADIENT]
GRADIENTPERCENT=100
GRADIENTDATA=255;16711680;100;0;0
[FRAMED]
COLOR=16777215
[TEXT]
FONTCOLOR=0
TCLEFT=255
TCRIGHT=65280
HOTFONTCOLOR=16711680
[GLOWING]
FONTCOLOR=0
GSIZE=3
GCOL=255
[SEETHROUGH]
TRANSPARENCY=60
FONTCOLOR=8421504
[LENDER]
GIVEOWNFONT=1
FONTCOLOR=4210752
[KEEPER]
FONTCOLOR=12632256
)";
}  // namespace

TTestSkin::TTestSkin() { LoadTestSkin(Manager, kTestSkin); }

TTestControl::TTestControl(QWidget* parent, int kind, const QString& section, bool windowless)
    : QWidget(parent), SkinData(this, this, kind, false, section) {
    SkinData.Windowless = windowless;
}

void TTestControl::PaintFace(Bitmap32& cache, const BackgroundInfo& bg, int state) {
    ++Rebuilds;
    TsSkinnedControl::PaintFace(cache, bg, state);
}

bool TTestControl::event(QEvent* event) {
    if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) Commands.push_back(command->Command());
    return HandleSkinEvent(SkinData, event) || QWidget::event(event);
}

void TTestControl::paintEvent(QPaintEvent* event) {
    ++PaintEvents;
    PaintSkinnedControl(*this, event);
}

void PaintNow(TTestControl& control) {
    if (PrepareSkinnedPaint(control)) ++control.PaintEvents;
}

namespace {
std::vector<std::string> LeftBindingState() {
    std::vector<std::string> left;
    if (TsCommonData::GlobalPaintingOff()) left.push_back("the painting-off flag");
    if (InstalledHooks<TsEffectHooks>().UpdateGlow || InstalledHooks<TsEffectHooks>().RemoveGlow)
        left.push_back("installed effect hooks");
    TsCommonData::SetGlobalPaintingOff(false);
    InstallHooks(TsEffectHooks());
    return left;
}

const bool kBindingRegistered = [] {
    AddLeftoverCheck(LeftBindingState);
    return true;
}();
}  // namespace
