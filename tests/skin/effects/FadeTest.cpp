// Cross-fades of bound test widgets: the frames' weights and count, restarts, the no-fade path and
// the windowless animation.
#include <gtest/gtest.h>

#include <functional>

#include "EffectsTestSupport.h"
#include "skin/binding/RepaintPath.h"
#include "skin/effects/sFade.h"
#include "platform/Forms.h"
#include "platform/GuiTestSupport.h"
#include "skin/ShotSettle.h"

namespace {

struct FadeFixture {
    std::unique_ptr<TsSkinManager> Manager = MakeGlimmerManager();
    TForm Form;
    FadeWidget* Widget = nullptr;
    explicit FadeFixture(bool windowless = false) {
        Form.resize(200, 100);
        Widget = new FadeWidget(Form.Client(), windowless);
        Widget->Data.Loaded();
        Form.show();
        Widget->Settle();
    }
    TsGeneralData& Button() {
        return Manager->CommonSkinData().Sections[static_cast<size_t>(Widget->Data.SectionIndex)];
    }
    /// Changes the look and fades to it.
    void FadeTo(int state, bool quick) {
        Widget->State = state;
        StartFade(Widget->FadeTimer, Widget->Data, quick, 1, true);
    }
    bool WaitForTheEnd() {
        return WaitUntil([&] { return Widget->FadeTimer == nullptr && Widget->AnimTimer == nullptr; }, 5000);
    }
};

}  // namespace

