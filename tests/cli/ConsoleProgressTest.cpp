// The command line's progress output: one plain line when stderr is not a terminal, a bar when it is.
#include "cli/ConsoleProgress.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

namespace {

std::string Contents(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string text;
    char buffer[256];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    return text;
}

// Drives the progress like a run of 17 tiles: positions 1..17, then back to 0.
void RunOf17(ConsoleProgress& progress) {
    progress.SetPosition(0);
    progress.SetMax(0);
    progress.SetMax(12);
    for (int p = 1; p <= 17; ++p) {
        if (p == 13) progress.SetMax(16);
        if (p == 17) progress.SetMax(17);
        progress.ProcessMessages();
        progress.SetPosition(progress.Position() + 1);
    }
    progress.Beep();
    progress.SetPosition(0);
}

TEST(ConsoleProgress, PlainFinalLineWhenNotATerminal) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    ConsoleProgress progress(file, false);
    RunOf17(progress);
    EXPECT_EQ(progress.Position(), 0);
    EXPECT_EQ(progress.Max(), 17);
    EXPECT_EQ(Contents(file), "") << "nothing before the end";
    progress.Finish(true);
    EXPECT_TRUE(std::regex_match(Contents(file), std::regex("17 tiles written in [0-9]+\\.[0-9] s\n"))) << Contents(file);
    std::fclose(file);
}

TEST(ConsoleProgress, NothingWhenQuietOrFailed) {
    for (bool quiet : {true, false}) {
        std::FILE* file = std::tmpfile();
        ASSERT_NE(file, nullptr);
        ConsoleProgress progress(file, quiet);
        RunOf17(progress);
        progress.Finish(!quiet ? false : true);
        EXPECT_EQ(Contents(file), "") << "quiet " << quiet;
        std::fclose(file);
    }
}

TEST(ConsoleProgress, BarOnATerminal) {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) GTEST_SKIP() << "no pseudo-terminal";
    int slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave, 0);
    std::FILE* terminal = ::fdopen(slave, "w");
    ASSERT_NE(terminal, nullptr);
    {
        ConsoleProgress progress(terminal, false);
        RunOf17(progress);
        progress.Finish(true);
    }
    std::fclose(terminal);
    std::string text;
    char buffer[4096];
    ::fcntl(master, F_SETFL, O_NONBLOCK);
    for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
    ::close(master);
    // The last drawing shows all 17 tiles of 17 and a full bar, then the line ends.
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.back(), '\n');
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    const size_t last = text.rfind('\r');
    ASSERT_NE(last, std::string::npos) << text;
    const std::string line = text.substr(last + 1);
    EXPECT_TRUE(std::regex_search(line, std::regex("^\\[#{30}\\] 17/17 tiles 100% +[0-9]+\\.[0-9] s"))) << line;
    EXPECT_EQ(text.find("written"), std::string::npos);
}

}  // namespace
