// The seven toolbar buttons and the run state read from them.
#pragma once
#include <array>
#include <cstdint>

namespace xd {

enum ButtonState : std::int32_t {
    kButtonDisabled = 0,
    kButtonEnabled = 1,
    kButtonActive = 2,  // Record/Play: the activity runs; Mode: foreground; Editor: full window
};

// Geometry in 96-DPI units within the toolbar strip.
struct ToolbarButton {
    std::int32_t state = kButtonDisabled;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const ToolbarButton&, const ToolbarButton&) = default;
};

constexpr int kToolbarButtonCount = 7;
using ToolbarButtons = std::array<ToolbarButton, kToolbarButtonCount>;

// Array indices (0-based). hoverButton counts from 1 and uses 0 for "none".
constexpr int kRecordButton = 0;
constexpr int kPlayButton = 1;
constexpr int kOpenButton = 2;
constexpr int kSaveButton = 3;
constexpr int kModeButton = 4;
constexpr int kEditorButton = 5;
constexpr int kHelpButton = 6;

ToolbarButtons InitialToolbarButtons();

enum class AppState { Idle, Recording, Playing };

AppState ReadAppState(const ToolbarButtons& buttons);

// What a click on a toolbar button asks the main window to do.
enum class ToolbarCommand {
    None,
    ToggleRecording,
    TogglePlayback,
    OpenDocument,
    SaveDocument,
    ToggleMode,
    ToggleEditor,
    ShowHelpMenu,
};

// The command of a 1-based button number; None outside 1..7.
ToolbarCommand CommandOfButton(int button);

}  // namespace xd
