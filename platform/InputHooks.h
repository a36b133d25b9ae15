// The program's two low-level hooks as a watchdog sees them. The system drops a
// hook whose call overran its time limit without telling the program; these
// three questions are enough to notice that and put the hooks back.
#pragma once
#include <cstdint>

namespace xd {

class IInputHooks {
public:
    virtual ~IInputHooks() = default;
    // GetLastInputInfo: the tick of the last input the system took, ours included.
    virtual std::uint32_t LastSystemInputTick() = 0;
    // The tick at which one of our hooks was last called.
    virtual std::uint32_t LastHookEventTick() = 0;
    // Removes whatever is left of both hooks and installs them again; true when both are in.
    virtual bool Reinstall() = 0;
};

}  // namespace xd
