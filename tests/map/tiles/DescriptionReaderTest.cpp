// Reading info.js back: what the writer wrote comes back exactly, and every damage is named.
#include "map/tiles/DescriptionReader.h"

#include <gtest/gtest.h>

#include "core/CodePage.h"
#include "support/TempFolder.h"
#include "map/tiles/DescriptionWriter.h"

namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// What the writer puts into info.js for a map of that size.
std::vector<uint8_t> WrittenDescription(const std::string& title, int codePage, int w, int h) {
    TempFolder folder;
    const PyramidGeometry geometry = PyramidFor(w, h);
    DescriptionWriter writer(codePage);
    writer.Open(folder / "info.js");
    writer.WriteTitleLine(title);
    writer.WriteZoomLine(geometry.CoarsestLevel);
    for (const auto& level : geometry.Levels) writer.WriteSizeLine(level.Zoom, level.MaxX, level.MaxY);
    writer.Close();
    return ReadBytes(folder / "info.js");
}

TEST(DescriptionReader, ReadsBackWhatTheWriterWrote) {
    const struct {
        std::string Title;
        int CodePage;
        int W, H;
    } cases[] = {
        {"Plan", 1252, 1000, 700},
        {"", 1252, 200, 100},
        {"Bob's map \\ \"q\" </script>\n\t\x7F", 1252, 5000, 3000},
        {"\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD \xE2\x80\xA8 \xC2\x85", 65001, 256, 255},
        {"\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD '\xD0\x96'", 1251, 1200, 300},
        {"widest", 1252, 65535, 1},
        {"largest", 1252, 65535, 65535},  // 256 columns and rows: zoom 18 down to 10
    };
    for (const auto& c : cases) {
        DescriptionReadResult read = ReadDescription(WrittenDescription(c.Title, c.CodePage, c.W, c.H));
        ASSERT_TRUE(read.Description) << c.W << " x " << c.H << ": " << read.Error;
        const MapDescription& d = *read.Description;
        const PyramidGeometry geometry = PyramidFor(c.W, c.H);
        EXPECT_EQ(d.Title, ToCodePage(c.Title, c.CodePage)) << c.Title;
        EXPECT_EQ(d.ZoomMid, (36 - geometry.CoarsestLevel) / 2);
        EXPECT_EQ(d.ZoomMin, 18 - geometry.CoarsestLevel);
        EXPECT_EQ(d.ZoomMax, 18);
        ASSERT_EQ(d.Levels.size(), geometry.Levels.size());
        for (size_t i = 0; i < d.Levels.size(); ++i) {
            EXPECT_EQ(d.Levels[i].Zoom, geometry.Levels[i].Zoom);
            EXPECT_EQ(d.Levels[i].MaxX, geometry.Levels[i].MaxX);
            EXPECT_EQ(d.Levels[i].MaxY, geometry.Levels[i].MaxY);
        }
        EXPECT_EQ(d.TotalTiles(), geometry.TotalTiles());
    }
}

TEST(DescriptionReader, AcceptsWhatOthersMayHaveMadeOfTheFile) {
    const struct {
        const char* Why;
        std::string Text;
        std::string Title;
    } cases[] = {
        {"line feeds only", "var map_title = 'P';\nvar zoom = [18,18,18];\nsizes[18] = [0,0];\n", "P"},
        {"no last line end", "var map_title = 'P';\r\nvar zoom = [18,18,18];\r\nsizes[18] = [0,0];", "P"},
        {"blank lines at the end", "var map_title = 'P';\nvar zoom = [18,18,18];\nsizes[18] = [0,0];\n\n\r\n", "P"},
        {"a byte-order mark", "\xEF\xBB\xBFvar map_title = 'P';\nvar zoom = [18,18,18];\nsizes[18] = [0,0];\n", "P"},
        {"an older, unescaped title", "var map_title = 'Bob's map';\nvar zoom = [18,18,18];\nsizes[18] = [0,0];\n",
         "Bob's map"},
        {"escapes of other writers", "var map_title = '\\x41\\u{1F5FA}\\uD83D\\uDDFA\\q\\\"\\uZZ';\nvar zoom = [18,18,18];\n"
                                     "sizes[18] = [0,0];\n",
         "A\xF0\x9F\x97\xBA\xF0\x9F\x97\xBAq\"\\uZZ"},
    };
    for (const auto& c : cases) {
        DescriptionReadResult read = ReadDescription(Bytes(c.Text));
        ASSERT_TRUE(read.Description) << c.Why << ": " << read.Error;
        EXPECT_EQ(read.Description->Title, c.Title) << c.Why;
        EXPECT_EQ(read.Description->TotalTiles(), 1) << c.Why;
    }
}

