// The edits' browse button: its width from the glyph source, the cell each state shows, and the
// skinned look of normal, hot (reached through a cross-fade), pressed and disabled.
#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QTest>

#include "skin/controls/EditGlyphs.h"
#include "skin/controls/sTooledit.h"
#include "skin/effects/sFade.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "skin/manager/GlimmerManager.h"

namespace {
QImage Square(int width, int height, QRgb color) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}
}  // namespace

TEST(EditButton, WidthFollowsTheGlyphCellAndShowButton) {
    TsGlyphImages wide(40, 20);  // two 20 x 20 cells
    wide.Add(Square(40, 20, qRgb(1, 2, 3)));
    TsGlyphImages odd(21, 16);  // not whole cells: one cell of 21
    odd.Add(Square(21, 16, qRgb(1, 2, 3)));
    struct Case {
        const char* Why;
        TsGlyphImages* Images;
        int ImageIndex;
        bool ShowButton;
        int Width;
        int Cells;
    };
    const Case cases[] = {
        {"shared strips: 16 + 2", nullptr, -1, true, 18, 3},
        {"hidden: no width", nullptr, -1, false, 0, 3},
        {"own images, index valid: their cell", &wide, 0, true, 22, 1},
        {"own images, index out of range: the shared strips", &wide, 3, true, 18, 3},
        {"own images not of whole cells", &odd, 0, true, 23, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        TsFilenameEdit edit;
        edit.resize(257, 21);
        edit.GlyphMode.SetImages(c.Images);
        edit.GlyphMode.SetImageIndex(c.ImageIndex);
        edit.SetShowButton(c.ShowButton);
        EXPECT_EQ(edit.Button()->width(), c.Width);
        EXPECT_EQ(edit.Button()->isVisibleTo(&edit), c.ShowButton);
        EXPECT_EQ(edit.Button()->NumGlyphs, c.Cells);
        EXPECT_EQ(edit.ButtonWidth(), c.Width);
        if (c.ShowButton) {
            EXPECT_GT(edit.Button()->x(), edit.width() - c.Width - 4);  // at the right end
        }
    }
    // The list going away clears Images and the button returns to the shared strips' width.
    TsDirectoryEdit edit;
    {
        TsGlyphImages images(30, 30);
        images.Add(Square(30, 30, qRgb(9, 9, 9)));
        edit.GlyphMode.SetImages(&images);
        edit.GlyphMode.SetImageIndex(0);
        EXPECT_EQ(edit.Button()->width(), 32);
    }
    EXPECT_EQ(edit.GlyphMode.Images(), nullptr);
    EXPECT_EQ(edit.Button()->width(), 18);
}

TEST(EditButton, EachStateShowsItsOwnCell) {
    const TEditGlyphList& glyphs = EditGlyphs();
    TsGlyphImages images(16, 16);
    for (int i = 0; i < 3; ++i) images.Add(Square(16, 16, qRgb(10 * i, 0, 0)));
    TsGlyphMode shared;
    TsGlyphMode own;
    own.SetImages(&images);
    own.SetImageIndex(0);
    own.SetImageIndexHot(2);
    own.SetImageIndexPressed(7);  // not in the list: ImageIndex's
    struct Case {
        const char* Why;
        const TsGlyphMode* Mode;
        int DefaultIndex, State;
        QImage Expected;
    };
    const Case cases[] = {
        {"folder strip, pressed", &shared, 1, 2, glyphs.Image(1).copy(32, 0, 16, 16)},
        {"no default strip: nothing", &shared, -1, 1, QImage()},
        {"own images, normal", &own, 0, 0, images.Image(0)},
        {"own images, hot index", &own, 0, 1, images.Image(2)},
        {"own images, pressed index invalid", &own, 0, 2, images.Image(0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        EXPECT_EQ(GlyphCellFor(*c.Mode, c.DefaultIndex, c.State).Picture(), c.Expected);
    }
}

namespace {

/// The share of the cell's opaque pixels that the button's picture does not show where the glyph
/// stands. The border's pieces may cover a few of them, so states are told apart by comparison.
double MissingGlyphShare(const QImage& shot, const QImage& cell) {
    const QPoint at((shot.width() - cell.width()) / 2, (shot.height() - cell.height()) / 2);
    int missing = 0;
    int opaque = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QRgb want = cell.pixel(x, y);
            if (qAlpha(want) != 255) continue;
            ++opaque;
            if ((shot.pixel(at.x() + x, at.y() + y) & 0xFFFFFF) != (want & 0xFFFFFF)) ++missing;
        }
    return opaque == 0 ? 1.0 : double(missing) / opaque;
}

/// The cell of the strip the picture shows best.
int ShownCell(const QImage& shot, const QImage& strip) {
    int best = -1;
    double bestShare = 2;
    for (int cell = 0; cell < 3; ++cell) {
        const double share = MissingGlyphShare(shot, strip.copy(cell * 16, 0, 16, 16));
        if (share < bestShare) {
            bestShare = share;
            best = cell;
        }
    }
    return best;
}
}  // namespace

TEST(EditButton, SkinnedButtonShowsTheStatesCellAndFadesIntoHover) {
    auto manager = MakeGlimmerManager(0);
    ASSERT_TRUE(manager->Active());
    TForm form;
    form.SetClientSize(300, 40);
    auto* edit = new TsFilenameEdit(form.Client());
    edit->setGeometry(10, 10, 257, 21);
    FormLoaded(&form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TsEditButton* button = edit->Button();
    ASSERT_TRUE(button->SkinData.IsSkinned());
    const QImage strip = EditGlyphs().Image(0);
    const auto shot = [&] { return button->grab().toImage().convertToFormat(QImage::Format_ARGB32); };
    const auto shown = [&] { return ShownCell(shot(), strip); };

    EXPECT_EQ(shown(), 0);
    const double normalShare = MissingGlyphShare(shot(), strip.copy(0, 0, 16, 16));
    EXPECT_LT(normalShare, 0.1);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_NE(button->AnimTimer(), nullptr);  // hover cross-fades
    EXPECT_EQ(button->ButtonState(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(button->AnimTimer() == nullptr, 3000);
    EXPECT_EQ(shown(), 1);

    SetOpenDialogHook([](const TOpenDialogSettings&, QString&) { return false; });
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->ButtonState(), 2);
    EXPECT_EQ(button->AnimTimer(), nullptr);  // a press changes the look at once
    EXPECT_EQ(shown(), 2);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    SetOpenDialogHook(nullptr);
    EXPECT_EQ(button->ButtonState(), 1);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    QTRY_VERIFY_WITH_TIMEOUT(button->AnimTimer() == nullptr, 3000);
    EXPECT_EQ(shown(), 0);

    edit->setEnabled(false);  // the edit's state reaches the button: a blended glyph
    EXPECT_FALSE(button->isEnabled());
    EXPECT_GT(MissingGlyphShare(shot(), strip.copy(0, 0, 16, 16)), normalShare + 0.3);
    form.close();
}
