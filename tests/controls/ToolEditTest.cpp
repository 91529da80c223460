// File and folder edits: what their browse buttons hand to the dialogs and take back.
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <QToolButton>

#include "controls/sTooledit.h"
#include "platform/Dialogs.h"
#include "support/TempFolder.h"

namespace {
struct OpenAnswer {
    explicit OpenAnswer(std::optional<QString> answer) {
        SetOpenDialogHook([this, answer](const TOpenDialogSettings& settings, QString& name) {
            ++Runs;
            Seen = settings;
            if (!answer) return false;
            name = *answer;
            return true;
        });
    }
    ~OpenAnswer() { SetOpenDialogHook(nullptr); }
    int Runs = 0;
    TOpenDialogSettings Seen;
};
}  // namespace

TEST(ToolEdit, FileEditHandsItsSettingsToTheDialogAndTakesTheName) {
    TsFilenameEdit edit;
    edit.SetFilter(QStringLiteral("Картинка фона (.gif)|*.gif"));
    edit.SetDefaultExt(QStringLiteral("gif"));
    edit.SetDialogOptions(ofFileMustExist | ofEnableSizing);
    edit.SetText(QStringLiteral("/old/start.gif"));
    std::vector<QString> events;
    edit.OnButtonClick = [&](QObject*) { events.push_back(QStringLiteral("click")); };
    edit.OnAfterDialog = [&](QObject*, QString& name, bool& action) {
        events.push_back(QStringLiteral("after ") + name + (action ? " yes" : " no"));
    };
    {
        OpenAnswer dialog(QStringLiteral("/maps/back.gif"));
        edit.Button()->click();
        EXPECT_EQ(dialog.Runs, 1);
        EXPECT_EQ(dialog.Seen.Filter, QStringLiteral("Картинка фона (.gif)|*.gif"));
        EXPECT_EQ(dialog.Seen.DefaultExt, QStringLiteral("gif"));
        EXPECT_EQ(dialog.Seen.FileName, QStringLiteral("/old/start.gif"));
        EXPECT_EQ(dialog.Seen.Options, ofFileMustExist | ofEnableSizing);
    }
    EXPECT_EQ(edit.Text(), QStringLiteral("/maps/back.gif"));
    EXPECT_EQ(edit.InitialDir(), QStringLiteral("/maps"));
    EXPECT_EQ(events, (std::vector<QString>{"click", "after /maps/back.gif yes"}));
    {
        OpenAnswer dialog(std::nullopt);
        edit.Button()->click();
    }
    EXPECT_EQ(edit.Text(), QStringLiteral("/maps/back.gif"));  // cancelled: unchanged
}

TEST(ToolEdit, BeforeDialogCanStopAndAltDownPresses) {
    TsFilenameEdit edit;
    edit.OnBeforeDialog = [](QObject*, QString&, bool& action) { action = false; };
    OpenAnswer dialog(QStringLiteral("/x.jpg"));
    edit.Button()->click();
    EXPECT_EQ(dialog.Runs, 0);
    edit.OnBeforeDialog = nullptr;
    edit.show();
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(dialog.Runs, 1);
    EXPECT_EQ(edit.Text(), QStringLiteral("/x.jpg"));
    edit.SetReadOnly(true);
    edit.Button()->click();
    EXPECT_EQ(dialog.Runs, 1);  // a read-only edit's button does nothing
}

TEST(ToolEdit, WithoutDirectInputOnlyTheButtonChangesTheText) {
    TsFilenameEdit edit;
    edit.SetDirectInput(false);
    edit.show();
    edit.setFocus();
    QTest::keyClicks(&edit, QStringLiteral("typed"));
    EXPECT_TRUE(edit.Text().isEmpty());
    OpenAnswer dialog(QStringLiteral("/picked.jpg"));
    edit.Button()->click();
    EXPECT_EQ(edit.Text(), QStringLiteral("/picked.jpg"));
    edit.SetDirectInput(true);
    QTest::keyClicks(&edit, QStringLiteral("x"));
    EXPECT_TRUE(edit.Text().endsWith(QLatin1Char('x')));
}

