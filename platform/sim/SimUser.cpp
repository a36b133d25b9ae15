#include "platform/sim/SimUser.h"

namespace xd::sim {

SimUser::SimUser(SimInput& input)
    : input_(input) {}

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


void SimUser::KeyChange(int virtualKey, bool down) { input_.UserKey(virtualKey, down); }

void SimUser::KeyDown(int virtualKey) { KeyChange(virtualKey, true); }
void SimUser::KeyUp(int virtualKey) { KeyChange(virtualKey, false); }

void SimUser::Key(int virtualKey) {
    KeyDown(virtualKey);
    KeyUp(virtualKey);
}

}  // namespace xd::sim
