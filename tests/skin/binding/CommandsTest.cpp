// The binding's reactions to the skin command message, one row per command.
#include <gtest/gtest.h>

#include <functional>

#include "BindingTestSupport.h"
#include "skin/binding/ControlKinds.h"
#include "skin/manager/SkinCommands.h"

namespace {
struct Fixture {
    Fixture() : Control(&Parent, kPlainKind, QStringLiteral("SOLID")) {
        Parent.resize(100, 100);
        Control.setGeometry(10, 10, 30, 20);
        Control.SkinData.Loaded();
    }
    TTestSkin Skin;
    TsSkinManager& Manager = Skin.Manager;
    QWidget Parent;
    TTestControl Control;
};

intptr_t Send(QObject* receiver, int command, int argument = 0, intptr_t data = 0) {
    return SendNimbrelCommand(receiver, MakeNimbrelParam(command, argument), data);
}
}  // namespace

TEST(Commands, EachCommandChangesOrAnswersWhatItShould) {
    struct Row {
        const char* Name;
        std::function<void(Fixture&)> Before;
        std::function<intptr_t(Fixture&)> Send;
        intptr_t Answer;
        std::function<bool(Fixture&)> After;
    };
    auto d = [](Fixture& f) -> TsCtrlSkinData& { return f.Control.SkinData; };
    QString newSection = QStringLiteral("half");
    QString solid = QStringLiteral("SOLID"), other = QStringLiteral("HALF");
    int index = -7;
    const Row rows[] = {
        {"is skinned", {}, [](Fixture& f) { return Send(&f.Control, AC_CTRLHANDLED); }, 1, {}},
        {"set suspended", {}, [](Fixture& f) { return Send(&f.Control, AC_SETSUSPENDED, 1); }, 0,
         [&](Fixture& f) { return d(f).PaintingSuspended; }},
        {"resume through set suspended", [&](Fixture& f) { d(f).PaintingSuspended = true; },
         [](Fixture& f) { return Send(&f.Control, AC_SETSUSPENDED, 0); }, 0,
         [&](Fixture& f) { return !d(f).PaintingSuspended; }},
        {"set urgent", {}, [](Fixture& f) { return Send(&f.Control, AC_SETURGENT, 1); }, 0,
         [&](Fixture& f) { return d(f).UrgentPainting; }},
        {"is suspended: cache out of date", [&](Fixture& f) { d(f).CacheInvalid = true; },
         [](Fixture& f) { return Send(&f.Control, AC_ISSUSPENDED); }, 1, {}},
        {"is suspended: neither", [&](Fixture& f) { d(f).CacheInvalid = false; },
         [](Fixture& f) { return Send(&f.Control, AC_ISSUSPENDED); }, 0, {}},
        {"is partly visible", [&](Fixture& f) { d(f).PartlyVisible = false; },
         [](Fixture& f) { return Send(&f.Control, AC_ISPARTLYVISIBLE); }, 0, {}},
        {"mark partly visible", [&](Fixture& f) { d(f).PartlyVisible = false; },
         [](Fixture& f) { return Send(&f.Control, AC_MARKPARTLYVISIBLE); }, 0,
         [&](Fixture& f) { return d(f).PartlyVisible; }},
        {"invalidate", [&](Fixture& f) { d(f).CacheInvalid = false; },
         [](Fixture& f) { return Send(&f.Control, AC_INVALIDATE); }, 0, [&](Fixture& f) { return d(f).CacheInvalid; }},
        {"section changed: its own", [&](Fixture& f) { d(f).CacheInvalid = false; },
         [&](Fixture& f) { return Send(&f.Control, AC_SECTIONCHANGED, 0, reinterpret_cast<intptr_t>(&solid)); }, 0,
         [&](Fixture& f) { return d(f).CacheInvalid; }},
        {"section changed: another", [&](Fixture& f) { d(f).CacheInvalid = false; },
         [&](Fixture& f) { return Send(&f.Control, AC_SECTIONCHANGED, 0, reinterpret_cast<intptr_t>(&other)); }, 0,
         [&](Fixture& f) { return !d(f).CacheInvalid; }},
        {"set section", {},
         [&](Fixture& f) { return Send(&f.Control, AC_SETSECTION, 0, reinterpret_cast<intptr_t>(&newSection)); }, 0,
         [&](Fixture& f) { return d(f).SkinSection() == QStringLiteral("HALF") && d(f).SectionIndex >= 0; }},
        {"section index", {},
         [&](Fixture& f) { return Send(&f.Control, AC_GETSECTIONINDEX, 0, reinterpret_cast<intptr_t>(&index)); }, 0,
         [&](Fixture& f) { return index == f.Manager.CommonSkinData().SectionIndexOf("SOLID"); }},
        {"background colour: opaque", {}, [](Fixture& f) { return Send(&f.Control, AC_GETBGCOLOR); }, 65280, {}},
        // Half of a red section over a parent whose colour is 0x808080: own + (parent - own) * 50 div 256.
        {"background colour: translucent",
         [&](Fixture& f) {
             QPalette palette = f.Parent.palette();
             palette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
             f.Parent.setPalette(palette);
             d(f).SetSkinSection(QStringLiteral("HALF"));
         },
         [](Fixture& f) { return Send(&f.Control, AC_GETBGCOLOR); },
         static_cast<intptr_t>(RGB(255 + (0x80 - 255) * 50 / 256, 0x80 * 50 / 256, 0x80 * 50 / 256)), {}},
        {"background colour: custom colour", [&](Fixture& f) { d(f).SetCustomColor(true); },
         [](Fixture& f) { return Send(&f.Control, AC_GETBGCOLOR); }, 0x123456, {}},
        {"depends on position: opaque and flat", {},
         [](Fixture& f) { return Send(&f.Control, AC_DEPENDSONPOSITION); }, 0, {}},
        {"depends on position: gradient", [&](Fixture& f) { d(f).SetSkinSection(QStringLiteral("GRADIENT")); },
         [](Fixture& f) { return Send(&f.Control, AC_DEPENDSONPOSITION); }, 1, {}},
        {"skin state answered", [&](Fixture& f) { d(f).SkinState = 0x0801; },
         [](Fixture& f) { return Send(&f.Control, AC_SKINSTATE); }, 0x0801, {}},
        {"print target set", {},
         [](Fixture& f) {
             static TDrawTarget target;
             return Send(&f.Control, AC_PRINTTARGET, 0, reinterpret_cast<intptr_t>(&target));
         },
         0, [&](Fixture& f) { return d(f).PrintTarget != nullptr && (d(f).SkinState & ssPrinting); }},
        {"print target cleared",
         [&](Fixture& f) {
             static TDrawTarget target;
             Send(&f.Control, AC_PRINTTARGET, 0, reinterpret_cast<intptr_t>(&target));
         },
         [](Fixture& f) { return Send(&f.Control, AC_PRINTTARGET, 0, 0); }, 0,
         [&](Fixture& f) { return d(f).PrintTarget == nullptr && !(d(f).SkinState & ssPrinting); }},
        {"refresh",
         [&](Fixture& f) {
             d(f).PaintingSuspended = true;
             d(f).CacheInvalid = false;
         },
         [](Fixture& f) { return SendSkinCommand(&f.Control, MakeNimbrelParam(AC_REFRESH), &f.Manager); }, 0,
         [&](Fixture& f) { return !d(f).PaintingSuspended && d(f).CacheInvalid; }},
        {"remove skin", [&](Fixture& f) { d(f).EnsureCache(); },
         [](Fixture& f) { return SendSkinCommand(&f.Control, MakeNimbrelParam(AC_REMOVESKIN), &f.Manager); }, 0,
         [&](Fixture& f) {
             return d(f).SectionIndex == -1 && d(f).BorderMaskIndex == -1 && d(f).PaintingSuspended &&
                    d(f).CacheBitmap->Empty();
         }},
        {"new skin resolves again", [&](Fixture& f) { d(f).SectionIndex = -1; },
         [](Fixture& f) { return SendSkinCommand(&f.Control, MakeNimbrelParam(AC_SETNEWSKIN), &f.Manager); }, 0,
         [&](Fixture& f) { return d(f).SectionIndex == f.Manager.CommonSkinData().SectionIndexOf("SOLID"); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Fixture f;
        if (row.Before) row.Before(f);
        EXPECT_EQ(row.Send(f), row.Answer);
        if (row.After) {
            EXPECT_TRUE(row.After(f));
        }
    }
}

TEST(Commands, AnotherManagersSkinCommandsAreLeftToTheControl) {
    Fixture f;
    TsSkinManager other;
    const int section = f.Control.SkinData.SectionIndex;
    for (const int command : {AC_SETNEWSKIN, AC_REMOVESKIN, AC_REFRESH}) {
        TNimbrelCommandEvent event(MakeNimbrelParam(command), &other);
        EXPECT_FALSE(f.Control.SkinData.HandleSkinCommand(event)) << command;
    }
    EXPECT_EQ(f.Control.SkinData.SectionIndex, section);
    EXPECT_FALSE(f.Control.SkinData.PaintingSuspended);
}

TEST(Commands, InvalidateChildrenReachesTheChildrenOfAControlThatShowsItsParent) {
    Fixture f;
    // The control shows its parent (half transparent over a gradient panel), so its child is told too.
    TTestControl panel(&f.Parent, ckPanel, QStringLiteral("GRADIENT"));
    panel.SkinData.Loaded();
    TTestControl middle(&panel, ckPanel, QStringLiteral("HALF"));
    middle.SkinData.Loaded();
    TTestControl child(&middle, ckEdit, QStringLiteral("HALF"));
    child.SkinData.Loaded();
    middle.SkinData.CacheInvalid = child.SkinData.CacheInvalid = false;
    child.Commands.clear();
    Send(&middle, AC_INVALIDATECHILDREN, 1);
    EXPECT_TRUE(middle.SkinData.CacheInvalid);
    EXPECT_TRUE(child.SkinData.CacheInvalid);
    EXPECT_EQ(child.Commands, std::vector<int>{AC_INVALIDATECHILDREN});

    // An opaque control does not show its parent: nothing changes below it.
    TTestControl opaque(&panel, ckPanel, QStringLiteral("SOLID"));
    opaque.SkinData.Loaded();
    TTestControl inner(&opaque, ckEdit, QStringLiteral("HALF"));
    opaque.SkinData.CacheInvalid = inner.SkinData.CacheInvalid = false;
    Send(&opaque, AC_INVALIDATECHILDREN, 1);
    EXPECT_FALSE(opaque.SkinData.CacheInvalid);
    EXPECT_FALSE(inner.SkinData.CacheInvalid);
}

TEST(Commands, SkinStateMarksPlainContainersAndAsksTheirChildrenToFollow) {
    Fixture f;
    struct Case {
        const char* Section;
        bool Plain;
    };
    // Opaque flat panels are plain; translucent, see-through over a non-plain parent, or filled ones are not.
    const Case cases[] = {{"SOLID", true}, {"HALF", false}, {"CLEAR", false}, {"GRADIENT", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Section);
        TTestControl panel(&f.Parent, ckPanel, QString::fromLatin1(c.Section));
        panel.SkinData.Loaded();
        EXPECT_EQ((panel.SkinData.SkinState & ssPlainBackground) != 0, c.Plain);
    }
    // See-through over a plain parent: plain too; the parent's recompute reaches it.
    TTestControl solid(&f.Parent, ckPanel, QStringLiteral("SOLID"));
    solid.SkinData.Loaded();
    TTestControl clear(&solid, ckPanel, QStringLiteral("CLEAR"));
    clear.SkinData.Loaded();
    EXPECT_TRUE(clear.SkinData.SkinState & ssPlainBackground);
    clear.SkinData.SkinState = 0;
    Send(&solid, AC_SKINSTATE, 1);
    EXPECT_TRUE(clear.SkinData.SkinState & ssPlainBackground);
    // Controls that are not containers never have the bit.
    EXPECT_FALSE(f.Control.SkinData.SkinState & ssPlainBackground);
}
