// The folder tree over temporary folders: roots and their errors, selection by path, reload,
// renaming in place and the context menu's hook.
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>

#include "skin/dialogs/ShellTreeView.h"
#include "platform/Application.h"
#include "platform/Directories.h"
#include "platform/GuiTestSupport.h"
#include "support/TempFolder.h"

namespace {
QString Qs(const std::string& text) {
    return QString::fromStdString(text);
}

/// A loaded tree rooted at the folder.
struct Tree {
    explicit Tree(const QString& root) {
        tree.SetRoot(root);
        tree.Loaded();
    }
    TsShellTreeView tree;
};

QStringList Captions(const TShellTreeNode* node) {
    QStringList captions;
    for (int i = 0; i < node->childCount(); ++i) captions << node->child(i)->text(0);
    return captions;
}
}  // namespace

TEST(ShellTree, DesktopRootIsBuiltExpandedAndSelected) {
    TsShellTreeView tree;
    tree.Loaded();
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    EXPECT_EQ(tree.TopNode()->text(0), QStringLiteral("Desktop"));
    EXPECT_TRUE(tree.TopNode()->isExpanded());
    EXPECT_EQ(tree.Selected(), tree.TopNode());
    EXPECT_EQ(tree.SelectedPath(), DesktopPath());
    ASSERT_GE(tree.TopNode()->childCount(), 1);
    EXPECT_EQ(tree.TopNode()->child(0)->text(0), QStringLiteral("Computer"));
    EXPECT_EQ(tree.SkinData.SkinSection(), QStringLiteral("EDIT"));
}

TEST(ShellTree, PathRootsShowTheirLastComponentAndSortedChildren) {
    TempFolder temp;
    const QString root = Qs(temp.Path().string());
    for (const char* dir : {"b", "New folder10", "New folder2", "skip me", "b/inner"})
        QDir(root).mkpath(QString::fromLatin1(dir));
    TsShellTreeView tree;
    tree.OnAddFolder = [](QObject*, TShellEntry& entry, bool& canAdd) {
        canAdd = !entry.RelativeIdList.Last().Text.startsWith(QLatin1String("skip"));
    };
    tree.SetRoot(root + "/");
    tree.Loaded();
    EXPECT_EQ(tree.TopNode()->text(0), QDir(root).dirName());
    EXPECT_EQ(Captions(tree.TopNode()), (QStringList{"b", "New folder2", "New folder10"}));
    EXPECT_TRUE(tree.TopNode()->Child(0)->HasChildren());
    EXPECT_FALSE(tree.TopNode()->Child(1)->HasChildren());
    EXPECT_GE(tree.TopNode()->Child(0)->ImageIndex, 0);
}

TEST(ShellTree, MissingRootAfterAValidOneShowsTheErrorAndKeepsIt) {
    TempFolder temp;
    const QString root = Qs(temp.Path().string());
    Tree t(root);
    {
        MessageBoxCloser boxes;
        t.tree.SetRoot(root + "/missing");
        ASSERT_EQ(boxes.Boxes.size(), 1u);
        EXPECT_EQ(boxes.Boxes[0].Text, QStringLiteral("Error Setting Path : ") + root + "/missing");
        EXPECT_EQ(boxes.Boxes[0].Caption, QStringLiteral("Error"));
    }
    EXPECT_EQ(t.tree.Root(), root);
    EXPECT_EQ(t.tree.SelectedPath(), root);

    // With no usable earlier root the error is raised.
    TsShellTreeView lost;
    lost.SetRoot(root + "/gone1");
    lost.SetRoot(root + "/gone2");
    try {
        lost.Loaded();
        ADD_FAILURE() << "no error";
    } catch (const EInvalidPath& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()), QStringLiteral("Error Setting Path : ") + root + "/gone2");
    }
    EXPECT_EQ(lost.topLevelItemCount(), 0);
}

TEST(ShellTree, SelectedPathExpandsDownToTheFolderAndRefusesUnknownPaths) {
    TempFolder temp;
    const QString root = Qs(temp.Path().string());
    QDir(root).mkpath(QStringLiteral("a/b/c"));
    Tree t(root);
    t.tree.SetSelectedPath(root + "/a/b/c");
    EXPECT_EQ(t.tree.SelectedPath(), root + "/a/b/c");
    EXPECT_TRUE(t.tree.Selected()->ParentNode()->isExpanded());
    EXPECT_THROW(t.tree.SetSelectedPath(root + "/nope"), EInvalidPath);
    EXPECT_EQ(t.tree.SelectedPath(), root + "/a/b/c");
    // A folder outside the root clears the selection.
    t.tree.SetSelectedPath(QStringLiteral("/"));
    EXPECT_EQ(t.tree.Selected(), nullptr);
    EXPECT_TRUE(t.tree.SelectedPath().isEmpty());
}

TEST(ShellTree, ReloadShowsNewFoldersAndKeepsOpenNodesAndTheSelection) {
    TempFolder temp;
    const QString root = Qs(temp.Path().string());
    QDir(root).mkpath(QStringLiteral("a/b"));
    Tree t(root);
    t.tree.SetSelectedPath(root + "/a/b");
    QDir(root).mkdir(QStringLiteral("c"));
    t.tree.ReloadNode(t.tree.TopNode());
    EXPECT_EQ(Captions(t.tree.TopNode()), (QStringList{"a", "c"}));
    EXPECT_TRUE(t.tree.TopNode()->Child(0)->isExpanded());
    EXPECT_EQ(t.tree.SelectedPath(), root + "/a/b");
    EXPECT_EQ(t.tree.TopNode()->text(0), QDir(root).dirName());
}

