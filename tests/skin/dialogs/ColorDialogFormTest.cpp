// TsColorDialogForm: the layout, the fields for an opened colour, typing, the field and bar, palettes,
// custom slots and the screen picker.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "skin/controls/sButton.h"
#include "skin/controls/sColorsPanel.h"
#include "skin/controls/sCurrencyEdit.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sMaskEdit.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/dialogs/ColorDialogForm.h"
#include "skin/dialogs/ColorDialogParts.h"
#include "skin/dialogs/ScreenColorPicker.h"
#include "platform/CursorClip.h"

namespace {
struct Fields {
    QString H, S, B, Red, Green, Blue, Decimal, Hex;
};

Fields Read(const TsColorDialogForm& form) {
    return {form.sHEdit->text(), form.sSEdit->text(), form.sVEdit->text(),     form.sREdit->text(),
            form.sGEdit->text(), form.sBEdit->text(), form.sEditDecimal->text(), form.sEditHex->Text()};
}

void ExpectFields(const TsColorDialogForm& form, const Fields& expected) {
    const Fields actual = Read(form);
    EXPECT_EQ(actual.H, expected.H);
    EXPECT_EQ(actual.S, expected.S);
    EXPECT_EQ(actual.B, expected.B);
    EXPECT_EQ(actual.Red, expected.Red);
    EXPECT_EQ(actual.Green, expected.Green);
    EXPECT_EQ(actual.Blue, expected.Blue);
    EXPECT_EQ(actual.Decimal, expected.Decimal);
    EXPECT_EQ(actual.Hex, expected.Hex);
}

// Replaces a field's text by typing, as the user does.
void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, text);
}

// The form shown for the colour, as Execute opens it.
struct ShownForm {
    explicit ShownForm(TColor color) {
        Form.SelectedPanel->SetBrushColor(color);
        Form.show();
        Form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Form));
    }
    TsColorDialogForm Form;
};

QPoint CellCenter(const TsColorsPanel& panel, int index) { return panel.Cells()[static_cast<size_t>(index)].Rect.center(); }
}  // namespace

TEST(ColorDialogForm, EveryControlAtItsPlaceWithItsText) {
    TsColorDialogForm form;
    const struct {
        QWidget* Control;
        QRect Place;
        QString Text;
    } cases[] = {
        {form.MainPal, {1, 21, 223, 167}, {}},          {form.AddPal, {1, 205, 223, 59}, {}},
        {form.sBitBtn4, {8, 268, 209, 25}, "Define colors"}, {form.sSpeedButton1, {20, 308, 37, 33}, {}},
        {form.sEditHex, {142, 302, 70, 21}, {}},        {form.sEditDecimal, {142, 323, 70, 19}, {}},
        {form.sBitBtn1, {7, 352, 69, 25}, "OK"},        {form.sBitBtn2, {77, 352, 69, 25}, "Cancel"},
        {form.sBitBtn5, {147, 352, 69, 25}, "&Help"},   {form.ColorPanel, {234, 8, 260, 260}, {}},
        {form.GradPanel, {502, 8, 20, 260}, {}},        {form.SelectedPanel, {234, 276, 131, 69}, {}},
        {form.sHEdit, {394, 276, 33, 19}, {}},          {form.sSEdit, {394, 300, 33, 19}, {}},
        {form.sVEdit, {394, 324, 33, 19}, {}},          {form.sREdit, {494, 276, 33, 19}, {}},
        {form.sGEdit, {494, 300, 33, 19}, {}},          {form.sBEdit, {494, 324, 33, 19}, {}},
        {form.sBitBtn3, {236, 352, 291, 25}, "Add to custom colors set"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.Control->geometry(), c.Place) << c.Control->objectName().toStdString();
        if (auto* button = qobject_cast<TsButton*>(c.Control)) {
            EXPECT_EQ(button->Caption(), c.Text);
        }
    }
    const struct {
        TsLabel* Label;
        const char* Text;
        QWidget* BoundTo;
    } labels[] = {
        {form.sLabel1, "Main palette :", nullptr}, {form.sLabel2, "Additional colors :", nullptr},
        {form.HexLabel, "Hex - ", form.sEditHex},  {form.DecimalLabel, "Decimal - ", form.sEditDecimal},
        {form.RedLabel, "Red :", form.sREdit},     {form.GreenLabel, "Green :", form.sGEdit},
        {form.BlueLabel, "Blue :", form.sBEdit},   {form.HLabel, "H :", form.sHEdit},
    };
    for (const auto& l : labels) {
        EXPECT_EQ(l.Label->Caption(), QString::fromLatin1(l.Text));
        if (l.BoundTo != nullptr) {
            EXPECT_LT(l.Label->geometry().right(), l.BoundTo->x()) << l.Text;
        }
    }
    EXPECT_EQ(form.sSpeedButton1->SkinData.SkinSection(), QStringLiteral("SPEEDBUTTON"));
    EXPECT_EQ(form.sSpeedButton1->Glyph().size(), QSize(18, 18));  // the pipette
    EXPECT_EQ(form.Caption(), QStringLiteral("Color"));
    EXPECT_EQ(form.ClientWidth(), 532);
    EXPECT_EQ(form.ClientHeight(), 385);
    EXPECT_EQ(form.MainPal->Colors().size(), 48);
    EXPECT_EQ(form.MainPal->Colors()[5], QStringLiteral("FF8000"));
    EXPECT_EQ(form.AddPal->Colors(), QStringList(16, QStringLiteral("FFFFFF")));
    EXPECT_EQ(form.FieldPicture().pixel(0, 0), qRgb(255, 0, 0));
}

