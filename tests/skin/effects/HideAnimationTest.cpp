// The hide animation: its steps of alpha and rectangle, the zoom frames, and the process-wide timer.
#include <gtest/gtest.h>

#include <QPointer>

#include "EffectsTestSupport.h"
#include "skin/effects/HideAnimation.h"
#include "platform/GuiTestSupport.h"

namespace {

Bitmap32 Numbered(int width, int height) {
    Bitmap32 picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.At(x, y) = MakePixel(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 1);
    return picture;
}

TLayeredWindow* AuxiliaryWindow() {
    auto* window = new TLayeredWindow();
    window->setGeometry(40, 30, 16, 8);
    return window;
}

}  // namespace

TEST(HideAnimation, ZoomFrameStretchesTheSourceIntoTheRoundedRectangle) {
    const Bitmap32 source = Numbered(8, 4);
    EXPECT_EQ(ZoomFrame(source, 0, 0, 8, 4), source);
    EXPECT_EQ(ZoomFrame(source, -0.5, 0, 8, 4), source);  // a negative corner: the picture unscaled

    // Half size in the middle (2, 1)-(6, 3): every second pixel, the rest transparent black.
    const Bitmap32 half = ZoomFrame(source, 1.5, 0.5, 6.4, 3.4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 0 && y < 3;
            SCOPED_TRACE(testing::Message() << x << "," << y);
            if (!inside) {
                EXPECT_EQ(half.At(x, y), 0u);
            } else {
                EXPECT_EQ(half.At(x, y), source.At((x - 2) * 8 / 4, y * 4 / 3));
            }
        }
}

TEST(HideAnimation, FadesInStepsPlusOneStepsAndFreesTheWindow) {
    LayeredWindowsOn layered;
    HideAnimationTimer timer;
    QPointer<TLayeredWindow> window = AuxiliaryWindow();
    const Bitmap32 picture = Numbered(16, 8);
    timer.Begin(window, picture, 4, watFading, 200);
    EXPECT_EQ(timer.Interval(), 12u);
    std::vector<int> alphas;
    for (int step = 0; step < 5 && window; ++step) {
        timer.Step();
        if (window) alphas.push_back(window->ConstantAlpha());
    }
    // 200 / 4 per step from the start; the fifth step shows 0 and ends the animation.
    EXPECT_EQ(alphas, (std::vector<int>{150, 100, 50, 0}));
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(timer.Animating());
    EXPECT_FALSE(timer.Enabled());
}

TEST(HideAnimation, ZoomShrinksTheFrameByAnEighthOfAStepOnEachSide) {
    LayeredWindowsOn layered;
    HideAnimationTimer timer;
    QPointer<TLayeredWindow> window = AuxiliaryWindow();
    const Bitmap32 picture = Numbered(16, 8);
    timer.Begin(window, picture, 2, watZoom, 255);
    timer.Step();
    EXPECT_EQ(BitmapFromImage(window->Picture()), picture);  // the first frame: the whole picture
    timer.Step();
    // 16 / (2 x 8) = 1 and 8 / 16 = 0.5 in from each side.
    EXPECT_EQ(BitmapFromImage(window->Picture()), ZoomFrame(picture, 1, 0.5, 15, 7.5));
    EXPECT_EQ(window->Picture().size(), QSize(16, 8));
    timer.Step();
    EXPECT_TRUE(window.isNull());
}

TEST(HideAnimation, RunsOnTheSharedTimerAndOnlyWhereItCanShow) {
    // Under 12 ms there is no step, and without layered windows nothing can fade: the window goes.
    {
        QPointer<TLayeredWindow> window = AuxiliaryWindow();
        StartHideAnimation(window, Numbered(16, 8), 11, watFading, 255);
        EXPECT_TRUE(window.isNull());
        window = AuxiliaryWindow();
        StartHideAnimation(window, Numbered(16, 8), 100, watFading, 255);
        EXPECT_TRUE(window.isNull());
        EXPECT_EQ(HideAnimation(), nullptr);
    }
    LayeredWindowsOn layered;
    QPointer<TLayeredWindow> first = AuxiliaryWindow();
    StartHideAnimation(first, Numbered(16, 8), 120, watZoom, 255);
    ASSERT_NE(HideAnimation(), nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(first->geometry(), QRect(40, 30, 16, 8));
    EXPECT_LT(first->ConstantAlpha(), 255);  // one step at once
    // A second animation frees the first one's window and runs to its end on the timer's ticks.
    QPointer<TLayeredWindow> second = AuxiliaryWindow();
    StartHideAnimation(second, Numbered(16, 8), 60, watFading, 255);
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(HideAnimation()->Animating());
    EXPECT_TRUE(WaitUntil([&] { return second.isNull(); }, 3000));
    EXPECT_FALSE(HideAnimation()->Animating());
    FreeHideAnimation();
}
