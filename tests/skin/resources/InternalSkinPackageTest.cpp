// Tests of the embedded package: its entries, and that it holds what the skin folder holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "GlimmerSource.h"
#include "core/FileStreams.h"
#include "skin/resources/InternalSkins.h"

namespace {

TEST(InternalSkinPackage, IsFoundByItsExactNameOnly) {
    EXPECT_FALSE(InternalSkinPackage("Glimmer (internal)").empty());
    EXPECT_TRUE(InternalSkinPackage("glimmer (internal)").empty());
    EXPECT_TRUE(InternalSkinPackage("Glimmer").empty());
    EXPECT_EQ(InternalSkinNames(), std::vector<std::string>{"Glimmer (internal)"});
}

TEST(InternalSkinPackage, UnpacksToOneOptionsTextAndTenPictures) {
    const auto bytes = GlimmerPackageBytes();
    ASSERT_GE(bytes.size(), 8u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 4, "QRvp"));
    auto reader = UnpackGlimmer();
    EXPECT_EQ(reader->PictureCount, 10);
    EXPECT_EQ(reader->EntryNames.size(), 11u);
    ASSERT_TRUE(reader->OptionsText);
    EXPECT_FALSE(reader->OptionsText->empty());
    EXPECT_EQ(reader->PackagePosition, bytes.size());  // nothing follows the last entry
    std::vector<std::string> pictures;
    for (const auto& image : reader->Pictures) pictures.push_back(image.Name);
    std::sort(pictures.begin(), pictures.end());
    EXPECT_EQ(pictures, (std::vector<std::string>{"ButtonHuge.bmp", "Exbor.png", "GlowBtn.png", "GlowClose.png",
                                                  "GlowH.png", "GlowMax.png", "GlowMin.png", "GlowNorm.png",
                                                  "GlowWhite.png", "Master.bmp"}));
    // The options refer to pictures in upper case; the lookup upper-cases the stored names.
    EXPECT_NE(reader->FindImage("MASTER.BMP"), nullptr);
    EXPECT_EQ(reader->FindImage("Master.bmp"), nullptr);
}

TEST(InternalSkinPackage, HoldsExactlyTheFilesOfTheSkinFolder) {
    // The build packs the folder; a stale package would ship other artwork than the one committed.
    auto reader = UnpackGlimmer();
    EXPECT_EQ(*reader->OptionsText, ReadWholeFile(GlimmerFolder() + "/Options.dat"));
    for (const auto& image : reader->Pictures) {
        EXPECT_EQ(image.Data, ReadWholeFile(GlimmerFolder() + "/" + image.Name)) << image.Name;
    }
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GlimmerFolder())) files += entry.is_regular_file();
    EXPECT_EQ(files, 11u);
}

}  // namespace