TEST(ColorDialogForm, OpeningShowsTheColourInEveryField) {
    const struct {
        TColor Color;
        Fields Expected;
        int MarkerX, MarkerY, BarRow;
    } cases[] = {
        {clRed, {"0", "100", "100", "255", "0", "0", "255", "FF0000"}, 0, 0, 128},
        {clWhite, {"0", "0", "100", "255", "255", "255", "16777215", "FFFFFF"}, 0, 260, 0},
        {RGB(10, 20, 30), {"210", "67", "12", "10", "20", "30", "1971210", "0A141E"}, 151, 87, 243},
    };
    for (const auto& c : cases) {
        ShownForm shown(c.Color);
        TsColorDialogForm& form = shown.Form;
        ExpectFields(form, c.Expected);
        EXPECT_EQ(form.CurrentColor(), c.Color);
        EXPECT_EQ(form.FieldMarker().X, c.MarkerX);
        EXPECT_EQ(form.FieldMarker().Y, c.MarkerY);
        EXPECT_EQ(form.BarPosition(), c.BarRow);
    }
}

TEST(ColorDialogForm, TypedFieldKeepsItsTextWhileTheOthersFollow) {
    {
        ShownForm shown(clRed);
        TsColorDialogForm& form = shown.Form;
        form.MainPal->SetItemIndex(28);  // the palette's red
        Type(form.sEditHex, QStringLiteral("ff8000"));
        EXPECT_EQ(form.CurrentColor(), RGB(255, 128, 0));
        ExpectFields(form, {"30", "100", "100", "255", "128", "0", "33023", "FF8000"});
        EXPECT_EQ(form.MainPal->ItemIndex(), -1);
        EXPECT_EQ(form.FieldMarker().X, 21);
        Type(form.sEditHex, QStringLiteral("8G0"));  // G is refused
        EXPECT_EQ(form.sEditHex->Text(), QStringLiteral("80    "));
        EXPECT_EQ(form.CurrentColor(), RGB(0, 0, 0x80));
    }
    {
        ShownForm shown(clRed);
        TsColorDialogForm& form = shown.Form;
        Type(form.sREdit, QStringLiteral("300"));
        EXPECT_EQ(form.CurrentColor(), RGB(44, 0, 0));
        ExpectFields(form, {"0", "100", "17", "300", "0", "0", "44", "2C0000"});
    }
    {
        ShownForm shown(clRed);
        TsColorDialogForm& form = shown.Form;
        Type(form.sHEdit, QStringLiteral("120"));
        EXPECT_EQ(form.CurrentColor(), clLime);
        EXPECT_EQ(form.sHEdit->text(), QStringLiteral("120"));
        Type(form.sSEdit, QStringLiteral("250"));  // beyond 100: full saturation
        EXPECT_EQ(form.CurrentColor(), clLime);
        Type(form.sEditDecimal, QStringLiteral("99999999"));  // beyond the colours: white
        EXPECT_EQ(form.CurrentColor(), clWhite);
        EXPECT_EQ(form.sEditDecimal->text(), QStringLiteral("99999999"));
    }
}

