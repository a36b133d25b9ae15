#include "documents/editor/EditMenu.h"

namespace xd {

std::array<EditMenuItem, 8> BuildEditMenu(IEditor& editor) {
    const bool hasSelection = !editor.SelectionEmpty();
    return {{
        {editcmd::kUndo, "撤销", false, editor.CanUndo()},
        {editcmd::kRedo, "重做", false, editor.CanRedo()},
        {editcmd::kSeparator1, {}, true, true},
        {editcmd::kCopy, "复制", false, hasSelection},
        {editcmd::kCut, "剪切", false, hasSelection},
        {editcmd::kPaste, "粘贴", false, editor.CanPaste()},
        {editcmd::kSeparator2, {}, true, true},
        {editcmd::kSelectAll, "全选", false, true},
    }};
}

bool RunEditCommand(IEditor& editor, int id) {
    switch (id) {
        case editcmd::kUndo: editor.Undo(); return true;
        case editcmd::kRedo: editor.Redo(); return true;
        case editcmd::kCopy: editor.Copy(); return true;
        case editcmd::kCut: editor.Cut(); return true;
        case editcmd::kPaste: editor.Paste(); return true;
        case editcmd::kSelectAll: editor.SelectAll(); return true;
        default: return false;
    }
}

}  // namespace xd
