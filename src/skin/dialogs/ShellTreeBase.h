// TShellTreeBase: a tree of the shell namespace, its nodes built on demand, with renaming in place.
#pragma once

#include <functional>
#include <memory>

#include <QPersistentModelIndex>
#include <QTreeWidget>

#include "ShellEntry.h"
#include "core/Exception.h"
#include "shell/ShellContextMenu.h"

class TFolderWatch;

enum TShellContentKind : unsigned { otFolders = 1, otNonFolders = 2, otHidden = 4 };
using TShellObjectTypes = unsigned;

enum class TShellExtDisplay { seSystem, seShow, seHide };

/// A root or a path the tree could not take ("Error Setting Path …").
class EInvalidPath : public Exception {
public:
    using Exception::Exception;
};

/// A rename the shell refused ("Rename to … failed").
class EShellRenameError : public Exception {
public:
    using Exception::Exception;
};

/// A node of the tree; it owns its entry.
class TShellTreeNode : public QTreeWidgetItem {
public:
    TShellTreeNode() = default;

    std::unique_ptr<TShellEntry> Entry;
    int ImageIndex = -1;
    int SelectedIndex = -1;
    int OverlayIndex = -1;

    bool HasChildren() const { return childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator; }
    void SetHasChildren(bool value);
    TShellTreeNode* Child(int index) const { return static_cast<TShellTreeNode*>(child(index)); }
    TShellTreeNode* ParentNode() const { return static_cast<TShellTreeNode*>(parent()); }
};

/// Asked before a node is shown; false in CanAdd drops it.
using TShellAddFolderEvent = std::function<void(QObject* sender, TShellEntry& folder, bool& canAdd)>;
/// Told when a label edit ended with a new text; may change the text.
using TShellEditedEvent = std::function<void(QObject* sender, TShellTreeNode* node, QString& text)>;

/// The shell's display name of the kind, made fit for a caption: "?" removed from names like "?1?",
/// the normal name for the parsing names of virtual folders ("::{…}").
QString ShellDisplayName(const IShellFolder& folder, const TItemIdList& relative, unsigned flags);
/// The caption adjusted to the extension rule for the item at the path.
QString ApplyShowExt(const QString& caption, const QString& path, TShellExtDisplay mode);

class TShellTreeBase : public QTreeWidget, public IShellCommandHook {
    Q_OBJECT
public:
    explicit TShellTreeBase(QWidget* parent = nullptr);
    ~TShellTreeBase() override;

    /// Ends loading (the form data are set) and builds the tree from its root.
    void Loaded();

    QString Root() const { return Root_; }
    /// A root id's name or a folder path; rebuilds the tree (see BuildRoot for the errors).
    void SetRoot(const QString& value);
    TShellObjectTypes ObjectTypes() const { return ObjectTypes_; }
    void SetObjectTypes(TShellObjectTypes value);
    bool AutoRefresh() const { return AutoRefresh_; }
    void SetAutoRefresh(bool value);
    bool UseShellImages = true;
    TShellExtDisplay ShowExt = TShellExtDisplay::seSystem;
    bool AutoContextMenus = true;
    bool RightClickSelect = true;
    TShellAddFolderEvent OnAddFolder;
    TShellEditedEvent OnEdited;
    /// Fired on every change of the selected node.
    std::function<void(QObject* sender)> OnChange;

    const TShellEntry* RootEntry() const { return RootEntry_.get(); }
    TShellTreeNode* TopNode() const { return static_cast<TShellTreeNode*>(topLevelItem(0)); }
    TShellTreeNode* Selected() const { return static_cast<TShellTreeNode*>(currentItem()); }
    TFolderWatch* FolderWatch() const { return Watch_.get(); }

    /// The selected folder's file-system path, the display name of a virtual folder, or empty.
    QString SelectedPath() const;
    /// Selects the folder of the path; EInvalidPath "Error Setting Path" when the shell cannot parse it.
    void SetSelectedPath(const QString& path);
    /// Selects the node of the absolute list, expanding its ancestors (nothing selected when the
    /// item lies outside the root).
    void SelectIdList(const TItemIdList& absolute);
    /// The path SelectedPath gives for the node.
    QString NodePath(const TShellTreeNode* node) const;
    /// The node of the list among the node and the nodes below it; null when not there.
    TShellTreeNode* FindNode(TShellTreeNode* from, const TItemIdList& absolute) const;

    void BuildRoot();
    void FillNodeChildren(TShellTreeNode* node);
    /// Fills a new child node for the relative list; false when it was vetoed (then it is deleted).
    bool SetUpNode(TShellTreeNode* node, TShellTreeNode* parent, const TItemIdList& relative);
    /// Rebuilds the node's subtree from the shell, keeping expanded nodes, the selection and the top.
    void ReloadNode(TShellTreeNode* node);
    /// Expands a node, listing its children first when they were never listed.
    void ExpandNode(TShellTreeNode* node);

    bool IsEditing() const;
    /// Opens the node's label for typing.
    void StartEditing(TShellTreeNode* node);
    /// Ends the label edit, keeping the typed text (renaming) or dropping it.
    void EndEditing(bool keep);
    /// An edit ended with the text: the item is renamed through its folder.
    void LabelEdited(TShellTreeNode* node, QString text);

    void BeforeCommand(const QString& verb, bool& handled) override;
    void AfterCommand(const QString& verb, bool succeeded) override;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    friend class TShellLabelDelegate;
    void InstallLabelDelegate();
    bool TryRootList(const QString& root, TItemIdList& absolute) const;
    void RootFromName();
    unsigned EnumFlags() const;
    void SetNodeLook(TShellTreeNode* node, const IShellFolder& parentFolder, const TItemIdList& relative);
    void SetNodeIcons(TShellTreeNode* node);
    void NodeExpanded(QTreeWidgetItem* item);
    void SelectionChanged();

    QString Root_ = QStringLiteral("rfDesktop");
    QString PrevRoot_;
    TShellObjectTypes ObjectTypes_ = otFolders;
    bool AutoRefresh_ = false;
    bool Loading_ = true;
    bool Changing_ = false;
    bool BuildingRoot_ = false;
    std::unique_ptr<TShellEntry> RootEntry_;
    std::unique_ptr<TFolderWatch> Watch_;
    QString SavedDirectory_;
    QPersistentModelIndex EditIndex_;
};
