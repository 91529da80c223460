// The common repaint path and the parent background: when caches rebuild, what they show of the parent.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>

#include "BindingTestSupport.h"
#include "skin/binding/ControlKinds.h"
#include "skin/binding/ParentBackground.h"
#include "skin/binding/RepaintPath.h"
#include "platform/Anchors.h"
#include "skin/manager/SkinCommands.h"
#include "platform/SystemMetrics.h"

namespace {
int Count(const std::vector<int>& commands, int command) {
    return static_cast<int>(std::count(commands.begin(), commands.end(), command));
}

void SetBackground(QWidget& widget, QColor color) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, color);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace

TEST(Repaint, APartlyVisiblePanelMakesItsChildrenRebuildAtEveryPaint) {
    TTestSkin skin;
    for (const bool outside : {true, false}) {
        SCOPED_TRACE(outside);
        QWidget form;
        form.resize(100, 100);
        TTestControl panel(&form, ckPanel, QStringLiteral("SOLID"));
        panel.setGeometry(outside ? 80 : 10, 10, 40, 40);
        panel.SkinData.Loaded();
        TTestControl child(&panel, kPlainKind, QStringLiteral("SOLID"));
        child.setGeometry(5, 5, 10, 10);
        child.SkinData.Loaded();
        PaintNow(panel);
        EXPECT_EQ(panel.SkinData.PartlyVisible, outside);
        for (int i = 0; i < 3; ++i) PaintNow(child);
        EXPECT_EQ(child.PaintEvents, 3);
        EXPECT_EQ(child.Rebuilds, outside ? 3 : 1);
        EXPECT_FALSE(child.SkinData.PartlyVisible);
    }
}

TEST(Repaint, ResizingAVerticalGradientParentInvalidatesLeftTopAnchoredChildrenOnly) {
    TTestSkin skin;
    QWidget form;
    form.resize(200, 200);
    TTestControl panel(&form, ckPanel, QStringLiteral("GRADIENT"));
    panel.setGeometry(0, 0, 150, 150);
    panel.SkinData.Loaded();
    ASSERT_EQ(panel.SkinData.BackgroundKind & bkGradientMask, bkVerticalGradient);
    struct Child {
        TAnchors Anchors;
        bool Invalidated;
    };
    const Child children[] = {{akLeft | akTop, true}, {akTop | akRight, false}, {akLeft | akBottom, false},
                              {akLeft | akTop | akRight | akBottom, false}};
    std::vector<std::unique_ptr<TTestControl>> controls;
    for (const Child& c : children) {
        controls.push_back(std::make_unique<TTestControl>(&panel, kPlainKind, QStringLiteral("HALF")));
        controls.back()->setGeometry(10, 10, 20, 20);
        SetAnchors(controls.back().get(), c.Anchors);
        controls.back()->SkinData.Loaded();
    }
    form.show();
    for (auto& control : controls) control->SkinData.CacheInvalid = false;
    panel.resize(150, 180);
    for (size_t i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE(children[i].Anchors);
        EXPECT_EQ(controls[i]->SkinData.CacheInvalid, children[i].Invalidated);
    }
}

TEST(Repaint, HeldOffPaintingRebuildsNothing) {
    TTestSkin skin;
    QWidget form;
    form.resize(100, 100);
    TTestControl control(&form, kPlainKind, QStringLiteral("SOLID"));
    control.setGeometry(0, 0, 10, 10);
    control.SkinData.Loaded();
    TsCommonData::SetGlobalPaintingOff(true);
    EXPECT_FALSE(PrepareSkinnedPaint(control));
    TsCommonData::SetGlobalPaintingOff(false);
    control.SkinData.BeginUpdate();
    EXPECT_TRUE(control.SkinData.SkinState & ssUpdating);
    EXPECT_FALSE(PrepareSkinnedPaint(control));
    EXPECT_EQ(control.Rebuilds, 0);
    control.SkinData.EndUpdate(true);
    EXPECT_EQ(Count(control.Commands, AC_BEGINUPDATE), 1);
    EXPECT_EQ(Count(control.Commands, AC_ENDUPDATE), 1);
    EXPECT_TRUE(PrepareSkinnedPaint(control));
    EXPECT_EQ(control.Rebuilds, 1);
    // A parent whose own picture is out of date holds its children's painting.
    TTestControl panel(&form, kPlainKind, QStringLiteral("GRADIENT"));
    TTestControl child(&panel, kPlainKind, QStringLiteral("SOLID"));
    panel.SkinData.Loaded();
    child.SkinData.Loaded();
    EXPECT_TRUE(child.SkinData.IsPaintingSuspended());
    PaintNow(panel);
    EXPECT_FALSE(child.SkinData.IsPaintingSuspended());
}

