// Available memory and byte counts in messages.
#include "core/SystemMemory.h"

#include <gtest/gtest.h>

namespace {

constexpr uint64_t kMiB = 1024 * 1024;

TEST(FormatByteSize, MebibytesBelowOneGibibyteThenOneDecimal) {
    EXPECT_EQ(FormatByteSize(320 * kMiB), "320 MiB");
    EXPECT_EQ(FormatByteSize(321 * kMiB), "321 MiB");
    EXPECT_EQ(FormatByteSize(1023 * kMiB), "1023 MiB");
    EXPECT_EQ(FormatByteSize(1024 * kMiB), "1.0 GiB");
    EXPECT_EQ(FormatByteSize(1536 * kMiB), "1.5 GiB");
    EXPECT_EQ(FormatByteSize(40 * 1024 * kMiB), "40.0 GiB");
}

TEST(AvailableMemoryBytes, ReportedOnThisSystem) {
    auto available = AvailableMemoryBytes();
    ASSERT_TRUE(available.has_value());
    EXPECT_GT(*available, 16 * kMiB);
}

}  // namespace
