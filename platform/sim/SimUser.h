// The user's hand on the simulated desktop: pointer, buttons, wheel and keys go
// through the same hook chain as synthesized input, but unflagged, stamped with
// the clock's tick and logged nowhere. Time passes only when the test advances
// the clock.
#pragma once
#include "platform/Clock.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimHooks.h"
#include "platform/sim/SimInput.h"

namespace xd::sim {

enum class SimButton { Left, Right, Middle };

class SimUser {
public:
    explicit SimUser(SimInput& input);

    // Not clamped to the screen: a point off it stands for a second monitor.
    void MoveTo(Point screen);
    void Press(SimButton button);
    void Release(SimButton button);
    void Click(SimButton button);
    // One notch: 120 away from the user, -120 towards.
    void Wheel(int delta);
    // Shift, Ctrl and Alt are pressed as their left keys, as the hooks report them.
    // With Alt held (and Ctrl not), and for F10, keys arrive as system keys; each has its scan code.
    void KeyDown(int virtualKey);
    void KeyUp(int virtualKey);
    void Key(int virtualKey);

private:
    void Button(SimButton button, bool down);
    void KeyChange(int virtualKey, bool down);

    SimInput& input_;
};

}  // namespace xd::sim
