// The binding beside Qt's events: hover, glows, focus, enabled, move, visibility, children, destruction.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>

#include "BindingTestSupport.h"
#include "skin/binding/ControlKinds.h"
#include "skin/manager/SkinCommands.h"
#include "platform/UpwardHooks.h"

namespace {
// What the effects would do, recorded.
struct GlowLog {
    static inline int Updates = 0;
    static inline std::vector<int> Removed;
    static void Update(TsCommonData& data, bool) {
        ++Updates;
        data.GlowHandle = 7;
    }
    static void Remove(int handle) { Removed.push_back(handle); }
    static void Reset() {
        Updates = 0;
        Removed.clear();
    }
};

void Enter(QWidget& widget) {
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&widget, &event);
}

void Leave(QWidget& widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

struct Hooked {
    Hooked() { GlowLog::Reset(); }
    TScopedHooks<TsEffectHooks> Glows{{&GlowLog::Update, &GlowLog::Remove}};
    TTestSkin Skin;
    TsSkinManager& Manager = Skin.Manager;
};
}  // namespace

TEST(Messages, HoverSetsMouseOverAndGlowsByKind) {
    Hooked hooked;
    struct Case {
        const char* Name;
        int Kind;
        const char* Section;
        bool MouseOver, Glows, Invalidates;
    };
    const Case cases[] = {
        {"edit with two states", ckEdit, "EDIT", true, true, true},
        {"panel: no hover, no glow", ckPanel, "PANEL", false, false, false},
        {"button glows by itself", ckButton, "PANEL", true, false, false},
        {"unskinned: ignored", ckEdit, "NOSUCH", false, false, false},
    };
    QWidget form;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        GlowLog::Reset();
        TTestControl control(&form, c.Kind, QString::fromLatin1(c.Section));
        control.SkinData.Loaded();
        control.SkinData.CacheInvalid = false;
        Enter(control);
        EXPECT_EQ(control.SkinData.MouseOver, c.MouseOver);
        EXPECT_EQ(GlowLog::Updates, c.Glows ? 1 : 0);
        EXPECT_EQ(control.SkinData.CacheInvalid, c.Invalidates);
        const bool skinned = control.SkinData.IsSkinned();
        EXPECT_EQ(hooked.Manager.ActiveControl(), skinned ? &control : nullptr);
        Leave(control);
        EXPECT_FALSE(control.SkinData.MouseOver);
        EXPECT_EQ(GlowLog::Removed, c.Glows ? std::vector<int>{7} : std::vector<int>{});
        EXPECT_EQ(control.SkinData.GlowHandle, -1);
        hooked.Manager.SetActiveControl(nullptr);
    }
}

TEST(Messages, HotFollowsFocusAndHoverUntilDisabled) {
    Hooked hooked;
    QWidget form;
    TTestControl control(&form, ckEdit, QStringLiteral("EDIT"));
    control.setFocusPolicy(Qt::StrongFocus);
    control.SkinData.Loaded();
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(&control, &in);
    EXPECT_TRUE(control.SkinData.Focused);
    EXPECT_TRUE(control.SkinData.IsHot());
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(&control, &out);
    EXPECT_FALSE(control.SkinData.Focused);
    EXPECT_FALSE(control.SkinData.IsHot());
    Enter(control);
    EXPECT_TRUE(control.SkinData.IsHot());
    control.setEnabled(false);
    EXPECT_FALSE(control.SkinData.MouseOver);
    EXPECT_FALSE(control.SkinData.IsHot());
    EXPECT_EQ(GlowLog::Removed, std::vector<int>{7});  // a disabled control's glow ends

    // A windowless control does not follow the focus.
    TTestControl label(&form, ckEdit, QStringLiteral("EDIT"), true);
    label.setFocusPolicy(Qt::StrongFocus);
    label.SkinData.Loaded();
    QApplication::sendEvent(&label, &in);
    EXPECT_FALSE(label.SkinData.Focused);
}

TEST(Messages, MovingASeeThroughControlInvalidatesItAndItsChildren) {
    Hooked hooked;
    QWidget form;
    form.resize(200, 200);
    TTestControl panel(&form, ckPanel, QStringLiteral("GRADIENT"));
    panel.setGeometry(0, 0, 150, 150);
    panel.SkinData.Loaded();
    TTestControl halfway(&panel, kPlainKind, QStringLiteral("HALF"));
    TTestControl opaque(&panel, kPlainKind, QStringLiteral("PANEL"));
    for (TTestControl* c : {&halfway, &opaque}) {
        c->setGeometry(10, 10, 20, 20);
        c->SkinData.Loaded();
    }
    form.show();
    for (auto [control, moves] : {std::pair{&halfway, true}, std::pair{&opaque, false}}) {
        control->SkinData.CacheInvalid = false;
        control->SkinData.GlowHandle = 3;
        control->Commands.clear();
        control->move(40, 50);
        EXPECT_EQ(control->SkinData.CacheInvalid, moves);
        EXPECT_EQ(control->Commands, moves ? std::vector<int>{AC_INVALIDATECHILDREN} : std::vector<int>{});
        EXPECT_EQ(control->SkinData.GlowHandle, moves ? -1 : 3);
        control->SkinData.GlowHandle = -1;
    }
}

TEST(Messages, HiddenControlsGiveTheirPictureBackAndShownOnesResume) {
    Hooked hooked;
    QWidget form;
    form.resize(100, 100);
    TTestControl control(&form, kPlainKind, QStringLiteral("PANEL"));
    control.setGeometry(0, 0, 30, 20);
    control.SkinData.Loaded();
    form.show();
    control.SkinData.EnsureCache();
    EXPECT_EQ(control.SkinData.CacheBitmap->Width(), 30);
    control.hide();
    EXPECT_TRUE(control.SkinData.CacheBitmap->Empty());
    control.SkinData.PaintingSuspended = true;
    control.SkinData.CacheInvalid = false;
    control.show();
    EXPECT_FALSE(control.SkinData.PaintingSuspended);
    EXPECT_TRUE(control.SkinData.CacheInvalid);
}

TEST(Messages, ChildrenAreAnnouncedToTheFormAndDestructionEndsTheGlow) {
    Hooked hooked;
    TTestControl form(nullptr, kPlainKind, QStringLiteral("PANEL"));
    TTestControl* panel = new TTestControl(&form, kPlainKind, QStringLiteral("PANEL"));
    form.Commands.clear();
    new QWidget(panel);
    EXPECT_EQ(form.Commands, std::vector<int>{AC_REGISTERCONTROL});
    panel->SkinData.GlowHandle = 4;
    delete panel;
    EXPECT_EQ(GlowLog::Removed, std::vector<int>{4});
}
