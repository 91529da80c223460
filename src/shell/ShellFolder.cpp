// The shell namespace over the file system: identifier lists resolved to paths, names and attributes.
#include "ShellFolder.h"

#include <algorithm>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/Directories.h"
#include "ShellVolumes.h"

namespace {

/// What an absolute list stands for.
struct TResolved {
    enum TWhat { Nothing, Desktop, Computer, FileSystem } What = Nothing;
    QString Path;  // '/'-separated; for the desktop its folder
    bool Volume = false;
};

TResolved Resolve(const TItemIdList& list) {
    TResolved result;
    if (list.IsEmpty()) {
        result.What = TResolved::Desktop;
        result.Path = QDir::fromNativeSeparators(DesktopPath());
        return result;
    }
    int next = 0;
    QString path;
    if (list[0].Kind == TShellItemId::ikComputer) {
        if (list.Count() == 1) {
            result.What = TResolved::Computer;
            return result;
        }
        if (list[1].Kind != TShellItemId::ikVolume) return result;
        path = list[1].Text;
        result.Volume = list.Count() == 2;
        next = 2;
    } else {
        // Items on the desktop live in its folder.
        path = QDir::fromNativeSeparators(DesktopPath());
    }
    for (int i = next; i < list.Count(); ++i) {
        if (list[i].Kind != TShellItemId::ikName) return result;
        path = JoinPath(path, list[i].Text);
    }
    result.What = TResolved::FileSystem;
    result.Path = path;
    return result;
}

/// Names in the order people expect: case ignored, digit runs by their value ("New folder2" before
/// "New folder10"); names equal so far by exact characters, so that distinct names never tie.
int NaturalCompare(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && a[endA].isDigit()) ++endA;
            while (endB < b.size() && b[endB].isDigit()) ++endB;
            // Compare the values without converting: leading zeros off, then length, then digits.
            QStringView runA = QStringView(a).mid(i, endA - i);
            QStringView runB = QStringView(b).mid(j, endB - j);
            while (runA.size() > 1 && runA[0] == QLatin1Char('0')) runA = runA.mid(1);
            while (runB.size() > 1 && runB[0] == QLatin1Char('0')) runB = runB.mid(1);
            if (runA.size() != runB.size()) return runA.size() < runB.size() ? -1 : 1;
            const int digits = runA.compare(runB);
            if (digits != 0) return digits < 0 ? -1 : 1;
            i = endA;
            j = endB;
            continue;
        }
        const int c = QString::compare(a.mid(i, 1), b.mid(j, 1), Qt::CaseInsensitive);
        if (c != 0) return c < 0 ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    const int exact = a.compare(b);
    return exact < 0 ? -1 : (exact > 0 ? 1 : 0);
}

int KindRank(TShellItemId::TKind kind) {
    switch (kind) {
        case TShellItemId::ikComputer:
            return 0;
        case TShellItemId::ikVolume:
            return 1;
        case TShellItemId::ikName:
            return 2;
    }
    return 3;
}

bool HasSubfolder(const QString& path) {
    QDirIterator it(path, QDir::Dirs | QDir::NoDotAndDotDot);
    return it.hasNext();
}

bool IsUsableNewName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(0))) return false;
#ifdef Q_OS_WIN
    for (const QChar c : QStringLiteral("\\:*?\"<>|"))
        if (name.contains(c)) return false;
#endif
    return true;
}

TItemIdList ListForPath(const QString& cleanPath) {
    const std::vector<TShellVolume> volumes = ComputerVolumes();
    const int index = VolumeOf(volumes, cleanPath);
    if (index < 0) return {};
    const QString root = volumes[static_cast<size_t>(index)].Root;
    std::vector<TShellItemId> ids{{TShellItemId::ikComputer, {}}, {TShellItemId::ikVolume, root}};
    const QString rest = cleanPath.mid(root.size());
    for (const QString& part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        ids.push_back({TShellItemId::ikName, part});
    return TItemIdList(std::move(ids));
}

}  // namespace

QString ShellItemPath(const TItemIdList& absolute) {
    const TResolved item = Resolve(absolute);
    if (item.What != TResolved::FileSystem && item.What != TResolved::Desktop) return {};
    return QDir::toNativeSeparators(item.Path);
}

