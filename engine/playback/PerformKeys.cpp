#include <string>
#include <vector>

#include "appcore/keyboard/KeyPlayback.h"
#include "engine/playback/ApproachPoint.h"
#include "engine/playback/KeyActions.h"
#include "engine/playback/PlaybackMessages.h"
#include "engine/playback/Timing.h"

namespace xd {

namespace {

// Background keys need the window the last 目标窗口 chose, reported as a click without one is.
bool HaveBackgroundWindow(Runner& runner, WindowHandle window) noexcept {
    if (window != kNoWindow && runner.services.windows.IsWindow(window)) return true;
    ShowRunError(runner, std::string(window == kNoWindow ? kNoTargetText : kTargetClosedText));
    runner.RequestStop();
    return false;
}

// The previous statement's wait, as ApproachPoint spends it, without the glide.
int AwaitKeyAction(Runner& runner, std::int32_t nextWait) noexcept {
    PlaybackServices& s = runner.services;
    if (runner.StopRequested()) return runner.StopResult();
    const std::int32_t durationMs = ApproachDurationMs(runner.run->nextApproachMs.load(), EffectiveSpeed(s.config));
    const std::int64_t start = s.clock.MonotonicMicros();
    const std::int64_t deadline =
        MovementDeadline(start, runner.dueMicros ? &*runner.dueMicros : nullptr, durationMs);
    runner.run->nextActionMicros.store(deadline);
    for (;;) {
        if (runner.StopRequested()) return runner.StopResult();
        const std::int64_t now = s.clock.MonotonicMicros();
        if (now >= deadline) break;
        s.clock.SleepUntilStep(NextStepWake(start, now, deadline), deadline);
    }
    runner.dueMicros = deadline;
    runner.run->nextApproachMs.store(StoredWait(nextWait));
    return 0;
}

// Where one statement's keys go, in the mode it started in.
class KeySender {
public:
    KeySender(Runner& runner, bool foreground, WindowHandle target)
        : runner_(runner),
          foreground_(foreground),
          window_(foreground ? runner.services.windows.ForegroundWindow() : target),
          control_(foreground ? kNoWindow : KeyTarget(runner.services.windows, target)) {}

    // Scan codes come from the layout of the window that takes the keys.
    WindowHandle LayoutWindow() const noexcept { return window_; }

    // False when the playback must stop (a refusal, reported).
    bool Send(std::vector<KeyStroke>::const_iterator first, std::vector<KeyStroke>::const_iterator last) {
        if (foreground_) {
            std::vector<KeyInputRecord> records;
            for (auto s = first; s != last; ++s) records.push_back(StrokeRecord(*s));
            return records.empty() || TryInjectKeys(runner_, window_, records);
        }
        for (auto s = first; s != last; ++s)
            if (!TryPostKey(runner_, window_, control_, StrokeMessage(*s, held_))) return false;
        return true;
    }

    // Keys a statement pressed go up even when it ends on a stop or a refusal: a Ctrl left down would act on
    // whatever the user does next. Nothing is reported from here.
    void LetGo(std::vector<KeyStroke>::const_iterator first, std::vector<KeyStroke>::const_iterator last) {
        std::vector<KeyInputRecord> records;
        for (auto s = first; s != last; ++s) {
            if (foreground_) {
                records.push_back(StrokeRecord(*s));
            } else {
                const KeyMessage m = StrokeMessage(*s, held_);
                static_cast<void>(runner_.services.windows.PostMessage(control_, m.message, m.wParam, m.lParam));
            }
        }
        if (!records.empty()) static_cast<void>(runner_.services.input.SendKeyInput(records));
    }

    bool SendText(std::string_view text) {
        if (foreground_) return TryInjectKeys(runner_, window_, TextRecords(text));
        for (const KeyMessage& m : TextMessages(text))
            if (!TryPostKey(runner_, window_, control_, m)) return false;
        return true;
    }

private:
    Runner& runner_;
    const bool foreground_;
    const WindowHandle window_;
    const WindowHandle control_;
    HeldKeys held_;  // the previous-state and Alt bits of the posts, across the statement
};

}  // namespace

int PerformKeyPress(Runner& runner, const KeyCombination& keys, std::int32_t count, std::int32_t wait) noexcept {
    const bool foreground = runner.services.config.foregroundMode.load() != 0;
    const WindowHandle target = runner.run->targetWindow.load();
    if (!foreground && !HaveBackgroundWindow(runner, target)) return 1;
    if (const int r = AwaitKeyAction(runner, ClickNextWait(wait, count)); r != 0) return r;
    if (count <= 0) return 0;

    KeySender sender(runner, foreground, target);
    // One press's strokes: modifiers down, the key down and up, modifiers up. Repeats send only the middle,
    // so a count of millions never becomes millions of strokes at once.
    const std::vector<KeyStroke> strokes = CombinationStrokes(runner.services.windows, sender.LayoutWindow(), keys, 1);
    const auto press = strokes.begin() + static_cast<std::ptrdiff_t>((strokes.size() - 2) / 2);
    const auto ups = press + 2;

    bool modifiersDown = false;
    for (std::int32_t i = 0; i < count; ++i) {
        const bool last = i == count - 1;
        const bool sent = sender.Send(i == 0 ? strokes.begin() : press, last ? strokes.end() : ups);
        if (sent) modifiersDown = !last;
        if (!sent || runner.StopRequested()) {
            if (modifiersDown) sender.LetGo(ups, strokes.end());
            return runner.StopResult();
        }
        runner.services.clock.Sleep(1);
    }
    if (runner.dueMicros) *runner.dueMicros += static_cast<std::int64_t>(count) * kRepetitionAllowanceMs * 1000;
    return 0;
}

int PerformTypeText(Runner& runner, std::string_view text, std::int32_t wait) noexcept {
    const bool foreground = runner.services.config.foregroundMode.load() != 0;
    const WindowHandle target = runner.run->targetWindow.load();
    if (!foreground && !HaveBackgroundWindow(runner, target)) return 1;
    if (const int r = AwaitKeyAction(runner, wait); r != 0) return r;
    KeySender sender(runner, foreground, target);
    if (!sender.SendText(text)) return runner.StopResult();
    return runner.StopRequested() ? runner.StopResult() : 0;
}

}  // namespace xd
