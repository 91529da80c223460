// The forms' font: Tahoma present at start-up and measuring the main window's captions as laid out.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include "platform/FormFonts.h"
#include "platform/SystemMetrics.h"

namespace {
bool TahomaFilesPresent() {
    for (const QString& folder : FormFontFolders())
        if (QFileInfo::exists(folder + QStringLiteral("/tahoma.ttf"))) return true;
    return false;
}
}  // namespace

TEST(FormFonts, MainWindowCaptionsMeasureAsLaidOut) {
    // The application object was created before the tests, so start-up has loaded what it could.
    if (!QFontDatabase::hasFamily(QStringLiteral("Tahoma")) && !TahomaFilesPresent())
        GTEST_SKIP() << "no Tahoma on this system and no font files to load it from";
    ASSERT_TRUE(QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) << "not loaded at start-up";
    const QFont font = FormFont("Tahoma", -11);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Tahoma"));  // not a substitute
    const QFontMetrics metrics(font);
    const struct {
        const char* Caption;
        int Width;  // the label's width in the form data
    } cases[] = {{"Название карты", 83},
                 {"Цвет фона", 55},
                 {"Картинка фона", 78},
                 {"Изображение карты", 103},
                 {"Папка для сохранения", 115}};
    for (const auto& c : cases) {
        const int width = metrics.horizontalAdvance(QString::fromUtf8(c.Caption));
        EXPECT_NEAR(width, c.Width, 2) << c.Caption;
    }
}

TEST(FormFonts, BoldFaceLoadedWithTheRegularOne) {
    bool boldFile = false;
    for (const QString& folder : FormFontFolders())
        boldFile = boldFile || QFileInfo::exists(folder + QStringLiteral("/tahomabd.ttf"));
    if (!boldFile) GTEST_SKIP() << "no Tahoma Bold file";
    ASSERT_TRUE(EnsureFormFonts());
    EXPECT_TRUE(QFontDatabase::styles(QStringLiteral("Tahoma")).contains(QStringLiteral("Bold")));
}
