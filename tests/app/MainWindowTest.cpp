// The main window: start-up state, layout, tab order, and runs of the prepare button.
#include <gtest/gtest.h>

#include <filesystem>

#include <QTest>
#include <QTimer>

#include "platform/GuiTestSupport.h"
#include "app/Unit2.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sComboBoxes.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sProgressBar.h"
#include "skin/controls/sTooledit.h"
#include "platform/Dialogs.h"
#include "platform/MessageBoxes.h"
#include "skin/resources/InternalSkins.h"
#include "skin/manager/sSkinManager.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace {
int CountTiles(const std::filesystem::path& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".jpg") ++count;
    return count;
}

std::string WriteMap(const TempFolder& temp, int width, int height) {
    const RgbImage image = RgbImage::Generate(width, height, [](int x, int y) {
        return Rgb{static_cast<uint8_t>(x), static_cast<uint8_t>(y), 90};
    });
    const std::string path = temp / "map.jpg";
    WriteBytes(path, WriteRgbJpeg(image));
    return path;
}
}  // namespace

TEST(MainWindow, StartsWithTheInternalSkinTurnedBy390Degrees) {
    TForm2 form;
    TsSkinManager* manager = form.sSkinManager1;
    EXPECT_TRUE(manager->Active());
    EXPECT_TRUE(manager->IsDefault());
    EXPECT_EQ(manager->SkinName(), QStringLiteral("Glimmer (internal)"));
    EXPECT_EQ(manager->SkinInfo(), QStringLiteral("6.4"));
    EXPECT_EQ(manager->HueOffset(), 390);
    EXPECT_TRUE(manager->FromPackage());
    EXPECT_TRUE(form.mapTitleEdit->SkinData.IsSkinned(true));  // the new-skin command reached the controls

    // 390 degrees act as 30: the manager's colours are those of a load turned by 30, not the plain ones.
    SkinLoadSettings plainSettings, turnedSettings;
    turnedSettings.HueOffset = 30;
    SkinModel plain, turned;
    plain.LoadFromPackage(InternalSkinPackage(kGlimmerSkinName), "", plainSettings);
    turned.LoadFromPackage(InternalSkinPackage(kGlimmerSkinName), "", turnedSettings);
    const SkinModel& model = manager->CommonSkinData();
    ASSERT_EQ(model.Sections.size(), turned.Sections.size());
    int changed = 0;
    for (size_t i = 0; i < model.Sections.size(); ++i) {
        EXPECT_EQ(model.Sections[i].Color, turned.Sections[i].Color) << model.Sections[i].SectionName;
        if (plain.Sections[i].Color != turned.Sections[i].Color) ++changed;
    }
    EXPECT_GT(changed, 0);
}

TEST(MainWindow, FixedSizeCaptionAndControls) {
    TForm2 form;
    EXPECT_EQ(form.Caption(), QStringLiteral("Quadrimo - veltrana.example"));
    EXPECT_EQ(form.minimumSize(), QSize(393, 195));
    EXPECT_EQ(form.maximumSize(), QSize(393, 195));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_STREQ(form.metaObject()->className(), "TForm2");
    EXPECT_EQ(form.mapTitleEdit->geometry(), QRect(128, 10, 257, 21));
    EXPECT_EQ(form.bgColor->geometry(), QRect(128, 34, 257, 22));
    EXPECT_EQ(form.blankimgEdit->geometry(), QRect(129, 62, 257, 21));
    EXPECT_EQ(form.imgEdit->geometry(), QRect(129, 89, 257, 21));
    EXPECT_EQ(form.pathEdit->geometry(), QRect(129, 116, 257, 21));
    EXPECT_EQ(form.sButton1->geometry(), QRect(8, 143, 289, 25));
    EXPECT_EQ(form.sButton2->geometry(), QRect(303, 143, 82, 25));
    EXPECT_EQ(form.Progress->geometry(), QRect(8, 174, 377, 17));
    EXPECT_EQ(form.sLabel2->pos(), QPoint(8, 119));
    EXPECT_EQ(form.sButton1->Caption(), QStringLiteral("Подготовить файлы карты"));
    EXPECT_EQ(form.sButton2->Caption().at(0).unicode(), 0x041E);  // the Cyrillic capital O
    EXPECT_EQ(form.sLabel2->Caption(), QStringLiteral("Папка для сохранения"));
    EXPECT_EQ(form.blankimgEdit->Filter(), QStringLiteral("Картинка фона (.gif)|*.gif"));
    EXPECT_EQ(form.imgEdit->DefaultExt(), QStringLiteral("jpg"));
    // The map's dialog: the form's entry first and chosen, then all kinds together, then each kind.
    EXPECT_EQ(NameFiltersFromFilter(form.imgEdit->Filter()),
              (QStringList{QStringLiteral("Изображения карты (.jpg) (*.jpg)"),
                           QStringLiteral("Все карты (*.jpg, *.png, *.tif, *.tiff, *.pdf, *.svg, *.svgz) "
                                          "(*.jpg *.jpeg *.png *.tif *.tiff *.pdf *.svg *.svgz)"),
                           QStringLiteral("Карты JPEG (*.jpg, *.jpeg) (*.jpg *.jpeg)"),
                           QStringLiteral("Карты PNG (*.png) (*.png)"), QStringLiteral("Карты TIFF (*.tif, *.tiff) (*.tif *.tiff)"),
                           QStringLiteral("Карты PDF (*.pdf) (*.pdf)"), QStringLiteral("Карты SVG (*.svg, *.svgz) (*.svg *.svgz)")}));
    EXPECT_EQ(form.imgEdit->DialogOptions(), ofFileMustExist | ofEnableSizing);
    EXPECT_EQ(form.bgColor->count(), 21);
    EXPECT_EQ(form.bgColor->Selected(), clWhite);
    EXPECT_EQ(form.Progress->Max(), 100);
    EXPECT_EQ(form.mapTitleEdit->MaxLength(), 0);
    EXPECT_EQ(form.font().pixelSize(), 11);
    // The form's colour 0xFFF8F0 gives way to the skin's, since the binding's CustomColor is off.
    const TsGeneralData* edit = form.mapTitleEdit->SkinData.Section();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(form.mapTitleEdit->Color(), edit->Props[0].Color);
}

