// The plain controls: skin commands, web label links and hover, button results, progress range.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "skin/binding/ControlKinds.h"
#include "skin/controls/sBevel.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sComboBoxes.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sProgressBar.h"
#include "skin/controls/sTooledit.h"
#include "skin/manager/SkinCommands.h"
#include "platform/Shell.h"
#include "platform/SystemMetrics.h"
#include "skin/manager/sSkinManager.h"

namespace {
QStringList Opened;
bool RecordOpen(const QString& address) {
    Opened << address;
    return true;
}
}  // namespace

TEST(Controls, EveryControlOwnsABindingOfItsKindAndFollowsTheSkinCommands) {
    TsEdit edit;
    TsFilenameEdit fileEdit;
    TsDirectoryEdit dirEdit;
    TsColorBox colorBox;
    TsButton button;
    TsProgressBar progress;
    TsLabel label;
    TsWebLabel webLabel;
    TsBevel bevel;
    struct Row {
        QWidget* Widget;
        TsCommonData* Data;
        int Kind;
        const char* Section;
        bool Windowless, Cache;
    };
    const Row rows[] = {
        {&edit, &edit.SkinData, ckEdit, "EDIT", false, true},
        {&fileEdit, &fileEdit.SkinData, ckFilenameEdit, "EDIT", false, true},
        {&dirEdit, &dirEdit.SkinData, ckDirectoryEdit, "EDIT", false, true},
        {&colorBox, &colorBox.SkinData, ckCustomColorBox, "COMBOBOX", false, false},
        {&button, &button.SkinData, ckButton, "BUTTON", false, true},
        {&progress, &progress.SkinData, ckProgressBar, "GAUGE", false, false},
        {&label, &label.SkinData, ckNone, "", true, false},
        {&webLabel, &webLabel.SkinData, ckNone, "", true, false},
        {&bevel, &bevel.SkinData, ckBevel, "PANEL_LOW", true, true},
    };
    TsSkinManager manager;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Widget->metaObject()->className());
        EXPECT_EQ(SkinDataOf(row.Widget), row.Data);
        EXPECT_EQ(row.Data->ControlKind, row.Kind);
        EXPECT_EQ(row.Data->SkinSection().toStdString(), row.Section);
        EXPECT_EQ(row.Data->Windowless, row.Windowless);
        EXPECT_EQ(row.Data->CacheBitmap != nullptr, row.Cache);
        EXPECT_TRUE(AnswersSkinCommands(row.Widget));
        SendSkinCommand(row.Widget, MakeNimbrelParam(AC_REMOVESKIN), &manager);
        EXPECT_TRUE(row.Data->PaintingSuspended);
        SendSkinCommand(row.Widget, MakeNimbrelParam(AC_REFRESH), &manager);
        EXPECT_FALSE(row.Data->PaintingSuspended);
    }
    // The bevel's section follows its shape and style.
    bevel.SetShape(TBevelShape::bsFrame);
    EXPECT_EQ(bevel.SkinData.SkinSection(), QStringLiteral("GROUPBOX"));
    bevel.SetShape(TBevelShape::bsTopLine);
    bevel.SetStyle(TBevelStyle::bsRaised);
    EXPECT_EQ(bevel.SkinData.SkinSection(), QStringLiteral("PANEL"));
    // An edit's bound label is a skinned edit label.
    QWidget form;
    TsEdit bound(&form);
    bound.setObjectName(QStringLiteral("bound"));
    bound.BoundLabel.SetActive(true);
    EXPECT_NE(qobject_cast<TsEditLabel*>(bound.BoundLabel.TheLabel()), nullptr);
}

TEST(Controls, WebLabelOpensOnThePressAndChangesColourWhileHovered) {
    Opened.clear();
    SetShellOpenHandler(RecordOpen);
    TsWebLabel label;
    label.setGeometry(0, 0, 60, 13);
    label.SetCaption(QStringLiteral("Veltrana"));
    label.URL = QStringLiteral("https://veltrana.example/");
    label.HoverFontColor = 0xFF000008;
    label.SetNormalFont(label.font(), 0xFF0080);
    label.show();
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Opened, QStringList{QStringLiteral("https://veltrana.example/")});
    // Released elsewhere: still one opening, made on the press.
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(500, 500));
    QTest::mousePress(&label, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(Opened.size(), 1);
    SetShellOpenHandler(nullptr);

    EXPECT_EQ(label.palette().color(QPalette::WindowText), ToQColor(0xFF0080));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&label, &enter);
    EXPECT_TRUE(label.Hot());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), ToQColor(0xFF000008));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), ToQColor(0xFF0080));
}

TEST(Controls, ButtonHandsItsResultToTheFormAndEnterPressesIt) {
    TForm form;
    auto* button = new TsButton(form.Client());
    button->ModalResult = mrOk;
    int clicks = 0;
    button->OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, button);
        ++clicks;
    };
    QTimer::singleShot(10, button, [&] {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(clicks, 1);
}

TEST(Controls, ProgressBarRangeAndEditLength) {
    TsProgressBar progress;
    EXPECT_EQ(progress.Min(), 0);
    EXPECT_EQ(progress.Max(), 100);
    EXPECT_EQ(progress.Position(), 0);
    progress.SetMax(250);
    progress.SetPosition(240);
    EXPECT_EQ(progress.Position(), 240);
    progress.SetPosition(400);
    EXPECT_EQ(progress.Position(), 250);

    TsEdit edit;
    edit.SetMaxLength(0);
    edit.SetText(QString(1000, QLatin1Char('a')));
    EXPECT_EQ(edit.Text().size(), 1000);  // no limit
    TsFilenameEdit fileEdit;
    EXPECT_EQ(fileEdit.MaxLength(), 255);
    fileEdit.show();
    fileEdit.setFocus();
    QTest::keyClicks(&fileEdit, QString(300, QLatin1Char('b')));
    EXPECT_EQ(fileEdit.Text().size(), 255);
}