TEST(ParentBackground, TransparencyHundredShowsExactlyTheParentsPixels) {
    TTestSkin skin;
    QWidget form;
    form.resize(200, 200);
    TTestControl panel(&form, ckPanel, QStringLiteral("GRADIENT"));
    panel.setGeometry(0, 0, 60, 60);
    panel.SkinData.Loaded();
    PaintNow(panel);
    const Bitmap32& parentPixels = *panel.SkinData.CacheBitmap;
    // Directly on the panel, and through a see-through panel that has no picture of its own.
    TTestControl direct(&panel, kPlainKind, QStringLiteral("CLEAR"));
    direct.setGeometry(7, 5, 20, 30);
    TTestControl through(&panel, ckPanel, QStringLiteral("CLEAR"));
    through.setGeometry(20, 10, 30, 40);
    TTestControl nested(&through, kPlainKind, QStringLiteral("CLEAR"));
    nested.setGeometry(3, 4, 10, 20);
    for (TTestControl* c : {&direct, &through, &nested}) c->SkinData.Loaded();
    // Never painted: no picture of its own, so the panel answers for it.
    through.SkinData.CacheInvalid = false;
    for (auto [control, x, y] : {std::tuple{&direct, 7, 5}, std::tuple{&nested, 23, 14}}) {
        PaintNow(*control);
        const Bitmap32& own = *control->SkinData.CacheBitmap;
        ASSERT_EQ(own.Width(), control->width());
        EXPECT_EQ(own, parentPixels.Copy(x, y, x + own.Width(), y + own.Height()));
    }
}

TEST(ParentBackground, TransparencyZeroNeverAsksTheParent) {
    TTestSkin skin;
    QWidget form;
    form.resize(100, 100);
    TTestControl panel(&form, ckPanel, QStringLiteral("GRADIENT"));
    panel.setGeometry(0, 0, 60, 60);
    panel.SkinData.Loaded();
    PaintNow(panel);
    for (auto [section, asks] : {std::pair{"SOLID", false}, std::pair{"HALF", true}, std::pair{"CLEAR", true}}) {
        SCOPED_TRACE(section);
        panel.Commands.clear();
        TTestControl child(&panel, kPlainKind, QString::fromLatin1(section));
        child.setGeometry(5, 5, 10, 10);
        child.SkinData.Loaded();
        PaintNow(child);
        EXPECT_EQ(child.Rebuilds, 1);
        EXPECT_EQ(Count(panel.Commands, AC_GETBACKGROUND) > 0, asks);
    }
}

