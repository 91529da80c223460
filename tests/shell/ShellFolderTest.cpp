// The shell namespace over temporary folders: parsing, names, listing, order, attributes, renaming.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/Directories.h"
#include "shell/ShellFolder.h"
#include "shell/ShellIcons.h"
#include "shell/ShellVolumes.h"
#include "support/TempFolder.h"

namespace {
QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void MakeFile(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

/// A folder of the namespace by its path.
std::shared_ptr<IShellFolder> FolderAt(const QString& path) {
    TItemIdList list;
    if (!SHGetDesktopFolder()->ParseDisplayName(path, list)) return nullptr;
    return SHGetDesktopFolder()->BindToObject(list);
}

/// The in-folder names of the folder's children of the kinds, in the namespace's order.
QStringList Listed(const IShellFolder& folder, unsigned flags) {
    auto items = folder.EnumObjects(flags);
    if (!items) return {QStringLiteral("<none>")};
    std::sort(items->begin(), items->end(),
              [&](const TItemIdList& a, const TItemIdList& b) { return folder.CompareIDs(0, a, b) < 0; });
    QStringList names;
    for (const TItemIdList& item : *items) names << folder.GetDisplayNameOf(item, SHGDN_INFOLDER);
    return names;
}
}  // namespace

TEST(ShellVolumes, RootHomeAndMountedMediaInOrder) {
    const QStringList mounted = {"/",          "/proc",     "/media/ann/USB", "/run/media/ann/Photos", "/mnt/backup",
                                 "/snap/x/12", "/boot/efi", "/home",          "/media/ann/USB",        "/mnt"};
    const std::vector<TShellVolume> expected = {{"/", "File System"},      {"/home/ann", "Home"},
                                                {"/media/ann/USB", "USB"}, {"/mnt", "mnt"},
                                                {"/mnt/backup", "backup"}, {"/run/media/ann/Photos", "Photos"}};
    const std::vector<TShellVolume> volumes = ChooseVolumes(mounted, QStringLiteral("/home/ann"));
    EXPECT_EQ(volumes, expected);
    struct {
        const char* Path;
        int Volume;
    } const owners[] = {{"/home/ann/maps", 1}, {"/home/annex", 0}, {"/mnt", 3}, {"/mnt/backup/x", 4}, {"/etc", 0}};
    for (const auto& owner : owners)
        EXPECT_EQ(VolumeOf(volumes, QString::fromLatin1(owner.Path)), owner.Volume) << owner.Path;
}

TEST(ShellFolder, PathsParseAndNameBack) {
    TempFolder temp;
    const QString root = Q(temp.Path().string());
    QDir(root).mkpath(QStringLiteral("Maps/2024"));
    const auto desktop = SHGetDesktopFolder();
    for (const QString& path : {root, root + "/Maps", root + "/Maps/2024", QStringLiteral("/")}) {
        TItemIdList list;
        ASSERT_TRUE(desktop->ParseDisplayName(path, list)) << path.toStdString();
        EXPECT_EQ(desktop->GetDisplayNameOf(list, SHGDN_FORPARSING), QDir::toNativeSeparators(path));
        EXPECT_EQ(ShellItemPath(list), QDir::toNativeSeparators(path));
        EXPECT_EQ(list[0].Kind, TShellItemId::ikComputer);  // file-system items lie below the computer
        if (path != QLatin1String("/")) {
            EXPECT_EQ(desktop->GetDisplayNameOf(list, SHGDN_INFOLDER), QDir(path).dirName());
        }
    }
    TItemIdList list;
    EXPECT_FALSE(desktop->ParseDisplayName(root + "/missing", list));
    EXPECT_FALSE(desktop->ParseDisplayName(QString(), list));
    // A folder parses names relative to itself and gives lists relative to itself.
    const auto maps = FolderAt(root + "/Maps");
    ASSERT_NE(maps, nullptr);
    ASSERT_TRUE(maps->ParseDisplayName(QStringLiteral("2024"), list));
    EXPECT_EQ(list, TItemIdList::Of(TShellItemId::ikName, QStringLiteral("2024")));
    EXPECT_FALSE(maps->ParseDisplayName(root, list));  // not below it

    TItemIdList computer;
    ASSERT_TRUE(desktop->ParseDisplayName(QString::fromLatin1(kComputerParsingName), computer));
    EXPECT_EQ(desktop->GetDisplayNameOf(computer, SHGDN_NORMAL), QStringLiteral("Computer"));
    EXPECT_TRUE(ShellItemPath(computer).isEmpty());
    EXPECT_EQ(desktop->GetDisplayNameOf(TItemIdList(), SHGDN_FORPARSING), DesktopPath());
}

TEST(ShellFolder, SpecialFoldersThatExistHereAndOthersFail) {
    TItemIdList list;
    ASSERT_TRUE(SHGetSpecialFolderLocation(CSIDL_DESKTOP, list));
    EXPECT_TRUE(list.IsEmpty());
    ASSERT_TRUE(SHGetSpecialFolderLocation(CSIDL_DRIVES, list));
    EXPECT_EQ(list, TItemIdList::Of(TShellItemId::ikComputer));
    ASSERT_TRUE(SHGetSpecialFolderLocation(CSIDL_PERSONAL, list));
    EXPECT_TRUE(DirectoryExists(ShellItemPath(list)));
    for (int csidl : {CSIDL_NETWORK, CSIDL_BITBUCKET, CSIDL_PRINTERS, CSIDL_CONTROLS, CSIDL_INTERNET, 99})
        EXPECT_FALSE(SHGetSpecialFolderLocation(csidl, list)) << csidl;
}

TEST(ShellFolder, ListingFollowsTheFlagsInTheShellsOrder) {
    TempFolder temp;
    const QString root = Q(temp.Path().string());
    for (const char* dir : {"b", "a10", "A2", ".cache"}) QDir(root).mkdir(QString::fromLatin1(dir));
    for (const char* file : {"a1.txt", ".profile"}) MakeFile(root + "/" + QString::fromLatin1(file));
    const auto folder = FolderAt(root);
    ASSERT_NE(folder, nullptr);
    struct {
        unsigned Flags;
        QStringList Names;
    } const cases[] = {
        {SHCONTF_FOLDERS, {"A2", "a10", "b"}},
        {SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, {"A2", "a10", "b", "a1.txt"}},
        {SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN, {".cache", "A2", "a10", "b"}},
        {SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN, {".profile", "a1.txt"}},
        {0, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Listed(*folder, c.Flags), c.Names) << c.Flags;

    EXPECT_FALSE(IShellFolder(TItemIdList::Of(TShellItemId::ikName, QStringLiteral("no such folder here")))
                     .EnumObjects(SHCONTF_FOLDERS));
    const QStringList computer = Listed(IShellFolder(TItemIdList::Of(TShellItemId::ikComputer)), SHCONTF_FOLDERS);
    ASSERT_GE(computer.size(), 2);
    EXPECT_EQ(computer.mid(0, 2), (QStringList{"File System", "Home"}));
    const auto desktopItems = SHGetDesktopFolder()->EnumObjects(SHCONTF_FOLDERS);
    ASSERT_TRUE(desktopItems && !desktopItems->empty());
    EXPECT_EQ(desktopItems->front(), TItemIdList::Of(TShellItemId::ikComputer));
}

TEST(ShellFolder, AttributesOfFoldersFilesVolumesAndTheComputer) {
    TempFolder temp;
    const QString root = Q(temp.Path().string());
    QDir(root).mkpath(QStringLiteral("full/sub"));
    QDir(root).mkdir(QStringLiteral("empty"));
    MakeFile(root + "/file.txt");
    const auto folder = FolderAt(root);
    ASSERT_NE(folder, nullptr);
    const unsigned all = SFGAO_FOLDER | SFGAO_HASSUBFOLDER | SFGAO_CANRENAME | SFGAO_FILESYSTEM | SFGAO_SHARE;
    auto name = [](const char* text) { return TItemIdList::Of(TShellItemId::ikName, QString::fromLatin1(text)); };
    EXPECT_EQ(folder->GetAttributesOf(name("full"), all),
              SFGAO_FOLDER | SFGAO_HASSUBFOLDER | SFGAO_CANRENAME | SFGAO_FILESYSTEM);
    EXPECT_EQ(folder->GetAttributesOf(name("empty"), all), SFGAO_FOLDER | SFGAO_CANRENAME | SFGAO_FILESYSTEM);
    EXPECT_EQ(folder->GetAttributesOf(name("file.txt"), all), SFGAO_CANRENAME | SFGAO_FILESYSTEM);
    EXPECT_EQ(folder->GetAttributesOf(name("gone"), all), 0u);
    EXPECT_EQ(folder->GetAttributesOf(name("full"), SFGAO_FOLDER), SFGAO_FOLDER);  // only what was asked
    EXPECT_EQ(folder->BindToObject(name("file.txt")), nullptr);

    const IShellFolder computer(TItemIdList::Of(TShellItemId::ikComputer));
    EXPECT_EQ(computer.GetAttributesOf(TItemIdList::Of(TShellItemId::ikVolume, QStringLiteral("/")), all),
              SFGAO_FOLDER | SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM);  // a mount point keeps its name
    EXPECT_EQ(SHGetDesktopFolder()->GetAttributesOf(TItemIdList::Of(TShellItemId::ikComputer), all),
              SFGAO_FOLDER | SFGAO_HASSUBFOLDER);
}

TEST(ShellFolder, RenameGivesTheNewListAndRefusesCollisionsAndBadNames) {
    TempFolder temp;
    const QString root = Q(temp.Path().string());
    QDir(root).mkpath(QStringLiteral("old/inner"));
    QDir(root).mkdir(QStringLiteral("taken"));
    const auto folder = FolderAt(root);
    ASSERT_NE(folder, nullptr);
    const TItemIdList old = TItemIdList::Of(TShellItemId::ikName, QStringLiteral("old"));
    TItemIdList renamed;
    for (const char* bad : {"taken", "a/b", "", "..", "old"})
        EXPECT_FALSE(folder->SetNameOf(old, QString::fromLatin1(bad), SHGDN_NORMAL, renamed)) << bad;
    EXPECT_TRUE(QDir(root + "/taken").exists());
    ASSERT_TRUE(folder->SetNameOf(old, QStringLiteral("new"), SHGDN_NORMAL, renamed));
    EXPECT_EQ(renamed, TItemIdList::Of(TShellItemId::ikName, QStringLiteral("new")));
    EXPECT_TRUE(QDir(root + "/new/inner").exists());
    // An item further down is renamed by its own folder.
    const TItemIdList inner = renamed + TItemIdList::Of(TShellItemId::ikName, QStringLiteral("inner"));
    ASSERT_TRUE(folder->SetNameOf(inner, QStringLiteral("deep"), SHGDN_NORMAL, renamed));
    EXPECT_EQ(folder->GetDisplayNameOf(renamed, SHGDN_FORPARSING), root + "/new/deep");
}

TEST(ShellFolder, CompareIdsOrdersLevelsAndKinds) {
    TempFolder temp;
    const QString root = Q(temp.Path().string());
    QDir(root).mkpath(QStringLiteral("New folder2/x"));
    QDir(root).mkdir(QStringLiteral("New folder10"));
    const auto folder = FolderAt(root);
    ASSERT_NE(folder, nullptr);
    auto name = [](const QString& text) { return TItemIdList::Of(TShellItemId::ikName, text); };
    const TItemIdList two = name("New folder2");
    const TItemIdList ten = name("New folder10");
    EXPECT_LT(folder->CompareIDs(0, two, ten), 0);
    EXPECT_GT(folder->CompareIDs(0, ten, two), 0);
    EXPECT_EQ(folder->CompareIDs(0, two, two), 0);
    EXPECT_LT(folder->CompareIDs(0, two, two + name("x")), 0);  // a folder before what it holds
    const IShellFolder desktop{TItemIdList()};
    EXPECT_LT(desktop.CompareIDs(0, TItemIdList::Of(TShellItemId::ikComputer), name("Zeta")), 0);
}

TEST(ShellIcons, FoldersShareOnePictureAndHaveAnOpenOne) {
    TempFolder temp;
    const QString root = Q(temp.Path().string());
    QDir(root).mkdir(QStringLiteral("a"));
    QDir(root).mkdir(QStringLiteral("b"));
    TItemIdList a, b;
    ASSERT_TRUE(SHGetDesktopFolder()->ParseDisplayName(root + "/a", a));
    ASSERT_TRUE(SHGetDesktopFolder()->ParseDisplayName(root + "/b", b));
    const int small = ShellIconIndex(a, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    const int count = SystemImageList().Count();
    EXPECT_EQ(ShellIconIndex(b, SHGFI_SYSICONINDEX | SHGFI_SMALLICON), small);
    EXPECT_EQ(SystemImageList().Count(), count);  // nothing added for the same picture
    EXPECT_NE(ShellIconIndex(a, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON), small);
    EXPECT_FALSE(SystemImageList().Icon(small).isNull());
    EXPECT_TRUE(SystemImageList().Icon(-1).isNull());
}

TEST(Directories, ExistenceCreationAndSeparators) {
    TempFolder temp;
    const QString root = Q(temp.Path().string());
    EXPECT_TRUE(DirectoryExists(root));
    EXPECT_FALSE(DirectoryExists(QDir(root).dirName()));  // relative names are not folders here
    EXPECT_FALSE(DirectoryExists(QString()));
    EXPECT_TRUE(CreateDirectoryW(root + "/made"));
    EXPECT_FALSE(CreateDirectoryW(root + "/made"));
    EXPECT_FALSE(CreateDirectoryW(root + "/no/parent"));
    EXPECT_EQ(IncludeTrailingPathDelimiter(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(IncludeTrailingPathDelimiter(QStringLiteral("/a")), QDir::toNativeSeparators(QStringLiteral("/a/")));
}
