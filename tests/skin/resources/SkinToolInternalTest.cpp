// Tests of the skin tool on the internal skin: dump and export of --internal, and the contact sheet.
#include <gtest/gtest.h>

#include <filesystem>

#include "GlimmerSource.h"
#include "core/FileStreams.h"
#include "support/RunProgram.h"
#include "support/TempFolder.h"
#include "skin/model/SkinFiles.h"

namespace {

const std::string kTool = std::string(QUADRIMO_BIN_DIR) + "/quadrimo-skin";

using Result = ProgramResult;

Result Tool(const std::string& args) { return RunProgram(kTool + " " + args); }

TEST(SkinToolInternal, DumpOfTheInternalSkinEqualsDumpOfItsFolder) {
    Result internal = Tool("dump --internal");
    Result folder = Tool("dump " + GlimmerFolder());
    ASSERT_EQ(internal.Status, 0) << internal.Out;
    ASSERT_EQ(folder.Status, 0) << folder.Out;
    EXPECT_NE(internal.Out.find("\"PictureCount\": 10"), std::string::npos);
    EXPECT_NE(internal.Out.find("\"SectionName\": \"PROGRESSH\""), std::string::npos);
    // Sections, masks, well-known indexes and the master agree; only the skin path and the package
    // part differ by nature. (Compared as a whole, not printed: the texts are long.)
    auto model = [](const std::string& json) {
        const size_t from = json.find("\"sections\""), to = json.find("\"master\"");
        return from == std::string::npos || to == std::string::npos ? std::string() : json.substr(from, to - from);
    };
    EXPECT_FALSE(model(internal.Out).empty());
    EXPECT_TRUE(model(internal.Out) == model(folder.Out));
}

TEST(SkinToolInternal, ExportWritesTheMasterAndEveryPictureOfItsOwn) {
    TempFolder out;
    Result r = Tool("export --internal " + out / "pics");
    ASSERT_EQ(r.Status, 0) << r.Out;
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(out / "pics")) files += entry.is_regular_file();
    EXPECT_EQ(files, 10u);  // master.png and the nine pictures with masks of their own
    const Bitmap32 master = DecodeSkinPng(ReadWholeFile(out / "pics/master.png"));
    EXPECT_EQ(master.Width(), 528);
}

TEST(SkinToolInternal, SheetShowsTheSkinAndFollowsTheHue) {
    TempFolder out;
    ASSERT_EQ(Tool("sheet --internal " + out / "plain.png").Status, 0);
    Result turned = Tool("sheet " + GlimmerFolder() + " " + out / "turned.png --hue 390");
    ASSERT_EQ(turned.Status, 0) << turned.Out;
    EXPECT_TRUE(turned.Out.empty()) << turned.Out;  // a batch tool: nothing on the console when all is well
    const Bitmap32 plain = DecodeSkinPng(ReadWholeFile(out / "plain.png"));
    const Bitmap32 hue = DecodeSkinPng(ReadWholeFile(out / "turned.png"));
    EXPECT_EQ(plain.Width(), 1400);
    EXPECT_GT(plain.Height(), 800);
    ASSERT_EQ(plain.Width(), hue.Width());
    ASSERT_EQ(plain.Height(), hue.Height());
    EXPECT_NE(plain, hue);
    // No key colour reaches the sheet: transparent parts show the checkerboard or the background.
    for (uint32_t p : plain.Pixels()) ASSERT_NE(p & 0xFFFFFF, 0xFF00FFu);
}

TEST(SkinToolInternal, RefusesInternalWherePackingIsMeant) {
    EXPECT_EQ(Tool("pack --internal x.qrv").Status, 2);
    EXPECT_EQ(Tool("sheet --internal").Status, 2);
    EXPECT_EQ(Tool("dump --internal extra").Status, 2);
}

}  // namespace
