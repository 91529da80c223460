// The folder watch over QFileSystemWatcher.
#include "FolderWatch.h"

#include <QFileSystemWatcher>

TFolderWatch::TFolderWatch(QObject* parent) : QObject(parent), Watcher_(new QFileSystemWatcher(this)) {
    connect(Watcher_, &QFileSystemWatcher::directoryChanged, this, [this](const QString&) {
        if (OnChange) OnChange();
    });
}

TFolderWatch::~TFolderWatch() = default;

void TFolderWatch::SetFolder(const QString& folder) {
    if (folder == Folder_) return;
    if (!Watcher_->directories().isEmpty()) Watcher_->removePaths(Watcher_->directories());
    Folder_ = folder;
    if (!folder.isEmpty()) Watcher_->addPath(folder);
}
