// The play settings that travel with an event-list script (saved in every file,
// taken from every file opened).
#pragma once
#include <cstdint>

namespace xd {

struct EventPlaySettings {
    std::int32_t repeatPosition = 0;  // 0..1000; 0 repeats until stopped
    std::int32_t speedPosition = 0;   // 0..200; 0 is normal speed
    std::int32_t playHotkey = 113;    // F1..F12 as 112..123
    bool foreground = false;
    bool moveToCurrent = true;        // foreground: leave the pointer at each event
    bool clickEffect = true;
    bool virtualPointer = true;
    bool moveToStart = true;          // only together with the virtual pointer
    friend bool operator==(const EventPlaySettings&, const EventPlaySettings&) = default;
};

}  // namespace xd
