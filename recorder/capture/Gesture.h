// Gesture tokens and the pending gesture they fold into, with the script line
// a finished gesture becomes.
#pragma once
#include <cstdint>
#include <string>

#include "appcore/keyboard/KeyNames.h"
#include "platform/Types.h"

namespace xd {

enum class TokenKind {
    End,     // the final flush of a recording: flushes, starts nothing
    Window,  // the pointer went to another window
    Start,   // a button press
    Click,   // a release within the click tolerance of its press
    Drag,    // a release further away
    Wheel,   // one wheel notch
    Key,     // a key pressed with a modifier, or one that types no character
    Text,    // characters a key typed (Shift at most held)
};

struct GestureToken {
    TokenKind kind = TokenKind::End;
    int button = 0;  // Click, Drag: 1 left, 2 right, 3 middle
    int delta = 0;   // Wheel: signed notch delta, 120 away from the user
    KeyCombination keys{};  // Key
    std::string text{};     // Text
};

enum class GestureKind { None, Click, Drag, Wheel, Key, Text };

struct Gesture {
    GestureKind kind = GestureKind::None;
    int button = 0;
    int delta = 0;
    Point at{};   // click and wheel position; drag start
    Point end{};  // drag end
    int count = 0;
    std::int64_t duration = 0;       // drag: release time minus press time
    std::uint32_t referenceTime = 0;  // the wait after the gesture is measured from here
    KeyCombination keys{};            // key: the combination, pressed `count` times
    std::string text{};               // text: what the run typed
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

// Whether the token only adds to the pending key or text gesture: the same combination again, or more
// characters while the run stays under kMaxTextRun bytes.
[[nodiscard]] bool MergesKeyInto(const Gesture& pending, const GestureToken& token) noexcept;

// A run of typing longer than this goes on in a new line, so no recorded line grows without bound.
constexpr std::size_t kMaxTextRun = 200;

// 鼠标点击(b,x,y,count,wait), 鼠标拖移(b,x1,y1,x2,y2,duration,wait), 鼠标滚轮(delta,x,y,count,wait),
// 键盘按键("keys",count,wait) or 输入文字("text",wait).
[[nodiscard]] std::string GestureLine(const Gesture& gesture, std::int64_t wait);

}  // namespace xd
