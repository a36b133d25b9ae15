#include "recorder/capture/Gesture.h"

#include <cstdlib>

#include "engine/Keywords.h"
#include "recorder/capture/TargetWindowLine.h"

namespace xd {

int ButtonOfMessage(std::uint64_t message) noexcept {
    switch (message) {
        case msg::kLButtonDown:
        case msg::kLButtonUp: return 1;
        case msg::kRButtonDown:
        case msg::kRButtonUp: return 2;
        case msg::kMButtonDown:
        case msg::kMButtonUp: return 3;
        default: return 0;
    }
}

bool IsPress(std::uint64_t message) noexcept {
    return message == msg::kLButtonDown || message == msg::kRButtonDown || message == msg::kMButtonDown;
}

bool IsRelease(std::uint64_t message) noexcept {
    return message == msg::kLButtonUp || message == msg::kRButtonUp || message == msg::kMButtonUp;
}

int WheelDelta(std::uint32_t mouseData) noexcept { return static_cast<std::int16_t>(mouseData >> 16); }

bool WithinClickTolerance(Point a, Point b) noexcept {
    return std::abs(a.x - b.x) <= kClickTolerance && std::abs(a.y - b.y) <= kClickTolerance;
}

bool MergesInto(const Gesture& pending, const GestureToken& token, Point at) noexcept {
    const bool sameKind = (pending.kind == GestureKind::Click && token.kind == TokenKind::Click &&
                           pending.button == token.button) ||
                          (pending.kind == GestureKind::Wheel && token.kind == TokenKind::Wheel &&
                           pending.delta == token.delta);
    return sameKind && WithinClickTolerance(pending.at, at);
}

bool MergesKeyInto(const Gesture& pending, const GestureToken& token) noexcept {
    if (pending.kind == GestureKind::Key && token.kind == TokenKind::Key) return pending.keys == token.keys;
    return pending.kind == GestureKind::Text && token.kind == TokenKind::Text &&
           pending.text.size() + token.text.size() <= kMaxTextRun;
}

std::string GestureLine(const Gesture& gesture, std::int64_t wait) {
    auto n = [](auto value) { return std::to_string(value); };
    auto call = [](std::string_view keyword) { return std::string(keyword) + "("; };
    switch (gesture.kind) {
        case GestureKind::Click:
            return call(kClickKeyword) + n(gesture.button) + "," + n(gesture.at.x) + "," + n(gesture.at.y) + "," +
                   n(gesture.count) + "," + n(wait) + ")";
        case GestureKind::Drag:
            return call(kDragKeyword) + n(gesture.button) + "," + n(gesture.at.x) + "," + n(gesture.at.y) + "," +
                   n(gesture.end.x) + "," + n(gesture.end.y) + "," + n(gesture.duration) + "," + n(wait) + ")";
        case GestureKind::Wheel:
            return call(kWheelKeyword) + n(gesture.delta) + "," + n(gesture.at.x) + "," + n(gesture.at.y) + "," +
                   n(gesture.count) + "," + n(wait) + ")";
        case GestureKind::Key:
            return call(kKeyPressKeyword) + QuotedScriptText(FormatKeyCombination(gesture.keys)) + "," +
                   n(gesture.count) + "," + n(wait) + ")";
        case GestureKind::Text: return call(kTypeTextKeyword) + QuotedScriptText(gesture.text) + "," + n(wait) + ")";
        case GestureKind::None: break;
    }
    return {};
}

}  // namespace xd
