#include "platform/sim/SimHooks.h"

#include <algorithm>
#include <utility>

#include "platform/sim/SimDesktop.h"

namespace xd::sim {

namespace {

// The virtual key a button message presses or releases; 0 for other messages.
struct ButtonChange {
    int key = 0;
    bool down = false;
};

ButtonChange ButtonOf(std::uint32_t message) {
    switch (message) {
        case msg::kLButtonDown: return {vk::kLButton, true};
        case msg::kLButtonUp: return {vk::kLButton, false};
        case msg::kRButtonDown: return {vk::kRButton, true};
        case msg::kRButtonUp: return {vk::kRButton, false};
        case msg::kMButtonDown: return {vk::kMButton, true};
        case msg::kMButtonUp: return {vk::kMButton, false};
        default: return {};
    }
}

}  // namespace

SimHooks::SimHooks(SimDesktop* state) : state_(state) {}

SimHooks::Handle SimHooks::InstallMouseHook(MouseHook hook) {
    std::lock_guard lock(mutex_);
    mouse_.push_back({next_, std::move(hook)});
    return next_++;
}

SimHooks::Handle SimHooks::InstallKeyboardHook(KeyboardHook hook) {
    std::lock_guard lock(mutex_);
    keyboard_.push_back({next_, std::move(hook)});
    return next_++;
}

bool SimHooks::Remove(Handle handle) {
    std::lock_guard lock(mutex_);
    const auto erased = std::erase_if(mouse_, [handle](const auto& e) { return e.handle == handle; }) +
                        std::erase_if(keyboard_, [handle](const auto& e) { return e.handle == handle; });
    return erased > 0;
}

std::size_t SimHooks::MouseHookCount() const {
    std::lock_guard lock(mutex_);
    return mouse_.size();
}

std::size_t SimHooks::KeyboardHookCount() const {
    std::lock_guard lock(mutex_);
    return keyboard_.size();
}

void SimHooks::TimeOutAll() {
    std::lock_guard lock(mutex_);
    mouse_.clear();
    keyboard_.clear();
}

std::uint32_t SimHooks::LastInputTick() const {
    std::lock_guard lock(mutex_);
    return lastInput_;
}

template <typename Hook>
std::vector<Hook> SimHooks::Chain(const std::vector<Entry<Hook>>& entries) const {
    std::lock_guard lock(mutex_);
    std::vector<Hook> chain;
    chain.reserve(entries.size());
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) chain.push_back(it->hook);
    return chain;
}

void SimHooks::DeliverMouse(const LowLevelMouseEvent& event, std::uintptr_t extra) {
    {
        std::lock_guard lock(mutex_);
        lastInput_ = event.time;
    }
    for (const MouseHook& hook : Chain(mouse_)) hook(0, event, extra);
    if (const ButtonChange b = ButtonOf(event.message); b.key != 0 && state_) state_->SetKeyDown(b.key, b.down);
}

void SimHooks::DeliverKey(const LowLevelKeyEvent& event) {
    {
        std::lock_guard lock(mutex_);
        lastInput_ = event.time;
    }
    for (const KeyboardHook& hook : Chain(keyboard_)) hook(event);
    if (!state_) return;
    const bool down = event.message == msg::kKeyDown || event.message == msg::kSysKeyDown;
    const bool up = event.message == msg::kKeyUp || event.message == msg::kSysKeyUp;
    if (down || up) state_->SetKeyDown(static_cast<int>(event.vkCode), down);
}

}  // namespace xd::sim
