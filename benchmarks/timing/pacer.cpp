// The player's clock alone: sleeps to the schedule's deadlines with the same Win32 clock the runner uses and
// posts a left click to the probe at each, with none of the player's other work (no glide, no overlays).
// It logs, per click, when it was due, when it woke and when the press was posted (performance counter µs),
// so the benchmark can tell a late wake-up from a late delivery; then a line "cpu <µs> <µs>": the process's
// CPU time and the wall time from the first deadline to the last post.
// With "foreground" it injects the clicks instead, as the players do in the foreground: the pointer is put on
// the point 10 ms ahead (where a glide would have brought it) and again at the deadline, then the press and
// the release go in one SendInput call, without the move flag.
//   pacer <schedule file> <log file> [foreground]        schedule lines: x y wait-ms
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "platform/win32/Win32Clock.h"

namespace {

struct Action {
    int x = 0;
    int y = 0;
    int waitMs = 0;
};

std::int64_t ProcessCpuMicros() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    const auto micros = [](const FILETIME& t) {
        return static_cast<std::int64_t>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10;
    };
    return micros(kernel) + micros(user);
}

void Inject(DWORD down, DWORD up) {
    INPUT inputs[2]{};
    const DWORD flags[2] = {down, up};
    for (int i = 0; i < 2; ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | flags[i];
    }
    SendInput(2, inputs, sizeof(INPUT));
}

LPARAM Pack(int x, int y) {
    return static_cast<LPARAM>(static_cast<std::uint32_t>(static_cast<std::uint16_t>(x)) |
                               (static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: pacer <schedule> <log> [foreground]\n");
        return 2;
    }
    const bool foreground = argc > 3 && std::wcscmp(argv[3], L"foreground") == 0;
    std::vector<Action> actions;
    if (FILE* in = _wfopen(argv[1], L"r")) {
        Action a;
        while (actions.size() < 100000 && std::fscanf(in, "%d %d %d", &a.x, &a.y, &a.waitMs) == 3)
            actions.push_back(a);
        std::fclose(in);
    }
    HWND probe = FindWindowW(L"XdProbe_Main", nullptr);
    if (actions.empty() || !probe) {
        std::fprintf(stderr, "pacer: no schedule or no probe window\n");
        return 1;
    }
    FILE* log = _wfopen(argv[2], L"w");
    if (!log) return 1;

    // As the player's thread does for a playback.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    const xd::win32::TimerResolutionScope fineTimer;
    xd::win32::Win32Clock clock;
    std::vector<std::int64_t> due(actions.size()), woke(actions.size()), posted(actions.size());
    std::int64_t next = clock.MonotonicMicros() + 500'000;
    std::int64_t cpuAtFirst = 0;
    POINT origin{0, 0};
    ClientToScreen(probe, &origin);
    for (std::size_t i = 0; i < actions.size(); ++i) {
        due[i] = next;
        const POINT on{origin.x + actions[i].x, origin.y + actions[i].y};
        if (foreground) {
            clock.SleepUntil(next - 10'000);
            SetCursorPos(on.x, on.y);
        }
        clock.SleepUntil(next);
        if (i == 0) cpuAtFirst = ProcessCpuMicros();
        woke[i] = clock.MonotonicMicros();
        if (foreground) {
            SetCursorPos(on.x, on.y);
            Inject(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
            posted[i] = clock.MonotonicMicros();
        } else {
            const LPARAM at = Pack(actions[i].x, actions[i].y);
            PostMessageW(probe, WM_LBUTTONDOWN, MK_LBUTTON, at);
            posted[i] = clock.MonotonicMicros();
            PostMessageW(probe, WM_LBUTTONUP, 0, at);
        }
        next += static_cast<std::int64_t>(actions[i].waitMs) * 1000;
    }
    const std::int64_t cpu = ProcessCpuMicros() - cpuAtFirst;
    for (std::size_t i = 0; i < actions.size(); ++i)
        std::fprintf(log, "%lld %lld %lld\n", static_cast<long long>(due[i]), static_cast<long long>(woke[i]),
                     static_cast<long long>(posted[i]));
    std::fprintf(log, "cpu %lld %lld\n", static_cast<long long>(cpu), static_cast<long long>(posted.back() - due[0]));
    std::fclose(log);
    return 0;
}
