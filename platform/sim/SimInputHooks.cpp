#include "platform/sim/SimInputHooks.h"

#include <utility>

namespace xd::sim {

bool SimInputHooks::Install(SimHooks::MouseHook mouse, SimHooks::KeyboardHook keyboard) {
    if (mouseHandle_ != 0 || keyboardHandle_ != 0) return false;
    mouse_ = std::move(mouse);
    keyboard_ = std::move(keyboard);
    InstallBoth();
    return true;
}

void SimInputHooks::InstallBoth() {
    mouseHandle_ = chain_.InstallMouseHook([this](int code, const LowLevelMouseEvent& e, std::uintptr_t extra) {
        lastEvent_.store(clock_.TickCount());
        if (mouse_) mouse_(code, e, extra);
    });
    keyboardHandle_ = chain_.InstallKeyboardHook([this](const LowLevelKeyEvent& e) {
        lastEvent_.store(clock_.TickCount());
        if (keyboard_) keyboard_(e);
    });
}

void SimInputHooks::Remove() {
    // A hook the chain dropped is simply not found, as UnhookWindowsHookEx fails for it.
    if (mouseHandle_ != 0) static_cast<void>(chain_.Remove(mouseHandle_));
    if (keyboardHandle_ != 0) static_cast<void>(chain_.Remove(keyboardHandle_));
    mouseHandle_ = 0;
    keyboardHandle_ = 0;
}

bool SimInputHooks::Reinstall() {
    if (!mouse_ && !keyboard_) return false;
    Remove();
    InstallBoth();
    ++reinstalls_;
    return true;
}

}  // namespace xd::sim
