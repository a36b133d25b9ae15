// Gesture tokens and the pending gesture they fold into, with the script line
// a finished gesture becomes.
#pragma once
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace xd {

enum class TokenKind {
    End,     // the final flush of a recording: flushes, starts nothing
    Window,  // the pointer went to another window
    Start,   // a button press
    Click,   // a release within the click tolerance of its press
    Drag,    // a release further away
    Wheel,   // one wheel notch
};

struct GestureToken {
    TokenKind kind = TokenKind::End;
    int button = 0;  // Click, Drag: 1 left, 2 right, 3 middle
    int delta = 0;   // Wheel: signed notch delta, 120 away from the user
};

enum class GestureKind { None, Click, Drag, Wheel };

struct Gesture {
    GestureKind kind = GestureKind::None;
    int button = 0;
    int delta = 0;
    Point at{};   // click and wheel position; drag start
    Point end{};  // drag end
    int count = 0;
    std::int64_t duration = 0;       // drag: release time minus press time
    std::uint32_t referenceTime = 0;  // the wait after the gesture is measured from here
    friend bool operator==(const Gesture&, const Gesture&) = default;
};

// Press and release within this many logical pixels on each axis make a click;
// a repeated wheel notch this close merges.
constexpr int kClickTolerance = 4;

// Mouse message to button digit; 0 for anything else.
[[nodiscard]] int ButtonOfMessage(std::uint64_t message) noexcept;
[[nodiscard]] bool IsPress(std::uint64_t message) noexcept;
[[nodiscard]] bool IsRelease(std::uint64_t message) noexcept;
// The signed wheel delta in the high word of the mouse data.
[[nodiscard]] int WheelDelta(std::uint32_t mouseData) noexcept;

[[nodiscard]] bool WithinClickTolerance(Point a, Point b) noexcept;

// Whether the token only adds one to the pending gesture's count: the same
// kind, button and delta, at a point near the gesture's first point. Only
// counted gestures (clicks, wheel runs) merge.
[[nodiscard]] bool MergesInto(const Gesture& pending, const GestureToken& token, Point at) noexcept;

// 鼠标点击(b,x,y,count,wait), 鼠标拖移(b,x1,y1,x2,y2,duration,wait) or 鼠标滚轮(delta,x,y,count,wait).
[[nodiscard]] std::string GestureLine(const Gesture& gesture, std::int64_t wait);

}  // namespace xd
