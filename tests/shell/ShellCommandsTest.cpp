// The context menu's verbs and hook, the folder watch, the text table, anchors and modal results.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "platform/GuiTestSupport.h"
#include "platform/Anchors.h"
#include "platform/EngineTexts.h"
#include "shell/FolderWatch.h"
#include "platform/Forms.h"
#include "platform/Shell.h"
#include "shell/ShellContextMenu.h"
#include "shell/ShellFolder.h"
#include "support/TempFolder.h"

namespace {
struct RecordingHook : IShellCommandHook {
    void BeforeCommand(const QString& verb, bool& handled) override {
        Calls << QStringLiteral("before ") + verb;
        handled = Handles.contains(verb);
    }
    void AfterCommand(const QString& verb, bool succeeded) override {
        Calls << QStringLiteral("after ") + verb + (succeeded ? QStringLiteral(" ok") : QStringLiteral(" failed"));
    }
    QStringList Handles;
    QStringList Calls;
};

TItemIdList ListOf(const QString& path) {
    TItemIdList list;
    EXPECT_TRUE(SHGetDesktopFolder()->ParseDisplayName(path, list)) << path.toStdString();
    return list;
}

QStringList Verbs(const TShellContextMenu& menu) {
    QStringList verbs;
    for (const auto& item : menu.Items()) verbs << item.Verb + (item.Enabled ? QString() : QStringLiteral("-"));
    return verbs;
}

QString Opened;
bool RecordOpen(const QString& address) {
    Opened = address;
    return true;
}
QString Deleted;
bool RemoveForTest(const QString& path) {
    Deleted = path;
    return QDir(path).removeRecursively();
}
}  // namespace

TEST(ShellContextMenu, VerbsDependOnTheItemAndTheOptions) {
    TempFolder temp;
    const QString root = QString::fromStdString(temp.Path().string());
    QDir(root).mkdir(QStringLiteral("maps"));
    QApplication::clipboard()->clear();
    const TItemIdList maps = ListOf(root + "/maps");
    EXPECT_EQ(Verbs(TShellContextMenu(maps, CMF_EXPLORE | CMF_CANRENAME)),
              (QStringList{"open", "paste-", "delete", "rename"}));
    EXPECT_EQ(Verbs(TShellContextMenu(maps, CMF_EXPLORE)), (QStringList{"open", "paste-", "delete"}));
    EXPECT_TRUE(Verbs(TShellContextMenu(TItemIdList::Of(TShellItemId::ikComputer), CMF_CANRENAME)).isEmpty());
    EXPECT_EQ(Verbs(TShellContextMenu(ListOf(QStringLiteral("/")), CMF_CANRENAME)), (QStringList{"open", "paste-"}));
    QMenu menu;
    TShellContextMenu(maps, CMF_CANRENAME).FillMenu(menu);
    ASSERT_EQ(menu.actions().size(), 4);
    EXPECT_EQ(menu.actions()[3]->data().toString(), QStringLiteral("rename"));
}

