// Computer folder entries from the mounted volumes.
#include "ShellVolumes.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {
bool IsUnder(const QString& path, const QString& folder) {
    if (folder.endsWith(QLatin1Char('/'))) return path.startsWith(folder, kPathCase);
    return path.compare(folder, kPathCase) == 0 || path.startsWith(folder + QLatin1Char('/'), kPathCase);
}

bool IsMediaMount(const QString& root) {
    for (const QLatin1String parent :
         {QLatin1String("/media/"), QLatin1String("/run/media/"), QLatin1String("/Volumes/")})
        if (root.startsWith(parent) && root.size() > parent.size()) return true;
    return IsUnder(root, QStringLiteral("/mnt"));
}

QString Cleaned(const QString& path) {
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}
}  // namespace

QString VolumeName(const QString& root, const QString& home) {
    const QString clean = Cleaned(root);
    if (clean == QLatin1String("/")) return QStringLiteral("File System");
    if (!home.isEmpty() && clean.compare(Cleaned(home), kPathCase) == 0) return QStringLiteral("Home");
#ifdef Q_OS_WIN
    // A drive root: its label, if any, with the letter.
    if (clean.size() <= 3 && clean.size() >= 2 && clean[1] == QLatin1Char(':')) {
        QString label = QStorageInfo(root).name();
        if (label.isEmpty()) label = QStringLiteral("Local Disk");
        return label + QStringLiteral(" (") + clean.left(2).toUpper() + QLatin1Char(')');
    }
#endif
    const QString name = QFileInfo(clean).fileName();
    return name.isEmpty() ? clean : name;
}

int CompareVolumes(const QString& rootA, const QString& rootB, const QString& home) {
    const QString cleanHome = Cleaned(home);
    auto rank = [&](const QString& root) {
        const QString clean = Cleaned(root);
        if (clean == QLatin1String("/")) return 0;
        if (!cleanHome.isEmpty() && clean.compare(cleanHome, kPathCase) == 0) return 1;
        return 2;
    };
    const int a = rank(rootA);
    const int b = rank(rootB);
    if (a != b) return a < b ? -1 : 1;
    const int byPath = Cleaned(rootA).compare(Cleaned(rootB), kPathCase);
    return byPath < 0 ? -1 : (byPath > 0 ? 1 : 0);
}

std::vector<TShellVolume> ChooseVolumes(const QStringList& mountedRoots, const QString& home) {
    QStringList roots;
    roots << QStringLiteral("/");
    if (!home.isEmpty()) roots << Cleaned(home);
    for (const QString& mounted : mountedRoots) {
        const QString clean = Cleaned(mounted);
        if (IsMediaMount(clean)) roots << clean;
    }
    std::sort(roots.begin(), roots.end(),
              [&](const QString& a, const QString& b) { return CompareVolumes(a, b, home) < 0; });
    roots.removeDuplicates();
    std::vector<TShellVolume> volumes;
    for (const QString& root : roots) volumes.push_back({root, VolumeName(root, home)});
    return volumes;
}

std::vector<TShellVolume> ComputerVolumes() {
#ifdef Q_OS_WIN
    std::vector<TShellVolume> volumes;
    for (const QFileInfo& drive : QDir::drives()) {
        const QString root = drive.absoluteFilePath();
        volumes.push_back({root, VolumeName(root, QString())});
    }
    return volumes;
#else
    QStringList mounted;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid()) mounted << volume.rootPath();
    return ChooseVolumes(mounted, QDir::homePath());
#endif
}

int VolumeOf(const std::vector<TShellVolume>& volumes, const QString& path) {
    const QString clean = Cleaned(path);
    int best = -1;
    for (int i = 0; i < static_cast<int>(volumes.size()); ++i) {
        const QString& root = volumes[static_cast<size_t>(i)].Root;
        if (!IsUnder(clean, Cleaned(root))) continue;
        if (best < 0 || root.size() > volumes[static_cast<size_t>(best)].Root.size()) best = i;
    }
    return best;
}
