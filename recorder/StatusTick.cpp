#include "recorder/StatusTick.h"

#include "documents/Editor.h"

namespace xd {

std::string RecordingStatus(int editorLineCount, int recordKey, int arrowIndex) {
    return "录制鼠标操作中.." + std::to_string(editorLineCount + 1) + "，按【" + FunctionKeyName(recordKey) +
           "】或 Esc 键停止." + std::string(ArrowGlyph(arrowIndex));
}

std::string PlayingStatus(int repetition, int currentLine, int playKey, int arrowIndex) {
    return "回放中..第" + std::to_string(repetition) + "次:" + std::to_string(currentLine + 1) + "，按【" +
           FunctionKeyName(playKey) + "】或 Esc 键停止." + std::string(ArrowGlyph(arrowIndex));
}

std::string WaitingForWindowStatus(std::string_view title, int playKey, int arrowIndex) {
    return "等待目标窗口出现：" + std::string(title) + "，按【" + FunctionKeyName(playKey) + "】或 Esc 键停止." +
           std::string(ArrowGlyph(arrowIndex));
}

StatusTickResult StatusTick(MainWindowState& state, const StatusTickInput& input) {
    StatusTickResult result;
    state.arrowIndex = (state.arrowIndex + 1) % 8;
    const AppState app = ReadAppState(state.buttons);
    const std::optional<std::string_view> hooksNote =
        state.hooksNotice.Tick(app == AppState::Recording, input.hooksReinstalled, app == AppState::Playing);

    switch (app) {
        case AppState::Recording:
            state.statusIdle = hooksNote ? std::string(*hooksNote)
                                         : RecordingStatus(input.editorLineCount, state.recordKey, state.arrowIndex);
            // A hovered button keeps its hint; leaving the strip shows statusIdle.
            if (state.hoverButton == 0) state.statusText = state.statusIdle;
            result.redraw = true;
            break;
        case AppState::Idle:
            if (hooksNote) {
                // Only a change is drawn: the idle strip is otherwise left alone.
                result.redraw = state.statusIdle != *hooksNote;
                state.statusIdle = std::string(*hooksNote);
                if (state.hoverButton == 0) state.statusText = state.statusIdle;
                break;
            }
            state.statusIdle = state.applicationTitle;
            break;
        case AppState::Playing:
            // The runner sets stopRequested when it ends, so this also catches a finished run.
            if (input.stopRequested) {
                result.stopPlayback = true;
                break;
            }
            state.statusIdle =
                input.waitingForWindow
                    ? WaitingForWindowStatus(*input.waitingForWindow, state.playKey, state.arrowIndex)
                    : PlayingStatus(input.repetition, input.currentLine, state.playKey, state.arrowIndex);
            if (state.hoverButton == 0) state.statusText = state.statusIdle;
            if (input.caretLine != input.currentLine) result.showPlayingLine = input.currentLine;
            result.redraw = true;
            break;
    }

    result.effects = StepClickEffects(state.effects);
    return result;
}

StatusTickInput ReadStatusTickInput(const MainWindowState& state, IEditor& editor, int repetition, int currentLine,
                                    bool stopRequested) {
    StatusTickInput input;
    input.repetition = repetition;
    input.currentLine = currentLine;
    input.stopRequested = stopRequested;
    // Ask the editor only for what this state's text needs.
    const AppState app = ReadAppState(state.buttons);
    if (app == AppState::Recording) input.editorLineCount = editor.EditorLineCount();
    if (app == AppState::Playing) input.caretLine = editor.CaretLine();
    return input;
}

StatusTickResult StatusTick(MainWindowState& state, IEditor& editor, int repetition, int currentLine,
                            bool stopRequested) {
    StatusTickResult result =
        StatusTick(state, ReadStatusTickInput(state, editor, repetition, currentLine, stopRequested));
    if (result.showPlayingLine) editor.ShowPlayingLine(*result.showPlayingLine);
    return result;
}

}  // namespace xd
