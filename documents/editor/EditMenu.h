// The editor's context menu (PopupMenu2): which items are enabled and what
// each command does to the editor.
#pragma once
#include <array>
#include <string_view>

#include "documents/Editor.h"

namespace xd {

namespace editcmd {
constexpr int kUndo = 123;
constexpr int kRedo = 124;
constexpr int kSeparator1 = 125;
constexpr int kCopy = 126;
constexpr int kCut = 127;
constexpr int kPaste = 128;
constexpr int kSeparator2 = 129;
constexpr int kSelectAll = 130;
}  // namespace editcmd

struct EditMenuItem {
    int id = 0;
    std::string_view text;  // empty for a separator
    bool separator = false;
    bool enabled = false;
};

// The eight items top to bottom, enabled by the editor's state at the moment
// the menu is asked for.
std::array<EditMenuItem, 8> BuildEditMenu(IEditor& editor);

// Runs a menu command; false for an id that is not an edit command.
bool RunEditCommand(IEditor& editor, int id);

}  // namespace xd