TEST(MainWindow, FocusStartsOnTheTitleAndTabVisitsTheInputsThenTheButtons) {
    TForm2 form;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return form.isActiveWindow(); }));
    EXPECT_EQ(QApplication::focusWidget(), form.mapTitleEdit);
    const std::vector<QWidget*> expected = {form.bgColor, form.blankimgEdit, form.imgEdit,
                                            form.pathEdit, form.sButton1,    form.sButton2,
                                            form.mapTitleEdit};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST(MainWindow, PrepareClickWritesTheFilesAndShowsTheCompletionBox) {
    TempFolder temp;
    const std::string map = WriteMap(temp, 600, 300);
    std::filesystem::create_directories(temp / "out");
    TForm2 form;
    form.show();
    form.mapTitleEdit->SetText(QStringLiteral("План"));
    form.imgEdit->SetText(QString::fromStdString(map));
    form.pathEdit->SetText(QString::fromStdString(temp / "out"));
    MessageBoxCloser closer;
    form.sButton1->click();
    ASSERT_EQ(closer.Boxes.size(), 1u);
    EXPECT_EQ(closer.Boxes[0].Text, QStringLiteral("Подготовка карты завершена."));
    EXPECT_EQ(closer.Boxes[0].Caption, QStringLiteral("Done"));
    EXPECT_EQ(closer.Boxes[0].Icon, QMessageBox::Information);
    EXPECT_TRUE(closer.Boxes[0].Owned);
    EXPECT_TRUE(std::filesystem::exists(temp.Path() / "out" / "info.js"));
    const int tiles = CountTiles(temp / "out");
    EXPECT_GT(tiles, 3);
    EXPECT_EQ(form.Progress->Max(), tiles);
    EXPECT_EQ(form.Progress->Position(), 0);
    EXPECT_FALSE(form.Running());
}

TEST(MainWindow, MissingFolderShowsTheDefaultErrorBox) {
    TempFolder temp;
    const std::string map = WriteMap(temp, 64, 64);
    const std::string folder = (temp.Path() / "no" / "such").string();
    TForm2 form;
    form.show();
    form.imgEdit->SetText(QString::fromStdString(map));
    form.pathEdit->SetText(QString::fromStdString(folder));
    MessageBoxCloser closer;
    form.sButton1->click();
    ASSERT_EQ(closer.Boxes.size(), 1u);
    EXPECT_EQ(closer.Boxes[0].Text, QString::fromStdString("Invalid file name - " + folder + "/info.js."));
    EXPECT_EQ(closer.Boxes[0].Caption, ApplicationTitle());
    EXPECT_EQ(closer.Boxes[0].Icon, QMessageBox::Critical);
    EXPECT_EQ(closer.Boxes[0].ButtonCount, 1);
    EXPECT_FALSE(form.Running());
}

TEST(MainWindow, NoMapOrNoFolderEndsSilently) {
    TForm2 form;
    form.imgEdit->SetText(QStringLiteral("/no/such/map.jpg"));
    form.pathEdit->SetText(QStringLiteral("/tmp"));
    MessageBoxCloser closer;
    form.sButton1->click();
    WaitUntil([] { return false; }, 100);
    EXPECT_TRUE(closer.Boxes.empty());
}

TEST(MainWindow, SecondPressIgnoredAndClosingStopsBeforeTheNextTile) {
    TempFolder temp;
    const std::string map = WriteMap(temp, 2000, 1200);
    std::filesystem::create_directories(temp / "out");
    TForm2 form;
    form.show();
    form.imgEdit->SetText(QString::fromStdString(map));
    form.pathEdit->SetText(QString::fromStdString(temp / "out"));
    int presses = 0;
    int positionAtClose = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!form.Running() || form.Progress->Position() < 3 || positionAtClose >= 0) return;
        // A second press while running does nothing.
        form.sButton1->click();
        ++presses;
        positionAtClose = form.Progress->Position();
        form.close();
    });
    poll.start(0);
    MessageBoxCloser closer;
    form.sButton1->click();
    poll.stop();
    ASSERT_EQ(presses, 1);
    EXPECT_TRUE(closer.Boxes.empty());  // no completion box after a stop
    EXPECT_FALSE(form.Running());
    EXPECT_FALSE(form.isVisible());
    const int tiles = CountTiles(temp / "out");
    EXPECT_EQ(tiles, form.Progress->Position());
    EXPECT_EQ(tiles, positionAtClose);
    EXPECT_LT(tiles, form.Progress->Max());
}
