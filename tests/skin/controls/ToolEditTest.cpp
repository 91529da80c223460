// File and folder edits: what their browse buttons hand to the dialogs and take back.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QTest>
#include <QToolButton>

#include "skin/controls/sTooledit.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
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
    EXPECT_EQ(edit.InitialDir(), QStringLiteral("/maps/"));
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

TEST(ToolEdit, TypedTextGivesTheDialogItsStartingNameAndFolder) {
    TempFolder temp;
    const QString maps = QString::fromStdString(temp.Path().string()) + QStringLiteral("/Maps");
    ASSERT_TRUE(QDir().mkpath(maps));
    const QString previousName = QStringLiteral("/old/back.gif");
    const QString previousFolder = QStringLiteral("/old/");
    struct Case {
        const char* Why;
        QString Text, FileName, InitialDir;
    };
    const Case cases[] = {
        {"empty: the previous use's", {}, previousName, previousFolder},
        {"an existing folder ending in the separator: there, no name", maps + "/", {}, maps + "/"},
        {"a wildcard: the previous use's", maps + "/*.jpg", previousName, previousFolder},
        {"a file in an existing folder", maps + "/city.jpg", maps + "/city.jpg", maps + "/"},
        {"a file in a missing folder: the name only", "/no/such/city.jpg", "/no/such/city.jpg", previousFolder},
        {"a bare name", "city.jpg", "city.jpg", previousFolder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        TOpenDialogSettings dialog;
        dialog.FileName = previousName;
        dialog.InitialDir = previousFolder;
        TakeTypedName(dialog, c.Text);
        EXPECT_EQ(dialog.FileName, c.FileName);
        EXPECT_EQ(dialog.InitialDir, c.InitialDir);
    }
}

TEST(ToolEdit, AnEmptyFileEditReopensWhereTheLastChoiceWas) {
    TsFilenameEdit edit;
    OpenAnswer first(QStringLiteral("/maps/back.gif"));
    edit.Button()->click();
    EXPECT_TRUE(first.Seen.FileName.isEmpty());  // first use: no name, no folder
    EXPECT_TRUE(first.Seen.InitialDir.isEmpty());
    edit.SetText(QString());
    OpenAnswer second(std::nullopt);
    edit.Button()->click();
    EXPECT_EQ(second.Seen.FileName, QStringLiteral("/maps/back.gif"));
    EXPECT_EQ(second.Seen.InitialDir, QStringLiteral("/maps/"));
    EXPECT_TRUE(edit.Text().isEmpty());  // cancelled
    // Several chosen names: the first is the edit's, all are kept.
    edit.SetDialogOptions(edit.DialogOptions() | ofAllowMultiSelect);
    OpenAnswer several(QStringLiteral("/maps/a.jpg\n/maps/b.jpg"));
    edit.Button()->click();
    EXPECT_EQ(edit.Text(), QStringLiteral("/maps/a.jpg"));
    EXPECT_EQ(edit.Files(), (QStringList{"/maps/a.jpg", "/maps/b.jpg"}));
}

namespace {
/// Counts the Enter and Escape presses that reach the form itself.
struct FormKeys : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) Keys.push_back(key);
        return false;
    }
    std::vector<int> Keys;
};
}  // namespace

