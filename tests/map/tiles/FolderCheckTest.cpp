// The check of a finished folder: a complete pyramid passes; each kind of damage is found and named.
#include "map/tiles/FolderCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "MapRunSupport.h"
#include "core/Exception.h"
#include "core/FileStreams.h"

namespace {

namespace fs = std::filesystem;

// A complete folder of a 1000 x 700 map: info.js and 17 tiles.
class FolderCheck : public ::testing::Test {
protected:
    TempFolder Work;
    std::string Out = Work / "out";

    void SetUp() override {
        fs::create_directory(Out);
        FixedMapInputs inputs;
        inputs.Map = WriteBlockMap(Work, "map.jpg", 1000, 700);
        inputs.Folder = Out;
        inputs.Title = "Plan";
        RecordingProgress progress;
        MapPreparationOptions options;
        options.CodePage = 1252;
        ASSERT_EQ(PrepareMap(inputs, progress, options).Result, MapPreparationResult::Completed);
    }

    std::string Tile(const std::string& name) const { return JoinPath(Out, name); }
};

TEST_F(FolderCheck, ACompleteFolderPassesWithProgressPerTile) {
    RecordingProgress progress;
    FolderCheckReport report = CheckOutputFolder(Out, progress);
    EXPECT_TRUE(report.Complete());
    EXPECT_EQ(report.Checked, 17);
    EXPECT_EQ(report.Description.Title, "Plan");
    EXPECT_EQ(progress.Events.front(), "max 17");
    EXPECT_EQ(progress.Events.back(), "pos 17");
    EXPECT_EQ(std::count(progress.Events.begin(), progress.Events.end(), "pump"), 17);
}

TEST_F(FolderCheck, FindsMissingCorruptAndExtraTiles) {
    const auto tileBytes = [&](const std::string& name) { return ReadBytes(Tile(name)); };
    const struct {
        const char* Damage;
        std::function<void()> Do;
        std::vector<std::string> Missing, Corrupt, Extra;
    } cases[] = {
        {"one tile deleted", [&] { fs::remove(Tile("17_1_0.jpg")); }, {"17_1_0.jpg"}, {}, {}},
        {"one tile cut short",
         [&] {
             auto bytes = tileBytes("18_2_1.jpg");
             bytes.resize(bytes.size() / 2);
             WriteBytes(Tile("18_2_1.jpg"), bytes);
         },
         {}, {"18_2_1.jpg (Premature end of JPEG file)"}, {}},
        {"one tile emptied", [&] { WriteBytes(Tile("16_0_0.jpg"), {}); }, {}, {"16_0_0.jpg (Empty input file)"}, {}},
        {"one tile not a JPEG", [&] { WriteBytes(Tile("18_0_0.jpg"), {'G', 'I', 'F', '8', '9', 'a', 0, 0}); }, {},
         {"18_0_0.jpg (Not a JPEG file: starts with 0x47 0x49)"}, {}},
        {"one tile of another size",
         [&] { WriteBytes(Tile("18_3_2.jpg"), WriteRgbJpeg(RgbImage::Generate(256, 200, BlockColor))); }, {},
         {"18_3_2.jpg (256 x 200 pixels instead of 256 x 256)"}, {}},
        {"one progressive tile",
         [&] {
             WriteBytes(Tile("17_0_1.jpg"), WriteRgbJpeg(RgbImage::Generate(256, 256, BlockColor), {.Progressive = true}));
         },
         {}, {"17_0_1.jpg (not a baseline JPEG)"}, {}},
        {"a folder in place of a tile",
         [&] {
             fs::remove(Tile("18_1_1.jpg"));
             fs::create_directory(Tile("18_1_1.jpg"));
         },
         {}, {"18_1_1.jpg (Cannot open file \"" + Tile("18_1_1.jpg") + "\". Is a directory)"}, {}},
        {"extra tiles beside the pyramid",
         [&] {
             for (const char* name : {"18_4_0.jpg", "15_0_0.jpg", "19_0_0.jpg", "018_0_0.jpg", "-3_0_0.jpg"}) {
                 fs::copy_file(Tile("18_0_0.jpg"), Tile(name));
             }
             // Not tile names: left alone.
             for (const char* name : {"18_0_0.jpeg", "18_0.jpg", "notes.txt", "18_0_0.jpg.bak", "a_b_c.jpg"}) {
                 fs::copy_file(Tile("18_0_0.jpg"), Tile(name));
             }
         },
         {}, {}, {"-3_0_0.jpg", "018_0_0.jpg", "15_0_0.jpg", "18_4_0.jpg", "19_0_0.jpg"}},
    };
    for (const auto& c : cases) {
        SetUp();  // a fresh complete folder for each damage
        c.Do();
        RecordingProgress progress;
        FolderCheckReport report = CheckOutputFolder(Out, progress);
        std::vector<std::string> corrupt;
        for (const auto& p : report.Corrupt) corrupt.push_back(p.Name + " (" + p.Reason + ")");
        EXPECT_FALSE(report.Complete()) << c.Damage;
        EXPECT_EQ(report.Checked, 17) << c.Damage;
        EXPECT_EQ(report.Missing, c.Missing) << c.Damage;
        EXPECT_EQ(corrupt, c.Corrupt) << c.Damage;
        EXPECT_EQ(report.Extra, c.Extra) << c.Damage;
        fs::remove_all(Out);
    }
}

TEST_F(FolderCheck, ADamagedOrMissingDescriptionIsAnError) {
    const std::string info = JoinPath(Out, "info.js");
    const struct {
        const char* Damage;
        std::function<void()> Do;
        std::string Message;
    } cases[] = {
        {"cut in the sizes", [&] { fs::resize_file(info, 80); },
         info + ": line 4: expected \"sizes[ZOOM] = [MAXX,MAXY];\""},
        {"emptied", [&] { fs::resize_file(info, 0); }, info + ": the file is empty"},
        {"removed", [&] { fs::remove(info); }, "Cannot open file \"" + info + "\". No such file or directory"},
    };
    for (const auto& c : cases) {
        SetUp();
        c.Do();
        RecordingProgress progress;
        try {
            CheckOutputFolder(Out, progress);
            ADD_FAILURE() << c.Damage << ": no error";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), c.Message) << c.Damage;
        }
        fs::remove_all(Out);
    }
}

}  // namespace
