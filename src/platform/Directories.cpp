// Folder calls over QDir and QStandardPaths.
#include "Directories.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

bool DirectoryExists(const QString& path) {
    if (path.isEmpty() || !QDir::isAbsolutePath(path)) return false;
    return QFileInfo(path).isDir();
}

bool CreateDirectoryW(const QString& path) {
    return !path.isEmpty() && QDir().mkdir(path);
}

QString GetCurrentDirectoryW() {
    return QDir::toNativeSeparators(QDir::currentPath());
}

bool SetCurrentDirectoryW(const QString& path) {
    return !path.isEmpty() && QDir::setCurrent(path);
}

QString IncludeTrailingPathDelimiter(const QString& path) {
    if (path.endsWith(QLatin1Char('/')) || path.endsWith(QDir::separator())) return path;
    return path + QDir::separator();
}

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    return IncludeTrailingPathDelimiter(folder) + name;
}

QString DesktopPath() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir()) return QDir::toNativeSeparators(desktop);
    return QDir::toNativeSeparators(QDir::homePath());
}
