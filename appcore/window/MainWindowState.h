// The application state the main window owns for the whole run. Plain data:
// the operations on it live in the files named after them.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "appcore/playback/ClickEffectSlots.h"
#include "appcore/window/AppInfo.h"
#include "appcore/window/ToolbarButton.h"
#include "platform/common/HookWatchdog.h"

namespace xd {

// hoverMode values.
constexpr int kHoverNone = 0;
constexpr int kHoverPointer = 1;
constexpr int kHoverPressed = 2;  // left button held on the button

// Virtual-key codes of F1 and of the default hotkeys.
constexpr int kVkF1 = 112;
constexpr int kDefaultRecordKey = 114;  // F3
constexpr int kDefaultPlayKey = 113;    // F2

struct MainWindowState {
    ApplicationInfo info;
    std::string applicationTitle;
    ToolbarButtons buttons = InitialToolbarButtons();
    bool modified = false;
    bool suppressModified = false;
    std::string currentFile;
    int hoverButton = 0;  // 1-based, 0 none
    int hoverMode = kHoverNone;
    std::string statusText;  // shown now
    std::string statusIdle;  // shown when no button is hovered
    int arrowIndex = 0;
    int recordKey = kDefaultRecordKey;
    int playKey = kDefaultPlayKey;
    // Captions of Label1 index 0 and 1; the strip repeats them in the full window.
    std::array<std::string, 2> label1Captions{"回放次数：无限", "回放速度：正常"};
    ClickEffectSlots effects;
    // Set by Esc in the keyboard hook: the recording took no event after this
    // tick, and the main window finishes its stop from a posted message.
    std::optional<std::uint32_t> recordingStoppedAt;
    // Tells a recording once that the hooks had to be put back.
    HooksReinstalledNotice hooksNotice;
};

// State right after the first stage of start-up.
MainWindowState InitialMainWindowState(const ApplicationInfo& info);

}  // namespace xd
