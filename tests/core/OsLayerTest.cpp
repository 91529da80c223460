// The operating system's side of the engine where the suite can reach it directly: large blocks
// and the stop request. (Error texts and available memory are tested with their users.)
#include "core/os/Interrupt.h"
#include "core/os/LargeBlock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <limits>

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
