// One simulated outside world, wired together: the input's absolute coordinates
// follow the desktop's screen size, synthesized input and the user's hand reach
// the one hook chain, whose events set the desktop's button and key state, and
// logs are stamped by the one clock.
#pragma once
#include "platform/Platform.h"
#include "platform/common/GbkCodePage.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimFileDialogs.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimHooks.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimProfile.h"
#include "platform/sim/SimProgramCopies.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimUser.h"

namespace xd::sim {

struct SimPlatform {
    // A sleeping caller lets the system take the input it was handed from the queue.
    SimPlatform() {
        clock.SetSleepStartHook([this] { input.DeliverHeldInput(); });
    }
    ~SimPlatform() { clock.SetSleepStartHook({}); }
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    // Declaration order matters: each member refers only to those above it.
    SimClock clock;
    SimDesktop desktop{clock};
    SimHooks hooks{&desktop};
    SimInput input{clock, &desktop, &hooks};
    SimUser user{input};
    SimMessageBoxes boxes;
    SimFileSystem files;
    SimProfile profile;
    SimRegistry registry;
    SimFileDialogs dialogs;
    // Beside the bundle: only some parts of the core need them.
    GbkCodePage codePage;
    SimShell shell;
    SimProgramCopies copies;

    Platform platform() { return Platform{desktop, input, clock, boxes, files, profile, registry, dialogs}; }
};

}  // namespace xd::sim
