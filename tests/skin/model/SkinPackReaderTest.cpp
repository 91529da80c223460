// Tests of the skin package reader: layout, case rules, and damaged packages of every kind.
#include <gtest/gtest.h>

#include <cstring>

#include "TestPictures.h"
#include "skin/model/SkinErrors.h"
#include "skin/model/SkinPackReader.h"

namespace {

using testpic::Bytes;
using testpic::Unpacked;

std::string MessageOf(const std::vector<uint8_t>& package) {
    try {
        Unpacked(package);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

const std::vector<testpic::Entry> kEntries = {
    {"options.DAT", Bytes("[GLOBALINFO]\r\nVERSION=6.4\r\n")},
    {"Master.bmp", Bytes("first")},
    {"Exbor.png", Bytes(std::string(5000, 'x'))},
    {"MASTER.BMP", Bytes("second")},
};

TEST(SkinPackReaderTest, UnpacksOptionsAndPicturesToTheEnd) {
    auto package = testpic::MakePackage(kEntries);
    auto reader = Unpacked(package);
    ASSERT_TRUE(reader->OptionsText);
    EXPECT_EQ(*reader->OptionsText, kEntries[0].Data);
    EXPECT_EQ(reader->PictureCount, 3);
    ASSERT_EQ(reader->Pictures.size(), 3u);
    EXPECT_EQ(reader->Pictures[0].Name, "Master.bmp");
    EXPECT_EQ(reader->Pictures[1].Data.size(), 5000u);
    EXPECT_EQ(reader->PackagePosition, package.size());
}

TEST(SkinPackReaderTest, LookupUpperCasesTheStoredNameOnlyAndTakesTheFirst) {
    auto reader = Unpacked(testpic::MakePackage(kEntries));
    ASSERT_NE(reader->FindImage("MASTER.BMP"), nullptr);
    EXPECT_EQ(reader->FindImage("MASTER.BMP")->Data, Bytes("first"));
    EXPECT_EQ(reader->FindImage("Master.bmp"), nullptr);
    EXPECT_NE(reader->FindImage("EXBOR.PNG"), nullptr);
    // Only the first PictureCount images are looked at.
    reader->PictureCount = 1;
    EXPECT_EQ(reader->FindImage("EXBOR.PNG"), nullptr);
}

TEST(SkinPackReaderTest, CountZeroUnpacksToNothing) {
    auto reader = Unpacked(testpic::MakePackage({}));
    EXPECT_FALSE(reader->OptionsText);
    EXPECT_TRUE(reader->Pictures.empty());
    EXPECT_EQ(reader->PictureCount, -1);
}

TEST(SkinPackReaderTest, WrongMagicInAnyCaseFreesTheReader) {
    for (std::string magic : {"qrvp", "QRVP", "QRvP", "Qrvp", "XXXX"}) {
        auto package = testpic::MakePackage(kEntries, magic);
        auto reader = std::make_unique<TsSkinPackReader>();
        reader->BorrowPackage(package);
        try {
            TsSkinPackReader::Unpack(reader);
            ADD_FAILURE() << magic;
        } catch (const ESkinPackageError& e) {
            EXPECT_STREQ(e.what(), "Loaded data is not a packed Corsaval file");
        }
        EXPECT_EQ(reader, nullptr) << magic;
    }
    EXPECT_EQ(MessageOf(Bytes("QR")), "Loaded data is not a packed Corsaval file");
}

TEST(SkinPackReaderTest, EveryTruncationFailsCleanly) {
    auto package = testpic::MakePackage(kEntries);
    for (size_t cut = 4; cut < package.size(); ++cut) {
        std::vector<uint8_t> shorter(package.begin(), package.begin() + static_cast<long>(cut));
        auto reader = std::make_unique<TsSkinPackReader>();
        reader->BorrowPackage(shorter);
        EXPECT_THROW(TsSkinPackReader::Unpack(reader), Exception) << cut;
        ASSERT_NE(reader, nullptr);
        EXPECT_LE(reader->PackagePosition, shorter.size());
    }
}

TEST(SkinPackReaderTest, RejectsFieldsThatDoNotFit) {
    auto package = testpic::MakePackage({{"A.BMP", Bytes("abc")}});
    auto patched = [&](size_t at, uint32_t v) {
        auto p = package;
        for (int i = 0; i < 4; ++i) p[at + i] = static_cast<uint8_t>(v >> (8 * i));
        return p;
    };
    EXPECT_EQ(MessageOf(patched(4, 0xFFFFFFFF)), "Damaged skin package: negative entry count -1");
    // The most negative count is refused before anything is derived from it (a fuzzer's finding).
    EXPECT_EQ(MessageOf(patched(4, 0x80000000)), "Damaged skin package: negative entry count -2147483648");
    EXPECT_EQ(MessageOf(patched(4, 0x7FFFFFFF)), "Damaged skin package: entry count 2147483647 does not fit the data");
    EXPECT_EQ(MessageOf(patched(8, 0)), "Damaged skin package: entry 1 has a name length of 0");
    EXPECT_EQ(MessageOf(patched(8, 0x80000000)), "Damaged skin package: entry 1 has a name length of -2147483648");
    EXPECT_EQ(MessageOf(patched(8, 1000)), "Damaged skin package: entry 1 has a name running past the end of the data");
    EXPECT_EQ(MessageOf(patched(17, 0)), "Damaged skin package: entry 1 \"A.BMP\" has an unpacked size of 0");
    EXPECT_EQ(MessageOf(patched(17, 0xFFFFFFF0)), "Damaged skin package: entry 1 \"A.BMP\" has an unpacked size of -16");
    EXPECT_EQ(MessageOf(patched(17, 0x7FFFFFFF)), "Damaged skin package: entry 1 \"A.BMP\" is too large (2147483647 bytes)");
    EXPECT_EQ(MessageOf(patched(17, 100000)), "Stream read error");  // more than the stream can hold
    EXPECT_EQ(MessageOf(patched(17, 4)), "Stream read error");  // one byte more than the stream holds
}

TEST(SkinPackReaderTest, UnpackedTotalIsCapped) {
    // Each entry is under the cap of one entry; together they would pass 256 MiB. The second entry
    // is refused before anything is allocated for it.
    const std::vector<uint8_t> zeros(2u << 20, 0);
    auto package = testpic::MakePackage({{"A.BMP", zeros}, {"B.BMP", Bytes("abc")}});
    size_t at = 0;  // B.BMP's unpacked size follows its name
    for (size_t i = 8; i + 5 <= package.size(); ++i) {
        if (std::memcmp(package.data() + i, "B.BMP", 5) == 0) at = i + 5;
    }
    ASSERT_NE(at, 0u);
    const uint32_t declared = 255u << 20;
    for (int i = 0; i < 4; ++i) package[at + i] = static_cast<uint8_t>(declared >> (8 * i));
    EXPECT_EQ(MessageOf(package),
              "Damaged skin package: entry 2 \"B.BMP\" takes the unpacked size of the package past 256 MiB");
    // Below the cap the same layout unpacks.
    auto fine = testpic::MakePackage({{"A.BMP", zeros}, {"B.BMP", Bytes("abc")}});
    EXPECT_EQ(Unpacked(fine)->Pictures.size(), 2u);
}

TEST(SkinPackReaderTest, ShortEntriesAndBadZlibDataGiveTheirMessages) {
    auto package = testpic::MakePackage({{"A.BMP", Bytes("abcdef")}});
    // Declares 7 bytes but the stream inflates to 6.
    auto longer = package;
    longer[17] = 7;
    EXPECT_EQ(MessageOf(longer), "Stream read error");
    // Declares 5: the entry is cut to 5 bytes and the rest of the stream is skipped.
    auto shorter = package;
    shorter[17] = 5;
    auto reader = Unpacked(shorter);
    EXPECT_EQ(reader->Pictures[0].Data, Bytes("abcde"));
    EXPECT_EQ(reader->PackagePosition, package.size());

    auto badHeader = package;
    badHeader[21] = 0x00;  // zlib header check fails
    EXPECT_EQ(MessageOf(badHeader), "data error");
    auto dictionary = package;
    dictionary[21] = 0x78;
    dictionary[22] = 0xBB;  // FDICT set, header check valid
    EXPECT_EQ(MessageOf(dictionary), "need dictionary");
    auto badChecksum = package;
    badChecksum[badChecksum.size() - 1] ^= 0xFF;
    EXPECT_EQ(MessageOf(badChecksum), "data error");
}

TEST(SkinPackReaderTest, LoadFromFileIgnoresMissingFilesAndCanFreeTheSource) {
    std::string folder = testpic::MakeTempFolder("pack");
    std::unique_ptr<TsSkinPackReader> reader;
    TsSkinPackReader::LoadFromFile(folder + "/none.qrv", reader, true);
    EXPECT_EQ(reader, nullptr);
    testpic::WriteFile(folder + "/a.qrv", testpic::MakePackage(kEntries));
    TsSkinPackReader::LoadFromFile(folder + "/a.qrv", reader, false);
    ASSERT_NE(reader, nullptr);
    EXPECT_TRUE(reader->HasPackageStream);
    TsSkinPackReader* first = reader.get();
    TsSkinPackReader::LoadFromFile(folder + "/a.qrv", reader, true);
    EXPECT_EQ(reader.get(), first);  // cleared and reused
    EXPECT_FALSE(reader->HasPackageStream);
    EXPECT_EQ(reader->Pictures.size(), 3u);
}

}  // namespace
