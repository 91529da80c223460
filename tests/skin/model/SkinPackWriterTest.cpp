// Tests of the package writer: what a skin folder packs into, in which order, and what it refuses.
#include <gtest/gtest.h>

#include "TestPictures.h"
#include "core/Exception.h"
#include "skin/model/SkinPackReader.h"
#include "skin/model/SkinPackWriter.h"

namespace {

using testpic::Bytes;
using testpic::Unpacked;

TEST(SkinPackWriterTest, FolderPacksOptionsFirstThenPicturesInNameOrder) {
    const std::string folder = testpic::MakeSkinFolder(
        "pack-order", "[GLOBALINFO]\r\nVERSION=6.4\r\n",
        {{"b.png", Bytes("png")}, {"A.JPEG", Bytes("jpeg")}, {"a.bmp", Bytes("bmp")}, {"notes.txt", Bytes("skip")}});
    const std::vector<uint8_t> package = PackSkinFolder(folder);
    EXPECT_EQ(PackSkinFolder(folder), package);  // the same folder gives the same bytes
    auto reader = Unpacked(package);
    EXPECT_EQ(reader->EntryNames, (std::vector<std::string>{"Options.dat", "A.JPEG", "a.bmp", "b.png"}));
    ASSERT_TRUE(reader->OptionsText);
    EXPECT_EQ(*reader->OptionsText, Bytes("[GLOBALINFO]\r\nVERSION=6.4\r\n"));
    ASSERT_EQ(reader->Pictures.size(), 3u);
    EXPECT_EQ(reader->Pictures[1].Data, Bytes("bmp"));
    EXPECT_EQ(reader->PackagePosition, package.size());
}

TEST(SkinPackWriterTest, FoldersThatCannotBePacked) {
    const std::string noOptions = testpic::MakeTempFolder("pack-none");
    testpic::WriteFile(noOptions + "/a.bmp", Bytes("bmp"));
    EXPECT_THROW(PackSkinFolder(noOptions), Exception);
    const std::string emptyPicture = testpic::MakeSkinFolder("pack-empty", "[GLOBALINFO]\r\n", {{"a.bmp", {}}});
    try {
        PackSkinFolder(emptyPicture);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Cannot pack the empty file \"a.bmp\"");
    }
}

TEST(SkinPackWriterTest, EntriesKeepTheirOrderAndNamesAndEmptyOnesAreRefused) {
    SkinPackWriter writer;
    EXPECT_EQ(Unpacked(writer.Bytes())->EntryNames.size(), 0u);
    writer.Add("options.DAT", Bytes("[A]\r\n"));
    writer.Add("Z.bmp", Bytes("Z"));
    EXPECT_THROW(writer.Add("y.bmp", {}), Exception);
    writer.Add("z.bmp", Bytes(std::string(3000, 'z')));
    EXPECT_EQ(writer.Count(), 3u);
    auto reader = Unpacked(writer.Bytes());
    EXPECT_EQ(reader->EntryNames, (std::vector<std::string>{"options.DAT", "Z.bmp", "z.bmp"}));
    ASSERT_EQ(reader->Pictures.size(), 2u);
    EXPECT_EQ(reader->Pictures[0].Data, Bytes("Z"));
    EXPECT_EQ(reader->Pictures[1].Data.size(), 3000u);
}

}  // namespace
