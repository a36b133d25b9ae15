// The recorder proper: each captured event becomes at most a few gesture
// tokens, the tokens fold into the pending gesture, and a gesture is written
// once the next token shows the wait after it. Runs on the recorder worker,
// one event at a time (Recorder holds the event lock).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/WindowSystem.h"
#include "recorder/capture/CapturedKeyEvent.h"
#include "recorder/capture/CapturedMouseEvent.h"
#include "recorder/capture/EditorWrites.h"
#include "recorder/capture/Gesture.h"

namespace xd {

struct RecorderContext {
    WindowHandle targetWindow = kNoWindow;  // of the last accepted event
    std::uint32_t targetProcess = 0;        // of the first event's window
    CapturedMouseEvent previous{};          // last accepted event, converted
    Gesture pending{};
    // Keys pressed while a mouse button is down, written after the gesture its release ends.
    std::vector<CapturedKeyEvent> heldKeys;
    // Fixed for one recording, taken when it starts. The DPI is the system's: a window on a monitor at
    // another DPI is converted with that monitor's instead.
    bool exclusiveMode = true;
    int dpiX = 96;
    int dpiY = 96;
};

struct RecorderServices {
    IWindowSystem& windows;
    IEditorWriter& writer;
};

// A recording starts (fresh or continued): no target, no pending gesture, no previous event.
void ResetRecorderContext(RecorderContext& context, bool exclusiveMode, int dpiX, int dpiY) noexcept;

void HandleMouseEvent(RecorderContext& context, const RecorderServices& services, CapturedMouseEvent event);

// A key or text line, or nothing (releases, modifiers alone). A key follows the target window the mouse
// lines chose while it is typed into the same top-level window; typed into another one, it names that window
// in a new 目标窗口 line first.
void HandleKeyEvent(RecorderContext& context, const RecorderServices& services, const CapturedKeyEvent& event);

// `event` gives the position (converted) and, for a drag, the release time; t
// stamps the token.
void FeedGestureToken(RecorderContext& context, const RecorderServices& services, const GestureToken& token,
                      const CapturedMouseEvent& event, std::uint32_t t);

void WriteFinishedLine(RecorderContext& context, IEditorWriter& writer, std::string line);

// The stop of a recording: the last gesture is written with its wait up to
// `tick`, and a press that never became a gesture leaves no line behind.
void FinishRecording(RecorderContext& context, const RecorderServices& services, std::uint32_t tick);

}  // namespace xd