TEST(ToolEdit, ClickKeyOpensTheDialogAndEnterEscapeGoToTheForm) {
    struct Case {
        const char* Why;
        bool Folder, ShowButton, ReadOnly;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        int DialogRuns;
        std::vector<int> FormKeys;
    };
    const std::vector<Case> cases = {
        {"Alt+Down in the file edit", false, true, false, Qt::Key_Down, Qt::AltModifier, 1, {}},
        {"Alt+Down in the folder edit", true, true, false, Qt::Key_Down, Qt::AltModifier, 1, {}},
        {"Alt+Down with the button hidden", false, false, false, Qt::Key_Down, Qt::AltModifier, 1, {}},
        {"Alt+Down in a read-only edit", true, true, true, Qt::Key_Down, Qt::AltModifier, 0, {}},
        {"Down alone", false, true, false, Qt::Key_Down, Qt::NoModifier, 0, {}},
        {"Enter: offered to the form once", false, true, false, Qt::Key_Return, Qt::NoModifier, 0, {Qt::Key_Return}},
        {"Escape: offered to the form once", true, true, false, Qt::Key_Escape, Qt::NoModifier, 0, {Qt::Key_Escape}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        TForm form;
        FormKeys keys;
        form.installEventFilter(&keys);
        TsFileDirEdit* edit = c.Folder ? static_cast<TsFileDirEdit*>(new TsDirectoryEdit(form.Client()))
                                       : new TsFilenameEdit(form.Client());
        edit->SetText(QStringLiteral("typed"));
        edit->SetShowButton(c.ShowButton);
        edit->SetReadOnly(c.ReadOnly);
        form.show();
        edit->setFocus();
        OpenAnswer open(std::nullopt);
        FolderAnswer folder(std::nullopt);
        QTest::keyClick(edit, c.Key, c.Modifiers);
        EXPECT_EQ(open.Runs + folder.Runs, c.DialogRuns);
        EXPECT_EQ(keys.Keys, c.FormKeys);
        EXPECT_EQ(edit->Text(), QStringLiteral("typed"));  // nothing inserted
        form.close();
    }
}

TEST(ToolEdit, DroppedNamesFillTheEdits) {
    TempFolder temp;
    const QString root = QString::fromStdString(temp.Path().string());
    ASSERT_TRUE(QDir(root).mkdir(QStringLiteral("a")) && QDir(root).mkdir(QStringLiteral("b")));
    const QString file = root + QStringLiteral("/a/map.jpg");
    QFile(file).open(QIODevice::WriteOnly);
    struct Case {
        const char* Why;
        bool Folder, Multiple;
        QString Before;
        QStringList Names;
        QString After;
    };
    const Case cases[] = {
        {"file edit: the first name only", false, false, {}, {file, root + "/b"}, file},
        {"file edit with several: the first shows", false, true, {}, {root + "/b", file}, root + "/b"},
        {"folder edit: an existing file stands for its folder", true, false, "/x", {file}, root + "/a/"},
        {"folder edit: a folder as it is, the first only", true, false, {}, {root + "/b", root + "/a"}, root + "/b"},
        {"folder edit with several: joined by ';'", true, true, "/x", {root + "/b", file}, "/x;" + root + "/b;" + root + "/a/"},
        {"nothing dropped: unchanged", true, true, "/x", {}, "/x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        TsFilenameEdit fileEdit;
        TsDirectoryEdit folderEdit;
        TsFileDirEdit& edit = c.Folder ? static_cast<TsFileDirEdit&>(folderEdit) : fileEdit;
        if (c.Multiple) {
            folderEdit.MultipleDirs = true;
            fileEdit.SetDialogOptions(ofAllowMultiSelect);
        }
        edit.SetText(c.Before);
        int drops = 0;
        edit.OnDropFiles = [&](QObject*) { ++drops; };
        edit.DropNames(c.Names);
        EXPECT_EQ(edit.Text(), c.After);
        EXPECT_EQ(drops, c.Names.isEmpty() ? 0 : 1);
    }
    // A real drag of a file is taken only while AcceptFiles is set.
    TsDirectoryEdit edit;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    for (const bool accept : {false, true}) {
        edit.SetAcceptFiles(accept);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&edit, &enter);
        EXPECT_EQ(enter.isAccepted(), accept);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&edit, &drop);
        EXPECT_EQ(edit.Text(), accept ? root + "/a/" : QString());
    }
}

TEST(ToolEdit, MaxLengthLimitsTypingButNotAPathChosenOrDropped) {
    // A 300-character path to an existing file, below the 255 limit of the file edit.
    TempFolder temp;
    QString folder = QString::fromStdString(temp.Path().string());
    while (folder.size() < 200) folder += QStringLiteral("/") + QString(60, QLatin1Char('d'));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/") + QString(300 - folder.size() - 5, QLatin1Char('m')) + ".jpg";
    ASSERT_EQ(path.size(), 300);
    ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));

    TForm form;
    auto* edit = new TsFilenameEdit(form.Client());
    ASSERT_EQ(edit->MaxLength(), 255);
    form.show();
    edit->setFocus();
    edit->SetText(path);
    EXPECT_EQ(edit->Text(), path);  // set from code
    edit->SetText({});
    {
        OpenAnswer open(path);
        QTest::keyClick(edit, Qt::Key_Down, Qt::AltModifier);  // the dialog opened by a key
        ASSERT_EQ(open.Runs, 1);
    }
    EXPECT_EQ(edit->Text(), path);
    edit->SetText({});
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    edit->SetAcceptFiles(true);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &drop);
    EXPECT_EQ(edit->Text(), path);

    // Typing may shorten the long text but not lengthen it; below the limit it types again.
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral("x"));
    EXPECT_EQ(edit->Text(), path);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QStringLiteral("x"));
    EXPECT_EQ(edit->Text(), path.left(299));
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("ab"));
    EXPECT_EQ(edit->Text(), QStringLiteral("ab"));
    form.close();
}