TEST(ColorDialogForm, FieldAndBarFollowTheMouseWithTheCursorConfined) {
    ShownForm shown(clRed);
    TsColorDialogForm& form = shown.Form;
    QTest::mousePress(form.ColorPanel, Qt::LeftButton, {}, QPoint(130, 65));
    EXPECT_EQ(CursorClipRect(), QRect(form.ColorPanel->mapToGlobal(QPoint(0, 0)), QSize(260, 260)));
    EXPECT_EQ(form.sHEdit->text(), QStringLiteral("180"));
    EXPECT_EQ(form.sSEdit->text(), QStringLiteral("75"));
    EXPECT_EQ(form.sVEdit->text(), QStringLiteral("100"));  // the bar stays in its upper half
    QTest::mouseRelease(form.ColorPanel, Qt::LeftButton, {}, QPoint(130, 65));
    EXPECT_TRUE(CursorClipRect().isEmpty());
    EXPECT_EQ(form.FieldMarker().X, 130);
    EXPECT_EQ(form.FieldMarker().Y, 65);

    // The strip right of the bar drags the bar's marker: the lower half darkens the colour.
    const QPoint strip = form.GradPanel->geometry().topRight() + QPoint(3, 195);
    QTest::mousePress(form.Client(), Qt::LeftButton, {}, strip);
    EXPECT_EQ(CursorClipRect(), QRect(form.GradPanel->mapToGlobal(QPoint(20, 0)), QSize(8, 260)));
    EXPECT_EQ(form.BarPosition(), 195);
    EXPECT_EQ(form.sVEdit->text(), QStringLiteral("50"));
    EXPECT_EQ(form.sHEdit->text(), QStringLiteral("180"));
    EXPECT_EQ(form.FieldMarker().X, 130);  // the field keeps its marker while the bar is the source
    QTest::mouseRelease(form.Client(), Qt::LeftButton, {}, strip);
    EXPECT_TRUE(CursorClipRect().isEmpty());
}

TEST(ColorDialogForm, PalettesSetTheColourAndDoubleClickConfirms) {
    ShownForm shown(clRed);
    TsColorDialogForm& form = shown.Form;
    QTest::mouseClick(form.MainPal, Qt::LeftButton, {}, CellCenter(*form.MainPal, 5));
    EXPECT_EQ(form.CurrentColor(), RGB(255, 128, 0));
    EXPECT_EQ(form.MainPal->ItemIndex(), 5);
    EXPECT_EQ(form.sEditHex->Text(), QStringLiteral("FF8000"));
    QTest::mouseClick(form.AddPal, Qt::LeftButton, {}, CellCenter(*form.AddPal, 2));  // an empty slot
    EXPECT_EQ(form.AddPal->ItemIndex(), 2);
    EXPECT_EQ(form.CurrentColor(), RGB(255, 128, 0));
    QTest::mouseDClick(form.MainPal, Qt::LeftButton, {}, CellCenter(*form.MainPal, 0));
    EXPECT_EQ(form.ModalResult(), mrOk);
}

