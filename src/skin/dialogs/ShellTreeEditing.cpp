// TShellTreeBase: renaming in place, the context menu and its command hook.
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>

#include "ShellTreeBase.h"
#include "platform/Application.h"
#include "platform/Directories.h"

/// The label editor's side: an edit that ends with a new text renames the item instead of setting
/// the caption.
class TShellLabelDelegate : public QStyledItemDelegate {
public:
    explicit TShellLabelDelegate(TShellTreeBase* tree) : QStyledItemDelegate(tree), Tree_(tree) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        Tree_->EditIndex_ = index;
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
        const auto* line = qobject_cast<QLineEdit*>(editor);
        if (line == nullptr) return;
        auto* node = static_cast<TShellTreeNode*>(Tree_->itemFromIndex(index));
        const QString text = line->text();
        TApplication::Guarded([&] { Tree_->LabelEdited(node, text); });
    }

private:
    TShellTreeBase* Tree_;
};

void TShellTreeBase::InstallLabelDelegate() {
    setItemDelegate(new TShellLabelDelegate(this));
}

bool TShellTreeBase::IsEditing() const {
    return EditIndex_.isValid() && indexWidget(EditIndex_) != nullptr;
}

void TShellTreeBase::StartEditing(TShellTreeNode* node) {
    if (node == nullptr) return;
    setCurrentItem(node);
    editItem(node, 0);
}

void TShellTreeBase::EndEditing(bool keep) {
    QWidget* editor = EditIndex_.isValid() ? indexWidget(EditIndex_) : nullptr;
    if (editor == nullptr) return;
    if (keep) commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    EditIndex_ = QPersistentModelIndex();
}

void TShellTreeBase::LabelEdited(TShellTreeNode* node, QString text) {
    if (node == nullptr || node->Entry == nullptr || text == node->text(0)) return;
    FireEvent(OnEdited, this, node, text);
    if (text.isEmpty()) return;
    TShellEntry& entry = *node->Entry;
    const std::shared_ptr<IShellFolder> folder = entry.ParentFolder();
    // An item the shell will not rename keeps its caption.
    if (folder->GetAttributesOf(entry.RelativeIdList, SFGAO_CANRENAME) == 0) return;
    TItemIdList renamed;
    if (!folder->SetNameOf(entry.RelativeIdList, text, SHGDN_NORMAL, renamed))
        throw EShellRenameError(QStringLiteral("Rename to %1 failed").arg(text).toStdString());
    entry.RelativeIdList = renamed;
    entry.AbsoluteIdList = entry.Parent->AbsoluteIdList + renamed;
    entry.ShellFolder = folder->BindToObject(renamed);
    node->setText(0, text);
    // The parent is listed again once the editor is gone: the rename ends inside the editor's commit.
    if (TShellTreeNode* parent = node->ParentNode()) {
        const TItemIdList parentList = parent->Entry->AbsoluteIdList;
        QMetaObject::invokeMethod(
            this, [this, parentList] { ReloadNode(FindNode(TopNode(), parentList)); }, Qt::QueuedConnection);
    }
}

void TShellTreeBase::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && !RightClickSelect) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void TShellTreeBase::contextMenuEvent(QContextMenuEvent* event) {
    const bool ownMenu = contextMenuPolicy() != Qt::DefaultContextMenu;
    if (!AutoContextMenus || ownMenu || Selected() == nullptr || Selected()->Entry == nullptr) {
        QTreeWidget::contextMenuEvent(event);
        return;
    }
    unsigned options = CMF_EXPLORE;
    if (editTriggers() != QAbstractItemView::NoEditTriggers) options |= CMF_CANRENAME;
    const TShellContextMenu menu(Selected()->Entry->AbsoluteIdList, options);
    TApplication::Guarded([&] { menu.Popup(this, event->globalPos(), this); });
}

void TShellTreeBase::BeforeCommand(const QString& verb, bool& handled) {
    const QString lower = verb.toLower();
    if (lower == QLatin1String("rename")) {
        StartEditing(Selected());
        handled = true;
    } else if (lower == QLatin1String("open")) {
        // Programs opened from the menu start in the folder of the item.
        SavedDirectory_ = GetCurrentDirectoryW();
        const QString path = Selected() != nullptr ? ShellItemPath(Selected()->Entry->AbsoluteIdList) : QString();
        if (!path.isEmpty()) SetCurrentDirectoryW(QFileInfo(path).absolutePath());
    }
}

void TShellTreeBase::AfterCommand(const QString& verb, bool succeeded) {
    (void)succeeded;
    const QString lower = verb.toLower();
    TShellTreeNode* node = Selected();
    if (lower == QLatin1String("open")) {
        SetCurrentDirectoryW(SavedDirectory_);
    } else if (lower == QLatin1String("delete")) {
        const QString path = node != nullptr ? ShellItemPath(node->Entry->AbsoluteIdList) : QString();
        const QFileInfo info(path);
        if (!path.isEmpty() && !info.exists() && !info.isSymLink()) delete node;
    } else if (lower == QLatin1String("paste")) {
        ReloadNode(node);
    }
}
