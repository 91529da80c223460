// Test skins of chosen versions.
#include "SkinTestFolders.h"

#include <filesystem>

#include "skin/model/SkinPackWriter.h"
#include "skin/resources/InternalSkins.h"
#include "support/TempFolder.h"

namespace {
const std::filesystem::path kTestSkin = std::filesystem::path(QUADRIMO_SOURCE_DIR) / "tests/data/skin/basic";
}

std::string SkinOptionsText(const std::string& version) {
    std::string text = ReadText((kTestSkin / "Options.dat").string());
    const size_t at = text.find("VERSION=");
    const size_t end = text.find_first_of("\r\n", at);
    return text.replace(at, end - at, "VERSION=" + version);
}

void MakeSkinFolder(const std::string& folder, const std::string& version) {
    std::filesystem::create_directories(folder);
    for (const auto& entry : std::filesystem::directory_iterator(kTestSkin))
        std::filesystem::copy_file(entry.path(), std::filesystem::path(folder) / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
    const std::string text = SkinOptionsText(version);
    WriteBytes((std::filesystem::path(folder) / "Options.dat").string(), std::vector<uint8_t>(text.begin(), text.end()));
}

void MakeSkinPackage(const std::string& file, const std::string& version) {
    TempFolder work;
    MakeSkinFolder(work / "skin", version);
    WriteBytes(file, PackSkinFolder(work / "skin"));
}

TsStoredSkin Glimmer() {
    TsStoredSkin skin;
    skin.Name = kGlimmer;
    const auto package = InternalSkinPackage(kGlimmerSkinName);
    skin.Data = QByteArray(reinterpret_cast<const char*>(package.data()), static_cast<qsizetype>(package.size()));
    return skin;
}
