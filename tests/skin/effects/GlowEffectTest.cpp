// Glows: their size, place and crop, their window, and the list's handles.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

#include "EffectsTestSupport.h"
#include "skin/effects/GlowEffect.h"
#include "platform/DesktopEffects.h"
#include "platform/Forms.h"

namespace {

// The glow of the internal skin's buttons: GLOWMARGIN 9, a picture with borders of 18 pixels.
constexpr int kMargin = 9;
const GlowBorders kButtonBorders{18, 18, 18, 18};

TRect Rect(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

struct Anchor {
    TForm Form;
    Anchor() {
        Form.setGeometry(200, 150, 400, 300);
        Form.show();
    }
};

}  // namespace

TEST(GlowPlacement, GrowsByTheBordersLessTheMarginAndCutsWhereTheControlIsCut) {
    struct Case {
        const char* Name;
        TRect Visible;    // control coordinates, control 75 x 25 at (100, 50)
        TRect Shown;      // part of the 93 x 43 picture
        TPoint WindowAt;  // screen
    };
    const Case cases[] = {
        {"whole", Rect(0, 0, 75, 25), Rect(0, 0, 93, 43), {91, 41}},
        // Half hidden at the left edge: the glow starts where the control shows.
        {"left half hidden", {37, 0, 75, 25}, {46, 0, 93, 43}, {137, 41}},
        {"top hidden", {0, 10, 75, 25}, {0, 19, 93, 43}, {91, 60}},
        {"right hidden", {0, 0, 50, 25}, {0, 0, 59, 43}, {91, 41}},
        {"bottom hidden", {0, 0, 75, 20}, {0, 0, 93, 29}, {91, 41}},
        // Hidden on both sides: exactly the visible columns.
        {"both sides hidden", {10, 0, 60, 25}, {19, 0, 69, 43}, {110, 41}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const GlowPlacement p = PlaceGlow(Rect(100, 50, 75, 25), c.Visible, kButtonBorders, kMargin);
        EXPECT_EQ(p.FullWidth, 93);
        EXPECT_EQ(p.FullHeight, 43);
        EXPECT_EQ(p.Shown, c.Shown);
        EXPECT_EQ(p.Window, (TRect{c.WindowAt.X, c.WindowAt.Y, c.WindowAt.X + c.Shown.Width(),
                                   c.WindowAt.Y + c.Shown.Height()}));
    }
    // Borders narrower than the margin never crop outside the picture.
    const GlowPlacement narrow = PlaceGlow(Rect(0, 0, 40, 20), {3, 0, 40, 20}, {2, 2, 2, 2}, 6);
    EXPECT_EQ(narrow.Shown, Rect(0, 0, 32, 12));
    EXPECT_EQ(narrow.Window, Rect(4, 4, 32, 12));
}

TEST(ShowGlow, ButtonGlowWindowIs18LargerAnd9UpLeftAboveItsAnchor) {
    LayeredWindowsOn layered;
    auto manager = MakeGlimmerManager();
    const SkinModel& model = manager->CommonSkinData();
    const int mask = model.MaskIndexOf("BUTTON", "GLOW0");
    ASSERT_GE(mask, 0);
    const GlowBorders borders = GlowBordersOf(model.Masks[static_cast<size_t>(mask)]);
    EXPECT_EQ(borders.Left, 18);
    EXPECT_EQ(borders.Bottom, 18);
    EXPECT_EQ(model.Sections[static_cast<size_t>(model.SectionIndexOf("BUTTON"))].GlowMargin, kMargin);

    Anchor anchor;
    const int handle = ShowGlow(Rect(300, 250, 75, 25), Rect(0, 0, 75, 25), "BUTTON", manager.get(), &anchor.Form,
                                255, kMargin, "GLOW");
    ASSERT_GE(handle, 0);
    TLayeredWindow* window = GlowWindow(handle);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->geometry(), QRect(291, 241, 93, 43));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Tag, -98);
    EXPECT_EQ(window->parentWidget(), &anchor.Form);
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTransparentForInput));
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_EQ(window->windowType(), Qt::Tool);
    EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->testAttribute(Qt::WA_TranslucentBackground));

    // The picture: the glow frame over transparent black; inside the borders (18 from each edge)
    // nothing, so that no part of the glow picture lies over the button as a pattern.
    const QImage& picture = window->Picture();
    ASSERT_EQ(picture.size(), QSize(93, 43));
    for (int y = 18; y < 43 - 18; ++y)
        for (int x = 18; x < 93 - 18; ++x) ASSERT_EQ(qAlpha(picture.pixel(x, y)), 0) << x << "," << y;
    EXPECT_GT(qAlpha(picture.pixel(17, 17)), 0);  // the rim of the halo
    int lit = 0;
    for (int x = 0; x < 93; ++x) lit += qAlpha(picture.pixel(x, 5)) > 0;
    EXPECT_GT(lit, 40);
    EXPECT_EQ(picture, ImageFromBitmap(GlowEffect(manager.get(), mask, kMargin).PrepareBitmap(93, 43)));
    RemoveAllGlows();
}

