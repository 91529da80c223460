// Parsing of quadrimo-cli's arguments and colours.
#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include "core/CodePage.h"

namespace {

CommandLine Parsed(const std::vector<std::string>& args) {
    ParseResult result = ParseCommandLine(args);
    EXPECT_TRUE(result.Options.has_value()) << result.Error;
    return result.Options.value_or(CommandLine{});
}

std::string ErrorOf(const std::vector<std::string>& args) {
    ParseResult result = ParseCommandLine(args);
    EXPECT_FALSE(result.Options.has_value());
    EXPECT_FALSE(result.Error.empty());
    return result.Error;
}

TEST(ParseCommandLine, TwoPositionalArgumentsWithDefaults) {
    CommandLine cl = Parsed({"map.jpg", "out"});
    EXPECT_EQ(cl.MapPath, "map.jpg");
    EXPECT_EQ(cl.OutputDir, "out");
    EXPECT_EQ(cl.Title, "");
    EXPECT_EQ(cl.Background, clWhite);
    EXPECT_EQ(cl.BlankImage, "");
    EXPECT_EQ(cl.CodePage, 0);
    EXPECT_EQ(cl.Jobs, 0);
    EXPECT_FALSE(cl.Quiet);
    EXPECT_FALSE(cl.Help);
    EXPECT_FALSE(cl.Version);
}

TEST(ParseCommandLine, OptionsWithSeparateOrAttachedValues) {
    CommandLine cl = Parsed({"--title", "Floor 2", "map.jpg", "--background=#102030", "--blank-image", "bg.gif",
                             "--codepage=1251", "--jobs", "3", "-q", "out/"});
    EXPECT_EQ(cl.Title, "Floor 2");
    EXPECT_EQ(cl.Background, RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(cl.BlankImage, "bg.gif");
    EXPECT_EQ(cl.CodePage, 1251);
    EXPECT_EQ(cl.Jobs, 3);
    EXPECT_TRUE(cl.Quiet);
    EXPECT_EQ(cl.MapPath, "map.jpg");
    EXPECT_EQ(cl.OutputDir, "out/");

    EXPECT_EQ(Parsed({"--title=a=b", "m", "o"}).Title, "a=b");
    EXPECT_EQ(Parsed({"--title=", "m", "o"}).Title, "");
    EXPECT_EQ(Parsed({"--title", "--quiet", "m", "o"}).Title, "--quiet");  // a value may look like an option
    EXPECT_TRUE(Parsed({"--quiet", "m", "o"}).Quiet);
}

TEST(ParseCommandLine, MemoryLimitTakesBinarySuffixes) {
    EXPECT_FALSE(Parsed({"m", "o"}).MemoryLimit.has_value());
    const std::pair<const char*, uint64_t> sizes[] = {
        {"200M", 200ull << 20}, {"200m", 200ull << 20}, {"200MB", 200ull << 20}, {"200MiB", 200ull << 20},
        {"1.5G", 3ull << 29},   {"512k", 512ull << 10}, {"65536", 65536},        {"2T", 2ull << 40},
        {"100b", 100},
    };
    for (const auto& [text, bytes] : sizes) {
        EXPECT_EQ(Parsed({"--memory-limit", text, "m", "o"}).MemoryLimit, bytes) << text;
    }
    EXPECT_EQ(Parsed({"--memory-limit=1G", "m", "o"}).MemoryLimit, 1ull << 30);
    for (const char* bad : {"", "M", "200X", "-5M", "0", "0.1", "1.2.3G", "200 M", "1e9"}) {
        EXPECT_NE(ErrorOf({"--memory-limit", bad, "m", "o"}).find("--memory-limit"), std::string::npos) << bad;
    }
}

TEST(ParseCommandLine, PipelineIsStreamingUnlessInMemoryIsAsked) {
    EXPECT_FALSE(Parsed({"m", "o"}).InMemoryPipeline);
    EXPECT_TRUE(Parsed({"--pipeline", "in-memory", "m", "o"}).InMemoryPipeline);
    EXPECT_FALSE(Parsed({"--pipeline=streaming", "m", "o"}).InMemoryPipeline);
    EXPECT_NE(ErrorOf({"--pipeline", "fast", "m", "o"}).find("--pipeline"), std::string::npos);
    EXPECT_NE(ErrorOf({"--verify", "--pipeline", "streaming", "o"}).find("--pipeline"), std::string::npos);
}

TEST(ParseCommandLine, DoubleDashEndsTheOptions) {
    CommandLine cl = Parsed({"--", "-map.jpg", "--out"});
    EXPECT_EQ(cl.MapPath, "-map.jpg");
    EXPECT_EQ(cl.OutputDir, "--out");
    EXPECT_EQ(Parsed({"-", "out"}).MapPath, "-");
}

TEST(ParseCommandLine, HelpAndVersionNeedNoFiles) {
    EXPECT_TRUE(Parsed({"--help"}).Help);
    EXPECT_TRUE(Parsed({"-h"}).Help);
    EXPECT_TRUE(Parsed({"--version"}).Version);
    EXPECT_TRUE(Parsed({"map.jpg", "--help"}).Help);
}

TEST(ParseCommandLine, UsageErrors) {
    EXPECT_EQ(ErrorOf({}), "expected MAP.jpg and OUTPUT_DIR");
    EXPECT_EQ(ErrorOf({"map.jpg"}), "expected MAP.jpg and OUTPUT_DIR");
    EXPECT_EQ(ErrorOf({"a", "b", "c"}), "expected MAP.jpg and OUTPUT_DIR");
    EXPECT_EQ(ErrorOf({"--bogus", "m", "o"}), "unknown option --bogus");
    EXPECT_EQ(ErrorOf({"-x", "m", "o"}), "unknown option -x");
    EXPECT_EQ(ErrorOf({"m", "o", "--title"}), "option --title needs a value");
    EXPECT_NE(ErrorOf({"--background", "chartreuse", "m", "o"}).find("chartreuse"), std::string::npos);
    EXPECT_NE(ErrorOf({"--codepage", "437", "m", "o"}).find("437"), std::string::npos);
    EXPECT_NE(ErrorOf({"--codepage", "abc", "m", "o"}).find("abc"), std::string::npos);
    ErrorOf({"--jobs", "0", "m", "o"});
    ErrorOf({"--jobs", "257", "m", "o"});
    ErrorOf({"--jobs", "2x", "m", "o"});
}

TEST(ParseCommandLine, PreviewAndVerify) {
    EXPECT_FALSE(Parsed({"m", "o"}).Preview);
    EXPECT_TRUE(Parsed({"--preview", "m", "o"}).Preview);
    CommandLine verify = Parsed({"--verify", "out"});
    EXPECT_TRUE(verify.Verify);
    EXPECT_EQ(verify.OutputDir, "out");
    EXPECT_EQ(verify.MapPath, "");
    EXPECT_TRUE(Parsed({"-q", "out", "--verify"}).Quiet);
    EXPECT_EQ(ErrorOf({"--verify"}), "--verify needs exactly one OUTPUT_DIR");
    EXPECT_EQ(ErrorOf({"--verify", "m.jpg", "out"}), "--verify needs exactly one OUTPUT_DIR");
    EXPECT_EQ(ErrorOf({"--verify", "--title", "T", "out"}), "--verify checks a folder and takes no --title");
    EXPECT_EQ(ErrorOf({"--verify", "--preview", "out"}), "--verify checks a folder and takes no --preview");
}

TEST(ParseCommandLine, CodePages) {
    EXPECT_EQ(Parsed({"--codepage", "1250", "m", "o"}).CodePage, 1250);
    EXPECT_EQ(Parsed({"--codepage", "1258", "m", "o"}).CodePage, 1258);
    EXPECT_EQ(Parsed({"--codepage", "utf-8", "m", "o"}).CodePage, kCodePageUtf8);
    EXPECT_EQ(Parsed({"--codepage", "UTF-8", "m", "o"}).CodePage, kCodePageUtf8);
    EXPECT_EQ(Parsed({"--codepage", "65001", "m", "o"}).CodePage, kCodePageUtf8);
    ErrorOf({"--codepage", "1249", "m", "o"});
    ErrorOf({"--codepage", "1259", "m", "o"});
    ErrorOf({"--codepage", "", "m", "o"});
}

TEST(ParseColor, HexInRedGreenBlueOrder) {
    EXPECT_EQ(ParseColor("#FF0000"), clRed);
    EXPECT_EQ(ParseColor("#0000ff"), clBlue);
    EXPECT_EQ(ParseColor("#a0B1c2"), RGB(0xA0, 0xB1, 0xC2));
    EXPECT_EQ(ParseColor("#000000"), clBlack);
    for (const char* bad : {"#12345", "#1234567", "#GGGGGG", "123456", "#", "", "#-12345", "# 12345"}) {
        EXPECT_FALSE(ParseColor(bad).has_value()) << bad;
    }
}

TEST(ParseColor, NamesOfTheColourBoxInAnyCase) {
    EXPECT_EQ(ParseColor("White"), clWhite);
    EXPECT_EQ(ParseColor("white"), clWhite);
    EXPECT_EQ(ParseColor("Sky Blue"), clSkyBlue);
    EXPECT_EQ(ParseColor("sky blue"), clSkyBlue);
    EXPECT_EQ(ParseColor("clCream"), clCream);
    EXPECT_EQ(ParseColor("CLCREAM"), clCream);
    EXPECT_EQ(ParseColor("Money Green"), clMoneyGreen);
    EXPECT_EQ(ParseColor("clMedGray"), clMedGray);
    EXPECT_EQ(ParseColor("Navy"), clNavy);
    EXPECT_FALSE(ParseColor("chartreuse").has_value());
    EXPECT_FALSE(ParseColor("Sky  Blue").has_value());
    EXPECT_FALSE(ParseColor("cl").has_value());
}

}  // namespace

namespace {

TEST(ParseCommandLine, MapSourceOptions) {
    const CommandLine cl = Parsed({"--page", "3", "--width=65536", "--shrink", "MEAN", "m", "o"});
    EXPECT_EQ(cl.Source.Page, 3);
    EXPECT_EQ(cl.Source.Width, 65536);
    EXPECT_FALSE(cl.Source.Dpi.has_value());
    EXPECT_EQ(cl.Source.Shrink, ShrinkFilter::Mean);
    EXPECT_EQ(Parsed({"--dpi", "150", "m", "o"}).Source.Dpi, 150);
    EXPECT_EQ(Parsed({"m", "o"}).Source.Shrink, ShrinkFilter::Nearest);
    EXPECT_FALSE(Parsed({"m", "o"}).ShrinkGiven.has_value());
    EXPECT_EQ(Parsed({"--shrink", "nearest", "m", "o"}).ShrinkGiven, ShrinkFilter::Nearest);
    const std::pair<std::vector<std::string>, const char*> bad[] = {
        {{"--dpi", "300", "--width", "1000", "m", "o"}, "--dpi and --width exclude each other"},
        {{"--shrink", "cubic", "m", "o"}, "--shrink needs nearest or mean"},
        {{"--page", "0", "m", "o"}, "--page needs"},
        {{"--dpi", "-5", "m", "o"}, "--dpi needs"},
        {{"--width", "99999999", "m", "o"}, "--width needs"},
        {{"--verify", "--shrink", "mean", "o"}, "takes no --shrink"},
    };
    for (const auto& [args, says] : bad) EXPECT_NE(ErrorOf(args).find(says), std::string::npos) << says;
}

TEST(InapplicableOption, EachOptionAppliesToItsKindsOnly) {
    struct Case {
        std::vector<std::string> Args;
        const char* Kind;
        const char* Error;  // empty: allowed
    };
    const Case cases[] = {
        {{"--shrink", "mean"}, "JPEG", ""},
        {{"--shrink", "mean"}, "PNG", ""},
        {{"--shrink", "nearest"}, "TIFF", ""},
        {{"--shrink", "mean"}, "PDF", "--shrink applies to raster maps (JPEG, PNG, TIFF) only, and m is a PDF map"},
        {{"--shrink", "nearest"}, "SVG", "--shrink applies to raster maps"},
        {{"--page", "2"}, "PDF", ""},
        {{"--page", "2"}, "SVG", "--page applies to PDF maps only, and m is a SVG map"},
        {{"--page", "2"}, "JPEG", "--page applies to PDF maps only"},
        {{"--dpi", "150"}, "SVG", ""},
        {{"--dpi", "150"}, "PNG", "--dpi applies to PDF and SVG maps only"},
        {{"--width", "9000"}, "PDF", ""},
        {{"--width", "9000"}, "TIFF", "--width applies to PDF and SVG maps only"},
        {{}, "TIFF", ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.Args;
        args.insert(args.end(), {"m", "o"});
        const std::string error = InapplicableOptionError(Parsed(args), c.Kind);
        if (*c.Error == 0) {
            EXPECT_EQ(error, "") << c.Kind;
        } else {
            EXPECT_NE(error.find(c.Error), std::string::npos) << c.Kind << ": " << error;
        }
    }
}

}  // namespace
