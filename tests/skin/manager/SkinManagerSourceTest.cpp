// The skin manager: where a skin comes from, failed loads, the skin list and the version checks.
#include <gtest/gtest.h>

#include <filesystem>

#include "SkinTestFolders.h"
#include "skin/manager/SkinDirectories.h"
#include "skin/manager/SkinEditorLink.h"
#include "skin/resources/InternalSkins.h"
#include "skin/manager/sSkinManager.h"
#include "support/TempFolder.h"

namespace {
/// A manager read from form data like the main window's, over a skin directory of the test's own.
std::unique_ptr<TsSkinManager> ManagerFor(const std::string& directory, const QString& name,
                                           TsStoredSkins internal = {Glimmer()}) {
    auto manager = std::make_unique<TsSkinManager>();
    manager->BeginLoading();
    manager->SetInternalSkins(internal);
    manager->SetSkinDirectory(QString::fromStdString(directory));
    manager->SetSkinName(name);
    manager->Loaded();
    return manager;
}

struct MessageLog {
    MessageLog() {
        TsSkinManager::SetMessageHook([this](const QString& text) { Texts << text; });
    }
    ~MessageLog() { TsSkinManager::SetMessageHook(nullptr); }
    QStringList Texts;
};
}  // namespace

TEST(SkinDirectories, ResolvedAgainstTheProgramFolder) {
    const std::string a = "C:\\App\\Bin\\";
    EXPECT_EQ(ResolveSkinDirectoryFor("..\\Skins", a), "C:\\App\\Skins");
    EXPECT_EQ(ResolveSkinDirectoryFor(".\\Skins", a), "C:\\App\\Bin\\Skins");
    EXPECT_EQ(ResolveSkinDirectoryFor("./Skins", a), "C:\\App\\Bin\\Skins");
    EXPECT_EQ(ResolveSkinDirectoryFor("Skins", a), "C:\\App\\Bin\\Skins");
    EXPECT_EQ(ResolveSkinDirectoryFor("c:\\Skins", a), "c:\\Skins");
    EXPECT_EQ(ResolveSkinDirectoryFor("\\\\server\\Skins", a), "\\\\server\\Skins");
    EXPECT_EQ(ResolveSkinDirectoryFor("../Skins", "/opt/quadrimo/bin/"), "/opt/quadrimo/Skins");
    EXPECT_EQ(ResolveSkinDirectoryFor("/srv/skins", "/opt/quadrimo/bin/"), "/srv/skins");
}

TEST(SkinDirectories, PackagesAreSoughtInTheDirectoryAsWritten) {
    EXPECT_EQ(PackageFileFor("..\\Skins", "Glimmer"), "..\\Skins\\Glimmer.qrv");
    EXPECT_EQ(PackageFileFor("c:\\Skins\\", "A"), "c:\\Skins\\A.qrv");
    EXPECT_EQ(PackageFileFor("skins/", "A"), "skins\\A.qrv");
    EXPECT_EQ(PackageFileFor("d", "A"), "d:\\A.qrv");
}

TEST(SkinManagerSource, PackageBeforeFolderBeforeInternalSkin) {
    TempFolder dir;
    MakeSkinFolder(dir / "Glimmer (internal)", "5.1");
    MakeSkinPackage(dir / "Glimmer (internal).qrv", "5.2");
    auto manager = ManagerFor(dir.Path().string(), kGlimmer);
    EXPECT_EQ(manager->SkinInfo(), QStringLiteral("5.2"));
    EXPECT_TRUE(manager->FromPackage());

    std::filesystem::remove(dir / "Glimmer (internal).qrv");
    manager->SetSkinName(kGlimmer);
    EXPECT_EQ(manager->SkinInfo(), QStringLiteral("5.1"));
    EXPECT_FALSE(manager->FromPackage());

    std::filesystem::remove_all(dir / "Glimmer (internal)");
    manager->SetSkinName(kGlimmer);
    EXPECT_EQ(manager->SkinInfo(), QStringLiteral("6.4"));
    EXPECT_TRUE(manager->FromPackage());  // the internal skin is a package too
}

