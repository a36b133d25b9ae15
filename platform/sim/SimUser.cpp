#include "platform/sim/SimUser.h"

namespace xd::sim {

SimUser::SimUser(SimInput& input, SimHooks& hooks, SimDesktop& desktop, IClock& clock)
    : input_(input), hooks_(hooks), desktop_(desktop), clock_(clock) {}

void SimUser::MoveTo(Point screen) { input_.UserMoveTo(screen); }

void SimUser::Button(SimButton button, bool down) {
    std::uint32_t flags = 0;
    switch (button) {
        case SimButton::Left: flags = down ? mouseevent::kLeftDown : mouseevent::kLeftUp; break;
        case SimButton::Right: flags = down ? mouseevent::kRightDown : mouseevent::kRightUp; break;
        case SimButton::Middle: flags = down ? mouseevent::kMiddleDown : mouseevent::kMiddleUp; break;
    }
    input_.UserInput(MouseInputRecord{0, 0, 0, flags, 0});
}

void SimUser::Press(SimButton button) { Button(button, true); }
void SimUser::Release(SimButton button) { Button(button, false); }

void SimUser::Click(SimButton button) {
    Press(button);
    Release(button);
}

void SimUser::Wheel(int delta) {
    input_.UserInput(MouseInputRecord{0, 0, static_cast<std::uint32_t>(delta), mouseevent::kWheel, 0});
}

bool SimUser::Held(int virtualKey) { return desktop_.AsyncKeyState(virtualKey) != 0; }

void SimUser::KeyChange(int virtualKey, bool down) {
    // Keys and the mouse share one input queue: the key comes after what was injected before it.
    input_.DeliverHeldInput();
    int key = virtualKey;
    if (key == vk::kShift) key = vk::kLShift;
    if (key == vk::kControl) key = vk::kLControl;
    if (key == vk::kMenu) key = vk::kLMenu;
    const bool isAlt = key == vk::kLMenu || key == vk::kLMenu + 1;
    // The key's own change is not in the state yet: the hooks see it first.
    const bool alt = Held(vk::kMenu) || (down && isAlt);
    const bool systemKey = (alt && !Held(vk::kControl)) || key == vk::kF10;
    const std::uint32_t message =
        down ? (systemKey ? msg::kSysKeyDown : msg::kKeyDown) : (systemKey ? msg::kSysKeyUp : msg::kKeyUp);
    const std::uint32_t flags = (down ? 0 : llhook::kKeyUp) | (alt ? llhook::kKeyAltDown : 0);
    hooks_.DeliverKey(LowLevelKeyEvent{0, message, static_cast<std::uint32_t>(key), 0, flags, clock_.TickCount()});
}

void SimUser::KeyDown(int virtualKey) { KeyChange(virtualKey, true); }
void SimUser::KeyUp(int virtualKey) { KeyChange(virtualKey, false); }

void SimUser::Key(int virtualKey) {
    KeyDown(virtualKey);
    KeyUp(virtualKey);
}

}  // namespace xd::sim