TEST(ParentBackground, AnswersOfSkinnedAndPlainParents) {
    TTestSkin skin;
    QWidget form;
    form.resize(100, 100);
    SetBackground(form, QColor(0x33, 0x66, 0x99));
    TTestControl solid(&form, kPlainKind, QStringLiteral("SOLID"));
    solid.setGeometry(0, 0, 30, 30);
    solid.SkinData.Loaded();
    TTestControl gradient(&form, kPlainKind, QStringLiteral("GRADIENT"));
    gradient.setGeometry(40, 0, 30, 30);
    gradient.SkinData.Loaded();
    struct Case {
        const char* Name;
        QWidget* Parent;
        uint8_t Kind;
        TColor Color;
    };
    const Case cases[] = {
        {"plain widget: its colour", &form, 1, RGB(0x33, 0x66, 0x99)},
        {"opaque flat section: its colour", &solid, 1, 65280},
        {"gradient without a picture yet: none", &gradient, 1, clFuchsia},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        BackgroundRequest request;
        QueryParentBackground(request, c.Parent, false);
        EXPECT_EQ(request.Kind, c.Kind);
        EXPECT_EQ(request.Color, c.Color);
    }
    PaintNow(gradient);
    BackgroundRequest request;
    QueryParentBackground(request, &gradient, false);
    EXPECT_EQ(request.Kind, 2);
    EXPECT_EQ(request.Bitmap, gradient.SkinData.CacheBitmap.get());

    // Filling a target: the area of the asking control, taken from the answerer's place.
    for (QWidget* parent : {static_cast<QWidget*>(&form), static_cast<QWidget*>(&solid)}) {
        SCOPED_TRACE(parent == &form ? "plain" : "solid");
        Bitmap32 pixels(10, 10, 0xFF000000);
        TDrawTarget target{&pixels, {1, 1}};
        BackgroundRequest fill;
        fill.TargetDC = &target;
        fill.Area = {0, 0, 4, 4};
        fill.OffsetX = 5;
        fill.OffsetY = 5;
        QueryParentBackground(fill, parent, true);
        const uint32_t expected = parent == &form ? 0xFF336699u : 0xFF00FF00u;
        EXPECT_EQ(pixels.At(1, 1), expected);
        EXPECT_EQ(pixels.At(4, 4), expected);
        EXPECT_EQ(pixels.At(0, 0), 0xFF000000u);  // outside the area
        EXPECT_EQ(pixels.At(5, 5), 0xFF000000u);
    }
}

TEST(ParentBackground, RefreshCornersShowsTheParentsPresentColourInTheKeyedCorners) {
    TTestSkin skin;
    SkinModel& model = skin.Manager.CommonSkinData();
    // A 3 x 3 frame whose corners are key-coloured and whose sides are blue.
    TsMaskData frame;
    frame.Picture = Bitmap32(3, 3, 0xFF0000FF);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{2, 0}, std::pair{0, 2}, std::pair{2, 2}})
        frame.Picture->At(x, y) = kKeyPixel;
    frame.SourceRect = {0, 0, 3, 3};
    frame.StateCount = 1;
    frame.BorderLeft = frame.BorderTop = frame.BorderRight = frame.BorderBottom = 1;
    model.Masks.push_back(frame);
    model.Sections[static_cast<size_t>(model.SectionIndexOf("FRAMED"))].BorderIndex = static_cast<int>(model.Masks.size()) - 1;

    QWidget form;
    form.resize(100, 100);
    SetBackground(form, QColor(0x10, 0x20, 0x30));
    TTestControl control(&form, kPlainKind, QStringLiteral("FRAMED"));
    control.setGeometry(10, 10, 12, 8);
    control.SkinData.Loaded();
    ASSERT_GE(control.SkinData.BorderMaskIndex, 0);
    PaintNow(control);
    const Bitmap32& cache = *control.SkinData.CacheBitmap;
    EXPECT_EQ(cache.At(0, 0), 0xFF102030u);
    EXPECT_EQ(cache.At(11, 7), 0xFF102030u);
    EXPECT_EQ(cache.At(5, 0), 0xFF0000FFu);  // a side keeps the frame's colour
    EXPECT_EQ(cache.At(5, 4), 0xFFFFFFFFu);  // the face

    SetBackground(form, QColor(0x40, 0x50, 0x60));
    control.SkinData.RefreshCorners(0);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{11, 0}, std::pair{0, 7}, std::pair{11, 7}})
        EXPECT_EQ(cache.At(x, y), 0xFF405060u) << x << "," << y;
    EXPECT_EQ(cache.At(5, 0), 0xFF0000FFu);
}