TEST(SkinManagerSource, UnknownNameTakesTheFirstInternalSkinAndNothingSwitchesOff) {
    TempFolder dir;
    auto manager = ManagerFor(dir.Path().string(), QStringLiteral("Nowhere"));
    EXPECT_EQ(manager->SkinName(), kGlimmer);
    EXPECT_EQ(manager->SkinInfo(), QStringLiteral("6.4"));

    auto lonely = ManagerFor(dir.Path().string(), QStringLiteral("Nowhere"), {});
    EXPECT_FALSE(lonely->Active());
    EXPECT_EQ(lonely->SkinInfo(), QStringLiteral("N/A"));
}

TEST(SkinManagerSource, EmptyInternalPackageLoadsAnEmptyModel) {
    TempFolder dir;
    TsStoredSkin empty;
    empty.Name = QStringLiteral("Empty");
    auto manager = ManagerFor(dir.Path().string(), QStringLiteral("Empty"), {empty});
    EXPECT_TRUE(manager->Active());
    EXPECT_FALSE(manager->FromPackage());
    EXPECT_TRUE(manager->CommonSkinData().Sections.empty());
}

TEST(SkinManagerSource, BadPackageShowsTheErrorAndKeepsThePreviousName) {
    TempFolder dir;
    WriteBytes(dir / "Broken.qrv", {'N', 'O', 'P', 'E', 1, 2, 3, 4, 5, 6, 7, 8});
    auto manager = ManagerFor(dir.Path().string(), kGlimmer);
    MessageLog log;
    manager->SetSkinName(QStringLiteral("Broken"));
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_EQ(log.Texts[0], QStringLiteral("Loaded data is not a packed Corsaval file"));
    EXPECT_EQ(manager->SkinName(), kGlimmer);
}

TEST(SkinManagerSource, NewerSkinVersionWarnsAndIsUsed) {
    TempFolder dir;
    MakeSkinFolder(dir / "Future", "8.0");
    MakeSkinFolder(dir / "Edge", "7.99");
    auto manager = ManagerFor(dir.Path().string(), kGlimmer);
    MessageLog log;
    manager->SetSkinName(QStringLiteral("Edge"));
    EXPECT_TRUE(log.Texts.isEmpty());
    manager->SetSkinName(QStringLiteral("Future"));
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_TRUE(log.Texts[0].startsWith(QStringLiteral("This version of the skin have not complete support")));
    EXPECT_TRUE(log.Texts[0].contains(QStringLiteral("release.\r\nComponents must")));
    EXPECT_EQ(manager->SkinName(), QStringLiteral("Future"));
    EXPECT_EQ(manager->SkinInfo(), QStringLiteral("8"));
}

TEST(SkinManagerSource, ListSkinsByKind) {
    TempFolder dir;
    MakeSkinFolder(dir / "Beta", "6.0");
    MakeSkinPackage(dir / "Alpha.qrv", "6.0");
    MakeSkinPackage(dir / "Zed.v2.QRV", "6.0");
    std::filesystem::create_directories(dir / "NoOptions");
    std::filesystem::create_directories(dir / ".hidden");
    WriteBytes(dir / "readme.txt", {'x'});
    auto manager = ManagerFor(dir.Path().string(), kGlimmer);
    QStringList list;
    EXPECT_EQ(manager->ListSkins(list, slAll), kGlimmer);
    EXPECT_EQ(list, (QStringList{"Alpha", "Beta", "Glimmer (internal)", "Zed"}));
    manager->ListSkins(list, slUnpacked);
    EXPECT_EQ(list, (QStringList{"Beta", "Glimmer (internal)"}));
    manager->ListSkins(list, slPacked);
    EXPECT_EQ(list, (QStringList{"Alpha", "Glimmer (internal)", "Zed"}));
    manager->SetSkinDirectory(QString::fromStdString(dir / "missing"));
    manager->ListSkins(list, slAll);
    EXPECT_EQ(list, QStringList{kGlimmer});
}

