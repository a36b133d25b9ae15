// Event lists the tests, the fuzz seeds and the benchmark share: built in code,
// with GBK titles as the recorder stores them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "eventlist/EventPlaySettings.h"
#include "eventlist/RecordedEvent.h"
#include "platform/Text.h"

namespace xd::test {

// A title or class as the recorder stores it: ANSI bytes and two zero bytes.
inline std::string Stored(const std::string& utf8) { return Utf8ToGbk(utf8) + std::string("\0\0", 2); }

inline RecordedEvent SampleEvent(std::int32_t message, std::int32_t x, std::int32_t y, const std::string& title,
                                 const std::string& windowClass, const std::string& path, std::int32_t delayMs,
                                 std::int32_t keyFlags = 0) {
    RecordedEvent e;
    e.message = message;
    e.x = x;
    e.y = y;
    e.windowTitle = Stored(title);
    e.windowClass = Stored(windowClass);
    e.childPath = path;
    // From a top-level window at (100, 50) and a child window at (120, 90).
    e.offsetX = static_cast<std::int32_t>((static_cast<std::uint32_t>(x - 100) << 16) |
                                          static_cast<std::uint16_t>(x - 120));
    e.offsetY = static_cast<std::int32_t>((static_cast<std::uint32_t>(y - 50) << 16) |
                                          static_cast<std::uint16_t>(y - 90));
    e.keyFlags = keyFlags;
    e.delayMs = delayMs;
    e.displayText = EventDisplayText(e);
    return e;
}

// A click in Notepad, a drag with moves, a wheel turn back in another program with
// Ctrl held, and a click on a window with an empty title at a negative position.
inline std::vector<RecordedEvent> SampleRecording() {
    const std::string path13("\x01\x03", 2);
    const std::string path2("\x02", 1);
    return {
        SampleEvent(0x201, 300, 200, "无标题 - 记事本", "Notepad", path13, 90, 1),
        SampleEvent(0x202, 300, 200, "无标题 - 记事本", "Notepad", path13, 400),
        SampleEvent(0x201, 310, 220, "无标题 - 记事本", "Notepad", path13, 50, 1),
        SampleEvent(0x200, 330, 240, "无标题 - 记事本", "Notepad", path13, 16, 1),
        SampleEvent(0x202, 350, 260, "无标题 - 记事本", "Notepad", path13, 700),
        SampleEvent(0x20A, 600, 400, "计算器", "CalcFrame", path2, 120,
                    static_cast<std::int32_t>(0xFF880008u)),
        SampleEvent(0x204, -20, -5, "", "Shell_TrayWnd", "", 0, 2),
    };
}

inline EventPlaySettings SampleSettings() {
    EventPlaySettings s;
    s.repeatPosition = 3;
    s.speedPosition = 10;
    s.playHotkey = 116;
    s.foreground = true;
    s.moveToCurrent = false;
    s.clickEffect = true;
    s.virtualPointer = false;
    s.moveToStart = true;
    return s;
}

}  // namespace xd::test
