// The skin tool's usage: every command named, for --help and for a misuse alike.
#include <gtest/gtest.h>

#include "support/RunProgram.h"

namespace {

const std::string kTool = std::string(QUADRIMO_BIN_DIR) + "/quadrimo-skin";

TEST(SkinToolUsage, NamesEveryCommandForHelpAndForAMisuse) {
    const struct {
        std::string Arguments;
        int Status;
    } runs[] = {{" --help", 0}, {" frobnicate", 2}, {" dump", 2}, {"", 2}};
    for (const auto& run : runs) {
        const ProgramResult result = RunProgram(kTool + run.Arguments);
        EXPECT_EQ(result.Status, run.Status) << run.Arguments;
        for (const char* command : {"pack", "unpack", "dump", "export", "sheet", "paint", "shot", "--help"})
            EXPECT_NE(result.Out.find(std::string("quadrimo-skin ") + command + " "), std::string::npos)
                << run.Arguments << " does not name " << command << ":\n" << result.Out;
    }
}

}  // namespace
