#include "engine/playback/ApproachPoint.h"

#include <cmath>
#include <string>

#include "appcore/playback/PointerOverlay.h"
#include "appcore/playback/RefusedInput.h"
#include "engine/playback/PlaybackMessages.h"
#include "engine/playback/PointerShown.h"
#include "engine/playback/Timing.h"

namespace xd {

void ShowRunError(Runner& runner, const std::string& text) noexcept {
    static_cast<void>(runner.services.boxes.Show(kNoWindow, text, std::string(kRunErrorCaption), kRunErrorBoxFlags));
}

namespace {

// True when the playback must stop for it. `receiver` is what the input went to, `named` the window the box
// names.
bool Refused(Runner& runner, bool delivered, WindowHandle receiver, WindowHandle named) noexcept {
    if (delivered) return false;
    if (runner.refused) return true;
    if (!runner.services.windows.IsWindow(receiver)) return false;
    runner.refused = true;
    ShowRunError(runner, RefusedInputText(runner.services.windows, named));
    runner.RequestStop();
    return true;
}

}  // namespace

bool TryPost(Runner& runner, WindowHandle target, std::uint32_t message, std::uintptr_t wParam,
             std::intptr_t lParam) noexcept {
    if (runner.refused) return false;
    return !Refused(runner, runner.services.windows.PostMessage(target, message, wParam, lParam), target, target);
}

bool TryInject(Runner& runner, WindowHandle target, const std::vector<MouseInputRecord>& records,
               std::uint32_t heldBefore) noexcept {
    if (runner.refused) return false;
    return !Refused(runner, InjectOrRelease(runner.services.input, records, heldBefore), target, target);
}

bool TryPostKey(Runner& runner, WindowHandle window, WindowHandle control, const KeyMessage& m) noexcept {
    if (runner.refused) return false;
    const bool posted = runner.services.windows.PostMessage(control, m.message, m.wParam, m.lParam);
    return !Refused(runner, posted, control, window);
}

bool TryInjectKeys(Runner& runner, WindowHandle window, const std::vector<KeyInputRecord>& records) noexcept {
    if (runner.refused) return false;
    IInput& input = runner.services.input;
    const unsigned inserted = input.SendKeyInput(records);
    const bool all = inserted >= records.size();
    if (!all) {
        const std::vector<KeyInputRecord> ups = ReleaseRecords(records, inserted);
        if (!ups.empty()) static_cast<void>(input.SendKeyInput(ups));
    }
    return !Refused(runner, all, window, window);
}

namespace {

bool RealPointerGlides(ScriptConfig& config) noexcept {
    return config.foregroundMode.load() != 0 && config.moveMouse.load() != 0;
}

void SendPointerTo(Runner& runner, Point screen, WindowHandle target, Point clientOrigin) noexcept {
    PlaybackServices& s = runner.services;
    if (RealPointerGlides(s.config)) {
        static_cast<void>(s.input.SetCursorPos(screen));
    } else {
        static_cast<void>(TryPost(runner, target, msg::kMouseMove, 0, PackPoint(Offset(screen, clientOrigin))));
    }
}

void PlacePointerOverlay(Runner& runner, Point screen) noexcept {
    runner.overlayCorner = PointerCornerFor(screen);
    // A hidden arrow is not moved: each placement is work for the main thread and the display, a hundred
    // times a second during a glide.
    if (PointerHiddenWhileActing(runner.services.config)) return;
    runner.services.overlays.PlacePointerOverlay(runner.run->pointerOverlay.load(), runner.overlayCorner);
}

}  // namespace

void MovePointerTo(Runner& runner, Point screen, WindowHandle target, Point clientOrigin) noexcept {
    // The move first: the overlay is a request to the main thread, and at a deadline every call before the
    // action delays it.
    SendPointerTo(runner, screen, target, clientOrigin);
    PlacePointerOverlay(runner, screen);
}

namespace {

constexpr double kFinalPlacementSteps = 1.5;

// One step of the glide: the remaining distance over the remaining steps, floored.
int GlideStep(int from, int to, double stepsLeft) {
    return from + static_cast<int>(std::floor(static_cast<double>(to - from) / stepsLeft));
}

}  // namespace

int ApproachPoint(Runner& runner, std::int32_t nextWait, int x, int y) noexcept {
    PlaybackServices& s = runner.services;
    if (runner.StopRequested()) return runner.StopResult();
    const WindowHandle target = runner.run->targetWindow.load();
    if (target == kNoWindow || !s.windows.IsWindow(target)) {
        ShowRunError(runner, std::string(target == kNoWindow ? kNoTargetText : kTargetClosedText));
        runner.RequestStop();
        return 1;
    }
    if (PointerHiddenWhileActing(s.config)) s.overlays.Hide(runner.run->pointerOverlay.load());

    runner.place = ReadTargetPlace(s.scale, s.windows, target);
    Point to = ToDevicePoint(runner.place, x, y);
    Point origin{runner.place.client.left, runner.place.client.top};
    const float speed = EffectiveSpeed(s.config);
    const std::int32_t durationMs = ApproachDurationMs(runner.run->nextApproachMs.load(), speed);
    const std::int64_t start = s.clock.MonotonicMicros();
    const std::int64_t deadline =
        MovementDeadline(start, runner.dueMicros ? &*runner.dueMicros : nullptr, durationMs);
    runner.run->nextActionMicros.store(deadline);

    Point c = runner.overlayCorner;
    bool overlayAtPoint = false;
    for (;;) {
        if (runner.StopRequested()) return runner.StopResult();
        const std::int64_t now = s.clock.MonotonicMicros();
        if (now >= deadline) break;
        const double stepsLeft = static_cast<double>(deadline - now) / static_cast<double>(kStepMicros);
        // The final placement below comes at the first wake 15 ms or less before the deadline, so at least
        // 5 ms ahead of the action (a divisor below 1 would also overshoot the point).
        if (stepsLeft > kFinalPlacementSteps) {
            c = Point{GlideStep(c.x, to.x, stepsLeft), GlideStep(c.y, to.y, stepsLeft)};
            MovePointerTo(runner, c, target, origin);
        } else if (!overlayAtPoint) {
            // The last step reads the target again (it may have moved during the glide) and puts the
            // overlay at the point, so that at the deadline only the move and the action are sent: asking
            // the target's process and the display, or the main thread, takes time a deadline does not have.
            runner.place = ReadTargetPlace(s.scale, s.windows, target);
            to = ToDevicePoint(runner.place, x, y);
            origin = Point{runner.place.client.left, runner.place.client.top};
            PlacePointerOverlay(runner, to);
            // The real pointer arrives now as well: input injected just after the pointer is moved may be
            // delivered late, so at the deadline it is already where the action happens.
            if (RealPointerGlides(s.config)) SendPointerTo(runner, to, target, origin);
            overlayAtPoint = true;
        }
        s.clock.SleepUntilStep(NextStepWake(start, now, deadline), deadline);
    }
    if (!overlayAtPoint)
        MovePointerTo(runner, to, target, origin);
    else if (!RealPointerGlides(s.config))
        SendPointerTo(runner, to, target, origin);
    if (runner.refused) return 1;
    runner.dueMicros = deadline;
    runner.run->nextApproachMs.store(StoredWait(nextWait));
    return 0;
}

}  // namespace xd