TEST(ShowGlow, CropsTheGlowOfAControlHalfHiddenAtTheLeft) {
    LayeredWindowsOn layered;
    auto manager = MakeGlimmerManager();
    Anchor anchor;
    const int mask = manager->CommonSkinData().MaskIndexOf("BUTTON", "GLOW0");
    const int handle = ShowGlow(Rect(200, 250, 75, 25), {37, 0, 75, 25}, "BUTTON", manager.get(), &anchor.Form, 255,
                                kMargin, "GLOW");
    TLayeredWindow* window = GlowWindow(handle);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->geometry(), QRect(237, 241, 47, 43));
    const Bitmap32 whole = GlowEffect(manager.get(), mask, kMargin).PrepareBitmap(93, 43);
    EXPECT_EQ(window->Picture(), ImageFromBitmap(whole.Copy(46, 0, 93, 43)));
    RemoveAllGlows();
}

TEST(ShowGlow, NothingWithoutLayeredWindowsOrWithoutTheGlowPicture) {
    auto manager = MakeGlimmerManager();
    Anchor anchor;
    const int windowsBefore = static_cast<int>(QApplication::topLevelWidgets().size());
    SetLayeredWindowsOverride(false);
    EXPECT_EQ(ShowGlow(Rect(0, 0, 75, 25), Rect(0, 0, 75, 25), "BUTTON", manager.get(), &anchor.Form, 255, 9, "GLOW"),
              -1);
    SetLayeredWindowsOverride(std::nullopt);
    LayeredWindowsOn layered;
    EXPECT_EQ(ShowGlow(Rect(0, 0, 75, 25), Rect(0, 0, 75, 25), "BUTTON", manager.get(), &anchor.Form, 255, 9, "NOGLOW"),
              -1);
    EXPECT_EQ(ShowGlow(Rect(0, 0, 75, 25), Rect(0, 0, 75, 25), "NOSUCHSECTION", manager.get(), &anchor.Form, 255, 9,
                       "GLOW"),
              -1);
    EXPECT_TRUE(Glows().empty());
    EXPECT_EQ(static_cast<int>(QApplication::topLevelWidgets().size()), windowsBefore);
}

TEST(ShowGlow, HandlesStayValidUntilAllGlowsAreRemoved) {
    LayeredWindowsOn layered;
    auto manager = MakeGlimmerManager();
    Anchor anchor;
    anchor.Form.setWindowFlag(Qt::WindowStaysOnTopHint);
    anchor.Form.show();
    auto show = [&] {
        return ShowGlow(Rect(250, 200, 75, 25), Rect(0, 0, 75, 25), "BUTTON", manager.get(), &anchor.Form, 128, 9,
                        "GLOW");
    };
    const int first = show(), second = show(), third = show();
    ASSERT_GE(first, 0);
    EXPECT_EQ(std::vector<int>({second, third}), std::vector<int>({first + 1, first + 2}));
    // A topmost anchor keeps its glows on top too; the constant alpha is the one asked for.
    EXPECT_TRUE(GlowWindow(second)->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(GlowWindow(second)->ConstantAlpha(), 128);

    QPointer<TLayeredWindow> removed = GlowWindow(second);
    RemoveGlow(second);
    RemoveGlow(second);  // again: an empty slot
    RemoveGlow(third + 5);  // outside the list
    RemoveGlow(-1);
    EXPECT_EQ(GlowWindow(second), nullptr);
    EXPECT_TRUE(removed.isNull() || !removed->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(removed.isNull());
    EXPECT_NE(GlowWindow(first), nullptr);
    EXPECT_NE(GlowWindow(third), nullptr);
    EXPECT_EQ(show(), third + 1);  // the freed slot stays empty

    QPointer<TLayeredWindow> kept = GlowWindow(third);
    RemoveAllGlows();
    EXPECT_TRUE(Glows().empty());
    EXPECT_TRUE(kept.isNull());
    // A handle kept past RemoveAllGlows names no later glow.
    const int later = show();
    EXPECT_GT(later, third + 1);
    RemoveGlow(first);
    EXPECT_NE(GlowWindow(later), nullptr);
    RemoveAllGlows();
}
