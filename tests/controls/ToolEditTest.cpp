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

namespace {
/// Answers the folder dialog with a fixed result and keeps what it was asked.
struct FolderAnswer {
    explicit FolderAnswer(std::optional<QString> answer) {
        SetFolderDialogHook([this, answer](const TFolderDialogRequest& request, QString& folder) {
            ++Runs;
            Seen = request;
            SeenCurrent = QDir::currentPath();
            if (!answer) return false;
            folder = *answer;
            return true;
        });
    }
    ~FolderAnswer() { SetFolderDialogHook(nullptr); }
    int Runs = 0;
    TFolderDialogRequest Seen;
    QString SeenCurrent;
};

/// Puts the process's current directory back afterwards.
struct KeepCurrentDirectory {
    ~KeepCurrentDirectory() { QDir::setCurrent(Saved); }
    QString Saved = QDir::currentPath();
};
}  // namespace

TEST(ToolEdit, FolderEditOffersOnlyExistingFoldersAndMakesThemCurrent) {
    TempFolder temp;
    const QString existing = QString::fromStdString(temp.Path().string());
    const QString missing = existing + QStringLiteral("/missing");
    struct Case {
        QString Text, InitialDir;
        bool NoChangeDir;
        QString Offered;  // what the dialog is asked to select
        bool BecomesCurrent;
    };
    const Case cases[] = {
        {existing, {}, false, existing, true}, {existing, {}, true, existing, false}, {missing, {}, false, {}, false},
        {{}, existing, false, existing, true}, {{}, missing, false, {}, false},
    };
    for (const Case& c : cases) {
        KeepCurrentDirectory keep;
        QDir::setCurrent(QDir::rootPath());
        TsDirectoryEdit edit;
        edit.SetText(c.Text);
        edit.InitialDir = c.InitialDir;
        edit.NoChangeDir = c.NoChangeDir;
        FolderAnswer dialog(std::nullopt);
        edit.Button()->click();
        ASSERT_EQ(dialog.Runs, 1) << c.Text.toStdString();
        EXPECT_EQ(dialog.Seen.SelectedPath, c.Offered) << c.Text.toStdString();
        EXPECT_EQ(QDir(dialog.SeenCurrent) == QDir(existing), c.BecomesCurrent) << c.Text.toStdString();
        EXPECT_EQ(edit.Text(), c.Text);  // cancelled: unchanged
    }
}

TEST(ToolEdit, FolderEditHandsItsSettingsAndTakesOnlyExistingFolders) {
    TempFolder temp;
    const QString existing = QString::fromStdString(temp.Path().string());
    KeepCurrentDirectory keep;
    TsDirectoryEdit edit;
    edit.Root = QStringLiteral("/");
    edit.DialogText = QStringLiteral("Output");
    edit.ShowRootBtns = true;
    edit.DialogOptions = sdPerformCreate;
    std::vector<QString> after;
    edit.OnAfterDialog = [&](QObject*, QString& name, bool& action) {
        after.push_back(name + (action ? QStringLiteral(" yes") : QStringLiteral(" no")));
    };
    {
        FolderAnswer dialog(existing);
        edit.Button()->click();
        EXPECT_EQ(dialog.Seen.Root, QStringLiteral("/"));
        EXPECT_EQ(dialog.Seen.Text, QStringLiteral("Output"));
        EXPECT_TRUE(dialog.Seen.ShowRootButtons);
        EXPECT_FALSE(dialog.Seen.AllowCreate);
    }
    EXPECT_EQ(edit.Text(), existing);
    EXPECT_EQ(edit.InitialDir, existing);
    // A virtual folder's name or a vanished folder is not taken, even where the name exists relatively
    // (the press made the edit's folder current).
    QDir(existing).mkdir(QStringLiteral("Computer"));
    for (const QString& answer : {QStringLiteral("Computer"), existing + QStringLiteral("/gone")}) {
        FolderAnswer dialog(answer);
        edit.Button()->click();
        EXPECT_EQ(edit.Text(), existing) << answer.toStdString();
    }
    EXPECT_EQ(after, (std::vector<QString>{existing + " yes", "Computer yes", existing + "/gone yes"}));
    EXPECT_EQ(TsDirectoryEdit().Root, QStringLiteral("rfDesktop"));
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
