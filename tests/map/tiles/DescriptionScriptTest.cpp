// info.js run by a real script engine (Debian's nodejs): every title gives a valid script that
// defines exactly the title, the zoom list and the sizes, and nothing else.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/ScriptEngine.h"
#include "support/TempFolder.h"
#include "map/tiles/DescriptionWriter.h"

namespace {

// The engine is installed by scripts/setup.sh; only a machine set up otherwise may lack it.
#define REQUIRE_NODE()                                                                                 \
    if (NodeCommand().empty()) {                                                                       \
        if (std::getenv("CI") != nullptr) FAIL() << "nodejs is missing: scripts/setup.sh installs it"; \
        GTEST_SKIP() << "nodejs is not installed (Debian package nodejs): info.js not run";           \
    }

// The description of a 1000 x 700 map.
void WriteDescription(const std::string& path, const std::string& title, int codePage) {
    DescriptionWriter writer(codePage);
    writer.Open(path);
    writer.WriteTitleLine(title);
    writer.WriteZoomLine(2);
    writer.WriteSizeLine(18, 3, 2);
    writer.WriteSizeLine(17, 1, 1);
    writer.WriteSizeLine(16, 0, 0);
    writer.Close();
}

TEST(DescriptionScript, EveryTitleEvaluatesToItselfAndNothingElse) {
    REQUIRE_NODE();
    const struct {
        const char* Title;
        int CodePage;
        const char* Evaluated;  // what the engine reads back (characters outside the code page as "?")
    } cases[] = {
        {"Bob's map", 1252, "Bob's map"},
        {"''''", 1252, "''''"},
        {"ends in a backslash \\", 1252, "ends in a backslash \\"},
        {"\\\\server\\share\\'", 1252, "\\\\server\\share\\'"},
        {"say \"cheese\"", 1252, "say \"cheese\""},
        {"</script><script>pwned=1</script>", 1252, "</script><script>pwned=1</script>"},
        {"x'; pwned=42; var y='", 1252, "x'; pwned=42; var y='"},
        {"x\\'; pwned=42; var y=\\'", 1252, "x\\'; pwned=42; var y=\\'"},
        {"two\nlines\r\nand\ta tab\x01\x1F\x7F", 1252, "two\nlines\r\nand\ta tab\x01\x1F\x7F"},
        {"", 1252, ""},
        {"\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD '\xD0\x91' \\", 1251, "\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD '\xD0\x91' \\"},
        {"\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD '\xD0\x91' \\", 65001, "\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD '\xD0\x91' \\"},
        {"\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD", 1252, "????"},
        {"line\xE2\x80\xA8sep\xE2\x80\xA9 \xC2\x85 \xF0\x9F\x97\xBA", 65001, "line\xE2\x80\xA8sep\xE2\x80\xA9 \xC2\x85 \xF0\x9F\x97\xBA"},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        const std::string path = folder / "info.js";
        WriteDescription(path, c.Title, c.CodePage);
        const std::string encoding = c.CodePage == 65001 ? "utf-8" : "windows-" + std::to_string(c.CodePage);
        EvaluatedDescription result = EvaluateDescription(path, encoding);
        ASSERT_TRUE(result.Ran) << c.Title << ": " << result.Output;
        EXPECT_EQ(result.Title, c.Evaluated) << c.Title << " in " << c.CodePage;
        EXPECT_EQ(result.Zoom, "[17,16,18]");
        EXPECT_EQ(result.Sizes, "18:3,2 17:1,1 16:0,0");
        EXPECT_EQ(result.Globals, "map_title,sizes,zoom") << c.Title;
    }
}

}  // namespace
