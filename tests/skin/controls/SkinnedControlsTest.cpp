// The skinned edit, labels, bevel and progress bar over the internal skin: layouts, colours, strips.
#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QEnterEvent>
#include <QTest>

#include "skin/binding/sCommonData.h"
#include "core/Color.h"
#include "skin/controls/ProgressLayout.h"
#include "skin/controls/sBevel.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sProgressBar.h"
#include "skin/manager/SkinCommands.h"
#include "platform/SystemMetrics.h"
#include "skin/manager/GlimmerManager.h"

namespace {

// A container that answers the section-index question with a section of the skin.
class SectionHolder : public QWidget {
public:
    SectionHolder(QWidget* parent, int index) : QWidget(parent), Index(index) {}
    int Index;

protected:
    bool event(QEvent* event) override {
        if (TNimbrelCommandEvent* command = AsNimbrelCommand(event); command && command->Command() == AC_GETSECTIONINDEX) {
            *command->Data<int>() = Index;
            return true;
        }
        return QWidget::event(event);
    }
};

bool SamePixels(const Bitmap32& a, const Bitmap32& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.At(x, y) != b.At(x, y)) return false;
    return true;
}

}  // namespace

TEST(ProgressLayout, BlocksSmoothAndMarquee) {
    struct Case {
        const char* Name;
        TsBarSettings Settings;
        size_t Blocks;
        TRect First, Last;
        int Count, Filled;
    };
    const Case cases[] = {
        // The main window's bar: 37 blocks of 8 x 15 with 2-pixel gaps, and a full bar's 5-pixel closing block.
        {"full", {377, 17, 0, false, false, false, 0, 100, 100, 0}, 38, {1, 1, 9, 16}, {371, 1, 376, 16}, 37, 37},
        {"half", {377, 17, 0, false, false, false, 0, 100, 50, 0}, 18, {1, 1, 9, 16}, {171, 1, 179, 16}, 37, 18},
        {"at min", {377, 17, 0, false, false, false, 0, 100, 0, 0}, 0, {}, {}, 0, 0},
        {"empty range", {377, 17, 0, false, false, false, 5, 5, 5, 0}, 0, {}, {}, 0, 0},
        {"smooth", {377, 17, 0, false, true, false, 0, 100, 50, 0}, 1, {1, 1, 189, 16}, {1, 1, 189, 16}, 0, 0},
        {"border 2", {100, 21, 2, false, false, false, 0, 10, 10, 0}, 9, {3, 3, 11, 18}, {91, 3, 99, 18}, 9, 9},
        {"marquee", {377, 17, 0, false, false, true, 0, 100, 0, 0}, 5, {1, 1, 10, 16}, {41, 1, 50, 16}, 0, 0},
        {"marquee wraps", {377, 17, 0, false, false, true, 0, 100, 0, 360}, 5, {361, 1, 370, 16}, {24, 1, 33, 16}, 0, 0},
        {"vertical", {17, 100, 0, true, false, false, 0, 100, 100, 0}, 9, {1, 91, 16, 99}, {1, 3, 16, 11}, 9, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const TsBarLayout layout = LayoutBar(c.Settings);
        ASSERT_EQ(layout.Blocks.size(), c.Blocks);
        EXPECT_EQ(layout.BlockCount, c.Count);
        EXPECT_EQ(layout.FilledBlocks, c.Filled);
        if (c.Blocks == 0) continue;
        EXPECT_EQ(layout.Blocks.front(), c.First);
        EXPECT_EQ(layout.Blocks.back(), c.Last);
    }
    // Gaps of the main window's bar.
    const TsBarLayout full = LayoutBar({377, 17, 0, false, false, false, 0, 100, 100, 0});
    for (size_t k = 1; k + 1 < full.Blocks.size(); ++k) EXPECT_EQ(full.Blocks[k].Left - full.Blocks[k - 1].Right, 2);
}

TEST(SkinnedProgressBar, RepaintsOnlyWhenTheFilledBlocksChange) {
    auto manager = MakeGlimmerManager();
    QWidget parent;
    parent.resize(400, 40);
    auto* bar = new TsProgressBar(&parent);
    bar->setGeometry(8, 10, 377, 17);
    FormLoaded(&parent);
    ASSERT_TRUE(bar->SkinData.IsSkinned());

    // Position = Min shows the trough alone, as an empty range does.
    ASSERT_TRUE(bar->BuildBarCache());
    const Bitmap32 trough = *bar->SkinData.CacheBitmap;
    auto* empty = new TsProgressBar(&parent);
    empty->setGeometry(8, 10, 377, 17);
    empty->SetMax(0);
    FormLoaded(&parent);
    empty->BuildBarCache();
    EXPECT_TRUE(SamePixels(*empty->SkinData.CacheBitmap, trough));

    bar->SetPosition(51);  // 19 of 37 blocks
    EXPECT_TRUE(bar->BuildBarCache());
    EXPECT_EQ(bar->LastBlockCount(), 19);
    const Bitmap32 at51 = *bar->SkinData.CacheBitmap;
    EXPECT_FALSE(SamePixels(at51, trough));
    bar->SetPosition(52);  // still 19
    EXPECT_FALSE(bar->BuildBarCache());
    EXPECT_TRUE(SamePixels(*bar->SkinData.CacheBitmap, at51));
    bar->SetPosition(54);  // 20
    EXPECT_TRUE(bar->BuildBarCache());
    EXPECT_EQ(bar->LastBlockCount(), 20);
    // A resize forgets the count: the next paint builds again.
    parent.show();
    bar->resize(300, 17);
    EXPECT_EQ(bar->LastBlockCount(), -1);
    // A full bar always repaints.
    bar->SetPosition(100);
    EXPECT_TRUE(bar->BuildBarCache());
    EXPECT_TRUE(bar->BuildBarCache());
}

TEST(SkinnedProgressBar, RoundedCornersShowTheParentAfterOnlyTheParentChanged) {
    auto manager = MakeGlimmerManager();
    QWidget parent;
    parent.resize(400, 40);
    parent.setAutoFillBackground(true);
    const auto paintParent = [&parent](QColor color) {
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, color);
        parent.setPalette(palette);
    };
    paintParent(QColor(0x10, 0x20, 0x30));
    auto* bar = new TsProgressBar(&parent);
    bar->setGeometry(8, 10, 377, 17);
    bar->SetPosition(50);
    FormLoaded(&parent);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    bar->repaint();
    const Bitmap32 before = *bar->SkinData.CacheBitmap;
    // The filled blocks stay, so the bar does not rebuild; the corners still take the new parent.
    paintParent(QColor(0xC0, 0xD0, 0xE0));
    bar->repaint();
    const Bitmap32& after = *bar->SkinData.CacheBitmap;
    int changed = 0;
    for (const QPoint corner : {QPoint(0, 0), QPoint(376, 0), QPoint(0, 16), QPoint(376, 16)}) {
        if (before.At(corner.x(), corner.y()) == after.At(corner.x(), corner.y())) continue;
        ++changed;
        EXPECT_EQ(after.At(corner.x(), corner.y()) & 0xFFFFFFu, 0xC0D0E0u) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(changed, 4);
    EXPECT_EQ(after.At(188, 8), before.At(188, 8));  // the blocks as they were
}

TEST(SkinnedProgressBar, MarqueeRunsWithTheSkinAndWraps) {
    auto manager = MakeGlimmerManager();
    QWidget parent;
    auto* bar = new TsProgressBar(&parent);
    bar->setGeometry(0, 0, 100, 17);
    bar->SetStyle(pbstMarquee);
    EXPECT_FALSE(bar->MarqueeRunning());  // not skinned yet
    FormLoaded(&parent);
    SendSkinCommand(bar, MakeNimbrelParam(AC_SETNEWSKIN), manager.get());
    EXPECT_TRUE(bar->MarqueeRunning());
    parent.show();
    for (int i = 0; i < 11; ++i) bar->MarqueeTick();
    EXPECT_EQ(bar->MarqueePosition(), 88);
    bar->MarqueeTick();  // 96 reaches Width - 8
    EXPECT_EQ(bar->MarqueePosition(), 0);
    SendSkinCommand(bar, MakeNimbrelParam(AC_REMOVESKIN), manager.get());
    EXPECT_FALSE(bar->MarqueeRunning());
}

TEST(SkinnedEdit, PasswordCharacterShowsOncePerCharacter) {
    const struct {
        QChar Password;
        QString Text, Shown;
    } cases[] = {
        {QChar(), QStringLiteral("abc"), QStringLiteral("abc")},
        {QLatin1Char('*'), QStringLiteral("abc"), QString(3, QChar(0x25CF))},
        {QLatin1Char('#'), QStringLiteral("abcd"), QStringLiteral("####")},
        {QLatin1Char('*'), QString::fromUcs4(U"a\U0001F600"), QString(2, QChar(0x25CF))},
    };
    for (const auto& c : cases) {
        TsEdit edit;
        edit.SetPasswordChar(c.Password);
        edit.SetText(c.Text);
        EXPECT_EQ(edit.ShownText(), c.Shown) << c.Text.toStdString();
        // Qt's own painting of the enabled edit masks with the same character (per UTF-16 unit).
        if (c.Text.size() == c.Shown.size()) {
            EXPECT_EQ(edit.displayText(), c.Shown) << c.Text.toStdString();
        }
    }
}

TEST(SkinnedLabel, TakesTheLendingAncestorsColourAndMixesWhenDisabled) {
    auto manager = MakeGlimmerManager();
    const SkinModel& model = manager->CommonSkinData();
    // Both lending sections of the skin are see-through: only a top-level one lends.
    const int lending = model.SectionIndexOf("GROUPBOX");
    const int seeThrough = model.SectionIndexOf("CHECKBOX");
    const int plain = model.SectionIndexOf("EDIT");
    ASSERT_GE(lending, 0);
    ASSERT_GE(seeThrough, 0);
    ASSERT_GE(plain, 0);
    const TColor lent = model.Sections[static_cast<size_t>(lending)].Props[0].FontColor;
    ASSERT_NE(lent, model.GlobalTextColor());
    constexpr int kDirect = -2;  // the label sits in the outer container itself
    const struct {
        const char* Name;
        int Outer, Inner;
        TColor Expected;
    } cases[] = {
        {"no section", -1, -1, model.GlobalTextColor()},
        {"lending top-level parent", lending, kDirect, lent},
        {"plain parent", lending, plain, model.GlobalTextColor()},
        {"see-through parent asks further", lending, seeThrough, lent},
        {"see-through parent over a plain one", plain, lending, model.GlobalTextColor()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        SectionHolder outer(nullptr, c.Outer);
        QWidget* holder = c.Inner == kDirect ? static_cast<QWidget*>(&outer) : new SectionHolder(&outer, c.Inner);
        auto* label = new TsLabel(holder);
        label->SetFontColor(0x123456);
        EXPECT_EQ(label->SkinFontColor(), c.Expected);
    }
    EXPECT_EQ(model.GlobalTextColor(), 0x212121u);

    QWidget parent;
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, ToQColor(clBtnFace));  // 212, 208, 200
    parent.setPalette(pal);
    auto* label = new TsLabel(&parent);
    label->SetFontColor(0x212121);
    label->setEnabled(false);
    // 40 % of 33 over 60 % of the parent's colour, per channel.
    EXPECT_EQ(label->TextColor(), RGB(140, 138, 133));
    label->setEnabled(true);
    EXPECT_EQ(label->TextColor(), 0x212121u);
    label->UseSkinColor = false;
    EXPECT_EQ(label->SkinFontColor(), clNone);
    SendSkinCommand(label, MakeNimbrelParam(AC_REMOVESKIN), manager.get());
    EXPECT_EQ(label->FontColor(), clWindowText);
}

TEST(SkinnedLabel, WebLabelIsBlueAndRedWhileHoveredWhateverItsFonts) {
    auto manager = MakeGlimmerManager();
    QWidget parent;
    auto* label = new TsWebLabel(&parent);
    label->HoverFontColor = clWindowText;
    label->SetNormalFont(label->font(), 0xFF0080);
    EXPECT_EQ(label->LinkColor(false), 0xFF0000u);
    EXPECT_EQ(label->LinkColor(true), 0x0000FFu);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(label, &enter);
    EXPECT_EQ(label->FontColor(), 0x0000FFu);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label, &leave);
    EXPECT_EQ(label->FontColor(), 0xFF0000u);
    label->UseSkinColor = false;
    EXPECT_EQ(label->LinkColor(false), 0xFF0080u);
    EXPECT_EQ(label->LinkColor(true), clWindowText);
}

