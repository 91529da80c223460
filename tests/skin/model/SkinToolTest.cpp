// Tests of the quadrimo-skin tool: pack, unpack, dump and export of the small test skin.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestPictures.h"
#include "map/codec/PngDecoder.h"
#include "core/FileStreams.h"
#include "support/RunProgram.h"

namespace {

const std::string kTool = std::string(QUADRIMO_BIN_DIR) + "/quadrimo-skin";
const std::string kSkin = std::string(QUADRIMO_SOURCE_DIR) + "/tests/data/skin/basic";

using Result = ProgramResult;

Result Tool(const std::string& args) { return RunProgram(kTool + " " + args); }

// Drops what differs between a folder and its package by nature: the skin path and the package part.
std::string ModelPart(std::string json) {
    size_t path = json.find("\"SkinPath\"");
    if (path != std::string::npos) json.erase(path, json.find('\n', path) - path);
    size_t package = json.find(",\n  \"package\"");
    if (package != std::string::npos) json = json.substr(0, package) + "\n}\n";
    return json;
}

TEST(SkinToolTest, PackThenDumpGivesTheModelOfTheFolder) {
    std::string work = testpic::MakeTempFolder("tool");
    ASSERT_EQ(Tool("pack " + kSkin + " " + work + "/a.qrv").Status, 0);
    ASSERT_EQ(Tool("pack " + kSkin + " " + work + "/b.qrv").Status, 0);
    EXPECT_EQ(ReadWholeFile(work + "/a.qrv"), ReadWholeFile(work + "/b.qrv"));  // deterministic

    Result folder = Tool("dump " + kSkin);
    Result package = Tool("dump " + work + "/a.qrv");
    ASSERT_EQ(folder.Status, 0) << folder.Out;
    ASSERT_EQ(package.Status, 0) << package.Out;
    EXPECT_EQ(ModelPart(package.Out), ModelPart(folder.Out));
    EXPECT_NE(folder.Out.find("\"KeyName\": \"EXBORDER\""), std::string::npos);
    EXPECT_NE(package.Out.find("\"PictureCount\": 5"), std::string::npos);
    EXPECT_NE(package.Out.find("[\"Options.dat\", \"Exbor.png\", \"GlowClose.png\", \"Master.bmp\", \"Texture.jpg\", \"button.BMP\"]"),
              std::string::npos)
        << package.Out.substr(package.Out.find("\"package\""));

    // Unpacked again, the folder gives the same model once more, recoloured or not.
    ASSERT_EQ(Tool("unpack " + work + "/a.qrv " + work + "/out").Status, 0);
    EXPECT_EQ(ModelPart(Tool("dump " + work + "/out").Out), ModelPart(folder.Out));
    EXPECT_EQ(ModelPart(Tool("dump " + work + "/out --hue 390 --saturation 20").Out),
              ModelPart(Tool("dump " + work + "/a.qrv --hue 390 --saturation 20").Out));
    EXPECT_NE(ModelPart(Tool("dump " + kSkin + " --hue 390").Out), ModelPart(folder.Out));
}

TEST(SkinToolTest, ExportWritesTheRecolouredPictures) {
    std::string work = testpic::MakeTempFolder("export");
    ASSERT_EQ(Tool("export " + kSkin + " " + work + " --hue 120").Status, 0);
    Bitmap32 master = DecodePng(ReadWholeFile(work + "/master.png"));
    EXPECT_EQ(master.Width(), 48);
    EXPECT_EQ(master.At(47, 23), kKeyPixel);
    EXPECT_EQ(PixelAlpha(master.At(30, 12)), 255);
    for (const char* name : {"GLOBALINFO_EXBORDER.png", "GLOBALINFO_BICONCLOSEGLOW0.png", "BUTTON_GLOW0.png",
                             "COMBOBTN_OWN.png", "COMBOBTN_TEXTURE.png"}) {
        EXPECT_TRUE(std::filesystem::exists(work + "/" + name)) << name;
    }
    // The close glow keeps its hue (BIKEEPHUE=2): still red with its half alpha.
    Bitmap32 glow = DecodePng(ReadWholeFile(work + "/GLOBALINFO_BICONCLOSEGLOW0.png"));
    EXPECT_EQ(glow.At(0, 0) & 0x00FFFFFF, 0x00FF0000u);
}

TEST(SkinToolTest, ErrorsGoToStandardErrorWithStatus1) {
    std::string work = testpic::MakeTempFolder("errors");
    testpic::WriteFile(work + "/bad.qrv", testpic::Bytes("qrvp\1\0\0\0"));
    Result bad = Tool("dump " + work + "/bad.qrv");
    EXPECT_EQ(bad.Status, 1);
    EXPECT_EQ(bad.Out, "Loaded data is not a packed Corsaval file\n");
    Result empty = Tool("dump " + work);
    EXPECT_EQ(empty.Status, 1);
    EXPECT_NE(empty.Out.find("holds no Options.dat"), std::string::npos);
    EXPECT_EQ(Tool("pack " + work + " " + work + "/x.qrv").Status, 1);
    EXPECT_EQ(Tool("frobnicate").Status, 2);
}

}  // namespace
