// Recording in the script edition's main window: the capture session (recorder worker, editor writes)
// plugged into the main-window logic, and the two low-level hooks that feed it. Form1 owns one; it is
// created with the window's AppContext, started once the window exists and stopped when it is destroyed.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>

#include "platform/win32/Win32InputHooks.h"
#include "recorder/app/AppModel.h"
#include "recorder/capture/CaptureSession.h"

namespace xd::script_edition {

class Recording final : private win32::IInputHookSink {
public:
    // Plugs the recorder's reset and flush into context.hooks.
    explicit Recording(AppContext& context);
    ~Recording() override;
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

    // Installs the hooks and starts the recorder worker; the worker's wake-up goes to mainWindow.
    // False when a hook could not be installed (the window still works without what it feeds).
    [[nodiscard]] bool Start(HWND mainWindow) noexcept;
    // Removes the hooks and ends the worker; waiting lines are applied first.
    void Stop() noexcept;

    // On the status tick: puts the hooks back when the system dropped them; true when it did.
    [[nodiscard]] bool CheckHooks() noexcept { return hooks_.CheckAndReinstall(); }

    // True for the worker's "lines are waiting" message, which it then applies to the editor.
    bool HandleMessage(UINT message) noexcept;

    // The click demonstration at a screen point, for a button press.
    void SetClickEffect(std::function<void(Point, std::uint32_t)> show) { capture_.SetClickEffect(std::move(show)); }

private:
    void OnKeyboardHook(const LowLevelKeyEvent& event) noexcept override;
    void OnMouseHook(int code, const LowLevelMouseEvent& event, std::uintptr_t extra) noexcept override;

    std::atomic<HWND> mainWindow_{nullptr};
    CaptureSession capture_;
    win32::Win32InputHooks hooks_;
};

}  // namespace xd::script_edition
