// Installed upward hooks: a scoped installation puts back what was installed before it, also when nested.
#include <gtest/gtest.h>

#include "platform/UpwardHooks.h"

namespace {
struct TProbeHooks {
    int (*Answer)() = nullptr;
};
int One() { return 1; }
int Two() { return 2; }
}  // namespace

TEST(UpwardHooks, ScopedHooksRestoreTheOnesBeforeThemInNestingOrder) {
    ASSERT_EQ(InstalledHooks<TProbeHooks>().Answer, nullptr);
    {
        const TScopedHooks<TProbeHooks> outer({&One});
        EXPECT_EQ(InstalledHooks<TProbeHooks>().Answer, &One);
        {
            const TScopedHooks<TProbeHooks> inner({&Two});
            EXPECT_EQ(InstalledHooks<TProbeHooks>().Answer, &Two);
        }
        EXPECT_EQ(InstalledHooks<TProbeHooks>().Answer, &One);
        InstallHooks(TProbeHooks{&Two});  // replaced inside the scope: still undone at its end
    }
    EXPECT_EQ(InstalledHooks<TProbeHooks>().Answer, nullptr);
}
