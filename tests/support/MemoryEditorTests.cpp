#include "tests/support/MemoryEditor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xd {
namespace {

std::vector<std::string> Lines(MemoryEditor& editor) {
    std::vector<std::string> lines;
    for (int i = 0; i < editor.EditorLineCount(); ++i) lines.push_back(editor.GetEditorLine(i));
    return lines;
}

MemoryEditor EditorWith(const std::string& text) {
    MemoryEditor editor;
    editor.SetEditorText(text);
    return editor;
}

struct LineCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

TEST(MemoryEditorLines, SplitsLikeTheControl) {
    const std::vector<LineCase> cases = {
        {"empty text is one empty line", "", {""}},
        {"last line without a break", "a\r\nb", {"a", "b"}},
        {"break at the end gives an empty last line", "a\r\n", {"a", ""}},
        {"lone LF and lone CR end lines too", "a\nb\rc", {"a", "b", "c"}},
        {"CR before CR LF is its own line end", "a\r\r\nb", {"a", "", "b"}},
        {"trailing zero characters are dropped", std::string("a\0\0\r\nb", 7), {"a", "b"}},
        {"UTF-8 text passes through", "配置.执行次数=0\r\n鼠标点击(1,2,3,1,5)", {"配置.执行次数=0", "鼠标点击(1,2,3,1,5)"}},
    };
    for (const LineCase& c : cases) {
        MemoryEditor editor = EditorWith(c.text);
        EXPECT_EQ(Lines(editor), c.lines) << c.name;
    }
}

TEST(MemoryEditorLines, LineOutsideTheTextReadsEmpty) {
    MemoryEditor editor = EditorWith("a\r\nb");
    EXPECT_EQ(editor.GetEditorLine(-1), "");
    EXPECT_EQ(editor.GetEditorLine(2), "");
}

TEST(MemoryEditorReplaceLine, KeepsTheLineEnd) {
    struct Case {
        std::string text;
        int line;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"h\r\nold\r\nz", 1, "h\r\nnew\r\nz"},
        {"h\r\nold", 1, "h\r\nnew"},
        {"h\nold\nz", 1, "h\nnew\nz"},
        {"h\r\n\r\nz", 1, "h\r\nnew\r\nz"},
        {"h\r\nold", 2, "h\r\nold"},
        {"h\r\nold", -1, "h\r\nold"},
    };
    for (const Case& c : cases) {
        MemoryEditor editor = EditorWith(c.text);
        editor.ReplaceEditorLine(c.line, "new");
        EXPECT_EQ(editor.GetEditorText(), c.expected) << c.text << " line " << c.line;
    }
}

TEST(MemoryEditorCaret, MoveCaretToLineAnswersLikeTheControlOutOfRange) {
    MemoryEditor editor = EditorWith("ab\r\ncd");
    editor.MoveCaretToLine(1);
    EXPECT_EQ(editor.CaretPosition(), 4u);
    editor.MoveCaretToLine(2);  // one past the last line: end of text
    EXPECT_EQ(editor.CaretPosition(), 6u);
    editor.MoveCaretToLine(5);  // further out: start of text
    EXPECT_EQ(editor.CaretPosition(), 0u);
    EXPECT_TRUE(editor.SelectionEmpty());
}

TEST(MemoryEditorInsert, InsertAtCaretLeavesTheCaretBeforeTheText) {
    MemoryEditor editor = EditorWith("h\r\nz");
    editor.MoveCaretToLine(1);
    editor.InsertAtCaret("new\r\n");
    EXPECT_EQ(editor.GetEditorText(), "h\r\nnew\r\nz");
    EXPECT_EQ(editor.CaretLine(), 1);
}

TEST(MemoryEditorInsert, InsertAtCaretReplacesTheSelection) {
    MemoryEditor editor = EditorWith("abcdef");
    editor.SetSelection(4, 1);
    editor.InsertAtCaret("X");
    EXPECT_EQ(editor.GetEditorText(), "aXef");
    EXPECT_EQ(editor.CaretPosition(), 2u);
    EXPECT_TRUE(editor.SelectionEmpty());
}

TEST(MemoryEditorInsert, TextWithoutLengthEndsAtItsFirstZero) {
    MemoryEditor editor = EditorWith("ab");
    editor.SetSelection(1, 1);
    editor.InsertAtCaret(std::string("X\0Y", 3));
    EXPECT_EQ(editor.GetEditorText(), "aXb");
    editor.AppendText(std::string("\0Z", 2));  // appending is counted
    EXPECT_EQ(editor.GetEditorText(), std::string("aXb\0Z", 5));
}

TEST(MemoryEditorDeleteLine, TakesTheLineAndOneBreak) {
    struct Case {
        const char* name;
        std::string text;
        int line;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"middle line with its own break", "a\r\nb\r\nc", 1, "a\r\nc"},
        {"first line", "a\r\nb", 0, "b"},
        {"last line with the break before it", "a\r\nb", 1, "a"},
        {"empty last line", "a\r\n", 1, "a"},
        {"only line is emptied", "a", 0, ""},
        {"lone LF before the last line", "a\nb", 1, "a"},
        {"zero bytes elsewhere stay", std::string("a\0b\r\nc", 6), 1, std::string("a\0b", 3)},
        {"line outside the text: nothing", "a\r\nb", 2, "a\r\nb"},
    };
    for (const Case& c : cases) {
        MemoryEditor editor = EditorWith(c.text);
        editor.DeleteEditorLine(c.line);
        EXPECT_EQ(editor.GetEditorText(), c.expected) << c.name;
    }
}