std::optional<std::vector<TItemIdList>> IShellFolder::EnumObjects(unsigned flags) const {
    const TResolved self = Resolve(Absolute_);
    std::vector<TItemIdList> items;
    if (self.What == TResolved::Nothing) return std::nullopt;
    if (self.What == TResolved::Computer) {
        if (flags & SHCONTF_FOLDERS)
            for (const TShellVolume& volume : ComputerVolumes())
                items.push_back(TItemIdList::Of(TShellItemId::ikVolume, volume.Root));
        return items;
    }
    if (self.What == TResolved::Desktop && (flags & SHCONTF_FOLDERS))
        items.push_back(TItemIdList::Of(TShellItemId::ikComputer));
    const QFileInfo info(self.Path);
    if (!info.isDir() || !info.isReadable()) {
        if (self.What == TResolved::Desktop) return items;
        return std::nullopt;
    }
    QDir::Filters filters = QDir::NoDotAndDotDot;
    if (flags & SHCONTF_FOLDERS) filters |= QDir::Dirs;
    if (flags & SHCONTF_NONFOLDERS) filters |= QDir::Files;
    if (flags & SHCONTF_INCLUDEHIDDEN) filters |= QDir::Hidden;
    if (!(flags & (SHCONTF_FOLDERS | SHCONTF_NONFOLDERS))) return items;
    for (const QString& name : QDir(self.Path).entryList(filters, QDir::NoSort))
        items.push_back(TItemIdList::Of(TShellItemId::ikName, name));
    return items;
}

std::shared_ptr<IShellFolder> IShellFolder::BindToObject(const TItemIdList& relative) const {
    const TItemIdList absolute = Absolute_ + relative;
    const TResolved item = Resolve(absolute);
    if (item.What == TResolved::Nothing) return nullptr;
    if (item.What == TResolved::FileSystem && !QFileInfo(item.Path).isDir()) return nullptr;
    return std::make_shared<IShellFolder>(absolute);
}

int IShellFolder::CompareIDs(int column, const TItemIdList& a, const TItemIdList& b) const {
    (void)column;  // one column: the name
    const int common = std::min(a.Count(), b.Count());
    for (int level = 0; level < common; ++level) {
        const TShellItemId& x = a[level];
        const TShellItemId& y = b[level];
        if (x == y) continue;
        if (x.Kind != y.Kind) return KindRank(x.Kind) < KindRank(y.Kind) ? -1 : 1;
        if (x.Kind == TShellItemId::ikVolume) return CompareVolumes(x.Text, y.Text, QDir::homePath());
        // Folders before files, then by name.
        const QString parent = Resolve(Absolute_ + a.Left(level)).Path;
        const bool dirX = QFileInfo(JoinPath(parent, x.Text)).isDir();
        const bool dirY = QFileInfo(JoinPath(parent, y.Text)).isDir();
        if (dirX != dirY) return dirX ? -1 : 1;
        return NaturalCompare(x.Text, y.Text);
    }
    if (a.Count() == b.Count()) return 0;
    return a.Count() < b.Count() ? -1 : 1;
}

unsigned IShellFolder::GetAttributesOf(const TItemIdList& relative, unsigned requested) const {
    const TResolved item = Resolve(Absolute_ + relative);
    unsigned attributes = 0;
    switch (item.What) {
        case TResolved::Nothing:
            return 0;
        case TResolved::Desktop:
            attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM;
            break;
        case TResolved::Computer:
            attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER;
            break;
        case TResolved::FileSystem: {
            const QFileInfo info(item.Path);
            if (!info.exists() && !info.isSymLink()) return 0;
            attributes = SFGAO_FILESYSTEM;
            if (info.isDir()) {
                attributes |= SFGAO_FOLDER;
                if ((requested & SFGAO_HASSUBFOLDER) && HasSubfolder(item.Path)) attributes |= SFGAO_HASSUBFOLDER;
            }
            // Mount points and drive roots keep their names; other items follow their folder.
            if (!item.Volume && QFileInfo(info.absolutePath()).isWritable())
                attributes |= SFGAO_CANRENAME | SFGAO_CANDELETE;
            break;
        }
    }
    return attributes & requested;
}

