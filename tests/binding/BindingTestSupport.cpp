// Test skins and skinned test widgets.
#include "BindingTestSupport.h"

#include <QPaintEvent>

#include "binding/RepaintPath.h"
#include "platform/NimbrelCommand.h"
#include "platform/TestIsolation.h"
#include "skin/SkinOptions.h"

void LoadTestSkin(TsSkinManager& manager, const std::string& optionsText) {
    const SkinOptions options = SkinOptions::FromText(optionsText);
    SkinModel model;
    model.Load(&options, nullptr, std::string(), SkinLoadSettings());
    model.SkinData.Active = true;
    manager.CommonSkinData() = std::move(model);
}

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
    if (EffectHooks().UpdateGlow || EffectHooks().RemoveGlow || EffectHooks().RemoveAllGlows)
        left.push_back("registered effect hooks");
    TsCommonData::SetGlobalPaintingOff(false);
    RegisterEffectHooks({});
    return left;
}

const bool kRegistered = [] {
    AddLeftoverCheck(LeftBindingState);
    return true;
}();
}  // namespace
