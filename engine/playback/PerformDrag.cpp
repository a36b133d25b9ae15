#include <cmath>

#include "appcore/playback/PointerOverlay.h"
#include "appcore/playback/RefusedInput.h"
#include "engine/playback/ApproachPoint.h"
#include "engine/playback/InputActions.h"
#include "engine/playback/MouseButtons.h"
#include "engine/playback/PointerShown.h"
#include "engine/playback/Timing.h"
#include "platform/Pixels.h"

namespace xd {

namespace {

// How the drag began, so it ends the same way even if the mode changes
// mid-drag. Client and NonClient only with a button; Foreground with or without.
enum class Press { None, Foreground, Client, NonClient };

struct DragTarget {
    WindowHandle window = kNoWindow;
    Point origin{};
    Rect client{};
    Rect screen{};  // the virtual screen, as read ahead of the press
};

void PostNonClientClick(Runner& runner, const MouseButton& button, WindowHandle target, Point screen) {
    const std::intptr_t at = PackPoint(screen);
    const std::optional<std::uintptr_t> hit = NonClientHit(runner, target, at);
    if (!hit) return;
    if (TryPost(runner, target, button.nonClientDown, *hit, at))
        static_cast<void>(TryPost(runner, target, button.nonClientUp, *hit, at));
}

Press PressAt(Runner& runner, const std::optional<MouseButton>& button, const DragTarget& t, Point start) {
    PlaybackServices& s = runner.services;
    const bool effect = s.config.clickEffect.load() != 0;
    if (s.config.foregroundMode.load() != 0) {
        static_cast<void>(s.input.SetCursorPos(start));
        if (!button) return Press::Foreground;
        if (effect) ShowClickEffect(s.effects, s.overlays, start, static_cast<std::int32_t>(button->down));
        // A press that did not go in holds nothing.
        if (!TryInject(runner, t.window, {InputRecordAt(t.screen, start, button->inputDown)})) return Press::None;
        return Press::Foreground;
    }
    if (!button) return Press::None;
    if (effect) ShowClickEffect(s.effects, s.overlays, start, static_cast<std::int32_t>(button->down));
    if (t.client.Contains(start)) {
        if (!TryPost(runner, t.window, button->down, button->keyState, PackPoint(Offset(start, t.origin))))
            return Press::None;
        return Press::Client;
    }
    // Outside the client area the press is a whole non-client click; so is the release.
    PostNonClientClick(runner, *button, t.window, start);
    return Press::NonClient;
}

void ReleaseAt(Runner& runner, const std::optional<MouseButton>& button, Press press, const DragTarget& t,
               Point end) {
    PlaybackServices& s = runner.services;
    switch (press) {
        case Press::Foreground:
            // The pointer is left at the end point.
            static_cast<void>(s.input.SetCursorPos(end));
            if (button)
                static_cast<void>(
                    TryInject(runner, t.window, {InputRecordAt(t.screen, end, button->inputUp)}, button->inputDown));
            break;
        case Press::Client:
            static_cast<void>(TryPost(runner, t.window, button->up, button->keyState, PackPoint(Offset(end, t.origin))));
            break;
        case Press::NonClient:
            PostNonClientClick(runner, *button, t.window, end);
            break;
        case Press::None:
            break;
    }
}

// A stop while the button is held lets it go where the drag had got to, so no
// button stays pressed after the playback; after a refusal too, as far as the
// target still takes it.
void LetGo(Runner& runner, const std::optional<MouseButton>& button, Press press, const DragTarget& t, Point at) {
    PlaybackServices& s = runner.services;
    if (!button) return;
    if (press == Press::Foreground)
        static_cast<void>(InjectOrRelease(s.input, {InputRecordAt(t.screen, at, button->inputUp)}, button->inputDown));
    else if (press == Press::Client)
        static_cast<void>(
            s.windows.PostMessage(t.window, button->up, button->keyState, PackPoint(Offset(at, t.origin))));
}

int DragStep(int from, int to, double stepsLeft) {
    return RoundHalfEven(static_cast<double>(to - from) / stepsLeft + from);
}

}  // namespace

int PerformDrag(Runner& runner, std::int32_t buttonCode, std::int32_t startX, std::int32_t startY,
                std::int32_t endX, std::int32_t endY, std::int32_t duration, std::int32_t wait) noexcept {
    if (const int r = ApproachPoint(runner, wait, startX, startY); r != 0) return r;
    PlaybackServices& s = runner.services;
    DragTarget t;
    t.window = runner.run->targetWindow.load();
    t.client = runner.place.client;
    t.screen = runner.place.virtualScreen;
    t.origin = Point{t.client.left, t.client.top};
    Point v = runner.overlayCorner;
    const Point start = ToDevicePoint(runner.place, startX, startY);
    const std::optional<MouseButton> button = ButtonForCode(buttonCode);
    const Press press = PressAt(runner, button, t, start);
    Point held = start;  // where the button is now, for a release on stop

    if (PointerHiddenWhileActing(s.config)) s.overlays.Hide(runner.run->pointerOverlay.load());
    const Point end = ToDevicePoint(runner.place, endX, endY);
    const std::int32_t durationMs = DragDurationMs(duration, EffectiveSpeed(s.config));
    const std::int64_t begin = s.clock.MonotonicMicros();
    const std::int64_t deadline =
        MovementDeadline(begin, runner.dueMicros ? &*runner.dueMicros : nullptr, durationMs);
    runner.run->nextActionMicros.store(deadline);  // the release

    for (;;) {
        if (runner.StopRequested()) {
            LetGo(runner, button, press, t, held);
            return runner.StopResult();
        }
        const std::int64_t now = s.clock.MonotonicMicros();
        if (now >= deadline) break;
        const double stepsLeft = static_cast<double>(deadline - now) / static_cast<double>(kStepMicros);
        if (stepsLeft > 1.0) {
            v = Point{DragStep(v.x, end.x, stepsLeft), DragStep(v.y, end.y, stepsLeft)};
            runner.overlayCorner = PointerCornerFor(v);
            if (!PointerHiddenWhileActing(s.config))
                s.overlays.PlacePointerOverlay(runner.run->pointerOverlay.load(), runner.overlayCorner);
            // The moves carry no button state, as recorded drags replay them.
            if (s.config.foregroundMode.load() != 0)
                static_cast<void>(s.input.SetCursorPos(v));
            else
                static_cast<void>(TryPost(runner, t.window, msg::kMouseMove, 0, PackPoint(Offset(v, t.origin))));
            if (!runner.refused) held = v;
        }
        s.clock.SleepUntilStep(NextStepWake(begin, now, deadline), deadline);
    }

    MovePointerTo(runner, end, t.window, t.origin);
    if (runner.refused) {
        LetGo(runner, button, press, t, held);
        return 1;
    }
    ReleaseAt(runner, button, press, t, end);
    runner.dueMicros = deadline;
    return runner.refused ? 1 : 0;
}

}  // namespace xd
