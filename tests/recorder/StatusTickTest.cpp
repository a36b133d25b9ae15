#include <gtest/gtest.h>

#include "documents/Editor.h"
#include "recorder/StatusTick.h"

namespace xd {
namespace {

MainWindowState Recording() {
    MainWindowState s = InitialMainWindowState(ApplicationInfo{});
    s.buttons[kRecordButton].state = kButtonActive;
    s.buttons[kPlayButton].state = kButtonDisabled;
    return s;
}

MainWindowState Playing() {
    MainWindowState s = InitialMainWindowState(ApplicationInfo{});
    s.buttons[kRecordButton].state = kButtonDisabled;
    s.buttons[kPlayButton].state = kButtonActive;
    return s;
}

TEST(StatusTick, RecordingTextCountsNextLineAndNamesHotkey) {
    MainWindowState s = Recording();
    StatusTickInput in;
    in.editorLineCount = 6;
    const StatusTickResult r = StatusTick(s, in);
    EXPECT_EQ(s.statusIdle, "录制鼠标操作中..7，按【F3】或 Esc 键停止.↑");
    EXPECT_EQ(s.statusText, s.statusIdle);
    EXPECT_TRUE(r.redraw);
    EXPECT_FALSE(r.stopPlayback);
}

TEST(StatusTick, ArrowTurnsClockwiseAndWraps) {
    MainWindowState s = Recording();
    s.recordKey = 123;  // F12
    const char* expected[] = {"↑", "↗", "→", "↘", "↓", "↙", "←", "↖", "↑"};
    for (const char* arrow : expected) {
        StatusTick(s, StatusTickInput{});
        EXPECT_EQ(s.statusIdle, std::string("录制鼠标操作中..1，按【F12】或 Esc 键停止.") + arrow);
    }
}

TEST(StatusTick, PlayingTextShowsRepetitionAndOneBasedLine) {
    MainWindowState s = Playing();
    s.arrowIndex = 7;
    StatusTickInput in;
    in.repetition = 3;
    in.currentLine = 11;
    in.caretLine = 11;
    const StatusTickResult r = StatusTick(s, in);
    EXPECT_EQ(s.statusText, "回放中..第3次:12，按【F2】或 Esc 键停止.↖");
    EXPECT_FALSE(r.showPlayingLine.has_value());
    EXPECT_TRUE(r.redraw);
}

TEST(StatusTick, HoveredHintSurvivesTickButIdleTextAdvances) {
    for (MainWindowState s : {Recording(), Playing()}) {
        s.hoverButton = 3;
        s.statusText = "hint";
        StatusTick(s, StatusTickInput{});
        EXPECT_EQ(s.statusText, "hint");
        EXPECT_NE(s.statusIdle.find("按【F"), std::string::npos);
    }
}

TEST(StatusTick, IdleShowsApplicationTitleOnlyAsIdleText) {
    MainWindowState s = InitialMainWindowState(ApplicationInfo{});
    s.statusIdle = "old";
    s.statusText = "录制结束";
    const StatusTickResult r = StatusTick(s, StatusTickInput{});
    EXPECT_EQ(s.statusIdle, "岚榕_迅点小侠 (64位) 4.0.2");
    EXPECT_EQ(s.statusText, "录制结束");
    EXPECT_FALSE(r.redraw);
    EXPECT_FALSE(r.stopPlayback);
}

TEST(StatusTick, FinishedRunnerStopsPlaybackWithoutNewText) {
    MainWindowState s = Playing();
    s.statusIdle = "before";
    StatusTickInput in;
    in.stopRequested = true;
    in.caretLine = 0;
    in.currentLine = 5;
    const StatusTickResult r = StatusTick(s, in);
    EXPECT_TRUE(r.stopPlayback);
    EXPECT_FALSE(r.showPlayingLine.has_value());
    EXPECT_EQ(s.statusIdle, "before");
}

TEST(StatusTick, StopRequestOutsidePlaybackIsIgnored) {
    MainWindowState s = Recording();
    StatusTickInput in;
    in.stopRequested = true;
    EXPECT_FALSE(StatusTick(s, in).stopPlayback);
}

TEST(StatusTick, StepsClickEffectsInEveryState) {
    for (MainWindowState s : {InitialMainWindowState(ApplicationInfo{}), Recording(), Playing()}) {
        TakeClickEffectSlot(s.effects, {10, 10}, 513);
        EXPECT_EQ(StatusTick(s, StatusTickInput{}).effects[0].action, ClickEffectAction::DrawCircle);
        EXPECT_EQ(s.effects.slots[0].step, 2);
    }
}

// Only what the tick touches; everything else is inert.
class TickEditor : public IEditor {
public:
    int caret = 0;
    int lines = 1;
    std::vector<int> shown;
    std::string GetEditorText() override { return {}; }
    void SetEditorText(const std::string&) override {}
    std::string GetEditorLine(int) override { return {}; }
    void ReplaceEditorLine(int, const std::string&) override {}
    void DeleteEditorLine(int) override {}
    void InsertAtCaret(const std::string&) override {}
    void AppendText(const std::string&) override {}
    int CaretLine() override { return caret; }
    void MoveCaretToLine(int line) override { caret = line; }
    int EditorLineCount() override { return lines; }
    bool EditorIsModified() override { return false; }
    void EmptyUndoBuffer() override {}
    bool CanUndo() override { return false; }
    bool CanRedo() override { return false; }
    bool SelectionEmpty() override { return true; }
    bool CanPaste() override { return false; }
    void Undo() override {}
    void Redo() override {}
    void Copy() override {}
    void Cut() override {}
    void Paste() override {}
    void SelectAll() override {}
    void ShowPlayingLine(int line) override {
        shown.push_back(line);
        caret = line;
    }
    void ScrollToEnd() override {}
    void SetUserEnabled(bool) override {}
};

TEST(StatusTick, CaretFollowsThePlayingLineOnlyWhenItMoves) {
    MainWindowState s = Playing();
    TickEditor editor;
    for (int line : {4, 4, 5, 5, 9}) StatusTick(s, editor, 1, line, false);
    EXPECT_EQ(editor.shown, (std::vector<int>{4, 5, 9}));
    EXPECT_EQ(s.statusIdle.substr(0, std::string("回放中..第1次:10，").size()), "回放中..第1次:10，");
}

TEST(StatusTick, EditorLineCountFeedsRecordingText) {
    MainWindowState s = Recording();
    TickEditor editor;
    editor.lines = 20;
    StatusTick(s, editor, 0, 0, false);
    EXPECT_EQ(s.statusText.rfind("录制鼠标操作中..21，", 0), 0u);
    EXPECT_TRUE(editor.shown.empty());
}

}  // namespace
}  // namespace xd