TEST(ColorDialogForm, AddsFillTheSlotsInOrderThenKeepReplacingTheLast) {
    ShownForm shown(clRed);
    TsColorDialogForm& form = shown.Form;
    for (int i = 1; i <= 17; ++i) {
        form.SetCurrentColor(RGB(static_cast<uint8_t>(i), 0, 0));
        form.sBitBtn3->click();
    }
    QStringList expected;
    for (int i = 1; i <= 15; ++i) expected << QStringLiteral("%1").arg(i, 2, 16, QLatin1Char('0')).toUpper() + "0000";
    expected << QStringLiteral("110000");
    EXPECT_EQ(form.AddPal->Colors(), expected);
    EXPECT_EQ(form.AddPal->Cells()[15].Color, RGB(17, 0, 0));
    EXPECT_EQ(form.NextCustomSlot(), 15);
}

TEST(ColorDialogForm, AnAddGoesIntoAClickedEmptySlot) {
    ShownForm shown(clRed);
    TsColorDialogForm& form = shown.Form;
    QTest::mouseClick(form.AddPal, Qt::LeftButton, {}, CellCenter(*form.AddPal, 9));
    form.SetCurrentColor(RGB(255, 128, 0));  // the changed colour leaves the slot as the next one
    EXPECT_EQ(form.AddPal->ItemIndex(), -1);
    form.sBitBtn3->click();
    EXPECT_EQ(form.AddPal->Colors()[9], QStringLiteral("FF8000"));
    EXPECT_EQ(form.AddPal->Colors()[0], QStringLiteral("FFFFFF"));
    // A selected filled slot is replaced in place.
    QTest::mouseClick(form.AddPal, Qt::LeftButton, {}, CellCenter(*form.AddPal, 9));
    EXPECT_EQ(form.CurrentColor(), RGB(255, 128, 0));
    Type(form.sEditHex, QStringLiteral("123456"));
    EXPECT_EQ(form.AddPal->ItemIndex(), -1);
    QTest::mouseClick(form.AddPal, Qt::LeftButton, {}, CellCenter(*form.AddPal, 3));
    form.sBitBtn3->click();
    EXPECT_EQ(form.AddPal->Colors()[3], QStringLiteral("123456"));
}

TEST(ColorDialogForm, ScreenPickerTakesTheClickedPixelAndEscapeChangesNothing) {
    ShownForm shown(clRed);
    TsColorDialogForm& form = shown.Form;
    const auto answerPicker = [](const std::function<void(TScreenPickForm*)>& answer) {
        QTimer::singleShot(0, [answer] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* picker = qobject_cast<TScreenPickForm*>(window); picker != nullptr && picker->isVisible())
                    answer(picker);
        });
    };
    answerPicker([](TScreenPickForm* picker) { QTest::keyClick(picker, Qt::Key_Escape); });
    form.sSpeedButton1->click();
    EXPECT_EQ(form.CurrentColor(), clRed);
    EXPECT_EQ(form.sEditHex->Text(), QStringLiteral("FF0000"));

    // A click on the orange cell of the main palette, as the picture of the screen shows it.
    const QPoint cell = form.MainPal->mapToGlobal(CellCenter(*form.MainPal, 5));
    answerPicker([cell](TScreenPickForm* picker) {
        EXPECT_EQ(picker->Preview->BrushColor(), clRed);
        const QPoint pos = cell - picker->geometry().topLeft();
        QMouseEvent move(QEvent::MouseMove, pos, picker->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(picker, &move);
        EXPECT_EQ(picker->Preview->BrushColor(), RGB(255, 128, 0));
        QTest::mouseClick(picker, Qt::LeftButton, {}, pos);
    });
    form.sSpeedButton1->click();
    EXPECT_EQ(form.CurrentColor(), RGB(255, 128, 0));
}
