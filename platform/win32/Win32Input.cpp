#include "platform/win32/Win32Input.h"

#include "platform/win32/WinHeaders.h"

namespace xd::win32 {

namespace {
// One playback step sends a handful of records; a larger batch is a caller's bug.
constexpr std::size_t kMaxRecords = 1024;
}  // namespace

unsigned Win32Input::SendMouseInput(const std::vector<MouseInputRecord>& records) {
    std::size_t count = records.size() < kMaxRecords ? records.size() : kMaxRecords;
    if (count == 0) return 0;
    std::vector<INPUT> inputs(count);
    for (std::size_t i = 0; i < count; ++i) {
        INPUT& in = inputs[i];
        in.type = INPUT_MOUSE;
        in.mi.dx = records[i].dx;
        in.mi.dy = records[i].dy;
        in.mi.mouseData = records[i].mouseData;
        in.mi.dwFlags = records[i].flags;
        in.mi.time = records[i].time;
        in.mi.dwExtraInfo = 0;
    }
    return ::SendInput(static_cast<UINT>(count), inputs.data(), sizeof(INPUT));
}

unsigned Win32Input::SendKeyInput(const std::vector<KeyInputRecord>& records) {
    std::size_t count = records.size() < kMaxRecords ? records.size() : kMaxRecords;
    if (count == 0) return 0;
    std::vector<INPUT> inputs(count);
    for (std::size_t i = 0; i < count; ++i) {
        INPUT& in = inputs[i];
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = records[i].virtualKey;
        in.ki.wScan = records[i].scanCode;
        in.ki.dwFlags = records[i].flags;
        in.ki.time = records[i].time;
        in.ki.dwExtraInfo = 0;
    }
    return ::SendInput(static_cast<UINT>(count), inputs.data(), sizeof(INPUT));
}

bool Win32Input::SetCursorPos(Point screen) { return ::SetCursorPos(screen.x, screen.y) != FALSE; }

Point Win32Input::GetCursorPos() {
    POINT p{};
    if (!::GetCursorPos(&p)) return Point{};
    return Point{p.x, p.y};
}

}  // namespace xd::win32
