#include "engine/playback/ApproachPoint.h"
#include "engine/playback/InputActions.h"
#include "engine/playback/MouseButtons.h"
#include "engine/playback/Timing.h"

namespace xd {

int PerformWheel(Runner& runner, std::int32_t delta, std::int32_t x, std::int32_t y, std::int32_t count,
                 std::int32_t wait) noexcept {
    if (const int r = ApproachPoint(runner, ClickNextWait(wait, count), x, y); r != 0) return r;
    PlaybackServices& s = runner.services;
    const WindowHandle target = runner.run->targetWindow.load();
    const auto data = static_cast<std::uint32_t>(delta);
    for (std::int32_t i = 0; i < count; ++i) {
        const Point p = ToDevicePoint(runner.place, x, y);
        if (s.config.foregroundMode.load() != 0) {
            static_cast<void>(
                TryInject(runner, target, {ForegroundRecord(runner, p, kInjectedFlags | mouseevent::kWheel, data)}));
        } else {
            // Delta in the high word, no key state in the low word; screen coordinates.
            const std::uintptr_t wParam = static_cast<std::uintptr_t>(data & 0xFFFFu) << 16;
            static_cast<void>(TryPost(runner, target, msg::kMouseWheel, wParam, PackPoint(p)));
        }
        if (runner.StopRequested()) return runner.StopResult();
        s.clock.Sleep(1);
    }
    if (count > 0 && runner.dueMicros)
        *runner.dueMicros += static_cast<std::int64_t>(count) * kRepetitionAllowanceMs * 1000;
    return 0;
}

}  // namespace xd
