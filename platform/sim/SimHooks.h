// The simulated desktop's low-level hook chain (WH_MOUSE_LL, WH_KEYBOARD_LL) and
// what feeds it: synthesized input (SimInput), SetCursorPos and the user's hand
// (SimUser) all pass through here, so a recorder plugged in sees them as it would
// on the system.
#pragma once
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "platform/Types.h"

namespace xd::sim {

class SimDesktop;

// Flags of the hook structures (MSLLHOOKSTRUCT, KBDLLHOOKSTRUCT).
namespace llhook {
constexpr std::uint32_t kMouseInjected = 0x01;  // LLMHF_INJECTED
constexpr std::uint32_t kKeyInjected = 0x10;    // LLKHF_INJECTED
constexpr std::uint32_t kKeyAltDown = 0x20;     // LLKHF_ALTDOWN
constexpr std::uint32_t kKeyUp = 0x80;          // LLKHF_UP
}  // namespace llhook

// Virtual-key codes the simulation gives a meaning.
namespace vk {
constexpr int kLButton = 0x01;
constexpr int kRButton = 0x02;
constexpr int kMButton = 0x04;
constexpr int kShift = 0x10;
constexpr int kControl = 0x11;
constexpr int kMenu = 0x12;  // Alt
constexpr int kEscape = 0x1B;
constexpr int kF1 = 0x70;    // F1 .. F12 are kF1 + 0 .. 11
constexpr int kF10 = 0x79;
constexpr int kLShift = 0xA0;  // 0xA0 .. 0xA5: left and right Shift, Ctrl, Alt
constexpr int kLControl = 0xA2;
constexpr int kLMenu = 0xA4;
}  // namespace vk

// Hooks are called most recently installed first, as the system does, and every
// hook sees every event: ours never swallow, so each one passes the event on
// unchanged. Events are delivered on the thread that caused them (the runner's
// for SendInput), not the installing thread as on the system, and outside the
// chain's lock, so a hook may call back into the desktop, the input or the
// chain; a hook installed or removed during a delivery takes effect from the
// next event. After the hooks have seen an event the desktop's button and key
// state follows it: as on the system, a hook still reads the state from before
// its own event.
class SimHooks {
public:
    using MouseHook = std::function<void(int code, const LowLevelMouseEvent& event, std::uintptr_t extra)>;
    using KeyboardHook = std::function<void(const LowLevelKeyEvent& event)>;
    using Handle = std::uint64_t;  // 0 is no hook

    // `state` gets the button and key state of delivered events; none keeps no state.
    explicit SimHooks(SimDesktop* state = nullptr);

    Handle InstallMouseHook(MouseHook hook);
    Handle InstallKeyboardHook(KeyboardHook hook);
    bool Remove(Handle handle);  // false when no such hook is installed
    std::size_t MouseHookCount() const;
    std::size_t KeyboardHookCount() const;

    // The system's removal of a hook whose call overran its time limit: the hook is
    // gone without a word to its program, whose handle no longer removes anything.
    bool TimeOut(Handle handle) { return Remove(handle); }
    void TimeOutAll();
    // GetLastInputInfo: the time stamp of the last event delivered, hooked or not.
    std::uint32_t LastInputTick() const;

    // Calls every mouse hook with hook code 0 (HC_ACTION).
    void DeliverMouse(const LowLevelMouseEvent& event, std::uintptr_t extra = 0);
    void DeliverKey(const LowLevelKeyEvent& event);

private:
    template <typename Hook>
    struct Entry {
        Handle handle;
        Hook hook;
    };
    template <typename Hook>
    std::vector<Hook> Chain(const std::vector<Entry<Hook>>& entries) const;

    SimDesktop* state_;
    mutable std::mutex mutex_;
    Handle next_ = 1;
    std::vector<Entry<MouseHook>> mouse_;  // in installation order
    std::vector<Entry<KeyboardHook>> keyboard_;
    std::uint32_t lastInput_ = 0;
};

}  // namespace xd::sim