TEST(SkinManagerSource, EditorBlockLoadsTheOptionsTextWithTheFolderPictures) {
    TempFolder dir;
    MakeSkinFolder(dir / "Edited", "6.0");
    auto manager = ManagerFor(dir.Path().string(), kGlimmer);
    const QByteArray block = MakeEditorBlock(QStringLiteral("Edited"), QString::fromStdString(dir.Path().string()),
                                             QString::fromStdString(SkinOptionsText("7.5")));
    ASSERT_EQ(block.size(), 61288);
    const auto* bytes = reinterpret_cast<const uint8_t*>(block.constData());
    EXPECT_EQ(manager->ReceiveEditorBlock({bytes, 61288}), 1);
    EXPECT_TRUE(manager->EditorLink());
    EXPECT_EQ(manager->SkinName(), QStringLiteral("Edited"));
    EXPECT_EQ(manager->SkinInfo(), QStringLiteral("7.5"));  // from the text, not the folder's file

    QByteArray wrong = block;
    wrong[0] = 0x01;
    EXPECT_EQ(manager->ReceiveEditorBlock({reinterpret_cast<const uint8_t*>(wrong.constData()), 61288}), 0);
    EXPECT_EQ(manager->ReceiveEditorBlock({bytes, 100}), 0);
}

TEST(SkinEditorLink, BlockFieldsEndAtTheirFirstZero) {
    const QString longName(200, QLatin1Char('n'));
    const QByteArray block = MakeEditorBlock(longName, QStringLiteral("C:\\Skins"), QStringLiteral("[A]\r\nB=1"));
    const auto parsed =
        ParseEditorBlock({reinterpret_cast<const uint8_t*>(block.constData()), static_cast<size_t>(block.size())});
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->Name, QString(127, QLatin1Char('n')));
    EXPECT_EQ(parsed->Directory, QStringLiteral("C:\\Skins"));
    EXPECT_EQ(parsed->Options, QStringLiteral("[A]\r\nB=1"));
}

TEST(SkinManagerSource, CommonSectionsAreLaidOverEveryLoadedSkin) {
    TempFolder dir;
    auto manager = ManagerFor(dir.Path().string(), kGlimmer);
    const SkinModel& before = manager->CommonSkinData();
    const int button = before.SectionIndexOf("BUTTON");
    ASSERT_GE(button, 0);
    ASSERT_NE(before.Sections[static_cast<size_t>(button)].Color, 255u);
    manager->SetCommonSections({QStringLiteral("[BUTTON]"), QStringLiteral("COLOR = 255"),
                                QStringLiteral("; a comment keeps its spaces")});
    EXPECT_EQ(manager->CommonSections()[1], QStringLiteral("COLOR=255"));
    EXPECT_EQ(manager->CommonSections()[2], QStringLiteral("; a comment keeps its spaces"));
    // Reloaded with the extra lines over the skin's own.
    const SkinModel& after = manager->CommonSkinData();
    EXPECT_EQ(after.Sections[static_cast<size_t>(after.SectionIndexOf("BUTTON"))].Color, 255u);
}

TEST(SkinManagerSource, ChangeEventsSurroundTheLoadingFlag) {
    TempFolder dir;
    MakeSkinFolder(dir / "Other", "6.0");
    auto manager = ManagerFor(dir.Path().string(), kGlimmer);
    std::vector<std::string> events;
    manager->OnBeforeChange = [&](QObject*) {
        events.push_back(std::string("before ") + (TsSkinManager::SkinLoading() ? "loading" : "idle"));
    };
    manager->OnAfterChange = [&](QObject*) {
        events.push_back(std::string("after ") + (TsSkinManager::SkinLoading() ? "loading" : "idle") + " " +
                         manager->SkinName().toStdString());
    };
    manager->SetSkinName(QStringLiteral("Other"));
    EXPECT_EQ(events, (std::vector<std::string>{"before idle", "after idle Other"}));
}
