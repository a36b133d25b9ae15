// The script's bookkeeping in the main window: the title, the modified mark,
// the save prompt, whether there is anything to play, and the Open and Save
// commands over the document operations.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "documents/files/ScriptDocument.h"
#include "platform/MessageBoxes.h"
#include "recorder/app/AppModel.h"

namespace xd {

inline constexpr std::string_view kConfirmDiscardCaption = "迅点小侠";
inline constexpr std::string_view kConfirmDiscardText =
    "当前脚本还未保存，你要保存吗？\r\n【是】  保存\r\n【否】  不保存\r\n【取消】取消当前操作 ";
// Cancel is the default button, so Enter never discards anything.
inline constexpr std::uint32_t kDefButton3 = 0x00000200;
inline constexpr std::uint32_t kConfirmDiscardFlags = mb::kYesNoCancel | mb::kIconQuestion | kDefButton3;

// What the title gets while the script differs from its file.
inline constexpr std::string_view kModifiedMark = " *";

void SetWindowTitle(AppContext& context, const std::string& title);

// On editor changes and slider moves. A set suppressModified is consumed
// instead; the first change while idle adds " *" and enables Save.
void MarkScriptModified(AppContext& context);

// The save prompt before the script is replaced or the window closes. True:
// abort the operation (Cancel, or Yes whose save did not happen).
[[nodiscard]] bool ConfirmDiscard(AppContext& context);

// True when a line, leading blanks ignored, is a click, drag, wheel, key or text statement.
[[nodiscard]] bool HasPlayableLines(std::string_view scriptText) noexcept;

// The Open toolbar command: the save prompt, then the open dialog.
void OpenCommand(AppContext& context);
// The Save toolbar command.
SaveOutcome SaveCommand(AppContext& context);

}  // namespace xd