TEST(Fade, FrameWeightsFollowTheStepsAndTheLastFrameIsTheNewLook) {
    EXPECT_EQ(FadeAlpha(1, 20), 243);
    EXPECT_EQ(FadeAlpha(20, 20), 0);
    EXPECT_EQ(FadeAlpha(21, 20), 0);
    EXPECT_EQ(FadeAlpha(-3, 20), 255);
    // Different sizes: the old look stays as it is.
    const Bitmap32 from(4, 4, MakePixel(255, 255, 255));
    EXPECT_EQ(FadeFrame(from, Bitmap32(3, 4, 0), 0), from);

    struct Case {
        const char* Name;
        bool Quick;
        std::vector<int> Frames;  // red byte of each frame: the old look's weight out of 255
    };
    const Case cases[] = {
        {"hover, 20 iterations", false,
         {242, 229, 216, 203, 190, 178, 165, 152, 139, 127, 115, 102, 89, 76, 63, 51, 38, 25, 12, 0}},
        {"press, half the steps", true, {229, 203, 178, 152, 127, 102, 76, 51, 25, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FadeFixture f;
        ASSERT_TRUE(f.Widget->Data.IsSkinned());
        ASSERT_EQ(f.Button().FadingIterations, 20);
        f.FadeTo(1, c.Quick);
        ASSERT_NE(f.Widget->FadeTimer, nullptr);
        EXPECT_EQ(LiveFadeTimers(), 1);
        ASSERT_TRUE(f.WaitForTheEnd());
        EXPECT_EQ(f.Widget->Frames, c.Frames);
        EXPECT_EQ(f.Widget->StopRequests, 1);
        EXPECT_EQ(LiveFadeTimers(), 0);
        EXPECT_EQ(f.Widget->Data.AnimationFrame, nullptr);
        EXPECT_EQ(f.Widget->grab().toImage().pixel(30, 12), 0xFF000000u);  // the new look from the cache
    }
}

TEST(Fade, TheWidgetShowsEachFrameWhileTheFadeRuns) {
    FadeFixture f;
    f.FadeTo(1, false);
    TsFadeTimer* timer = f.Widget->FadeTimer;
    ASSERT_NE(timer, nullptr);
    timer->stop();  // stepped by hand
    for (int step = 0; step < 3; ++step) timer->Step();
    ASSERT_EQ(f.Widget->Data.AnimationFrame, &timer->Frame());
    // The widget shows the third frame, even when it repaints for another reason.
    f.Widget->repaint();
    EXPECT_EQ(qRed(f.Widget->grab().toImage().pixel(30, 12)), 216);
    // A disabled control ends its fade and shows its cache again.
    f.Widget->setEnabled(false);
    timer->Step();
    EXPECT_EQ(timer->Iterations, 0);
    EXPECT_EQ(f.Widget->Data.AnimationFrame, nullptr);
    StopFade(f.Widget->FadeTimer, f.Widget->Data);
}

TEST(Fade, ARestartStartsFromThePreviousTargetLook) {
    FadeFixture f;
    f.FadeTo(1, false);  // white to black
    ASSERT_TRUE(WaitUntil([&] { return f.Widget->Frames.size() >= 5; }, 5000));
    ASSERT_NE(f.Widget->FadeTimer, nullptr);
    f.Widget->Frames.clear();
    TsFadeTimer* running = f.Widget->FadeTimer;
    f.FadeTo(2, false);  // to grey, half-way through
    EXPECT_EQ(f.Widget->FadeTimer, running);  // the same timer, started over
    EXPECT_EQ(PixelRed(running->BmpFrom.At(30, 12)), 0);
    ASSERT_TRUE(f.WaitForTheEnd());
    ASSERT_EQ(f.Widget->Frames.size(), 20u);
    // From black: 200 weighted 12 out of 256, not from a half-white frame.
    EXPECT_EQ(f.Widget->Frames.front(), (200 * 12 + 127) >> 8);
    // The last frame's rounding leaves 199; the control then shows its cache, the new look exactly.
    EXPECT_EQ(f.Widget->Frames.back(), (200 * 255 + 127) >> 8);
    EXPECT_EQ(qRed(f.Widget->grab().toImage().pixel(30, 12)), 200);
}

TEST(Fade, NoFrameWhereTheTransitionDoesNotFade) {
    struct Case {
        const char* Name;
        std::function<void(FadeFixture&)> Arrange;
        bool Animate;
        bool Timer;  // a timer is started (and ends without a frame)
    };
    const Case cases[] = {
        {"one iteration, quick: no step", [](FadeFixture& f) { f.Button().FadingIterations = 1; }, true, true},
        {"not animated", [](FadeFixture&) {}, false, false},
        {"fading disabled", [](FadeFixture& f) { f.Button().FadingEnabled = false; }, true, false},
        {"fading block", [](FadeFixture&) { SetFadingBlocked(true); }, true, false},
        {"cache out of date", [](FadeFixture& f) { f.Widget->Data.CacheInvalid = true; }, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FadeFixture f;
        c.Arrange(f);
        f.Widget->State = 1;
        StartFade(f.Widget->FadeTimer, f.Widget->Data, true, 1, c.Animate);
        SetFadingBlocked(false);
        EXPECT_EQ(f.Widget->FadeTimer != nullptr, c.Timer);
        ASSERT_TRUE(f.WaitForTheEnd());
        EXPECT_TRUE(f.Widget->Frames.empty());
        // Shown at once: the new look.
        f.Widget->repaint();
        EXPECT_EQ(f.Widget->grab().toImage().pixel(30, 12), 0xFF000000u);
    }
}

TEST(Fade, AWindowlessControlAnimatesFromItsOldLookAndPaintsTheFrames) {
    FadeFixture f(true);
    StartAnim(f.Widget->AnimTimer, *f.Widget, true, [&] { f.Widget->State = 1; });
    ASSERT_NE(f.Widget->AnimTimer, nullptr);
    EXPECT_EQ(f.Widget->Frames, std::vector<int>{229});  // one step at once
    EXPECT_EQ(PixelRed(f.Widget->AnimTimer->BmpFrom.At(30, 12)), 255);
    EXPECT_EQ(qRed(f.Widget->grab().toImage().pixel(30, 12)), 229);
    ASSERT_TRUE(f.WaitForTheEnd());
    // Levels 1 to 10 painted (the first one twice: at once and at the first tick), then stopped.
    ASSERT_EQ(f.Widget->Frames.size(), 11u);
    EXPECT_EQ(f.Widget->Frames.back(), 0);
    EXPECT_EQ(f.Widget->StopRequests, 1);
    EXPECT_EQ(f.Widget->Data.AnimationFrame, nullptr);
    EXPECT_EQ(LiveFadeTimers(), 0);

    // Without fading the state changes at once.
    f.Button().FadingEnabled = false;
    StartAnim(f.Widget->AnimTimer, *f.Widget, false, [&] { f.Widget->State = 0; });
    EXPECT_EQ(f.Widget->AnimTimer, nullptr);
    EXPECT_EQ(f.Widget->State, 0);
}

TEST(Fade, AWindowShotWaitsForRunningFades) {
    FadeFixture f;
    f.FadeTo(1, false);
    ASSERT_EQ(LiveFadeTimers(), 1);
    SettleWindow();
    EXPECT_EQ(LiveFadeTimers(), 0);
    EXPECT_EQ(f.Widget->Frames.size(), 20u);
}
