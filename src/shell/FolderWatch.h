// A watch on one folder that reports changes of the names in it, on the GUI thread.
#pragma once

#include <functional>

#include <QObject>
#include <QString>

class QFileSystemWatcher;

constexpr unsigned FILE_NOTIFY_CHANGE_FILE_NAME = 0x1;
constexpr unsigned FILE_NOTIFY_CHANGE_DIR_NAME = 0x2;

class TFolderWatch : public QObject {
    Q_OBJECT
public:
    explicit TFolderWatch(QObject* parent = nullptr);
    ~TFolderWatch() override;

    QString Folder() const { return Folder_; }
    /// Watches this folder from now on (an empty or missing one: nothing).
    void SetFolder(const QString& folder);
    /// Kept for the callers that ask; only the folder itself is watched.
    bool WatchSubTree = false;
    unsigned Filter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;

    /// Runs on the GUI thread after each change.
    std::function<void()> OnChange;

private:
    QFileSystemWatcher* Watcher_;
    QString Folder_;
};
