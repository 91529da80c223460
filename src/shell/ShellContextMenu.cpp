// The context menu's verbs over the file system, the clipboard and the desktop's opener.
#include "ShellContextMenu.h"

#include <filesystem>
#include <system_error>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "platform/Directories.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "ShellFolder.h"

namespace {
ShellDeleteHandler DeleteHandler = nullptr;

QStringList ClipboardFiles() {
    QStringList files;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard != nullptr ? clipboard->mimeData() : nullptr;
    if (data == nullptr || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}

bool PasteInto(const QString& folder) {
    const QStringList files = ClipboardFiles();
    if (files.isEmpty()) return false;
    bool all = true;
    for (const QString& source : files) {
        const QFileInfo from(source);
        const QString target = JoinPath(folder, from.fileName());
        // An existing name is never overwritten.
        if (!from.exists() || QFileInfo::exists(target)) {
            all = false;
            continue;
        }
        std::error_code error;
        std::filesystem::copy(std::filesystem::path(source.toStdString()), std::filesystem::path(target.toStdString()),
                              std::filesystem::copy_options::recursive, error);
        if (error) all = false;
    }
    return all;
}

bool DeleteItem(QWidget* owner, const QString& path) {
    const QString text = QStringLiteral("Move \"%1\" to the trash?").arg(QFileInfo(path).fileName());
    if (MessageBoxW(owner, text, QStringLiteral("Delete"), MB_YESNO | MB_ICONQUESTION) != IDYES) return false;
    if (DeleteHandler != nullptr) return DeleteHandler(path);
    return QFile::moveToTrash(path);
}
}  // namespace

void SetShellDeleteHandler(ShellDeleteHandler handler) {
    DeleteHandler = handler;
}

TShellContextMenu::TShellContextMenu(TItemIdList item, unsigned options) : Item_(std::move(item)), Options_(options) {}

std::vector<TShellContextMenu::TItem> TShellContextMenu::Items() const {
    std::vector<TItem> items;
    const auto desktop = SHGetDesktopFolder();
    const unsigned attributes =
        desktop->GetAttributesOf(Item_, SFGAO_FOLDER | SFGAO_CANRENAME | SFGAO_CANDELETE | SFGAO_FILESYSTEM);
    const QString path = ShellItemPath(Item_);
    if (!path.isEmpty() && QFileInfo::exists(path)) items.push_back({QStringLiteral("open"), QStringLiteral("Open")});
    if ((attributes & SFGAO_FOLDER) && !path.isEmpty())
        items.push_back({QStringLiteral("paste"), QStringLiteral("Paste"), !ClipboardFiles().isEmpty()});
    if (attributes & SFGAO_CANDELETE) items.push_back({QStringLiteral("delete"), QStringLiteral("Delete")});
    if ((Options_ & CMF_CANRENAME) && (attributes & SFGAO_CANRENAME))
        items.push_back({QStringLiteral("rename"), QStringLiteral("Rename")});
    return items;
}

void TShellContextMenu::FillMenu(QMenu& menu) const {
    for (const TItem& item : Items()) {
        QAction* action = menu.addAction(item.Caption);
        action->setData(item.Verb);
        action->setEnabled(item.Enabled);
        // The first command is the one a double click would run.
        if (item.Verb == QLatin1String("open") && (Options_ & CMF_EXPLORE)) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
        }
    }
}

bool TShellContextMenu::InvokeCommand(const QString& verb, QWidget* owner) const {
    const QString path = ShellItemPath(Item_);
    if (path.isEmpty()) return false;
    const QString lower = verb.toLower();
    if (lower == QLatin1String("open")) return ShellOpen(QUrl::fromLocalFile(path).toString());
    if (lower == QLatin1String("paste")) return QFileInfo(path).isDir() && PasteInto(path);
    if (lower == QLatin1String("delete")) {
        const unsigned can = SHGetDesktopFolder()->GetAttributesOf(Item_, SFGAO_CANDELETE);
        return can != 0 && DeleteItem(owner, path);
    }
    // Renaming needs a place to type the name: only the host of the menu can do it.
    return false;
}

void TShellContextMenu::RunCommand(const QString& verb, QWidget* owner, IShellCommandHook* hook) const {
    bool handled = false;
    if (hook != nullptr) hook->BeforeCommand(verb, handled);
    const bool succeeded = handled || InvokeCommand(verb, owner);
    if (hook != nullptr) hook->AfterCommand(verb, succeeded);
}

void TShellContextMenu::Popup(QWidget* owner, const QPoint& screenPos, IShellCommandHook* hook) const {
    QMenu menu(owner);
    FillMenu(menu);
    if (menu.isEmpty()) return;
    const QAction* chosen = menu.exec(screenPos);
    if (chosen == nullptr) return;
    RunCommand(chosen->data().toString(), owner, hook);
}