TEST(ToolEdit, FolderEditTakesOnlyExistingFolders) {
    TempFolder temp;
    TsDirectoryEdit edit;
    QString offered;
    SetFolderDialogHook([&](const QString& start, QString& folder) {
        offered = start;
        folder = QString::fromStdString(temp.Path().string());
        return true;
    });
    edit.SetText(QStringLiteral("/typed"));
    edit.Button()->click();
    EXPECT_EQ(offered, QStringLiteral("/typed"));
    EXPECT_EQ(edit.Text(), QString::fromStdString(temp.Path().string()));
    EXPECT_EQ(edit.InitialDir, edit.Text());

    SetFolderDialogHook([&](const QString& start, QString& folder) {
        offered = start;
        folder = QStringLiteral("/no/such/folder/here");
        return true;
    });
    edit.Button()->click();
    EXPECT_EQ(offered, QString::fromStdString(temp.Path().string()));  // starts at InitialDir
    EXPECT_EQ(edit.Text(), QString::fromStdString(temp.Path().string()));
    SetFolderDialogHook(nullptr);
    EXPECT_EQ(edit.Root, QStringLiteral("rfDesktop"));
    EXPECT_EQ(edit.MaxLength(), 255);
}

TEST(ToolEdit, FileNameRefusesWildcardsAndKeepsTheText) {
    TsFilenameEdit edit;
    edit.SetFileName(QStringLiteral("/maps/city.jpg"));
    EXPECT_EQ(edit.FileName(), QStringLiteral("/maps/city.jpg"));
    for (const char* bad : {"*.jpg", "a?.jpg", "a|b", "a<b", "a>b", "say\"x\""}) {
        try {
            edit.SetFileName(QString::fromLatin1(bad));
            ADD_FAILURE() << "accepted " << bad;
        } catch (const EComboEditError& error) {
            EXPECT_STREQ(error.what(), "Invalid file name");
        }
        EXPECT_EQ(edit.FileName(), QStringLiteral("/maps/city.jpg")) << bad;
    }
    edit.SetFileName(QString());  // an empty name clears the edit
    EXPECT_TRUE(edit.FileName().isEmpty());
    EXPECT_FALSE(IsUsableFileName(QString()));
    EXPECT_TRUE(IsUsableFileName(QStringLiteral("back ground.gif")));
}

TEST(ToolEdit, DroppedNamesFollowMultipleSelection) {
    TsFilenameEdit edit;
    edit.AddDroppedName(QStringLiteral("/a.jpg"));
    edit.AddDroppedName(QStringLiteral("/b.jpg"));
    EXPECT_EQ(edit.FileName(), QStringLiteral("/b.jpg"));  // one name at a time: the last one stays
    EXPECT_TRUE(edit.Files().isEmpty());

    edit.SetDialogOptions(edit.DialogOptions() | ofAllowMultiSelect);
    EXPECT_TRUE(edit.MultipleNames());
    edit.AddDroppedName(QStringLiteral("/c.jpg"));
    edit.AddDroppedName(QStringLiteral("/d.jpg"));
    EXPECT_EQ(edit.FileName(), QStringLiteral("/c.jpg"));  // the first of several shows
    EXPECT_EQ(edit.Files(), (QStringList{"/c.jpg", "/d.jpg"}));
    edit.SetFileName(QStringLiteral("/e.jpg"));
    EXPECT_TRUE(edit.Files().isEmpty());

    edit.AddDroppedName(QStringLiteral("/f.jpg"));
    edit.SetDialogOptions(ofHideReadOnly);  // leaving multiple selection forgets the drop
    EXPECT_TRUE(edit.Files().isEmpty());
    EXPECT_EQ(edit.FileName(), QStringLiteral("/f.jpg"));
}
