// What the main window's logic asks of the window itself, and the extension
// points where the runner, the recorder and other windows plug in. The Win32
// main window implements IMainWindowView over Form1 and its controls; tests
// record the calls. Sizes are 96-DPI units: the window scales them.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "documents/editor/CommandHelp.h"
#include "platform/Types.h"

namespace xd {

struct WindowSize96 {
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowSize96&, const WindowSize96&) = default;
};

// The toolbar strip alone, and the window with the editor.
inline constexpr WindowSize96 kCompactWindowSize{275, 76};
inline constexpr WindowSize96 kFullWindowSize{510, 454};

// Custom messages of the main window.
namespace appmsg {
constexpr std::uint32_t kDeferredLoad = 4096;
constexpr std::uintptr_t kDeferredLoadParam = 4096;  // wParam of kDeferredLoad
constexpr std::uint32_t kScrollEditorToEnd = 9824;
constexpr std::uint32_t kHelpHoverElapsed = 9825;
constexpr std::uint32_t kRecordHotkey = 10825;
constexpr std::uint32_t kPlayHotkey = 10826;
// Posted by the keyboard hook when Esc ended a recording: the rest of the stop.
constexpr std::uint32_t kFinishRecordingStop = 9827;
}  // namespace appmsg

// PopupMenu1, the tray and Help menu.
namespace helpmenu {
constexpr int kSettings = 102;
constexpr int kHelp = 103;
constexpr int kAbout = 104;
constexpr int kShow = 106;
constexpr int kHide = 107;
constexpr int kMakeProgram = 108;
}  // namespace helpmenu

class IMainWindowView {
public:
    virtual ~IMainWindowView() = default;
    virtual WindowHandle Handle() = 0;
    virtual void SetWindowTitle(const std::string& title) = 0;
    virtual void SetTrayTip(const std::string& tip) = 0;
    virtual void SetWindowSize(WindowSize96 size) = 0;
    virtual void FocusEditor() = 0;
    virtual void SetCommand6Enabled(bool enabled) = 0;
    virtual void SetWaitCursor(bool waiting) = 0;
    virtual void FillCommandList(const std::array<std::string_view, kCommandCount>& names) = 0;
    // true: Image1 shown, the editor and its side controls hidden; false: the reverse.
    virtual void ShowHelpImage(bool show) = 0;
    virtual void ShowHelpMenuAtPointer() = 0;
    virtual bool IsVisible() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void RepaintAll() = 0;
};

// Work that belongs to other parts of the program. An empty hook means that
// part is not built yet: the state transitions still happen, nothing runs.
struct MainWindowHooks {
    // Hands the editor's whole text to the runner, which runs on its own thread
    // and reads stopRequested (AppModel) to know when to end.
    std::function<void(const std::string& scriptText)> startPlayback;
    // Recorder: forget the target window, process id, pending gesture and previous event.
    std::function<void()> resetRecorder;
    // Recorder: flush the pending gesture with an empty token at this tick, writing its last line.
    std::function<void(std::uint32_t tick)> flushRecorder;
    // The eight click-effect windows, created once at start-up.
    std::function<void()> createClickEffectWindows;
    std::function<void()> openSettingsDialog;
    std::function<void()> openHelpPage;
    std::function<void()> showAboutWindow;
    // 生成软件: a copy of the program carrying the script (MakeScriptProgram).
    std::function<void()> makeProgram;
};

}  // namespace xd
