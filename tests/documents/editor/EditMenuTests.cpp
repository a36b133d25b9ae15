#include "documents/editor/EditMenu.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/MemoryEditor.h"

namespace xd {
namespace {

std::map<int, bool> Enabled(MemoryEditor& editor) {
    std::map<int, bool> enabled;
    for (const EditMenuItem& item : BuildEditMenu(editor)) {
        if (!item.separator) enabled[item.id] = item.enabled;
    }
    return enabled;
}

TEST(EditMenu, ItemsFollowTheEditorState) {
    struct Case {
        const char* name;
        void (*prepare)(MemoryEditor&);
        std::map<int, bool> enabled;
    };
    using namespace editcmd;
    const Case cases[] = {
        {"fresh text, nothing selected",
         [](MemoryEditor&) {},
         {{kUndo, false}, {kRedo, false}, {kCopy, false}, {kCut, false}, {kPaste, false}, {kSelectAll, true}}},
        {"after an edit with a selection",
         [](MemoryEditor& e) {
             e.AppendText("x");
             e.SelectAll();
         },
         {{kUndo, true}, {kRedo, false}, {kCopy, true}, {kCut, true}, {kPaste, false}, {kSelectAll, true}}},
        {"after an undo, with text on the clipboard",
         [](MemoryEditor& e) {
             e.AppendText("x");
             e.Undo();
             e.SetClipboard("y");
         },
         {{kUndo, false}, {kRedo, true}, {kCopy, false}, {kCut, false}, {kPaste, true}, {kSelectAll, true}}},
    };
    for (const Case& c : cases) {
        MemoryEditor editor;
        editor.SetEditorText("abc");
        c.prepare(editor);
        EXPECT_EQ(Enabled(editor), c.enabled) << c.name;
    }
}

TEST(EditMenu, CommandsReachTheEditor) {
    MemoryEditor editor;
    editor.SetEditorText("abc");
    EXPECT_TRUE(RunEditCommand(editor, editcmd::kSelectAll));
    EXPECT_TRUE(RunEditCommand(editor, editcmd::kCopy));
    EXPECT_EQ(editor.Clipboard(), "abc");
    EXPECT_TRUE(RunEditCommand(editor, editcmd::kCut));
    EXPECT_EQ(editor.GetEditorText(), "");
    EXPECT_TRUE(RunEditCommand(editor, editcmd::kUndo));
    EXPECT_EQ(editor.GetEditorText(), "abc");
    EXPECT_TRUE(RunEditCommand(editor, editcmd::kRedo));
    EXPECT_EQ(editor.GetEditorText(), "");
    EXPECT_TRUE(RunEditCommand(editor, editcmd::kPaste));
    EXPECT_EQ(editor.GetEditorText(), "abc");
    EXPECT_FALSE(RunEditCommand(editor, editcmd::kSeparator1));
    EXPECT_FALSE(RunEditCommand(editor, 131));
}

}  // namespace
}  // namespace xd
