#include "appcore/playback/WindowWait.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/sim/SimClock.h"

namespace xd {
namespace {

constexpr WindowHandle kTarget = 0x1234;

// A window that opens at `appearsAtMs` of virtual time, and a stop that arrives at `stopAtMs`; the wait
// must end within one poll of either, and a missing window must cost exactly the time allowed.
TEST(WindowWait, EndsWithinOnePollOfTheWindowOrTheStopAndWaitsNoLongerThanAllowed) {
    struct Case {
        const char* what;
        std::int32_t seconds;
        std::optional<std::int64_t> appearsAtMs;
        std::optional<std::int64_t> stopAtMs;
        WindowWaitEnd end;
        std::int64_t endsAtMs;
    };
    const Case cases[] = {
        {"found at 2.3 s of 5", 5, 2300, std::nullopt, WindowWaitEnd::Found, 2300},
        {"there at once", 5, 0, std::nullopt, WindowWaitEnd::Found, 0},
        {"never there", 5, std::nullopt, std::nullopt, WindowWaitEnd::TimedOut, 5000},
        {"no wait looks once", 0, 2300, std::nullopt, WindowWaitEnd::TimedOut, 0},
        {"there just at the deadline", 1, 1000, std::nullopt, WindowWaitEnd::Found, 1000},
        {"stopped during the wait", 5, std::nullopt, 1250, WindowWaitEnd::Stopped, 1300},
        {"a stop loses to a window already there", 5, 700, 700, WindowWaitEnd::Found, 700},
        {"more than ten minutes is ten minutes", 100000, std::nullopt, std::nullopt, WindowWaitEnd::TimedOut, 600000},
        {"a negative wait is none", -3, 2300, std::nullopt, WindowWaitEnd::TimedOut, 0},
    };
    for (const Case& c : cases) {
        sim::SimClock clock;
        const auto now = [&clock] { return clock.MonotonicMicros() / 1000; };
        int looks = 0;
        const WindowWaitResult r = WaitForWindow(
            clock, c.seconds,
            [&] {
                ++looks;
                return c.appearsAtMs && now() >= *c.appearsAtMs ? kTarget : kNoWindow;
            },
            [&] { return c.stopAtMs && now() >= *c.stopAtMs; });
        EXPECT_EQ(r.end, c.end) << c.what;
        EXPECT_EQ(r.window, c.end == WindowWaitEnd::Found ? kTarget : kNoWindow) << c.what;
        EXPECT_EQ(now(), c.endsAtMs) << c.what;
        // Every 100 ms and no more often: a long wait must not spin.
        EXPECT_EQ(looks, c.endsAtMs / 100 + 1) << c.what;
    }
}

}  // namespace
}  // namespace xd
