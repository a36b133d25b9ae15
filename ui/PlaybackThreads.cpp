#include "ui/PlaybackThreads.h"

#include <algorithm>
#include <mutex>
#include <string_view>
#include <vector>

#include "platform/win32/Win32Clock.h"

namespace xd::ui {

// Shared with the threads themselves: a detached thread may outlive its program's window.
struct PlaybackThreads::Counter {
    std::mutex guard;
    int running = 0;
    std::vector<DWORD> ids;  // of the threads running, for their boxes to be found

    int Running() {
        std::lock_guard lock(guard);
        return running;
    }
    std::vector<DWORD> Ids() {
        std::lock_guard lock(guard);
        return ids;
    }
};

namespace {

// A playback thread's only windows are its message boxes: press OK for it.
BOOL CALLBACK CloseBox(HWND hwnd, LPARAM) {
    wchar_t cls[16]{};
    if (::GetClassNameW(hwnd, cls, 16) > 0 && std::wstring_view(cls) == L"#32770")
        ::PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return TRUE;
}

}  // namespace

PlaybackThreads::PlaybackThreads() : counter_(std::make_shared<Counter>()) {}

ThreadStarter PlaybackThreads::Starter() const {
    return [counter = counter_, detached = DetachedThreadStarter()](std::function<void()> work) {
        {
            std::lock_guard lock(counter->guard);
            ++counter->running;
        }
        const bool started = detached([counter, work = std::move(work)] {
            const DWORD id = ::GetCurrentThreadId();
            {
                std::lock_guard lock(counter->guard);
                counter->ids.push_back(id);
            }
            // A player sleeps nearly all the time and acts for microseconds at its deadlines: above the
            // normal priority of the windows that paint meanwhile (its own overlays among them), a deadline
            // finds the processor free sooner.
            ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
            {
                // The 1 ms timer resolution lasts as long as the playback, whichever way it ends.
                const win32::TimerResolutionScope fineTimer;
                work();
            }
            std::lock_guard lock(counter->guard);
            counter->ids.erase(std::find(counter->ids.begin(), counter->ids.end(), id));
            --counter->running;
        });
        if (!started) {
            std::lock_guard lock(counter->guard);
            --counter->running;
        }
        return started;
    };
}

void PlaybackThreads::EndAll(ULONGLONG limitMs) noexcept {
    const ULONGLONG giveUpAt = ::GetTickCount64() + limitMs;
    while (counter_->Running() > 0) {
        if (::GetTickCount64() >= giveUpAt) ::ExitProcess(0);
        for (DWORD id : counter_->Ids()) ::EnumThreadWindows(id, &CloseBox, 0);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
        MSG message;
        ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace xd::ui
