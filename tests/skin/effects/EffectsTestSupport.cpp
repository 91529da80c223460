// What the effects tests share; the effects' process-wide state as a leftover check.
#include "EffectsTestSupport.h"

#include <algorithm>

#include <QTest>

#include "skin/binding/RepaintPath.h"
#include "skin/manager/SkinCommands.h"
#include "skin/effects/GlowEffect.h"
#include "skin/effects/HideAnimation.h"
#include "platform/DesktopEffects.h"
#include "platform/TestIsolation.h"

LayeredWindowsOn::LayeredWindowsOn() { SetLayeredWindowsOverride(true); }
LayeredWindowsOn::~LayeredWindowsOn() { SetLayeredWindowsOverride(std::nullopt); }

namespace {

std::vector<std::string> LeftEffectsState() {
    std::vector<std::string> left;
    bool glows = false;
    for (const auto& glow : Glows()) glows |= glow != nullptr;
    if (glows) left.push_back("glows");
    RemoveAllGlows();
    if (GlowsBlocked()) left.push_back("the glow block");
    SetGlowsBlocked(false);
    if (HideAnimation() != nullptr && HideAnimation()->Animating()) left.push_back("a running hide animation");
    FreeHideAnimation();
    return left;
}

const bool kEffectsRegistered = [] {
    AddLeftoverCheck(LeftEffectsState);
    return true;
}();

}  // namespace

// --- FadeWidget -------------------------------------------------------------------------------------

uint32_t FaceOf(int state) {
    static const uint32_t faces[] = {MakePixel(255, 255, 255), MakePixel(0, 0, 0), MakePixel(200, 200, 200)};
    return faces[state];
}

FadeWidget::FadeWidget(QWidget* parent, bool windowless, int kind)
    : QWidget(parent), Data(this, this, kind, true, QStringLiteral("BUTTON")) {
    Data.Windowless = windowless;
    setGeometry(20, 20, 60, 24);
}

FadeWidget::~FadeWidget() {
    StopFade(FadeTimer, Data);
    StopAnim(AnimTimer);
}

void FadeWidget::PaintFace(Bitmap32& cache, const BackgroundInfo&, int state) {
    std::fill(cache.Pixels().begin(), cache.Pixels().end(), FaceOf(state));
}

void FadeWidget::Settle() {
    show();
    // A widget paints only once its window is exposed.
    if (QTest::qWaitForWindowExposed(window())) repaint();
}

bool FadeWidget::event(QEvent* event) {
    if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) {
        switch (command->Command()) {
            case AC_STOPFADING:
                ++StopRequests;
                StopFade(FadeTimer, Data);
                StopAnim(AnimTimer);
                return true;
            case AC_PREPARECACHE: RebuildSkinCache(*this); return true;
            case AC_FRAMEREADY:
                Frames.push_back(PixelRed(command->Data<const Bitmap32>()->At(30, 12)));
                return true;  // answers 0: the frame is shown through the repaint path
            case AC_REPAINT:
                if (Data.AnimationFrame != nullptr) Frames.push_back(PixelRed(Data.AnimationFrame->At(30, 12)));
                repaint();
                command->Result = 1;
                return true;
            default:
                if (Data.HandleSkinCommand(*command)) return true;
        }
    }
    Data.HandleCommonMessage(event);
    return QWidget::event(event);
}

void FadeWidget::paintEvent(QPaintEvent* event) { PaintSkinnedControl(*this, event); }
