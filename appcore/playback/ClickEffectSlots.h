// The eight reusable click-effect slots and their animation, as plain data.
// The players of both editions take slots and the main window's status tick
// steps them, so it sits in the engine, below both; header-only, so a window
// that only paints the slots links nothing for it. Who owns what: the main
// thread steps the slots and paints; TakeClickEffectSlot may run on the runner
// thread (single-field writes, no lock, as the slots are designed for).
#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "platform/Types.h"

namespace xd {

constexpr int kClickEffectSlotCount = 8;
constexpr std::int32_t kClickEffectIdle = 99;
constexpr std::int32_t kClickEffectLastFrame = 18;  // steps below 20 draw, by 2
constexpr std::int32_t kClickEffectClearFrom = 20;
constexpr std::int32_t kClickEffectClearUntil = 50;
// The circle's centre within the 45 x 45 slot window, in 96-DPI units.
constexpr int kClickEffectCentre = 20;

struct ClickEffectSlot {
    WindowHandle window = kNoWindow;
    std::int32_t step = kClickEffectIdle;
    std::int32_t message = 0;  // the button-down message that started it: 513, 516 or 519
};

struct ClickEffectSlots {
    std::array<ClickEffectSlot, kClickEffectSlotCount> slots{};
    int nextSlot = 0;
};

// Where ShowClickEffect puts the slot it took: the caller moves `window` there
// (topmost, no size change, no activation).
struct ClickEffectPlacement {
    int slot = 0;
    WindowHandle window = kNoWindow;
    Point topLeft{};  // screen pixels
};

// Takes the next slot in turn, restarting it even if it still animates.
inline ClickEffectPlacement TakeClickEffectSlot(ClickEffectSlots& effects, Point screen,
                                                std::int32_t message) noexcept {
    const int index = effects.nextSlot >= 0 && effects.nextSlot < kClickEffectSlotCount ? effects.nextSlot : 0;
    ClickEffectSlot& slot = effects.slots[index];
    slot.step = 0;
    slot.message = message;
    effects.nextSlot = (index + 1) % kClickEffectSlotCount;
    return {index, slot.window, Point{screen.x - kClickEffectCentre, screen.y - kClickEffectCentre}};
}

// ARGB pen of a button-down message; none for any other message.
inline std::optional<std::uint32_t> ClickEffectPen(std::int32_t message) noexcept {
    switch (message) {
        case 513: return 0xFF000000u;  // left: black
        case 516: return 0xFF0000FFu;  // right: blue
        case 519: return 0xFFFF00FFu;  // middle: magenta
        default: return std::nullopt;
    }
}

enum class ClickEffectAction {
    None,        // idle: leave the window alone
    DrawCircle,  // fill white, then outline the circle (if there is a pen)
    Clear,       // fill white: the window becomes invisible again
};

struct ClickEffectFrame {
    ClickEffectAction action = ClickEffectAction::None;
    int radius = 0;                     // 96-DPI units, centred at (20, 20)
    std::optional<std::uint32_t> pen;  // ARGB, 1 unit wide
    // Bounding box of the circle in 96-DPI units (left, top, right, bottom).
    Rect CircleBox() const {
        return Rect{kClickEffectCentre - radius, kClickEffectCentre - radius, kClickEffectCentre + radius,
                    kClickEffectCentre + radius};
    }
};

// One animation step of one slot: what to paint now, then the step advances.
inline ClickEffectFrame StepClickEffect(ClickEffectSlot& slot) noexcept {
    ClickEffectFrame frame;
    if (slot.step < kClickEffectClearFrom) {
        frame.action = ClickEffectAction::DrawCircle;
        frame.radius = slot.step;
        frame.pen = ClickEffectPen(slot.message);
        slot.step += 2;
    } else if (slot.step < kClickEffectClearUntil) {
        frame.action = ClickEffectAction::Clear;
        slot.step = kClickEffectIdle;
    }
    return frame;
}

inline std::array<ClickEffectFrame, kClickEffectSlotCount> StepClickEffects(ClickEffectSlots& effects) noexcept {
    std::array<ClickEffectFrame, kClickEffectSlotCount> frames{};
    for (int i = 0; i < kClickEffectSlotCount; ++i) frames[i] = StepClickEffect(effects.slots[i]);
    return frames;
}

}  // namespace xd
