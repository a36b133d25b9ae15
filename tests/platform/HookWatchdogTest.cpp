#include <gtest/gtest.h>

#include "platform/common/HookWatchdog.h"

namespace xd {
namespace {

// The three answers the watchdog reads, set by the test.
struct FakeHooks final : IInputHooks {
    std::uint32_t systemInput = 0;
    std::uint32_t hookEvent = 0;
    int reinstalls = 0;
    std::uint32_t LastSystemInputTick() override { return systemInput; }
    std::uint32_t LastHookEventTick() override { return hookEvent; }
    bool Reinstall() override {
        ++reinstalls;
        return true;
    }
};

TEST(HookWatchdogTest, ReinstallsOnlyForInputTheSystemTookAfterTwoSilentSeconds) {
    FakeHooks hooks;
    HookWatchdog dog(hooks, 1000);
    hooks.systemInput = 1500;  // our hooks heard nothing, but only 1.9 s have passed
    EXPECT_FALSE(dog.Check(2900));
    hooks.systemInput = 3100;
    EXPECT_TRUE(dog.Check(3100));
    EXPECT_EQ(hooks.reinstalls, 1);
    // The reinstallation counts as heard: the next silence is counted from it.
    hooks.systemInput = 4000;
    EXPECT_FALSE(dog.Check(5000));
    hooks.hookEvent = 6000;  // heard
    hooks.systemInput = 6000;
    EXPECT_FALSE(dog.Check(6050));
    hooks.systemInput = 8100;
    EXPECT_TRUE(dog.Check(8100));
}

TEST(HookWatchdogTest, CountsAcrossTheTickCounterWrapping) {
    FakeHooks hooks;
    hooks.hookEvent = 0xFFFFFF00u;
    HookWatchdog dog(hooks, 0xFFFFFF00u);
    hooks.systemInput = 0x100;  // 512 ms later, past the wrap: not yet silent
    EXPECT_FALSE(dog.Check(0x100));
    hooks.systemInput = 0x800;  // 2.3 s after the last heard event
    EXPECT_TRUE(dog.Check(0x800));
    EXPECT_FALSE(dog.Check(0x800 + 3000));  // silent again, but the system took nothing new
    // Weeks of quiet later the counter is half way round, where a plain difference
    // would read as "just now"; the silence seen before still holds.
    hooks.systemInput = 0x5000;
    EXPECT_TRUE(dog.Check(0x800 + 0x80000100u));
}

}  // namespace
}  // namespace xd