TEST(SkinnedBevel, PaintsItsStripsFromTheSamePlaceOfItsCache) {
    const struct {
        TBevelShape Shape;
        std::vector<TRect> Strips;
    } cases[] = {
        {TBevelShape::bsBox, {{0, 0, 40, 3}, {0, 27, 40, 30}, {0, 3, 3, 27}, {37, 3, 40, 27}}},
        {TBevelShape::bsTopLine, {{3, 0, 37, 3}}},
        {TBevelShape::bsBottomLine, {{3, 27, 37, 30}}},
        {TBevelShape::bsLeftLine, {{0, 3, 3, 27}}},
        {TBevelShape::bsRightLine, {{37, 3, 40, 27}}},
        {TBevelShape::bsSpacer, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(TsBevel::Strips(c.Shape, 40, 30), c.Strips);

    auto manager = MakeGlimmerManager();
    QWidget parent;
    parent.resize(200, 200);
    auto* bevel = new TsBevel(&parent);
    bevel->setGeometry(10, 10, 60, 80);
    bevel->SetShape(TBevelShape::bsRightLine);
    FormLoaded(&parent);
    ASSERT_TRUE(bevel->SkinData.IsSkinned());
    QImage shot(bevel->size(), QImage::Format_ARGB32);
    shot.fill(Qt::transparent);
    bevel->render(&shot, QPoint(), QRegion(), QWidget::DrawChildren);
    const Bitmap32& cache = *bevel->SkinData.CacheBitmap;
    ASSERT_EQ(cache.Width(), 60);
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 60; ++x) {
            const bool inStrip = x >= 57 && y >= 3 && y < 77;
            const QRgb pixel = shot.pixel(x, y);
            if (inStrip)
                ASSERT_EQ(pixel | 0xFF000000u, cache.At(x, y) | 0xFF000000u) << x << "," << y;
            else
                ASSERT_EQ(qAlpha(pixel), 0) << x << "," << y;
        }
    }
}
