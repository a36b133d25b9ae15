#include "eventlist/player/EventSteps.h"

#include <algorithm>
#include <vector>

#include "appcore/playback/DevicePoint.h"
#include "appcore/playback/RefusedInput.h"
#include "eventlist/KeyEvent.h"
#include "eventlist/PlaySliders.h"

namespace xd {

std::uint32_t ForegroundAction(std::int32_t message) noexcept {
    switch (message) {
        case evmsg::kLeftDown: return mouseevent::kLeftDown;
        case evmsg::kLeftUp: return mouseevent::kLeftUp;
        case evmsg::kRightDown: return mouseevent::kRightDown;
        case evmsg::kRightUp: return mouseevent::kRightUp;
        case evmsg::kMiddleDown: return mouseevent::kMiddleDown;
        case evmsg::kMiddleUp: return mouseevent::kMiddleUp;
        case evmsg::kWheel: return mouseevent::kWheel;
        case evmsg::kHWheel: return mouseevent::kHWheel;
        default: return 0;
    }
}

std::optional<std::uint32_t> ClientMessage(std::int32_t message, bool doubleClick) noexcept {
    switch (message) {
        case evmsg::kLeftDown: return doubleClick ? msg::kLButtonDblClk : msg::kLButtonDown;
        case evmsg::kRightDown: return doubleClick ? msg::kRButtonDblClk : msg::kRButtonDown;
        case evmsg::kMiddleDown: return doubleClick ? msg::kMButtonDblClk : msg::kMButtonDown;
        case evmsg::kMove:
        case evmsg::kLeftUp:
        case evmsg::kRightUp:
        case evmsg::kMiddleUp:
        case evmsg::kWheel:
        case evmsg::kHWheel: return static_cast<std::uint32_t>(message);
        default: return std::nullopt;
    }
}

std::optional<std::uint32_t> NonClientMessage(std::int32_t message, bool doubleClick) noexcept {
    switch (message) {
        case evmsg::kMove: return msg::kNcMouseMove;
        case evmsg::kLeftDown: return doubleClick ? msg::kNcLButtonDblClk : msg::kNcLButtonDown;
        case evmsg::kLeftUp: return msg::kNcLButtonUp;
        case evmsg::kRightDown: return doubleClick ? 0x00A6u : msg::kNcRButtonDown;
        case evmsg::kRightUp: return msg::kNcRButtonUp;
        case evmsg::kMiddleDown: return doubleClick ? 0x00A9u : msg::kNcMButtonDown;
        case evmsg::kMiddleUp: return msg::kNcMButtonUp;
        default: return std::nullopt;
    }
}

std::int32_t DownButton(std::int32_t message) noexcept {
    switch (message) {
        case evmsg::kLeftDown: return evflag::kLeft;
        case evmsg::kRightDown: return evflag::kRight;
        case evmsg::kMiddleDown: return evflag::kMiddle;
        default: return 0;
    }
}

std::int32_t UpButton(std::int32_t message) noexcept {
    switch (message) {
        case evmsg::kLeftUp: return evflag::kLeft;
        case evmsg::kRightUp: return evflag::kRight;
        case evmsg::kMiddleUp: return evflag::kMiddle;
        default: return 0;
    }
}

std::intptr_t PackPosition(Point p) noexcept {
    const std::uint32_t packed =
        (static_cast<std::uint32_t>(p.y) << 16) | (static_cast<std::uint32_t>(p.x) & 0xFFFFu);
    return static_cast<std::intptr_t>(packed);
}

Point EventPointInWindow(IWindowSystem& windows, const RecordedEvent& event) {
    // A key event's offsets hold the text it typed; where the pointer was is all it has of a point.
    if (IsKeyMessage(event.message)) return Point{event.x, event.y};
    const Rect r = windows.WindowRect(event.window);
    return Point{r.left + LowHalf(event.offsetX), r.top + LowHalf(event.offsetY)};
}

namespace {

std::int32_t UpMessageOf(std::int32_t button) noexcept {
    switch (button) {
        case evflag::kLeft: return evmsg::kLeftUp;
        case evflag::kRight: return evmsg::kRightUp;
        default: return evmsg::kMiddleUp;
    }
}

std::size_t ButtonIndex(std::int32_t button) noexcept {
    switch (button) {
        case evflag::kLeft: return 0;
        case evflag::kRight: return 1;
        default: return 2;
    }
}

void NoteButtons(std::int32_t& held, RecordedEvent& last, const RecordedEvent& event) {
    held |= DownButton(event.message);
    held &= ~UpButton(event.message);
    last = event;
}

// The SendInput down flags of evflag buttons.
std::uint32_t InputDownFlags(std::int32_t buttons) noexcept {
    std::uint32_t flags = 0;
    if (buttons & evflag::kLeft) flags |= mouseevent::kLeftDown;
    if (buttons & evflag::kRight) flags |= mouseevent::kRightDown;
    if (buttons & evflag::kMiddle) flags |= mouseevent::kMiddleDown;
    return flags;
}

// Pointer to the event, its input (if any), pointer back unless it stays. False
// when the input did not all go in; what the foreground held is then let go.
bool InjectAt(EventPlayerContext& c, const RecordedEvent& event) {
    const EventPlayerServices& s = c.services;
    const Point back = s.input.GetCursorPos();
    const Point at{event.x, event.y};
    const bool goBack = !s.settings.moveToCurrent.load();
    const std::uint32_t action = ForegroundAction(event.message);
    // A move is a warp. A button or wheel record moves the pointer itself: a warp just before it only
    // races it, and under Wine the press then landed where the warp's late echo had put the pointer back.
    // A refused move is left as it is: the injection that follows is what tells.
    if (action == 0) static_cast<void>(s.input.SetCursorPos(at));
    bool inserted = true;
    if (action != 0) {
        const bool wheel = action == mouseevent::kWheel || action == mouseevent::kHWheel;
        const std::uint32_t data = wheel ? static_cast<std::uint32_t>(WheelDelta(event.keyFlags)) : 0u;
        // The input carries the event's point: the system may take it after the move back below.
        std::vector<MouseInputRecord> records{InputRecordAt(c.virtualScreen, at, action, data)};
        // So the way back rides in the same call, behind it: taken late, the input still leaves the pointer back.
        if (goBack && back != at) records.push_back(InputRecordAt(c.virtualScreen, back, 0));
        inserted = InjectOrRelease(s.input, records, InputDownFlags(c.heldForeground));
    }
    if (goBack) static_cast<void>(s.input.SetCursorPos(back));
    return inserted;
}

enum class PostOutcome { Posted, NothingToPost, Failed };

// Posts the event's message to its (live) window at P. The frame gets the
// non-client form with the hit-test answer.
PostOutcome PostAt(EventPlayerContext& c, const RecordedEvent& event, Point p, bool doubleClick) {
    IWindowSystem& windows = c.services.windows;
    const WindowHandle w = event.window;
    const Rect window = windows.WindowRect(w);
    const Rect client = windows.ClientRectOnScreen(w);
    const auto outcome = [](bool posted) { return posted ? PostOutcome::Posted : PostOutcome::Failed; };
    if (window.Contains(p) && !client.Contains(p)) {
        const std::optional<std::uint32_t> message = NonClientMessage(event.message, doubleClick);
        if (!message) return PostOutcome::NothingToPost;
        // A hung window answers nothing in time: HTNOWHERE then.
        const std::intptr_t hit =
            windows.SendMessageTimeout(w, msg::kNcHitTest, 0, PackPosition(p), kHitTestTimeoutMs).value_or(0);
        return outcome(windows.PostMessage(w, *message, static_cast<std::uintptr_t>(hit), PackPosition(p)));
    }
    const std::optional<std::uint32_t> message = ClientMessage(event.message, doubleClick);
    if (!message) return PostOutcome::NothingToPost;
    const bool wheel = *message == msg::kMouseWheel || *message == msg::kMouseHWheel;
    const Point position = wheel ? p : windows.ScreenToClient(w, p);
    return outcome(
        windows.PostMessage(w, *message, static_cast<std::uint32_t>(event.keyFlags), PackPosition(position)));
}

constexpr std::uint32_t kRefusedBoxFlags = mb::kOk | mb::kIconError;

// The top-level window a point is in: what injected input at that point reaches.
WindowHandle TopLevelAt(IWindowSystem& windows, Point p) {
    WindowHandle w = windows.WindowFromPoint(p);
    const WindowHandle desktop = windows.DesktopWindow();
    for (WindowHandle parent = windows.Parent(w); parent != kNoWindow && parent != desktop;
         parent = windows.Parent(w))
        w = parent;
    return w;
}

// The first refusal ends the playback: what is held is let go first, so no
// button stays down under the box.
void Refuse(EventPlayerContext& c, WindowHandle w) {
    c.refused = true;
    ReleaseHeldButtons(c);
    static_cast<void>(c.services.boxes.Show(kNoWindow, RefusedInputText(c.services.windows, w), "迅点小侠",
                                            kRefusedBoxFlags));
}

void ShowEffectForDown(EventPlayerContext& c, const RecordedEvent& event, Point at) {
    if (DownButton(event.message) != 0 && c.services.settings.clickEffect.load())
        ShowClickEffect(c.services.effects, c.services.overlays, at, event.message);
}

void PlaceHint(EventPlayerContext& c, Point p) {
    c.hintCorner = Point{p.x + 1, p.y + 1};
    c.services.overlays.PlacePointerOverlay(c.hint, c.hintCorner);
    c.services.overlays.ShowNoActivate(c.hint);
}

}  // namespace

void WaitAfterEvent(EventPlayerContext& c, std::int32_t delayMs) {
    IClock& clock = c.services.clock;
    const std::int64_t wait = EventWaitMs(delayMs, c.services.settings.speedPosition.load());
    std::int64_t now = clock.MonotonicMicros();
    // A little late (the event's own handling, which an event without a delay cannot absorb): the schedule
    // stands, so lateness does not add up from event to event. Late by a slice or more (a box, a slow
    // window): start again from now rather than hurry through what fell due meanwhile.
    const std::int64_t due = c.dueMicros.value_or(now) + wait * 1000;
    const std::int64_t deadline = now - due >= kWaitSliceMicros ? now : due;
    c.dueMicros = deadline;
    c.run->nextEventMicros.store(deadline);
    while (deadline - now >= kWaitSliceMicros) {
        clock.SleepUntil(now + kWaitSliceMicros);
        if (!c.Playing()) return;
        now = clock.MonotonicMicros();
    }
    if (deadline > now) clock.SleepUntil(deadline);
}

bool ForegroundStep(EventPlayerContext& c, std::size_t k) {
    const RecordedEvent event = c.events[k];
    const EventPlayerServices& s = c.services;
    if (!s.settings.virtualPointer.load() || s.settings.moveToCurrent.load()) {
        s.overlays.Hide(c.hint);
    } else {
        PlaceHint(c, Point{event.x, event.y});
    }
    if (IsKeyMessage(event.message)) {
        if (InjectKey(s.input, event, c.keysForeground) != KeyStepOutcome::Refused) return true;
        Refuse(c, s.windows.ForegroundWindow());
        return false;
    }
    if (!InjectAt(c, event)) {
        // InjectAt has tried to let go of what was held, but nothing says that release went in: refused
        // too, it would leave a button down that this playback no longer knew of. What was held stays
        // noted, and the refusal lets it go again (an up of a button already up does no harm).
        Refuse(c, TopLevelAt(s.windows, Point{event.x, event.y}));
        return false;
    }
    NoteButtons(c.heldForeground, c.lastForeground, event);
    ShowEffectForDown(c, event, Point{event.x, event.y});
    return true;
}

bool BackgroundStep(EventPlayerContext& c, std::size_t k) {
    RecordedEvent& event = c.events[k];
    const EventPlayerServices& s = c.services;
    if (!s.windows.IsWindow(event.window)) {
        event.window = FindEventWindow(c.Search(static_cast<std::int32_t>(k)), event, c.abort);
        // The box may have been up for long: stopped meanwhile (Esc, perhaps a new playback since), the
        // playback touches nothing more.
        if (!c.Playing()) return false;
        if (event.window != kNoWindow)
            s.view.PostEventWindow(c.run->generation, static_cast<std::int32_t>(k), event.window);
        if (c.abort == AbortState::Aborted || !s.windows.IsWindow(event.window)) return false;
    }
    const Point p = EventPointInWindow(s.windows, event);
    if (s.settings.virtualPointer.load()) {
        PlaceHint(c, p);
    } else {
        s.overlays.Hide(c.hint);
    }
    if (IsKeyMessage(event.message)) {
        if (PostKey(s.windows, event, c.keysBackground) == KeyStepOutcome::Refused && s.windows.IsWindow(event.window)) {
            Refuse(c, event.window);
            return false;
        }
        return true;
    }
    const bool doubleClick = DownButton(event.message) != 0 && CompletesDoubleClick(c.events, k, c.metrics);
    // A failed post is not retried: the window may be closing, and the next event
    // looks for it again. A live window that fails it refuses our input.
    if (PostAt(c, event, p, doubleClick) == PostOutcome::Failed && s.windows.IsWindow(event.window)) {
        Refuse(c, event.window);
        return false;
    }
    NoteButtons(c.heldBackground, c.lastBackground, event);
    if (const std::int32_t button = DownButton(event.message); button != 0)
        c.pressedWindow[ButtonIndex(button)] = event.window;
    ShowEffectForDown(c, event, p);
    return true;
}

void ReleaseHeldButtons(EventPlayerContext& c) {
    IWindowSystem& windows = c.services.windows;
    ReleaseHeldKeys(c.services.input, c.keysForeground);
    // A release that is refused leaves its button noted as held, for the next try.
    for (const std::int32_t button : {evflag::kLeft, evflag::kRight, evflag::kMiddle}) {
        if (c.heldForeground & button) {
            RecordedEvent up = c.lastForeground;
            up.message = UpMessageOf(button);
            if (InjectAt(c, up)) c.heldForeground &= ~button;
        }
        const WindowHandle pressed = c.pressedWindow[ButtonIndex(button)];
        if (!(c.heldBackground & button)) continue;
        if (windows.IsWindow(pressed)) {
            // Where the drag had got to, said to the window that took the press.
            const Point p = windows.IsWindow(c.lastBackground.window) ? EventPointInWindow(windows, c.lastBackground)
                                                                      : Point{c.lastBackground.x, c.lastBackground.y};
            RecordedEvent up = c.lastBackground;
            up.window = pressed;
            up.message = UpMessageOf(button);
            up.keyFlags = LowHalf(up.keyFlags) & ((c.heldBackground & ~button) | evflag::kShift | evflag::kCtrl);
            if (PostAt(c, up, p, false) == PostOutcome::Failed && windows.IsWindow(pressed)) continue;
        }
        // Released, or the window that took the press has gone and holds nothing.
        c.heldBackground &= ~button;
    }
}

std::string StillHeldText(std::int32_t buttons) {
    std::string names;
    for (const auto& [button, name] : {std::pair{evflag::kLeft, "左键"}, std::pair{evflag::kRight, "右键"},
                                       std::pair{evflag::kMiddle, "中键"}}) {
        if (!(buttons & button)) continue;
        if (!names.empty()) names += "、";
        names += name;
    }
    return "回放结束时，鼠标" + names + "仍处于按下状态：松开它的操作被拒绝了。\r\n请自己按一下该键，将它松开。";
}

}  // namespace xd