TEST(DescriptionReader, NamesWhatIsWrong) {
    const std::string title = "var map_title = 'Plan';\r\n";
    const std::string zoom = "var zoom = [17,16,18];\r\n";
    const std::string sizes = "sizes[18] = [3,2];\r\nsizes[17] = [1,1];\r\nsizes[16] = [0,0];\r\n";
    const struct {
        std::string Text;
        std::string Error;
    } cases[] = {
        {"", "the file is empty"},
        {"\r\n\r\n", "line 1: expected \"var map_title = '...';\""},
        {"var map_title = 'Plan;\r\n" + zoom + sizes, "line 1: expected \"var map_title = '...';\""},
        {"var map_title = '\r\n" + zoom + sizes, "line 1: expected \"var map_title = '...';\""},
        {title, "the file ends after line 1: the zoom line is missing"},
        {title + zoom, "the file ends after line 2: the size lines are missing"},
        {title + "var zoom = [17,16];\r\n" + sizes, "line 2: expected \"var zoom = [MID,MIN,18];\""},
        {title + "var zoom = [17, 16,18];\r\n" + sizes, "line 2: expected \"var zoom = [MID,MIN,18];\""},
        {title + "var zoom = [16,16,18];\r\n" + sizes,
         "line 2: the pyramid of \"sizes[18] = [3,2];\" needs \"var zoom = [17,16,18];\""},
        {title + zoom + "sizes[18] = [3,2];\r\nsizes[17] = [1,",
         "line 4: expected \"sizes[ZOOM] = [MAXX,MAXY];\""},
        {title + zoom + "sizes[18] = [3,2];\r\nsizes[17] = [1,1];\r\n",
         "the file ends after line 4: \"sizes[16] = [0,0];\" is missing"},
        {title + zoom + "sizes[18] = [3,2];\r\n",
         "the file ends after line 3: \"sizes[17] = [1,1];\" and the 1 after it are missing"},
        {title + zoom + "sizes[18] = [3,2];\r\nsizes[17] = [1,2];\r\nsizes[16] = [0,0];\r\n",
         "line 4: expected \"sizes[17] = [1,1];\""},
        {title + zoom + "sizes[17] = [1,1];\r\n", "line 3: the first size line must be that of zoom 18"},
        {title + zoom + sizes + "sizes[15] = [0,0];\r\n", "line 6: a size line below the coarsest zoom 16"},
        {title + zoom + sizes + "alert(1);\r\n", "line 6: expected \"sizes[ZOOM] = [MAXX,MAXY];\""},
        {title + "var zoom = [9,0,18];\r\nsizes[18] = [999999,0];\r\n",
         "line 3: \"sizes[18] = [999999,0];\" is no pyramid of a JPEG map"},
        {title + zoom + "sizes[18] = [3,-2];\r\n", "line 3: \"sizes[18] = [3,-2];\" is no pyramid of a JPEG map"},
        {title + zoom + "sizes[18] = [3,99999999999];\r\n", "line 3: expected \"sizes[ZOOM] = [MAXX,MAXY];\""},
        {std::string("\x89PNG\r\n\x1A\n\0\0\0", 11), "line 1: expected \"var map_title = '...';\""},
    };
    for (const auto& c : cases) {
        DescriptionReadResult read = ReadDescription(Bytes(c.Text));
        EXPECT_FALSE(read.Description) << c.Text;
        EXPECT_EQ(read.Error, c.Error) << c.Text;
    }
}

}  // namespace
