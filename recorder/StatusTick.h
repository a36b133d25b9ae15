// The 100 ms status tick: status texts, the turning arrow, the note that the
// hooks were put back during a recording, the end of a playback the runner finished, the caret on the playing line and the
// click-effect animation. Pure over MainWindowState; the window runs the result.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "appcore/playback/ClickEffectSlots.h"
#include "appcore/window/MainWindowState.h"
#include "appcore/window/StatusGlyphs.h"

namespace xd {

class IEditor;

// What the tick reads from outside the main window's state.
struct StatusTickInput {
    int editorLineCount = 0;
    int repetition = 1;   // runner's repetition, counting from 1
    int currentLine = 0;  // 0-based editor line the runner executes
    bool stopRequested = false;
    int caretLine = 0;
    bool hooksReinstalled = false;  // the hook watchdog put the hooks back on this tick
    // The title of the window a 目标窗口 line is waiting for; unset while the runner is not waiting.
    std::optional<std::string> waitingForWindow;
};

struct StatusTickResult {
    bool redraw = false;
    bool stopPlayback = false;           // run TogglePlayback
    std::optional<int> showPlayingLine;  // put the caret on this line and scroll it into view
    std::array<ClickEffectFrame, kClickEffectSlotCount> effects{};
};

std::string RecordingStatus(int editorLineCount, int recordKey, int arrowIndex);
std::string PlayingStatus(int repetition, int currentLine, int playKey, int arrowIndex);
std::string WaitingForWindowStatus(std::string_view title, int playKey, int arrowIndex);

StatusTickResult StatusTick(MainWindowState& state, const StatusTickInput& input);

// What the tick needs from the editor, asked only as the state requires.
StatusTickInput ReadStatusTickInput(const MainWindowState& state, IEditor& editor, int repetition, int currentLine,
                                    bool stopRequested);

// The tick with the editor read and the playing line shown through it; the
// caller still stops the playback and redraws as the result says.
StatusTickResult StatusTick(MainWindowState& state, IEditor& editor, int repetition, int currentLine,
                            bool stopRequested);

}  // namespace xd