QString IShellFolder::GetDisplayNameOf(const TItemIdList& relative, unsigned flags) const {
    const TItemIdList absolute = Absolute_ + relative;
    const TResolved item = Resolve(absolute);
    const bool parsing = flags & SHGDN_FORPARSING;
    const bool inFolder = flags & SHGDN_INFOLDER;
    switch (item.What) {
        case TResolved::Nothing:
            return {};
        case TResolved::Desktop:
            return parsing && !inFolder ? QDir::toNativeSeparators(item.Path) : QStringLiteral("Desktop");
        case TResolved::Computer:
            return parsing ? QString::fromLatin1(kComputerParsingName) : QStringLiteral("Computer");
        case TResolved::FileSystem:
            break;
    }
    if (parsing && !inFolder) return QDir::toNativeSeparators(item.Path);
    if (item.Volume) return parsing ? QDir::toNativeSeparators(item.Path) : VolumeName(item.Path, QDir::homePath());
    return absolute.Last().Text;
}

bool IShellFolder::ParseDisplayName(const QString& name, TItemIdList& relative) const {
    if (name.isEmpty()) return false;
    TItemIdList absolute;
    if (name.compare(QLatin1String(kComputerParsingName), Qt::CaseInsensitive) == 0) {
        absolute = TItemIdList::Of(TShellItemId::ikComputer);
    } else {
        QString path = QDir::fromNativeSeparators(name);
        if (!QDir::isAbsolutePath(path)) {
            const TResolved self = Resolve(Absolute_);
            if (self.What != TResolved::FileSystem && self.What != TResolved::Desktop) return false;
            path = JoinPath(self.Path, path);
        }
        path = QDir::cleanPath(path);
        const QFileInfo info(path);
        if (!info.exists()) return false;
        absolute = ListForPath(path);
        if (absolute.IsEmpty()) return false;
    }
    if (!absolute.StartsWith(Absolute_)) return false;
    relative = absolute.Mid(Absolute_.Count());
    return true;
}

bool IShellFolder::SetNameOf(const TItemIdList& relative, const QString& name, unsigned flags,
                             TItemIdList& newRelative) const {
    (void)flags;  // every kind of name is the file name here
    if (relative.Count() > 1) {
        // An item further down is renamed by its own folder.
        const auto folder = BindToObject(relative.Parent());
        TItemIdList renamed;
        if (folder == nullptr || !folder->SetNameOf(relative.LastItem(), name, flags, renamed)) return false;
        newRelative = relative.Parent() + renamed;
        return true;
    }
    if (relative.Count() != 1 || relative[0].Kind != TShellItemId::ikName || !IsUsableNewName(name)) return false;
    if (!(GetAttributesOf(relative, SFGAO_CANRENAME) & SFGAO_CANRENAME)) return false;
    const TResolved self = Resolve(Absolute_);
    if (self.What != TResolved::FileSystem && self.What != TResolved::Desktop) return false;
    const QFileInfo target(JoinPath(self.Path, name));
    // Renaming onto an existing name would replace an empty folder on some systems: refuse it.
    if (target.exists() || target.isSymLink()) {
        if (name.compare(relative[0].Text, kPathCase) != 0 || name == relative[0].Text) return false;
    }
    if (!QDir(self.Path).rename(relative[0].Text, name)) return false;
    newRelative = TItemIdList::Of(TShellItemId::ikName, name);
    return true;
}

std::shared_ptr<IShellFolder> SHGetDesktopFolder() {
    return std::make_shared<IShellFolder>(TItemIdList());
}

bool SHGetSpecialFolderLocation(int csidl, TItemIdList& absolute) {
    QString path;
    auto existing = [](const QString& candidate) { return QFileInfo(candidate).isDir() ? candidate : QString(); };
    switch (csidl) {
        case CSIDL_DESKTOP:
            absolute = TItemIdList();
            return true;
        case CSIDL_DRIVES:
            absolute = TItemIdList::Of(TShellItemId::ikComputer);
            return true;
        case CSIDL_PERSONAL:
            path = existing(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
            if (path.isEmpty()) path = QDir::homePath();
            break;
        case CSIDL_DESKTOPDIRECTORY:
            path = existing(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
            break;
        case CSIDL_APPDATA:
            path = existing(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
            break;
        case CSIDL_FONTS:
            path = existing(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            QStringLiteral("/fonts"));
            break;
        case CSIDL_PROGRAMS:
        case CSIDL_STARTMENU:
            path = existing(QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation));
            break;
        case CSIDL_TEMPLATES:
            path = existing(QDir::homePath() + QStringLiteral("/Templates"));
            break;
        default:
            return false;
    }
    if (path.isEmpty()) return false;
    TItemIdList relative;
    if (!SHGetDesktopFolder()->ParseDisplayName(path, relative)) return false;
    absolute = relative;
    return true;
}
