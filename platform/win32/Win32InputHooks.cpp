#include "platform/win32/Win32InputHooks.h"

#include <atomic>

namespace xd::win32 {
namespace {

// Read only on the installing thread, where the system calls both procedures.
IInputHookSink* g_sink = nullptr;
// When either procedure was last called: the sign that the hooks are still in.
std::atomic<std::uint32_t> g_lastEvent{0};

}  // namespace

LowLevelKeyEvent ToLowLevelKeyEvent(int code, WPARAM message, const KBDLLHOOKSTRUCT& data) noexcept {
    return LowLevelKeyEvent{code,
                            static_cast<std::uint32_t>(message),
                            static_cast<std::uint32_t>(data.vkCode),
                            static_cast<std::uint32_t>(data.scanCode),
                            static_cast<std::uint32_t>(data.flags),
                            static_cast<std::uint32_t>(data.time)};
}

LowLevelMouseEvent ToLowLevelMouseEvent(WPARAM message, const MSLLHOOKSTRUCT& data) noexcept {
    return LowLevelMouseEvent{static_cast<std::uint32_t>(message),
                              Point{data.pt.x, data.pt.y},
                              static_cast<std::uint32_t>(data.mouseData),
                              static_cast<std::uint32_t>(data.flags),
                              static_cast<std::uint32_t>(data.time)};
}

bool Win32InputHooks::Install(IInputHookSink& sink) noexcept {
    if (Installed() || g_sink) return false;
    g_sink = &sink;
    ownsSink_ = true;
    SetBoth();
    // One without the other still serves: the hotkeys need only the keyboard hook.
    if (!keyboard_ && !mouse_) {
        Remove();
        return false;
    }
    watchdog_.emplace(*this, static_cast<std::uint32_t>(::GetTickCount()));
    return keyboard_ && mouse_;
}

void Win32InputHooks::SetBoth() noexcept {
    // Low-level hooks need no module: the system calls back into this thread.
    keyboard_ = ::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardProc, nullptr, 0);
    mouse_ = ::SetWindowsHookExW(WH_MOUSE_LL, &MouseProc, nullptr, 0);
}

void Win32InputHooks::Remove() noexcept {
    watchdog_.reset();
    // A hook the system dropped is no longer found; unhooking it fails and does no harm.
    if (keyboard_) ::UnhookWindowsHookEx(keyboard_);
    if (mouse_) ::UnhookWindowsHookEx(mouse_);
    if (ownsSink_) g_sink = nullptr;
    ownsSink_ = false;
    keyboard_ = nullptr;
    mouse_ = nullptr;
}

bool Win32InputHooks::CheckAndReinstall() noexcept {
    return watchdog_ && watchdog_->Check(static_cast<std::uint32_t>(::GetTickCount()));
}

std::uint32_t Win32InputHooks::LastSystemInputTick() {
    LASTINPUTINFO info{sizeof info, 0};
    // Without an answer the last one stands, which reads as "no new input".
    if (::GetLastInputInfo(&info)) lastSystemInput_ = static_cast<std::uint32_t>(info.dwTime);
    return lastSystemInput_;
}

std::uint32_t Win32InputHooks::LastHookEventTick() { return g_lastEvent.load(); }

bool Win32InputHooks::Reinstall() {
    if (!ownsSink_) return false;
    if (keyboard_) ::UnhookWindowsHookEx(keyboard_);
    if (mouse_) ::UnhookWindowsHookEx(mouse_);
    SetBoth();
    return keyboard_ && mouse_;
}

LRESULT CALLBACK Win32InputHooks::KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    g_lastEvent.store(static_cast<std::uint32_t>(::GetTickCount()));
    // The sink sees a copy: whatever it does, the next hook gets the event exactly as it came.
    if (code >= 0 && g_sink && lParam) {
        g_sink->OnKeyboardHook(ToLowLevelKeyEvent(code, wParam, *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK Win32InputHooks::MouseProc(int code, WPARAM wParam, LPARAM lParam) {
    g_lastEvent.store(static_cast<std::uint32_t>(::GetTickCount()));
    if (code >= 0 && g_sink && lParam) {
        const auto& data = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        g_sink->OnMouseHook(code, ToLowLevelMouseEvent(wParam, data), static_cast<std::uintptr_t>(data.dwExtraInfo));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace xd::win32