TEST(ShellTree, RenamingInPlaceRenamesTheFolderOrReportsTheRefusal) {
    TempFolder temp;
    const QString root = Qs(temp.Path().string());
    QDir(root).mkpath(QStringLiteral("old/inner"));
    QDir(root).mkdir(QStringLiteral("taken"));
    Tree t(root);
    t.tree.SetSelectedPath(root + "/old");
    t.tree.StartEditing(t.tree.Selected());
    ASSERT_TRUE(t.tree.IsEditing());
    auto* editor = qobject_cast<QLineEdit*>(t.tree.indexWidget(t.tree.currentIndex()));
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("new"));
    t.tree.EndEditing(true);
    EXPECT_FALSE(t.tree.IsEditing());
    EXPECT_TRUE(QDir(root + "/new/inner").exists());
    EXPECT_TRUE(WaitUntil([&] { return Captions(t.tree.TopNode()) == QStringList{"new", "taken"}; }));
    EXPECT_EQ(t.tree.SelectedPath(), root + "/new");

    try {
        t.tree.LabelEdited(t.tree.Selected(), QStringLiteral("taken"));
        ADD_FAILURE() << "no error";
    } catch (const EShellRenameError& error) {
        EXPECT_STREQ(error.what(), "Rename to taken failed");
    }
    EXPECT_EQ(t.tree.Selected()->text(0), QStringLiteral("new"));
    // A dropped edit renames nothing.
    t.tree.StartEditing(t.tree.Selected());
    qobject_cast<QLineEdit*>(t.tree.indexWidget(t.tree.currentIndex()))->setText(QStringLiteral("other"));
    t.tree.EndEditing(false);
    EXPECT_TRUE(QDir(root + "/new").exists());
}

TEST(ShellTree, CommandHookRenamesInPlaceDropsDeletedFoldersAndReloadsAfterPaste) {
    TempFolder temp;
    const QString root = Qs(temp.Path().string());
    QDir(root).mkpath(QStringLiteral("doomed"));
    QDir(root).mkpath(QStringLiteral("kept"));
    Tree t(root);
    t.tree.SetSelectedPath(root + "/doomed");
    bool handled = false;
    t.tree.BeforeCommand(QStringLiteral("Rename"), handled);
    EXPECT_TRUE(handled);
    EXPECT_TRUE(t.tree.IsEditing());
    t.tree.EndEditing(false);

    t.tree.AfterCommand(QStringLiteral("delete"), true);  // still there: the node stays
    EXPECT_EQ(Captions(t.tree.TopNode()), (QStringList{"doomed", "kept"}));
    QDir(root + "/doomed").removeRecursively();
    t.tree.AfterCommand(QStringLiteral("delete"), true);
    EXPECT_EQ(Captions(t.tree.TopNode()), (QStringList{"kept"}));

    t.tree.SetSelectedPath(root + "/kept");
    QDir(root).mkpath(QStringLiteral("kept/pasted"));
    t.tree.AfterCommand(QStringLiteral("paste"), true);
    EXPECT_EQ(Captions(t.tree.Selected()), (QStringList{"pasted"}));

    const QString before = GetCurrentDirectoryW();
    t.tree.SetSelectedPath(root + "/kept/pasted");
    t.tree.BeforeCommand(QStringLiteral("open"), handled);
    EXPECT_EQ(QDir(GetCurrentDirectoryW()), QDir(root + "/kept"));
    t.tree.AfterCommand(QStringLiteral("open"), true);
    EXPECT_EQ(GetCurrentDirectoryW(), before);
}

TEST(ShellTree, ExtensionsShownHiddenOrLeftToTheShell) {
    TempFolder temp;
    const QString root = Qs(temp.Path().string());
    for (const char* name : {"map.jpg", ".profile"})
        QFile(root + "/" + QString::fromLatin1(name)).open(QIODevice::WriteOnly);
    struct {
        const char* Caption;
        const char* File;
        TShellExtDisplay Mode;
        const char* Shown;
    } const cases[] = {
        {"map.jpg", "map.jpg", TShellExtDisplay::seHide, "map"},
        {"map", "map.jpg", TShellExtDisplay::seShow, "map.jpg"},
        {"map.jpg", "map.jpg", TShellExtDisplay::seShow, "map.jpg"},
        {"map.jpg", "map.jpg", TShellExtDisplay::seSystem, "map.jpg"},
        {".profile", ".profile", TShellExtDisplay::seHide, ".profile"},
        {"folder.d", "", TShellExtDisplay::seHide, "folder.d"},  // not a file
    };
    for (const auto& c : cases) {
        const QString path = *c.File ? root + "/" + QString::fromLatin1(c.File) : root;
        EXPECT_EQ(ApplyShowExt(QString::fromLatin1(c.Caption), path, c.Mode), QString::fromLatin1(c.Shown))
            << c.Caption;
    }
    TsShellTreeView tree;
    tree.SetObjectTypes(otFolders | otNonFolders);
    tree.ShowExt = TShellExtDisplay::seHide;
    tree.SetRoot(root);
    tree.Loaded();
    EXPECT_EQ(Captions(tree.TopNode()), (QStringList{"map"}));
}
