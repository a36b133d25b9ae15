// One simulated outside world, wired together: the input's absolute coordinates
// follow the desktop's screen size, and logs are stamped by the one clock.
#pragma once
#include "platform/Platform.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimFileDialogs.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimProfile.h"
#include "platform/sim/SimRegistry.h"

namespace xd::sim {

struct SimPlatform {
    SimPlatform() = default;
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    // Declaration order matters: the desktop and input refer to the clock.
    SimClock clock;
    SimDesktop desktop{clock};
    SimInput input{clock, &desktop};
    SimMessageBoxes boxes;
    SimFileSystem files;
    SimProfile profile;
    SimRegistry registry;
    SimFileDialogs dialogs;

    Platform platform() { return Platform{desktop, input, clock, boxes, files, profile, registry, dialogs}; }
};

}  // namespace xd::sim