TEST(ShellContextMenu, CommandsRunBetweenTheHooksCalls) {
    TempFolder temp;
    const QString root = QString::fromStdString(temp.Path().string());
    QDir(root).mkpath(QStringLiteral("target"));
    QDir(root).mkpath(QStringLiteral("doomed/inner"));
    const QString source = root + "/source.txt";
    QFile(source).open(QIODevice::WriteOnly);
    SetShellOpenHandler(RecordOpen);
    SetShellDeleteHandler(RemoveForTest);
    RecordingHook hook;
    hook.Handles << QStringLiteral("rename");

    TShellContextMenu(ListOf(root + "/target"), CMF_CANRENAME).RunCommand(QStringLiteral("rename"), nullptr, &hook);
    TShellContextMenu(ListOf(root + "/target"), CMF_NORMAL).RunCommand(QStringLiteral("Open"), nullptr, &hook);
    EXPECT_EQ(Opened, QUrl::fromLocalFile(root + "/target").toString());

    auto* data = new QMimeData();
    data->setUrls({QUrl::fromLocalFile(source)});
    QApplication::clipboard()->setMimeData(data);
    TShellContextMenu(ListOf(root + "/target"), CMF_NORMAL).RunCommand(QStringLiteral("paste"), nullptr, &hook);
    EXPECT_TRUE(QFile::exists(root + "/target/source.txt"));
    // Pasting again would overwrite: refused.
    TShellContextMenu(ListOf(root + "/target"), CMF_NORMAL).RunCommand(QStringLiteral("paste"), nullptr, &hook);
    QApplication::clipboard()->clear();
    {
        MessageBoxCloser confirm;  // answers the question with its first button, "Yes"
        TShellContextMenu(ListOf(root + "/doomed"), CMF_NORMAL).RunCommand(QStringLiteral("delete"), nullptr, &hook);
        ASSERT_EQ(confirm.Boxes.size(), 1u);
        EXPECT_TRUE(confirm.Boxes[0].Text.contains(QStringLiteral("doomed")));
    }
    EXPECT_EQ(Deleted, root + "/doomed");
    EXPECT_FALSE(QDir(root + "/doomed").exists());
    SetShellOpenHandler(nullptr);
    SetShellDeleteHandler(nullptr);
    EXPECT_EQ(hook.Calls, (QStringList{"before rename", "after rename ok", "before Open", "after Open ok",
                                       "before paste", "after paste ok", "before paste", "after paste failed",
                                       "before delete", "after delete ok"}));
}

TEST(FolderWatch, ReportsNewNamesInTheWatchedFolder) {
    TempFolder temp;
    const QString root = QString::fromStdString(temp.Path().string());
    TFolderWatch watch;
    int changes = 0;
    watch.OnChange = [&] { ++changes; };
    watch.SetFolder(root);
    EXPECT_EQ(watch.Folder(), root);
    QDir(root).mkdir(QStringLiteral("new"));
    EXPECT_TRUE(WaitUntil([&] { return changes > 0; }));
    watch.SetFolder(QString());
    const int before = changes;
    QDir(root).mkdir(QStringLiteral("unwatched"));
    QApplication::processEvents();
    EXPECT_EQ(changes, before);
}

TEST(EngineTexts, DialogTextsByIdAndNothingForUnknownIds) {
    struct {
        int Id;
        const char* Text;
    } const texts[] = {{58911, "Select directory"}, {58992, "OK"},    {58991, "Cancel"},
                       {58910, "Create"},           {58956, "Color"}, {58990, "&Help"},
                       {58951, "Hex - "},           {1, ""}};
    for (const auto& t : texts) EXPECT_EQ(LoadResString(t.Id), QString::fromLatin1(t.Text)) << t.Id;
}

TEST(Anchors, ControlsKeepTheirDistancesToTheAnchoredEdges) {
    QWidget container;
    container.resize(300, 200);
    QWidget grow(&container), corner(&container), keep(&container), bottomLeft(&container);
    for (QWidget* w : {&grow, &corner, &keep, &bottomLeft}) w->setGeometry(10, 10, 50, 20);
    corner.setGeometry(240, 170, 50, 20);
    bottomLeft.setGeometry(10, 170, 50, 20);
    TAnchorLayout anchors(&container, QSize(300, 200));
    anchors.Add(&grow, akLeft | akTop | akRight | akBottom);
    anchors.Add(&corner, akRight | akBottom);
    anchors.Add(&keep, akLeft | akTop);
    anchors.Add(&bottomLeft, akLeft | akBottom);
    container.resize(400, 250);
    container.show();
    EXPECT_EQ(grow.geometry(), QRect(10, 10, 150, 70));
    EXPECT_EQ(corner.geometry(), QRect(340, 220, 50, 20));
    EXPECT_EQ(keep.geometry(), QRect(10, 10, 50, 20));
    EXPECT_EQ(bottomLeft.geometry(), QRect(10, 220, 50, 20));
}

TEST(Forms, AResultTakenBackBeforeTheLoopSeesItKeepsTheFormShowing) {
    TForm form;
    form.SetClientSize(200, 100);
    int taken = 0;
    QTimer::singleShot(0, &form, [&] {
        // As a button with a modal result whose handler then refuses to close.
        form.SetModalResult(mrOk);
        form.SetModalResult(mrNone);
        ++taken;
        QTimer::singleShot(10, &form, [&] { form.SetModalResult(mrCancel); });
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(taken, 1);
}
