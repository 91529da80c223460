// The frame's effects where layered windows exist: caption-button animation and glows, and the minimize
// and restore animation on the threaded timer.
#include <gtest/gtest.h>

#include <QTest>

#include "FramesTestSupport.h"
#include "skin/effects/GlowEffect.h"
#include "skin/effects/LayeredWindow.h"
#include "skin/frames/TitleButtonAnimation.h"
#include "skin/frames/WindowAnimation.h"
#include "platform/SysCommands.h"

TEST(FrameEffects, ACaptionButtonBlendsToItsNewLookAndGlowsWhileHot) {
    const LayeredWindowsOn layered;
    const auto manager = MakeGlimmerManager();
    TFrameTestForm form;
    ShowActive(form);
    TsSkinProvider* provider = TsSkinProvider::ProviderOf(&form);
    ASSERT_NE(provider, nullptr);
    provider->PaintWindowImage();
    TFrameButton& close = provider->Layout.Buttons[fbClose];
    const Bitmap32 normal = provider->SkinData().CacheBitmap->Copy(close.Left, close.Top, close.Right, close.Bottom);

    SendMouse(&form, QEvent::MouseMove, QPoint(382, 14));
    ASSERT_NE(close.Animation, nullptr);
    EXPECT_EQ(close.Animation->Steps(), TTitleButtonAnimation::kSteps);
    EXPECT_EQ(TTitleButtonAnimation::Live(), 1);  // what a picture of the window waits for
    // The skin's close glow ("BICONCLOSEGLOW0") around the button, above the window.
    ASSERT_GE(close.GlowHandle, 0);
    TLayeredWindow* glow = GlowWindow(close.GlowHandle);
    ASSERT_NE(glow, nullptr);
    const QRectF button(form.mapToGlobal(QPoint(close.Left, close.Top)), QSizeF(28, 15));
    EXPECT_EQ(QRectF(glow->geometry()).center(), button.center());

    // Ten steps from the old look to the hot one; the steps between are blends of the two.
    TTitleButtonAnimation* animation = close.Animation;
    std::vector<Bitmap32> frames;
    for (int i = 0; i < TTitleButtonAnimation::kSteps; ++i) {
        animation->Tick();
        frames.push_back(provider->SkinData().CacheBitmap->Copy(close.Left, close.Top, close.Right, close.Bottom));
    }
    EXPECT_EQ(close.Animation, nullptr);
    EXPECT_EQ(TTitleButtonAnimation::Live(), 0);
    const Bitmap32& hot = frames.back();
    EXPECT_NE(hot, normal);
    EXPECT_NE(frames[4], normal);
    EXPECT_NE(frames[4], hot);

    // A press takes one step; leaving the button removes the glow.
    SendMouse(&form, QEvent::MouseButtonPress, QPoint(382, 14));
    ASSERT_NE(close.Animation, nullptr);
    EXPECT_EQ(close.Animation->Steps(), 1);
    close.Animation->Tick();
    SendMouse(&form, QEvent::MouseMove, QPoint(200, 10), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(close.GlowHandle, -1);
    EXPECT_EQ(GlowWindow(0), nullptr);
    SendMouse(&form, QEvent::MouseButtonRelease, QPoint(200, 10));
    EXPECT_TRUE(QTest::qWaitFor([] { return TTitleButtonAnimation::Live() == 0; }, 1000));
}

TEST(FrameEffects, TheTaskbarPointLiesOnTheEdgeTheWorkAreaLeavesFree) {
    const QRect screen(0, 0, 1000, 800);
    const QPoint centre(300, 200);
    const struct {
        QRect Work;
        QPoint Point;
    } cases[] = {
        {QRect(0, 0, 1000, 760), QPoint(300, 779)},  // a taskbar along the bottom: its middle
        {QRect(0, 40, 1000, 760), QPoint(300, 20)},
        {QRect(60, 0, 940, 800), QPoint(30, 200)},
        {QRect(0, 0, 940, 800), QPoint(969, 200)},
        {QRect(0, 0, 1000, 800), QPoint(300, 799)},  // none: the bottom edge
    };
    for (const auto& c : cases) EXPECT_EQ(TWindowAnimation::TaskbarPoint(screen, c.Work, centre).topLeft(), c.Point);
}

TEST(FrameEffects, MinimizingShrinksTheWindowsPictureTowardsTheTaskbarAndRestoringBringsItBack) {
    const LayeredWindowsOn layered;
    const auto manager = MakeGlimmerManager();
    manager->AnimEffects.Minimizing.Active = false;  // the provider's own animation stays out of it
    TFrameTestForm form;
    ShowActive(form);
    TWindowAnimation minimize(form, 200, true);
    EXPECT_EQ(minimize.Steps, 16);
    minimize.Start();
    ASSERT_NE(minimize.AuxWindow(), nullptr);
    EXPECT_EQ(form.windowOpacity(), 0.0);
    EXPECT_EQ(minimize.AuxWindow()->Picture().size(), QSize(399, 223));
    std::vector<int> alphas;
    double width = minimize.Width;
    while (minimize.Step()) {
        alphas.push_back(minimize.Alpha);
        EXPECT_LT(minimize.Width, width);
        width = minimize.Width;
    }
    // 255 over 15 falling steps of 17: the sixteenth tick reaches 0 and minimizes the window.
    EXPECT_EQ(alphas.size(), 14u);
    EXPECT_EQ(alphas.front(), 238);
    EXPECT_EQ(alphas.back(), 17);
    EXPECT_TRUE(form.isMinimized());
    EXPECT_FALSE(minimize.AuxWindow()->isVisible());

    form.showNormal();
    TWindowAnimation restore(form, 200, false);
    restore.Start();
    EXPECT_EQ(restore.Alpha, 0);
    int ticks = 1;
    while (restore.Step()) ++ticks;
    EXPECT_EQ(ticks, 15);
    EXPECT_EQ(restore.Alpha, 255);
    EXPECT_EQ(form.windowOpacity(), 1.0);
}

TEST(FrameEffects, TheMinimizeButtonAnimatesOnlyWhereLayeredWindowsExist) {
    const auto manager = MakeGlimmerManager();
    TFrameTestForm form;
    ShowActive(form);
    TsSkinProvider* provider = TsSkinProvider::ProviderOf(&form);
    ASSERT_NE(provider, nullptr);
    SendSysCommand(&form, SC_MINIMIZE);
    EXPECT_EQ(provider->Animation(), nullptr);
    EXPECT_TRUE(form.isMinimized());
    form.showNormal();
    {
        const LayeredWindowsOn layered;
        SendSysCommand(&form, SC_MINIMIZE);
        ASSERT_NE(provider->Animation(), nullptr);
        EXPECT_FALSE(form.isMinimized());  // not before the animation has run
        EXPECT_TRUE(QTest::qWaitFor([&form] { return form.isMinimized(); }, 3000));
        EXPECT_TRUE(QTest::qWaitFor([provider] { return provider->Animation() == nullptr; }, 1000));
    }
}
