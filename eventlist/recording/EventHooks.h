// What the event-list edition's two low-level hooks do, as functions of the
// event and the run state. The Win32 hook procedures convert the hook data, call
// the Run… functions and always end with CallNextHookEx: nothing is swallowed.
#pragma once
#include <cstdint>

#include "eventlist/recording/EventRecorder.h"
#include "platform/Types.h"

namespace xd {

// Messages posted to the event-list edition's main window.
namespace evappmsg {
constexpr std::uint32_t kRecordToggle = 0x2A49;
constexpr std::uint32_t kPlayToggle = 0x2A4A;
constexpr std::uint32_t kShowHint = 0x2A4B;
}  // namespace evappmsg

enum class EventEscape { None, StopRecording, StopPlayback };

struct EventKeyboardDecision {
    bool postRecordToggle = false;
    bool postPlayToggle = false;
    EventEscape escape = EventEscape::None;
    friend bool operator==(const EventKeyboardDecision&, const EventKeyboardDecision&) = default;
};

// Key-downs (not system keys) with hook code 0 only.
[[nodiscard]] EventKeyboardDecision DecideEventKeyboardHook(const LowLevelKeyEvent& event, int recordKey, int playKey,
                                                            bool recording, bool playing) noexcept;

struct EventMouseDecision {
    bool record = false;
    bool showClickEffect = false;
    friend bool operator==(const EventMouseDecision&, const EventMouseDecision&) = default;
};

// While recording every mouse event the list can hold is taken, except moves when
// "不录移动" is on or the list is still empty (a recording never starts with a
// move). The click demonstration acts on every press in any state.
[[nodiscard]] EventMouseDecision DecideEventMouseHook(int code, std::uint32_t message, bool recording,
                                                      bool listEmpty, bool noMoves, bool demoClick) noexcept;

// Posts the toggles to the main window; Esc stops a recording at once, or a playback.
void RunEventKeyboardHook(EventRecorder& recorder, const LowLevelKeyEvent& event);
void RunEventMouseHook(EventRecorder& recorder, int code, const LowLevelMouseEvent& event);

// The main window's answer to 0x2A49: the record hotkey starts a fresh recording
// or stops one, but not while playing.
void OnEventRecordToggleMessage(EventRecorder& recorder);

}  // namespace xd
