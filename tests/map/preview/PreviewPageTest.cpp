// The preview page's text: the embedded library whole and inline-safe, the run's settings in place.
#include "map/preview/PreviewPage.h"

#include <gtest/gtest.h>

#include "map/preview/LeafletLibrary.h"

namespace {

size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1)) ++n;
    return n;
}

TEST(PreviewPage, CarriesTheLibraryAndTheRunsSettings) {
    const std::string page = PreviewPageHtml({.MapWidth = 5000, .MapHeight = 3000, .Background = RGB(0x12, 0xAB, 0xEF),
                                              .CodePage = 1251});
    // The library's script (its licence header included) and style sheet, without the source-map
    // comment that would point at a file the folder lacks.
    const std::string_view script = LeafletScript();
    ASSERT_GT(script.size(), 100000u);
    EXPECT_TRUE(script.starts_with("/* @preserve"));
    const std::string_view style = LeafletStyle();
    EXPECT_NE(page.find(script.substr(0, script.rfind("//# sourceMappingURL="))), std::string::npos);
    EXPECT_NE(page.find(style.substr(0, style.rfind("/*# sourceMappingURL="))), std::string::npos);
    EXPECT_EQ(page.find("sourceMappingURL"), std::string::npos);
    // Nothing inside ends an element early: exactly the page's own four scripts and two styles.
    EXPECT_EQ(Count(page, "<script"), 4u);
    EXPECT_EQ(Count(page, "</script"), 4u);
    EXPECT_EQ(Count(page, "</style"), 2u);
    EXPECT_EQ(Count(page, "<!--"), 0u);

    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("<script>var sizes = [];</script>\n<script src=\"info.js\" charset=\"windows-1251\"></script>"),
              std::string::npos);
    EXPECT_NE(page.find("var settings = { mapWidth: 5000, mapHeight: 3000 };"), std::string::npos);
    EXPECT_NE(page.find("#map { background: #12abef url(\"blank_img.gif\"); }"), std::string::npos);
    // The page adds no address outside the folder (the library's own are links of controls not used).
    EXPECT_EQ(Count(page, "http"), Count(std::string(script), "http") + Count(std::string(style), "http"));
}

}  // namespace
