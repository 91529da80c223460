// Tests of the skin tool's paint command: the picture equals the library's face, options and errors.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "map/codec/PngDecoder.h"
#include "map/codec/PngEncoder.h"
#include "core/FileStreams.h"
#include "skin/paint/ControlFace.h"

namespace {

const std::string kTool = std::string(QUADRIMO_BIN_DIR) + "/quadrimo-skin";
const std::string kSkin = std::string(QUADRIMO_SOURCE_DIR) + "/tests/data/skin/basic";

int Tool(const std::string& args) {
    int status = std::system((kTool + " " + args + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string TempFile(const std::string& name) {
    auto dir = std::filesystem::temp_directory_path() / ("skinpaint-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

// The face as the library paints it, with the masks owned as the tool loads them.
Bitmap32 LibraryFace(const std::string& section, int w, int h, int state, const BackgroundInfo& bg, int hue) {
    SkinModel model;
    SkinLoadSettings settings;
    settings.OwnerManager = SkinManagerHandle::Standalone();
    model.LoadFromPath(kSkin, settings);
    SectionBinding b = BindSection(model, section);
    b.HueOffset = hue;
    Bitmap32 face(w, h);
    PaintControlFace(b, bg, state, face, {}, {0, 0, w, h});
    return face;
}

TEST(PaintCommand, PaintsTheLibraryFace) {
    const std::string out = TempFile("button.png");
    ASSERT_EQ(Tool("paint " + kSkin + " button --size 40x20 --state 1 --parent-color 0x00FF00 --hue 30 --out " + out), 0);
    Bitmap32 painted = DecodePng(ReadWholeFile(out));
    BackgroundInfo bg;
    bg.FillColor = 0x00FF00;
    Bitmap32 want = LibraryFace("BUTTON", 40, 20, 1, bg, 30);
    EXPECT_EQ(painted, want);
    EXPECT_NE(want.At(20, 10), 0u);  // something was painted
}

TEST(PaintCommand, ParentImageAndUnknownBackground) {
    Bitmap32 parent(50, 30, MakePixel(10, 200, 30));
    const std::string parentFile = TempFile("parent.png"), out = TempFile("edit.png");
    WriteWholeFile(parentFile, EncodePng(parent));
    ASSERT_EQ(Tool("paint " + kSkin + " EDIT --size 30x12 --parent-image " + parentFile + " --out " + out), 0);
    EXPECT_EQ(DecodePng(ReadWholeFile(out)), LibraryFace("EDIT", 30, 12, 0, BackgroundInfo{&parent, 0, 0, 0, true}, 0));
    ASSERT_EQ(Tool("paint " + kSkin + " EDIT --size 30x12 --out " + out), 0);
    EXPECT_EQ(DecodePng(ReadWholeFile(out)), LibraryFace("EDIT", 30, 12, 0, BackgroundInfo{}, 0));
}

TEST(PaintCommand, UsageAndMissingSection) {
    const std::string out = TempFile("x.png");
    EXPECT_EQ(Tool("paint " + kSkin + " BUTTON --out " + out), 2);                           // no size
    EXPECT_EQ(Tool("paint " + kSkin + " BUTTON --size 0x5 --out " + out), 2);
    EXPECT_EQ(Tool("paint " + kSkin + " BUTTON --size 5x5"), 2);                             // no output
    EXPECT_EQ(Tool("paint " + kSkin + " BUTTON --size 5x5 --parent-color 1 --parent-image a --out " + out), 2);
    EXPECT_EQ(Tool("paint " + kSkin + " BUTTON --size 5x5 --frobnicate --out " + out), 2);
    EXPECT_EQ(Tool("paint " + kSkin + " NOSUCH --size 5x5 --out " + out), 1);
    EXPECT_EQ(Tool("paint /nonexistent/skin BUTTON --size 5x5 --out " + out), 1);
}

}  // namespace
