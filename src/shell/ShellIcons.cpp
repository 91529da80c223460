// Shell icons from QFileIconProvider, gathered in the process-wide image list.
#include "ShellIcons.h"

#include <QApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QImage>
#include <QStyle>

#include "platform/Directories.h"
#include "ShellFolder.h"

namespace {
TSystemImageList* List = nullptr;
QFileIconProvider* Provider = nullptr;

// Icons hold pixmaps, which must go before the application object does.
void FreeShellIcons() {
    delete List;
    List = nullptr;
    delete Provider;
    Provider = nullptr;
}

QFileIconProvider& IconProvider() {
    if (Provider == nullptr) {
        Provider = new QFileIconProvider();
        // Folders show the theme's folder icon; reading per-folder settings files is not wanted.
        Provider->setOptions(QFileIconProvider::DontUseCustomDirectoryIcons);
    }
    return *Provider;
}

QByteArray PictureKey(const QIcon& icon) {
    const QImage image = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
}
}  // namespace

TSystemImageList& SystemImageList() {
    if (List == nullptr) {
        List = new TSystemImageList();
        qAddPostRoutine(FreeShellIcons);
        List->Add(IconProvider().icon(QAbstractFileIconProvider::File));
    }
    return *List;
}

QIcon TSystemImageList::Icon(int index) const {
    if (index < 0 || index >= Count()) return {};
    return Icons_[static_cast<size_t>(index)];
}

int TSystemImageList::Add(const QIcon& icon) {
    const QByteArray key = PictureKey(icon);
    for (size_t i = 0; i < Keys_.size(); ++i)
        if (Keys_[i] == key) return static_cast<int>(i);
    Icons_.push_back(icon);
    Keys_.push_back(key);
    return Count() - 1;
}

int ShellIconIndex(const TItemIdList& absolute, unsigned flags) {
    TSystemImageList& list = SystemImageList();
    QFileIconProvider& provider = IconProvider();
    if (absolute.IsEmpty()) return list.Add(provider.icon(QAbstractFileIconProvider::Desktop));
    if (absolute.Count() == 1 && absolute[0].Kind == TShellItemId::ikComputer)
        return list.Add(provider.icon(QAbstractFileIconProvider::Computer));
    const QString path = ShellItemPath(absolute);
    if (path.isEmpty()) return 0;
    if (absolute.Last().Kind == TShellItemId::ikVolume) {
        // The home folder keeps its own icon; the root and media are drives.
        if (QFileInfo(path) == QFileInfo(QDir::homePath())) return list.Add(provider.icon(QFileInfo(path)));
        return list.Add(provider.icon(QAbstractFileIconProvider::Drive));
    }
    const QFileInfo info(path);
    if ((flags & SHGFI_OPENICON) && info.isDir() && QApplication::style() != nullptr)
        return list.Add(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon));
    return list.Add(provider.icon(info));
}
