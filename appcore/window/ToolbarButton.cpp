#include "appcore/window/ToolbarButton.h"

namespace xd {

ToolbarButtons InitialToolbarButtons() {
    constexpr std::array<std::int32_t, kToolbarButtonCount> xs{5, 40, 80, 115, 155, 190, 230};
    ToolbarButtons buttons{};
    for (int i = 0; i < kToolbarButtonCount; ++i) {
        buttons[i] = ToolbarButton{kButtonEnabled, xs[i], 5, 35, 25};
    }
    buttons[kSaveButton].state = kButtonDisabled;  // nothing to save yet
    return buttons;
}

AppState ReadAppState(const ToolbarButtons& buttons) {
    if (buttons[kRecordButton].state == kButtonActive) return AppState::Recording;
    if (buttons[kPlayButton].state == kButtonActive) return AppState::Playing;
    return AppState::Idle;
}

ToolbarCommand CommandOfButton(int button) {
    switch (button) {
        case kRecordButton + 1: return ToolbarCommand::ToggleRecording;
        case kPlayButton + 1: return ToolbarCommand::TogglePlayback;
        case kOpenButton + 1: return ToolbarCommand::OpenDocument;
        case kSaveButton + 1: return ToolbarCommand::SaveDocument;
        case kModeButton + 1: return ToolbarCommand::ToggleMode;
        case kEditorButton + 1: return ToolbarCommand::ToggleEditor;
        case kHelpButton + 1: return ToolbarCommand::ShowHelpMenu;
        default: return ToolbarCommand::None;
    }
}

}  // namespace xd
