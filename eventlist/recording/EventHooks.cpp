#include "eventlist/recording/EventHooks.h"

#include "eventlist/recording/KeyRecording.h"

namespace xd {
namespace {

constexpr int kHookAction = 0;
constexpr std::uint32_t kVkEscape = 27;

bool Recordable(std::uint32_t message) noexcept {
    switch (message) {
        case evmsg::kMove:
        case evmsg::kLeftDown:
        case evmsg::kLeftUp:
        case evmsg::kRightDown:
        case evmsg::kRightUp:
        case evmsg::kMiddleDown:
        case evmsg::kMiddleUp:
        case evmsg::kWheel:
        case evmsg::kHWheel: return true;
        default: return false;
    }
}

}  // namespace

EventKeyboardDecision DecideEventKeyboardHook(const LowLevelKeyEvent& event, int recordKey, int playKey,
                                              bool recording, bool playing) noexcept {
    EventKeyboardDecision d;
    if (event.code != kHookAction || event.message != msg::kKeyDown) return d;
    // A playback's own keys (a recorded Esc or F2) must not stop or restart it.
    if (playing && IsInjectedKey(event)) return d;
    const auto key = static_cast<int>(event.vkCode);
    d.postRecordToggle = key == recordKey;
    d.postPlayToggle = key == playKey;
    if (event.vkCode == kVkEscape) {
        if (recording) {
            d.escape = EventEscape::StopRecording;
        } else if (playing) {
            d.escape = EventEscape::StopPlayback;
        }
    }
    return d;
}

EventMouseDecision DecideEventMouseHook(int code, std::uint32_t message, bool recording, bool listEmpty,
                                        bool noMoves, bool demoClick) noexcept {
    EventMouseDecision d;
    if (code != kHookAction) return d;
    const bool isMove = message == msg::kMouseMove;
    d.record = recording && Recordable(message) && !(isMove && (noMoves || listEmpty));
    d.showClickEffect = demoClick && (message == msg::kLButtonDown || message == msg::kRButtonDown ||
                                      message == msg::kMButtonDown);
    return d;
}

void RunEventKeyboardHook(EventRecorder& recorder, const LowLevelKeyEvent& event) {
    const EventRecorderContext& c = recorder.Context();
    const EventKeyboardDecision d = DecideEventKeyboardHook(event, c.options.recordKey, c.options.playKey,
                                                            recorder.Recording(), c.mainWindow.IsPlaying());
    if (DecideKeyRecording(event, c.options.recordKey, c.options.playKey, recorder.Recording(),
                           c.options.recordKeyboard))
        static_cast<void>(recorder.RecordKeyEvent(event));
    const WindowHandle main = c.mainWindow.Handle();
    if (d.postRecordToggle) static_cast<void>(c.windows.PostMessage(main, evappmsg::kRecordToggle, 0, 0));
    if (d.postPlayToggle) static_cast<void>(c.windows.PostMessage(main, evappmsg::kPlayToggle, 0, 0));
    switch (d.escape) {
        case EventEscape::StopRecording: recorder.StopEventRecording(); break;
        case EventEscape::StopPlayback: c.mainWindow.StopPlayback(); break;
        case EventEscape::None: break;
    }
}

void RunEventMouseHook(EventRecorder& recorder, int code, const LowLevelMouseEvent& event) {
    const EventRecorderContext& c = recorder.Context();
    static_cast<void>(c.mainWindow.StopPlaybackByHand(code, event));
    if (code == kHookAction) recorder.NotePointer(event.point);
    const EventMouseDecision d = DecideEventMouseHook(code, event.message, recorder.Recording(), c.events.empty(),
                                                      c.options.noMoves, c.options.demoClick);
    if (d.record) static_cast<void>(recorder.RecordEvent(static_cast<std::int32_t>(event.message), event));
    if (d.showClickEffect) c.mainWindow.ShowClickEffect(event.point, event.message);
}

void OnEventRecordToggleMessage(EventRecorder& recorder) {
    if (recorder.Context().mainWindow.IsPlaying()) return;
    recorder.ToggleEventRecording(false);
}

}  // namespace xd
