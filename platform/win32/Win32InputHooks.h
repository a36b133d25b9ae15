// The two system-wide low-level hooks (keyboard, type 13; mouse, type 14) that both programs record and
// take their hotkeys through. The hook procedures only copy the event into our own types, hand it to the
// sink and pass it on unchanged: every decision is made by the portable capture code.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "platform/InputHooks.h"
#include "platform/Types.h"
#include "platform/common/HookWatchdog.h"

namespace xd::win32 {

// Called on the thread that installed the hooks, while it pumps messages; must return quickly.
class IInputHookSink {
public:
    virtual ~IInputHookSink() = default;
    virtual void OnKeyboardHook(const LowLevelKeyEvent& event) noexcept = 0;
    virtual void OnMouseHook(int code, const LowLevelMouseEvent& event, std::uintptr_t extra) noexcept = 0;
};

[[nodiscard]] LowLevelKeyEvent ToLowLevelKeyEvent(int code, WPARAM message, const KBDLLHOOKSTRUCT& data) noexcept;
[[nodiscard]] LowLevelMouseEvent ToLowLevelMouseEvent(WPARAM message, const MSLLHOOKSTRUCT& data) noexcept;

// Holds the installed hook handles; removes them on Remove or destruction. A hook procedure has no user
// data, so one instance per process serves them (a second Install fails). The system drops a hook whose
// call overran its time limit without a word; the status tick's CheckAndReinstall notices and puts both back.
class Win32InputHooks final : public IInputHooks {
public:
    Win32InputHooks() = default;
    ~Win32InputHooks() override { Remove(); }
    Win32InputHooks(const Win32InputHooks&) = delete;
    Win32InputHooks& operator=(const Win32InputHooks&) = delete;

    // True when both hooks are in; a hook that did install stays until Remove.
    [[nodiscard]] bool Install(IInputHookSink& sink) noexcept;
    void Remove() noexcept;
    [[nodiscard]] bool Installed() const noexcept { return keyboard_ != nullptr || mouse_ != nullptr; }

    // On the installing thread, once per status tick: true when the hooks had been dropped and were put
    // back (see HookWatchdog).
    [[nodiscard]] bool CheckAndReinstall() noexcept;

    // IInputHooks
    std::uint32_t LastSystemInputTick() override;
    std::uint32_t LastHookEventTick() override;
    bool Reinstall() override;

private:
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam);
    void SetBoth() noexcept;

    HHOOK keyboard_ = nullptr;
    HHOOK mouse_ = nullptr;
    bool ownsSink_ = false;
    std::uint32_t lastSystemInput_ = 0;
    std::optional<HookWatchdog> watchdog_;
};

}  // namespace xd::win32
