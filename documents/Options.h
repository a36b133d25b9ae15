// The options of the settings file, held in memory for the whole run.
#pragma once
#include <cstdint>

namespace xd {

struct Options {
    std::int32_t recordKey = 114;  // VK_F3
    std::int32_t playKey = 113;    // VK_F2
    std::int32_t exclusiveMode = 1;
    std::int32_t moveMouse = 1;
    std::int32_t confirmDelete = 1;
    std::int32_t demoClick = 1;
    std::int32_t clickEffect = 1;
    std::int32_t virtualPointer = 1;
    std::int32_t moveToStart = 1;
    std::int32_t deleteLastMove = 1;
    // How long a playback waits for its target window to appear; 0 fails at once.
    std::int32_t waitForWindowSeconds = 0;
    // A physical mouse move during a foreground playback stops it.
    std::int32_t stopOnMouseMove = 1;
    // Keys are recorded beside the mouse; off, recordings are what they were before keys were.
    std::int32_t recordKeyboard = 0;
    friend bool operator==(const Options&, const Options&) = default;
};

}  // namespace xd
