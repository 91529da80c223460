// The operating system's side of the engine where the suite can reach it directly: large blocks,
// the stop request and names beyond ASCII. (Error texts and available memory are tested with their
// users.)
#include "core/FileStreams.h"
#include "core/OutputFolder.h"
#include "core/os/Interrupt.h"
#include "core/os/LargeBlock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace {

TEST(LargeBlock, EveryByteOfABlockIsUsableAndASizeNoSystemHasIsRefused) {
    for (size_t bytes : {size_t{1}, (size_t{64} << 20) + 1}) {
        SCOPED_TRACE(bytes);
        auto* block = static_cast<uint8_t*>(ReserveLargeBlock(bytes));
        ASSERT_NE(block, nullptr);
        std::memset(block, 0xA5, bytes);
        EXPECT_EQ(block[0], 0xA5);
        EXPECT_EQ(block[bytes - 1], 0xA5);
        ReleaseLargeBlock(block);
    }
    // Rounding this up to whole pages would wrap around.
    EXPECT_EQ(ReserveLargeBlock(std::numeric_limits<size_t>::max() - 16), nullptr);
    ReleaseLargeBlock(nullptr);
}

// The engine's paths are UTF-8 on every system: a Cyrillic folder and file are made, read, listed
// and renamed under their own names (Windows takes them through the wide calls).
TEST(Files, NamesBeyondAsciiAreTheNamesOnDisk) {
    TempFolder root;
    const std::filesystem::path onDisk = root.Path() / std::filesystem::path(u8"Карты «север»");
    std::filesystem::create_directory(onDisk);
    const std::string folder = JoinPath(root.Path().string(), "Карты «север»");
    const std::vector<uint8_t> bytes = {1, 2, 3};
    WriteWholeFile(JoinPath(folder, "план.jpg"), bytes);
    EXPECT_EQ(ReadWholeFile(JoinPath(folder, "план.jpg")), bytes);
    EXPECT_TRUE(std::filesystem::is_regular_file(onDisk / std::filesystem::path(u8"план.jpg")));

    OutputFolder out;
    ASSERT_EQ(out.Open(folder), 0);
    ASSERT_EQ(out.Lock(), 0);
    out.WriteFile("этаж 2.jpg", bytes);
    std::vector<std::string> names;
    ASSERT_EQ(out.List([&](const std::string& name) {
        if (name != "." && name != ".." && name != ".quadrimo.lock") names.push_back(name);
    }), 0);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"план.jpg", "этаж 2.jpg"}));
    EXPECT_TRUE(out.IsRegularFile("этаж 2.jpg"));
}

#ifndef _WIN32
std::atomic<int> Caught{0};

TEST(Interrupt, TheFirstSignalGoesToTheHandlerAndTheSecondEndsTheProgram) {
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        Caught = 0;
        CatchInterrupt([](int s) { Caught = s; });
        ASSERT_EQ(std::raise(signal), 0);
        EXPECT_EQ(Caught.load(), signal);
        // The handler is gone: a second signal takes the default action, which ends the program.
        struct sigaction now {};
        sigaction(signal, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_DFL);
    }
}
#endif

}  // namespace
