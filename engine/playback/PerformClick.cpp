#include <vector>

#include "engine/playback/ApproachPoint.h"
#include "engine/playback/InputActions.h"
#include "engine/playback/MouseButtons.h"
#include "engine/playback/RandomOffset.h"
#include "engine/playback/Timing.h"

namespace xd {

std::optional<std::uintptr_t> NonClientHit(Runner& runner, WindowHandle target, std::intptr_t at) noexcept {
    const std::optional<std::intptr_t> answer =
        runner.services.windows.SendMessageTimeout(target, msg::kNcHitTest, 0, at, kHitTestTimeoutMs);
    if (answer) return static_cast<std::uintptr_t>(*answer);
    if (runner.StopRequested()) return std::nullopt;
    return 0;  // HTNOWHERE
}

MouseInputRecord ForegroundRecord(Runner& runner, Point p, std::uint32_t flags, std::uint32_t mouseData) {
    MouseInputRecord record = InputRecordAt(runner.place.virtualScreen, p, flags, mouseData);
    if (runner.services.config.moveMouse.load() == 0) record.flags &= ~mouseevent::kMove;
    return record;
}

namespace {

void ClickInForeground(Runner& runner, const std::optional<MouseButton>& button, Point p, WindowHandle target) {
    PlaybackServices& s = runner.services;
    const Point home = s.input.GetCursorPos();
    const bool movePointer = s.config.moveMouse.load() != 0;
    // The approach has normally left the pointer on the point already: no warp to where it stands delays
    // the press.
    if (movePointer && home != p) static_cast<void>(s.input.SetCursorPos(p));
    bool pressed = false;
    if (button) {
        std::vector<MouseInputRecord> records{ForegroundRecord(runner, p, button->inputDown),
                                              ForegroundRecord(runner, p, button->inputUp)};
        // The way back rides in the same call: the system may take the records after the move back below,
        // and each one moves the pointer to its own point; this one brings it home after them.
        if (movePointer && home != p) records.push_back(InputRecordAt(runner.place.virtualScreen, home, 0));
        pressed = TryInject(runner, target, records);
    }
    if (movePointer) static_cast<void>(s.input.SetCursorPos(home));
    // After the input, as in the background: placing the effect's window is a request to the main thread.
    if (pressed && s.config.clickEffect.load() != 0)
        ShowClickEffect(s.effects, s.overlays, p, static_cast<std::int32_t>(button->down));
}

// A refused press is not followed by its release: the window takes no posts from us.
void PostPress(Runner& runner, const MouseButton& button, Point p, WindowHandle target, const Rect& client) {
    if (client.Contains(p)) {
        const std::intptr_t at = PackPoint(Offset(p, Point{client.left, client.top}));
        if (TryPost(runner, target, button.down, button.keyState, at))
            static_cast<void>(TryPost(runner, target, button.up, button.keyState, at));
    } else {
        const std::intptr_t at = PackPoint(p);
        const std::optional<std::uintptr_t> hit = NonClientHit(runner, target, at);
        if (!hit) return;
        if (TryPost(runner, target, button.nonClientDown, *hit, at))
            static_cast<void>(TryPost(runner, target, button.nonClientUp, *hit, at));
    }
}

void ClickInBackground(Runner& runner, const std::optional<MouseButton>& button, Point p, WindowHandle target,
                       const Rect& client) {
    PlaybackServices& s = runner.services;
    if (button) PostPress(runner, *button, p, target, client);
    if (runner.refused) return;
    // The effect marks the point even for a code that presses nothing. It follows the press: placing its
    // window is a request to the main thread, which would delay the press by as long as it takes.
    if (s.config.clickEffect.load() != 0)
        ShowClickEffect(s.effects, s.overlays, p, button ? static_cast<std::int32_t>(button->down) : 0);
}

}  // namespace

int PerformClick(Runner& runner, std::int32_t buttonCode, std::int32_t x, std::int32_t y, std::int32_t count,
                 std::int32_t wait) noexcept {
    if (const int r = ApproachPoint(runner, ClickNextWait(wait, count), x, y); r != 0) return r;
    PlaybackServices& s = runner.services;
    const WindowHandle target = runner.run->targetWindow.load();
    const Rect client = runner.place.client;
    const std::optional<MouseButton> button = ButtonForCode(buttonCode);
    ClickJitter jitter(static_cast<std::uint64_t>(s.clock.MonotonicMicros()));

    for (std::int32_t i = 0; i < count; ++i) {
        Point p = ToDevicePoint(runner.place, x, y);
        if (const std::int32_t width = s.config.randomOffset.load(); width != 0) {
            p.x = ClampDeviceCoordinate(static_cast<std::int64_t>(p.x) + jitter.Next(width));
            p.y = ClampDeviceCoordinate(static_cast<std::int64_t>(p.y) + jitter.Next(width));
        }
        if (s.config.foregroundMode.load() != 0)
            ClickInForeground(runner, button, p, target);
        else
            ClickInBackground(runner, button, p, target, client);
        if (runner.StopRequested()) return runner.StopResult();
        s.clock.Sleep(1);
    }
    // The part of the wait the repetitions were allowed (see ClickNextWait) keeps
    // its place in the schedule, so the next action comes `wait` after this one.
    if (count > 0 && runner.dueMicros)
        *runner.dueMicros += static_cast<std::int64_t>(count) * kRepetitionAllowanceMs * 1000;
    return 0;
}

}  // namespace xd
