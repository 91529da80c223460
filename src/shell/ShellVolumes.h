// The computer folder's entries: drive roots on Windows, elsewhere the mount points a user expects.
#pragma once

#include <vector>

#include <QString>
#include <QStringList>

/// How the file system compares paths.
#ifdef Q_OS_WIN
inline constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
inline constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

struct TShellVolume {
    QString Root;  // the root path: "/", "/home/ann", "/media/ann/USB", "C:/"
    QString Name;  // the display name
    bool operator==(const TShellVolume&) const = default;
};

/// The computer folder's entries from the system's mounted roots: the file system's root, the home
/// folder, then, by path, the media mounted under /media, /run/media, /mnt (and /Volumes). Other
/// mounts (system, snap and container mounts) are left out.
std::vector<TShellVolume> ChooseVolumes(const QStringList& mountedRoots, const QString& home);

/// The entries now (mounts are read each time: media come and go). On Windows the drive roots.
std::vector<TShellVolume> ComputerVolumes();

/// The display name of a volume root: "File System", "Home", the mount folder's name.
QString VolumeName(const QString& root, const QString& home);

/// The index of the volume whose root holds the path (the longest such root); -1 when none does.
int VolumeOf(const std::vector<TShellVolume>& volumes, const QString& path);

/// The volumes' order: the root first, then the home folder, then by path. Negative, zero or positive.
int CompareVolumes(const QString& rootA, const QString& rootB, const QString& home);