TEST(MemoryEditorUndo, StepHoldsJustTheChangedRange) {
    MemoryEditor editor = EditorWith("one\r\ntwo\r\nthree");
    editor.DeleteEditorLine(2);
    EXPECT_EQ(editor.NextUndoStep(), (MemoryEditor::EditStep{8, "\r\nthree", ""}));
    editor.ReplaceEditorLine(0, "1");
    EXPECT_EQ(editor.NextUndoStep(), (MemoryEditor::EditStep{0, "one", "1"}));
    editor.Undo();
    editor.Undo();
    EXPECT_EQ(editor.GetEditorText(), "one\r\ntwo\r\nthree");
    EXPECT_FALSE(editor.NextUndoStep().has_value());
    editor.Redo();
    EXPECT_EQ(editor.GetEditorText(), "one\r\ntwo");
    editor.Redo();
    EXPECT_EQ(editor.GetEditorText(), "1\r\ntwo");
}

TEST(MemoryEditorInsert, CaretAfterAChangeMovesWithItsText) {
    MemoryEditor editor = EditorWith("one\r\ntwo\r\nthree");
    editor.MoveCaretToLine(2);
    editor.ReplaceEditorLine(0, "first");
    EXPECT_EQ(editor.CaretLine(), 2);
    EXPECT_EQ(editor.CaretPosition(), 12u);
}

TEST(MemoryEditorUndo, ModifiedFollowsTheSavePoint) {
    MemoryEditor editor = EditorWith("a");
    EXPECT_FALSE(editor.EditorIsModified());
    EXPECT_FALSE(editor.CanUndo());

    editor.AppendText("b");
    EXPECT_TRUE(editor.EditorIsModified());
    editor.Undo();
    EXPECT_EQ(editor.GetEditorText(), "a");
    EXPECT_FALSE(editor.EditorIsModified());
    EXPECT_TRUE(editor.CanRedo());
    editor.Redo();
    EXPECT_EQ(editor.GetEditorText(), "ab");
    EXPECT_TRUE(editor.EditorIsModified());

    editor.EmptyUndoBuffer();  // a save
    EXPECT_FALSE(editor.EditorIsModified());
    EXPECT_FALSE(editor.CanUndo());
    EXPECT_FALSE(editor.CanRedo());
}

TEST(MemoryEditorUndo, NewChangeDropsTheRedoSide) {
    MemoryEditor editor = EditorWith("a");
    editor.AppendText("b");
    editor.Undo();
    editor.AppendText("c");
    EXPECT_FALSE(editor.CanRedo());
    EXPECT_EQ(editor.GetEditorText(), "ac");
}

TEST(MemoryEditorAccess, ReadOnlyRefusesEveryChangeUntilTextIsSet) {
    MemoryEditor editor = EditorWith("a\r\nb");
    editor.AppendText("x");
    editor.SetReadOnly(true);
    editor.ReplaceEditorLine(0, "z");
    editor.AppendText("y");
    editor.InsertAtCaret("w");
    editor.SetClipboard("p");
    editor.Paste();
    editor.Undo();
    EXPECT_EQ(editor.GetEditorText(), "a\r\nbx");
    EXPECT_FALSE(editor.CanUndo());
    EXPECT_FALSE(editor.CanPaste());

    editor.SetEditorText("new");
    EXPECT_FALSE(editor.ReadOnly());
    EXPECT_FALSE(editor.EditorIsModified());
}

TEST(MemoryEditorAccess, DisabledEditorStopsTheUserButNotTheProgram) {
    MemoryEditor editor = EditorWith("a");
    editor.SetUserEnabled(false);
    EXPECT_FALSE(editor.TypeText("user"));
    editor.AppendText("\r\nprogram");
    EXPECT_EQ(editor.GetEditorText(), "a\r\nprogram");
    editor.SetUserEnabled(true);
    EXPECT_TRUE(editor.TypeText("!"));
    EXPECT_EQ(editor.GetEditorText(), "!a\r\nprogram");
}

TEST(MemoryEditorClipboard, CopyCutAndPaste) {
    MemoryEditor editor = EditorWith("hello world");
    editor.Copy();  // nothing selected: the clipboard stays empty
    EXPECT_FALSE(editor.Clipboard().has_value());

    editor.SetSelection(0, 6);
    editor.Cut();
    EXPECT_EQ(editor.Clipboard(), "hello ");
    EXPECT_EQ(editor.GetEditorText(), "world");

    editor.SetClipboard("a\nb\rc\r\n");
    editor.SelectAll();
    editor.Paste();
    EXPECT_EQ(editor.GetEditorText(), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(editor.EditorLineCount(), 4);
}

TEST(MemoryEditorView, GoToLineStaysInsideTheText) {
    MemoryEditor editor = EditorWith("a\r\nb\r\nc");
    editor.ShowPlayingLine(1);
    EXPECT_EQ(editor.CaretLine(), 1);
    editor.ShowPlayingLine(9);
    EXPECT_EQ(editor.CaretLine(), 2);
    editor.MoveCaretToLine(0);
    editor.ScrollToEnd();
    EXPECT_EQ(editor.CaretLine(), 2);
    EXPECT_EQ(editor.ShownLine(), 2);
}

}  // namespace
}  // namespace xd
