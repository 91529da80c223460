// Folder calls of the platform: existence, creation, the current directory and the desktop folder.
#pragma once

#include <QString>

/// True for an absolute path naming an existing directory. Relative names are refused, so that the
/// display name of a virtual folder never passes for a folder below the current directory.
bool DirectoryExists(const QString& path);

/// Creates one directory (its parent must exist); false when it could not be created or existed.
bool CreateDirectoryW(const QString& path);

QString GetCurrentDirectoryW();
bool SetCurrentDirectoryW(const QString& path);

/// The path with the platform's separator at its end (a separator already there is kept).
QString IncludeTrailingPathDelimiter(const QString& path);
/// The folder and the name joined by one separator.
QString JoinPath(const QString& folder, const QString& name);

/// The desktop's folder: the user's desktop directory, or the home folder where there is none.
QString DesktopPath();
