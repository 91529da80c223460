// TShellTreeBase: the root, the nodes built on demand, the selection by path and the reload.
#include "ShellTreeBase.h"

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "ShellRootIds.h"
#include "platform/Application.h"
#include "shell/FolderWatch.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "shell/ShellIcons.h"

namespace {
/// The hourglass and a frozen tree while the shell is asked.
class TBusyTree {
public:
    explicit TBusyTree(QWidget* tree) : Tree_(tree), WasEnabled_(tree->updatesEnabled()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        Tree_->setUpdatesEnabled(false);
    }
    ~TBusyTree() {
        Tree_->setUpdatesEnabled(WasEnabled_);
        QApplication::restoreOverrideCursor();
    }
    TBusyTree(const TBusyTree&) = delete;
    TBusyTree& operator=(const TBusyTree&) = delete;

private:
    QWidget* Tree_;
    bool WasEnabled_;
};

/// The file's extension with its dot, as the name's last dot starts it; none for names like ".profile".
QString RealExtension(const QString& path) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0) return {};
    return name.mid(dot);
}
}  // namespace

void TShellTreeNode::SetHasChildren(bool value) {
    setChildIndicatorPolicy(value ? QTreeWidgetItem::ShowIndicator : QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

QString ShellDisplayName(const IShellFolder& folder, const TItemIdList& relative, unsigned flags) {
    QString name = folder.GetDisplayNameOf(relative, flags);
    // Names such as "?1?" stand for numbered items without a name of their own.
    if (name.size() >= 2 && name[0] == QLatin1Char('?') && name[1].isDigit()) name.remove(QLatin1Char('?'));
    if (name.startsWith(QLatin1String("::{"))) name = folder.GetDisplayNameOf(relative, SHGDN_NORMAL);
    return name;
}

QString ApplyShowExt(const QString& caption, const QString& path, TShellExtDisplay mode) {
    if (mode == TShellExtDisplay::seSystem || path.isEmpty() || !QFileInfo(path).isFile()) return caption;
    const QString extension = RealExtension(path);
    if (extension.isEmpty()) return caption;
    if (mode == TShellExtDisplay::seShow) return caption.endsWith(extension) ? caption : caption + extension;
    return caption.left(std::max<qsizetype>(0, caption.size() - extension.size()));
}

TShellTreeBase::TShellTreeBase(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    InstallLabelDelegate();
    connect(this, &QTreeWidget::itemExpanded, this, &TShellTreeBase::NodeExpanded);
    connect(this, &QTreeWidget::currentItemChanged, this, [this] { SelectionChanged(); });
}

TShellTreeBase::~TShellTreeBase() {
    // Clearing moves the selection: nobody is told any more, the form holding the handlers may be
    // going already. The nodes own entries that point at the root's; they go first.
    OnChange = nullptr;
    blockSignals(true);
    clear();
}

void TShellTreeBase::Loaded() {
    Loading_ = false;
    BuildRoot();
}

void TShellTreeBase::SetRoot(const QString& value) {
    if (Changing_ || value.compare(Root_, Qt::CaseInsensitive) == 0) {
        Root_ = value;
        return;
    }
    PrevRoot_ = Root_;
    Root_ = value;
    BuildRoot();
}

void TShellTreeBase::SetObjectTypes(TShellObjectTypes value) {
    if (value == ObjectTypes_) return;
    ObjectTypes_ = value;
    BuildRoot();
}

void TShellTreeBase::SetAutoRefresh(bool value) {
    AutoRefresh_ = value;
    if (!value) {
        Watch_.reset();
        return;
    }
    if (Watch_ == nullptr) {
        Watch_ = std::make_unique<TFolderWatch>();
        // The change is handled once the watch's own signal has returned.
        Watch_->OnChange = [this] {
            QMetaObject::invokeMethod(
                this, [this] { ReloadNode(Selected()); }, Qt::QueuedConnection);
        };
    }
    Watch_->SetFolder(Selected() != nullptr ? ShellItemPath(Selected()->Entry->AbsoluteIdList) : QString());
}

unsigned TShellTreeBase::EnumFlags() const {
    unsigned flags = 0;
    if (ObjectTypes_ & otFolders) flags |= SHCONTF_FOLDERS;
    if (ObjectTypes_ & otNonFolders) flags |= SHCONTF_NONFOLDERS;
    if (ObjectTypes_ & otHidden) flags |= SHCONTF_INCLUDEHIDDEN;
    return flags;
}

bool TShellTreeBase::TryRootList(const QString& root, TItemIdList& absolute) const {
    if (const auto id = RootIdFromName(root)) return SHGetSpecialFolderLocation(RootIdCsidl(*id), absolute);
    if (root.isEmpty()) return false;
    QString path = root;
#ifdef Q_OS_WIN
    // A drive letter alone is that drive's root.
    if (path.size() == 1) path += QStringLiteral(":\\");
    if (path.size() == 2 && path[1] == QLatin1Char(':')) path += QLatin1Char('\\');
#endif
    path = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    TItemIdList relative;
    if (!DesktopEntry().ShellFolder->ParseDisplayName(path, relative)) return false;
    absolute = relative;
    return true;
}

void TShellTreeBase::RootFromName() {
    TItemIdList absolute;
    if (!TryRootList(Root_, absolute)) {
        const QString message = QStringLiteral("Error Setting Path : %1").arg(Root_);
        Root_ = PrevRoot_;
        if (!TryRootList(Root_, absolute)) throw EInvalidPath(message.toStdString());
        ShowErrorBox(message);
    }
    RootEntry_ =
        std::make_unique<TShellEntry>(absolute, &DesktopEntry(), DesktopEntry().ShellFolder->BindToObject(absolute));
}

void TShellTreeBase::BuildRoot() {
    if (Loading_ || BuildingRoot_) return;
    std::string kept;
    try {
        RootFromName();
    } catch (const EInvalidPath& error) {
        kept = error.what();
    }
    if (RootEntry_ != nullptr) {
        BuildingRoot_ = true;
        clear();
        auto* node = new TShellTreeNode();
        node->Entry =
            std::make_unique<TShellEntry>(RootEntry_->AbsoluteIdList, &DesktopEntry(), RootEntry_->ShellFolder);
        const IShellFolder& desktop = *DesktopEntry().ShellFolder;
        const TItemIdList& list = node->Entry->AbsoluteIdList;
        QString caption;
        if (!RootIdFromName(Root_)) {
            // A path root shows its last component; a root of only separators shows the shell's name.
            QString path = QDir::fromNativeSeparators(Root_);
            while (path.endsWith(QLatin1Char('/'))) path.chop(1);
            caption = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
        }
        if (caption.isEmpty()) caption = ShellDisplayName(desktop, list, SHGDN_NORMAL);
        node->setText(0, caption);
        SetNodeIcons(node);
        node->SetHasChildren(desktop.GetAttributesOf(list, SFGAO_HASSUBFOLDER) != 0);
        // Listing files too, a root holding only files has children all the same.
        if ((ObjectTypes_ & otNonFolders) && RootEntry_->ShellFolder != nullptr) {
            const auto items = RootEntry_->ShellFolder->EnumObjects(EnumFlags());
            node->SetHasChildren(items && !items->empty());
        }
        addTopLevelItem(node);
        ExpandNode(node);
        setCurrentItem(node);
        if (Watch_ != nullptr) Watch_->SetFolder(ShellItemPath(list));
        BuildingRoot_ = false;
    }
    if (!kept.empty()) throw EInvalidPath(kept);
}

void TShellTreeBase::SetNodeIcons(TShellTreeNode* node) {
    if (!UseShellImages) return;
    const TItemIdList& list = node->Entry->AbsoluteIdList;
    node->ImageIndex = ShellIconIndex(list, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    node->SelectedIndex = ShellIconIndex(list, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON);
    if (node->SelectedIndex == 0) node->SelectedIndex = node->ImageIndex;
    const TSystemImageList& images = SystemImageList();
    QIcon icon;
    icon.addPixmap(images.Icon(node->ImageIndex).pixmap(16, 16), QIcon::Normal);
    icon.addPixmap(images.Icon(node->SelectedIndex).pixmap(16, 16), QIcon::Selected);
    node->setIcon(0, icon);
}

void TShellTreeBase::SetNodeLook(TShellTreeNode* node, const IShellFolder& parentFolder, const TItemIdList& relative) {
    const QString path = ShellItemPath(node->Entry->AbsoluteIdList);
    node->setText(0, ApplyShowExt(ShellDisplayName(parentFolder, relative, SHGDN_INFOLDER), path, ShowExt));
    SetNodeIcons(node);
    const unsigned attributes =
        parentFolder.GetAttributesOf(relative, SFGAO_HASSUBFOLDER | SFGAO_SHARE | SFGAO_CANRENAME);
    node->SetHasChildren(attributes & SFGAO_HASSUBFOLDER);
    node->OverlayIndex = (attributes & SFGAO_SHARE) ? 0 : -1;
    Qt::ItemFlags flags = node->flags();
    node->setFlags((attributes & SFGAO_CANRENAME) ? flags | Qt::ItemIsEditable : flags & ~Qt::ItemIsEditable);
}

bool TShellTreeBase::SetUpNode(TShellTreeNode* node, TShellTreeNode* parent, const TItemIdList& relative) {
    const std::shared_ptr<IShellFolder>& parentFolder = parent->Entry->ShellFolder;
    auto folder = parentFolder->BindToObject(relative);
    if (folder == nullptr) {
        const TItemIdList absolute = parent->Entry->AbsoluteIdList + relative;
        if (DesktopEntry().ShellFolder->GetAttributesOf(absolute, SFGAO_FOLDER))
            folder = DesktopEntry().ShellFolder->BindToObject(absolute);
    }
    node->Entry = std::make_unique<TShellEntry>(relative, parent->Entry.get(), folder);
    SetNodeLook(node, *parentFolder, relative);
    if ((ObjectTypes_ & otNonFolders) && folder != nullptr) {
        const auto items = folder->EnumObjects(EnumFlags());
        node->SetHasChildren(items && !items->empty());
    }
    bool canAdd = true;
    FireEvent(OnAddFolder, this, *node->Entry, canAdd);
    if (!canAdd) delete node;
    return canAdd;
}

void TShellTreeBase::FillNodeChildren(TShellTreeNode* node) {
    if (node == nullptr || node->Entry == nullptr || node->Entry->ShellFolder == nullptr) return;
    TBusyTree busy(this);
    const std::shared_ptr<IShellFolder> folder = node->Entry->ShellFolder;
    const auto items = folder->EnumObjects(EnumFlags());
    if (!items) return;
    for (const TItemIdList& relative : *items) {
        auto* child = new TShellTreeNode();
        node->addChild(child);
        SetUpNode(child, node, relative);
    }
    // The shell's own order; its result counts in its low 16 bits.
    QList<QTreeWidgetItem*> children = node->takeChildren();
    std::stable_sort(children.begin(), children.end(), [&](QTreeWidgetItem* a, QTreeWidgetItem* b) {
        const int order = folder->CompareIDs(0, static_cast<TShellTreeNode*>(a)->Entry->RelativeIdList,
                                             static_cast<TShellTreeNode*>(b)->Entry->RelativeIdList);
        return static_cast<int16_t>(order & 0xFFFF) < 0;
    });
    node->addChildren(children);
}

void TShellTreeBase::NodeExpanded(QTreeWidgetItem* item) {
    auto* node = static_cast<TShellTreeNode*>(item);
    if (node == nullptr || node->Entry == nullptr) return;
    const bool isFolder = node->Entry->ParentFolder()->GetAttributesOf(node->Entry->RelativeIdList, SFGAO_FOLDER) != 0;
    if (isFolder) {
        if (node->HasChildren() && node->childCount() == 0) FillNodeChildren(node);
    } else {
        const QString path = ShellItemPath(node->Entry->AbsoluteIdList);
        if (!path.isEmpty()) ShellOpen(QUrl::fromLocalFile(path).toString());
    }
    node->SetHasChildren(node->childCount() > 0);
}

void TShellTreeBase::ExpandNode(TShellTreeNode* node) {
    if (node == nullptr) return;
    if (node->isExpanded()) {
        NodeExpanded(node);
        return;
    }
    // Listed here rather than from the view's signal, which a hidden tree may not send.
    NodeExpanded(node);
    const QSignalBlocker blocker(this);
    node->setExpanded(true);
}

void TShellTreeBase::SelectionChanged() {
    if (Watch_ != nullptr && Selected() != nullptr && Selected()->Entry != nullptr)
        Watch_->SetFolder(ShellItemPath(Selected()->Entry->AbsoluteIdList));
    FireEvent(OnChange, this);
}

QString TShellTreeBase::NodePath(const TShellTreeNode* node) const {
    if (node == nullptr || node->Entry == nullptr) return {};
    return ShellDisplayName(*DesktopEntry().ShellFolder, node->Entry->AbsoluteIdList, SHGDN_FORPARSING);
}

QString TShellTreeBase::SelectedPath() const {
    return NodePath(Selected());
}

void TShellTreeBase::SetSelectedPath(const QString& path) {
    const QString full =
        path.startsWith(QLatin1String("::{")) || path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
    TItemIdList absolute;
    if (!DesktopEntry().ShellFolder->ParseDisplayName(full, absolute)) throw EInvalidPath("Error Setting Path");
    SelectIdList(absolute);
}

TShellTreeNode* TShellTreeBase::FindNode(TShellTreeNode* from, const TItemIdList& absolute) const {
    if (from == nullptr) return nullptr;
    if (from->Entry != nullptr && from->Entry->AbsoluteIdList == absolute) return from;
    for (int i = 0; i < from->childCount(); ++i)
        if (TShellTreeNode* found = FindNode(from->Child(i), absolute)) return found;
    return nullptr;
}

void TShellTreeBase::SelectIdList(const TItemIdList& absolute) {
    if (Changing_ || Loading_ || topLevelItemCount() == 0) return;
    if (Selected() != nullptr && Selected()->Entry->AbsoluteIdList == absolute) return;
    Changing_ = true;
    TBusyTree busy(this);
    TShellTreeNode* node = TopNode();
    for (int level = 0; level < absolute.Count(); ++level) {
        if (TShellTreeNode* ancestor = FindNode(node, absolute.Left(level))) {
            ExpandNode(ancestor);
            node = ancestor;
        }
    }
    TShellTreeNode* target = FindNode(node, absolute);
    setCurrentItem(target);
    if (target != nullptr) scrollToItem(target);
    Changing_ = false;
}

void TShellTreeBase::ReloadNode(TShellTreeNode* node) {
    if (node == nullptr || node->Entry == nullptr || node->Entry->ShellFolder == nullptr) return;
    auto* topItem = static_cast<TShellTreeNode*>(itemAt(0, 0));
    const std::optional<TItemIdList> topList =
        topItem != nullptr ? std::optional(topItem->Entry->AbsoluteIdList) : std::nullopt;
    const std::optional<TItemIdList> selectedList =
        Selected() != nullptr ? std::optional(Selected()->Entry->AbsoluteIdList) : std::nullopt;
    {
        TBusyTree busy(this);
        const TShellEntry& old = *node->Entry;
        auto* fresh = new TShellTreeNode();
        const auto parentFolder = old.ParentFolder();
        fresh->Entry = std::make_unique<TShellEntry>(old.RelativeIdList, old.Parent,
                                                     parentFolder->BindToObject(old.RelativeIdList));
        QTreeWidgetItem* parent = node->parent();
        if (parent != nullptr)
            parent->insertChild(parent->indexOfChild(node), fresh);
        else
            insertTopLevelItem(indexOfTopLevelItem(node), fresh);
        SetNodeLook(fresh, *parentFolder, old.RelativeIdList);
        if (parent == nullptr) fresh->setText(0, node->text(0));  // the root keeps the caption it was built with
        FillNodeChildren(fresh);
        if (fresh->childCount() > 0) fresh->SetHasChildren(true);
        // Open again, under the fresh node, what was open under the old one (parents first).
        std::vector<TShellTreeNode*> pending{node};
        while (!pending.empty()) {
            TShellTreeNode* oldNode = pending.back();
            pending.pop_back();
            if (!oldNode->isExpanded()) continue;
            ExpandNode(FindNode(fresh, oldNode->Entry->AbsoluteIdList));
            for (int i = oldNode->childCount() - 1; i >= 0; --i) pending.push_back(oldNode->Child(i));
        }
        delete node;
    }
    if (selectedList) setCurrentItem(FindNode(TopNode(), *selectedList));
    if (topList)
        if (TShellTreeNode* top = FindNode(TopNode(), *topList)) scrollToItem(top, QAbstractItemView::PositionAtTop);
}
