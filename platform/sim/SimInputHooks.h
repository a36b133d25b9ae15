// A program's pair of low-level hooks on the simulated chain, as the Win32 backend
// keeps them: installed once, put back by Reinstall after the chain dropped them
// (SimHooks::TimeOut), and stamped with the clock's tick whenever one is called.
#pragma once
#include <atomic>
#include <cstdint>

#include "platform/Clock.h"
#include "platform/InputHooks.h"
#include "platform/sim/SimHooks.h"

namespace xd::sim {

class SimInputHooks final : public IInputHooks {
public:
    SimInputHooks(SimHooks& chain, IClock& clock) : chain_(chain), clock_(clock) {}
    ~SimInputHooks() override { Remove(); }
    SimInputHooks(const SimInputHooks&) = delete;
    SimInputHooks& operator=(const SimInputHooks&) = delete;

    // False when hooks are installed already.
    bool Install(SimHooks::MouseHook mouse, SimHooks::KeyboardHook keyboard);
    void Remove();
    [[nodiscard]] SimHooks::Handle MouseHandle() const { return mouseHandle_; }
    [[nodiscard]] SimHooks::Handle KeyboardHandle() const { return keyboardHandle_; }
    [[nodiscard]] int Reinstalls() const { return reinstalls_; }

    std::uint32_t LastSystemInputTick() override { return chain_.LastInputTick(); }
    std::uint32_t LastHookEventTick() override { return lastEvent_.load(); }
    bool Reinstall() override;

private:
    void InstallBoth();

    SimHooks& chain_;
    IClock& clock_;
    SimHooks::MouseHook mouse_;
    SimHooks::KeyboardHook keyboard_;
    SimHooks::Handle mouseHandle_ = 0;
    SimHooks::Handle keyboardHandle_ = 0;
    std::atomic<std::uint32_t> lastEvent_{0};
    int reinstalls_ = 0;
};

}  // namespace xd::sim
