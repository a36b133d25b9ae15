#include "recorder/capture/GestureBuilder.h"

#include "platform/Pixels.h"
#include "platform/Ticks.h"
#include "platform/WindowDpi.h"
#include "recorder/capture/KeyGesture.h"
#include "recorder/capture/TargetWindowLine.h"

namespace xd {
namespace {

Point At(const CapturedMouseEvent& event) { return Point{event.x, event.y}; }

// The release of the press just before it, as a click or drag token; End when
// the previous event was not that button's press.
GestureToken ReleaseToken(const CapturedMouseEvent& previous, const CapturedMouseEvent& release, std::uint32_t& t) {
    const int button = ButtonOfMessage(release.message);
    if (!IsPress(previous.message) || ButtonOfMessage(previous.message) != button) return {};
    if (WithinClickTolerance(At(previous), At(release))) {
        t = previous.time;  // a click's wait runs from its press
        return GestureToken{TokenKind::Click, button, 0};
    }
    t = release.time;
    return GestureToken{TokenKind::Drag, button, 0};
}

// Keys held back while one mouse button is down; past this many the rest of them are left out.
constexpr std::size_t kMaxHeldKeys = 256;

WindowHandle TopLevelOf(IWindowSystem& windows, WindowHandle w) {
    const WindowHandle desktop = windows.DesktopWindow();
    for (int depth = 0; depth < 256; ++depth) {  // a window tree that loops must not hang the worker
        const WindowHandle parent = windows.Parent(w);
        if (parent == kNoWindow || parent == desktop) return w;
        w = parent;
    }
    return w;
}

// Background keys go to the focused control of the target window's thread, which is the control a key was
// typed into as long as it stays in the same top-level window; in another one they need a target line of
// their own. `t` stamps the line.
void FeedKey(RecorderContext& context, const RecorderServices& services, const CapturedKeyEvent& event,
             const GestureToken& token, std::uint32_t t) {
    IWindowSystem& windows = services.windows;
    if (context.targetWindow == kNoWindow) {
        context.targetWindow = event.window;
        context.targetProcess = windows.ProcessId(event.window);
        services.writer.Write({EditorWriteKind::AppendLine, BuildTargetWindowLine(windows, event.window)});
    }
    if (context.exclusiveMode && windows.ProcessId(event.window) != context.targetProcess) return;
    if (event.window != context.targetWindow &&
        (!windows.IsWindow(context.targetWindow) ||
         TopLevelOf(windows, event.window) != TopLevelOf(windows, context.targetWindow))) {
        context.targetWindow = event.window;
        FeedGestureToken(context, services, GestureToken{TokenKind::Window}, context.previous, t);
    }
    FeedGestureToken(context, services, token, context.previous, t);
}

// The keys held back during a press, at their own times, or all at `at` (the release that ended the press).
void FeedHeldKeys(RecorderContext& context, const RecorderServices& services, const std::uint32_t* at) {
    if (context.heldKeys.empty()) return;
    std::vector<CapturedKeyEvent> keys;
    keys.swap(context.heldKeys);
    for (const CapturedKeyEvent& key : keys) FeedKey(context, services, key, KeyTokenOf(key), at ? *at : key.time);
}

}  // namespace

void ResetRecorderContext(RecorderContext& context, bool exclusiveMode, int dpiX, int dpiY) noexcept {
    context.targetWindow = kNoWindow;
    context.targetProcess = 0;
    context.previous = CapturedMouseEvent{};
    context.pending = Gesture{};
    context.heldKeys.clear();
    context.exclusiveMode = exclusiveMode;
    context.dpiX = dpiX;
    context.dpiY = dpiY;
}

void HandleMouseEvent(RecorderContext& context, const RecorderServices& services, CapturedMouseEvent event) {
    IWindowSystem& windows = services.windows;
    // A drag that ends over another window stays relative to where it began.
    if (context.targetWindow != kNoWindow && windows.IsWindow(context.targetWindow) &&
        windows.IsWindow(context.previous.window) && IsPress(context.previous.message) && IsRelease(event.message)) {
        event.window = context.previous.window;
    }
    // Nothing under the point (off every screen): no window to record it against,
    // and "no window" is also how the context says no target line is written yet.
    if (event.window == kNoWindow) return;
    const Rect client = windows.ClientRectOnScreen(event.window);

    if (context.targetWindow == kNoWindow) {
        context.targetWindow = event.window;
        context.targetProcess = windows.ProcessId(event.window);
        services.writer.Write({EditorWriteKind::AppendLine, BuildTargetWindowLine(windows, event.window)});
    }
    if (context.exclusiveMode && windows.ProcessId(event.window) != context.targetProcess) return;

    // With the DPI of the window the point is recorded against, so that a script keeps its meaning on a
    // monitor at another scale.
    const DpiPair dpi = WindowDpi(windows, event.window, DpiPair{context.dpiX, context.dpiY});
    event.x = ScreenToLogical(event.x - client.left, dpi.x);
    event.y = ScreenToLogical(event.y - client.top, dpi.y);

    // Keys typed while a button was down come after the gesture its release ends; any other event means
    // the release was never seen, so they come first, where they were typed.
    const bool endsPress = IsRelease(event.message) && IsPress(context.previous.message) &&
                           ButtonOfMessage(event.message) == ButtonOfMessage(context.previous.message);
    if (!endsPress) FeedHeldKeys(context, services, nullptr);

    if (event.window != context.targetWindow) {
        context.targetWindow = event.window;
        FeedGestureToken(context, services, GestureToken{TokenKind::Window}, event, event.time);
    }

    if (IsPress(event.message)) {
        FeedGestureToken(context, services, GestureToken{TokenKind::Start}, event, event.time);
    } else if (IsRelease(event.message)) {
        std::uint32_t t = event.time;
        const GestureToken token = ReleaseToken(context.previous, event, t);
        if (token.kind != TokenKind::End) FeedGestureToken(context, services, token, event, t);
    } else if (event.message == msg::kMouseWheel) {
        FeedGestureToken(context, services, GestureToken{TokenKind::Wheel, 0, WheelDelta(event.mouseData)}, event,
                         event.time);
    }
    context.previous = event;
    if (endsPress) FeedHeldKeys(context, services, &event.time);
}

void HandleKeyEvent(RecorderContext& context, const RecorderServices& services, const CapturedKeyEvent& event) {
    const GestureToken token = KeyTokenOf(event);
    if (token.kind == TokenKind::End || event.window == kNoWindow) return;
    // A placeholder stands for the press until its release: a line now would take its place.
    if (IsPress(context.previous.message)) {
        if (context.heldKeys.size() < kMaxHeldKeys) context.heldKeys.push_back(event);
        return;
    }
    FeedKey(context, services, event, token, event.time);
}

void FeedGestureToken(RecorderContext& context, const RecorderServices& services, const GestureToken& token,
                      const CapturedMouseEvent& event, std::uint32_t t) {
    Gesture& pending = context.pending;
    if (token.kind != TokenKind::End && MergesInto(pending, token, At(event))) {
        ++pending.count;
        return;
    }
    if (MergesKeyInto(pending, token)) {
        if (token.kind == TokenKind::Key) ++pending.count;
        if (token.kind == TokenKind::Text) pending.text += token.text;
        return;
    }
    if (pending.kind != GestureKind::None) {
        WriteFinishedLine(context, services.writer, GestureLine(pending, SignedTickDiff(t, pending.referenceTime)));
    }
    switch (token.kind) {
        case TokenKind::Start: services.writer.Write({EditorWriteKind::AppendPlaceholder, {}}); break;
        case TokenKind::Window:
            WriteFinishedLine(context, services.writer, BuildTargetWindowLine(services.windows, context.targetWindow));
            break;
        case TokenKind::Click:
            pending = Gesture{GestureKind::Click, token.button, 0, At(event), {}, 1, 0, t};
            break;
        case TokenKind::Drag:
            pending = Gesture{GestureKind::Drag, token.button, 0, At(context.previous), At(event), 0,
                              SignedTickDiff(event.time, context.previous.time), t};
            break;
        case TokenKind::Wheel: pending = Gesture{GestureKind::Wheel, 0, token.delta, At(event), {}, 1, 0, t}; break;
        case TokenKind::Key: pending = Gesture{GestureKind::Key, 0, 0, {}, {}, 1, 0, t, token.keys, {}}; break;
        case TokenKind::Text: pending = Gesture{GestureKind::Text, 0, 0, {}, {}, 0, 0, t, {}, token.text}; break;
        case TokenKind::End: pending = Gesture{}; break;
    }
}

void WriteFinishedLine(RecorderContext& context, IEditorWriter& writer, std::string line) {
    writer.Write({EditorWriteKind::FinishLine, std::move(line)});
    context.pending = Gesture{};
}

void FinishRecording(RecorderContext& context, const RecorderServices& services, std::uint32_t tick) {
    FeedHeldKeys(context, services, nullptr);
    FeedGestureToken(context, services, GestureToken{TokenKind::End}, context.previous, tick);
    services.writer.Write({EditorWriteKind::EndRecording, {}});
}

}  // namespace xd
