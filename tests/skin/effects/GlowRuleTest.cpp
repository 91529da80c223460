// The binding's glow rule: hover shows a glow around a bound control, leaving, pressing and skin
// changes take it away, and the rule's conditions.
#include <gtest/gtest.h>

#include <functional>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QPointer>

#include "EffectsTestSupport.h"
#include "skin/effects/EffectsRegistration.h"
#include "skin/effects/GlowEffect.h"
#include "skin/effects/GlowRule.h"
#include "platform/DesktopEffects.h"
#include "platform/Forms.h"
#include "platform/UpwardHooks.h"

namespace {

struct GlowFixture {
    LayeredWindowsOn Layered;
    TScopedHooks<TsEffectHooks> Glows{GlowHooks()};
    TScopedHooks<TsSkinManager::EffectsHooks> ManagerEffects{ManagerEffectsHooks()};
    std::unique_ptr<TsSkinManager> Manager = MakeGlimmerManager();
    TForm Form;
    FadeWidget* Widget = nullptr;
    GlowFixture() {
        Form.setGeometry(100, 80, 200, 100);
        Widget = new FadeWidget(Form.Client());
        Widget->Data.Loaded();
        Form.show();
        Widget->Settle();
    }
    TsCommonData& Data() { return Widget->Data; }
    QRect ControlOnScreen() const { return QRect(Widget->mapToGlobal(QPoint(0, 0)), Widget->size()); }
    void Enter() {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(Widget, &enter);
    }
    void Leave() {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(Widget, &leave);
    }
};

}  // namespace

TEST(GlowRule, HoverShowsTheSectionsGlowAroundTheControlAndLeavingEndsIt) {
    GlowFixture f;
    f.Enter();
    ASSERT_TRUE(f.Data().MouseOver);
    ASSERT_GE(f.Data().GlowHandle, 0);
    QPointer<TLayeredWindow> window = GlowWindow(f.Data().GlowHandle);
    ASSERT_FALSE(window.isNull());
    // GLOWMARGIN 9 and 18-pixel borders: 18 larger, 9 up and left.
    EXPECT_EQ(window->geometry(), f.ControlOnScreen().adjusted(-9, -9, 9, 9));
    EXPECT_EQ(window->parentWidget(), &f.Form);

    // Entering again replaces the glow rather than adding one.
    const int first = f.Data().GlowHandle;
    f.Enter();
    EXPECT_NE(f.Data().GlowHandle, first);
    EXPECT_EQ(GlowWindow(first), nullptr);

    f.Leave();
    EXPECT_EQ(f.Data().GlowHandle, -1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST(GlowRule, PressingTakesTheGlowAwayAndReleasingBringsItBack) {
    GlowFixture f;
    f.Data().MouseOver = true;
    UpdateGlow(f.Data(), false);
    ASSERT_GE(f.Data().GlowHandle, 0);
    UpdateGlow(f.Data(), true);  // mouse down
    EXPECT_EQ(f.Data().GlowHandle, -1);
    UpdateGlow(f.Data(), true);  // mouse up: quick, but no glow shows
    EXPECT_GE(f.Data().GlowHandle, 0);
    f.Data().EndGlow();
}

TEST(GlowRule, NoGlowWithoutPermissionLayeredWindowsOrTheSectionsGlow) {
    struct Case {
        const char* Name;
        std::function<void(GlowFixture&)> Arrange;
        std::function<void()> Restore;
    };
    const Case cases[] = {
        {"glowing not allowed", [](GlowFixture& f) { f.Manager->Effects.AllowGlowing = false; }, [] {}},
        {"no layered windows", [](GlowFixture&) { SetLayeredWindowsOverride(false); },
         [] { SetLayeredWindowsOverride(true); }},
        {"glow block", [](GlowFixture&) { SetGlowsBlocked(true); }, [] { SetGlowsBlocked(false); }},
        {"section GLOW 0",
         [](GlowFixture& f) {
             f.Manager->CommonSkinData().Sections[static_cast<size_t>(f.Data().SectionIndex)].Glow = 0;
         },
         [] {}},
        {"mouse not over", [](GlowFixture& f) { f.Data().MouseOver = false; }, [] {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        GlowFixture f;
        f.Data().MouseOver = true;
        c.Arrange(f);
        UpdateGlow(f.Data(), false);
        c.Restore();
        EXPECT_EQ(f.Data().GlowHandle, -1);
        EXPECT_TRUE(Glows().empty());
    }
}

TEST(GlowRule, AControlHalfHiddenAtTheLeftGlowsOnlyWhereItShows) {
    GlowFixture f;
    f.Widget->move(-30, 20);  // 60 wide: the left half outside its parent
    EXPECT_EQ(VisiblePartOf(f.Widget), (TRect{30, 0, 60, 24}));
    f.Data().MouseOver = true;
    UpdateGlow(f.Data(), false);
    TLayeredWindow* window = GlowWindow(f.Data().GlowHandle);
    ASSERT_NE(window, nullptr);
    const QRect client(f.Form.Client()->mapToGlobal(QPoint(0, 0)), f.Form.Client()->size());
    EXPECT_EQ(window->geometry().left(), client.left());
    EXPECT_EQ(window->geometry().right(), f.ControlOnScreen().right() + 9);
    f.Data().EndGlow();
}

TEST(GlowRule, SkinChangesRemoveEveryGlow) {
    GlowFixture f;
    f.Enter();
    ASSERT_GE(f.Data().GlowHandle, 0);
    f.Manager->ApplyNewSkin(false);
    EXPECT_TRUE(Glows().empty());
    f.Enter();
    ASSERT_FALSE(Glows().empty());
    f.Manager->SetActive(false);
    EXPECT_TRUE(Glows().empty());
}
