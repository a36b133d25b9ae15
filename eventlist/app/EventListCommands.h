// What the event-list edition's window procedure calls, one function per
// command, message or notification. Everything runs on the main thread; the
// player's requests arrive as messages the program posts to itself.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "appcore/madeprogram/MakeProgram.h"
#include "eventlist/app/EventListContext.h"
#include "eventlist/recording/HintDrag.h"
#include "platform/Types.h"

namespace xd {

// --- start-up -------------------------------------------------------------------
// Once the window exists: opens the file named on the command line, or shows the
// empty script's sliders. False when no file was opened.
bool OnStartUp(EventListContext& c, const std::string& commandLinePath);

// --- the toolbar and the continue button ----------------------------------------
void OnRecordCommand(EventListContext& c);          // start a fresh recording or stop
void OnContinueRecordingCommand(EventListContext& c);  // "继续录制"
PlaybackToggle OnPlayCommand(EventListContext& c);
bool OnOpenCommand(EventListContext& c);            // nothing while recording or playing
EventSaveOutcome OnSaveCommand(EventListContext& c);
// 生成软件: a copy of this program carrying the script, which plays it when started (see MakeProgram).
MadeProgramOutcome OnMakeProgramCommand(EventListContext& c, IProgramCopies& copies);
void OnModeCommand(EventListContext& c);            // background <-> foreground
void OnExpandCommand(EventListContext& c);

// --- posted messages --------------------------------------------------------------
// 0x2A49 from the keyboard hook.
void OnRecordToggleMessage(EventListContext& c);
// 0x2A4A: wParam 0 from the keyboard hook (the play hotkey); a playback's
// generation when its player ended on its own (IEventPlayerView::PostPlayerFinished).
void OnPlayToggleMessage(EventListContext& c, std::uint64_t wParam);
// IEventPlayerView::PostSelectLine and PostEventWindow, carried to the main thread. A post of any playback
// but the last one started is dropped.
void OnPlayerSelectLine(EventListContext& c, std::uint64_t generation, std::int32_t line);
void OnPlayerEventWindow(EventListContext& c, std::uint64_t generation, std::int32_t eventIndex,
                         WindowHandle window);

// --- the low-level hooks (the program calls CallNextHookEx after these) ----------
void OnEventMouseHook(EventListContext& c, int code, const LowLevelMouseEvent& event);
void OnEventKeyboardHook(EventListContext& c, const LowLevelKeyEvent& event);

// --- the sliders and the settings dialog -------------------------------------------
void OnRepeatSlider(EventListContext& c, std::int32_t position);
void OnSpeedSlider(EventListContext& c, std::int32_t position);
// After the settings dialog changed an option the script carries.
void OnEventOptionsChanged(EventListContext& c);

// --- the list and the editors (each does nothing while recording or playing) -----
void OnListSelectionChanged(EventListContext& c);
void OnListDoubleClick(EventListContext& c, std::int32_t line);
void OnKindOption(EventListContext& c, EventKindOption option);
void OnFlagBoxes(EventListContext& c, std::int32_t lowFlags);
void OnDelayText(EventListContext& c, std::string_view text);
void OnDeleteCommand(EventListContext& c);
void OnInsertCommand(EventListContext& c);
// The drag of the position hint window `hint` ended with its corner there.
HintDropResult OnHintDragEnd(EventListContext& c, WindowHandle hint, Point hintTopLeft);

// --- closing -------------------------------------------------------------------------
// A recording or playback is stopped first; then the save prompt. False when the
// user keeps the window (the prompt was cancelled).
bool OnCloseRequest(EventListContext& c);

}  // namespace xd
