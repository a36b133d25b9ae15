// The player's threads: started detached and counted, so the window, whose model they read, is not taken
// down while one still runs.
#include <algorithm>
#include <mutex>
#include <vector>

#include "Form1.h"
#include "engine/playback/ScriptRunner.h"

namespace xd::event_list {

// Counted on the main thread before a thread starts, so the wait never misses one that has not yet begun;
// each thread adds its id once it runs, for its boxes to be found.
struct Form1::PlayerThreads {
    std::mutex guard;
    int running = 0;
    std::vector<DWORD> ids;

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

// Long enough for a player to see the stop and for its box to close; after that the process ends rather
// than free what the player may still use.
constexpr ULONGLONG kPlayerEndWaitMs = 3000;

// A player's only windows are its boxes: press OK for it.
BOOL CALLBACK ClosePlayerBox(HWND hwnd, LPARAM) {
    wchar_t cls[16]{};
    if (::GetClassNameW(hwnd, cls, 16) > 0 && std::wstring_view(cls) == L"#32770") {
        ::PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    return TRUE;
}

}  // namespace

std::shared_ptr<Form1::PlayerThreads> Form1::NewPlayerThreads() { return std::make_shared<PlayerThreads>(); }

ThreadStarter Form1::CountedThreadStarter() {
    return [threads = players_, detached = DetachedThreadStarter()](std::function<void()> work) {
        {
            std::lock_guard lock(threads->guard);
            ++threads->running;
        }
        const bool started = detached([threads, work = std::move(work)] {
            const DWORD id = ::GetCurrentThreadId();
            {
                std::lock_guard lock(threads->guard);
                threads->ids.push_back(id);
            }
            work();
            std::lock_guard lock(threads->guard);
            threads->ids.erase(std::find(threads->ids.begin(), threads->ids.end(), id));
            --threads->running;
        });
        if (!started) {
            std::lock_guard lock(threads->guard);
            --threads->running;
        }
        return started;
    };
}

void Form1::WaitForPlayers() noexcept {
    // The player's stop signal; its posts to the gone window are dropped.
    model_.playback.playing.store(false);
    const ULONGLONG giveUpAt = ::GetTickCount64() + kPlayerEndWaitMs;
    while (players_->Running() > 0) {
        if (::GetTickCount64() >= giveUpAt) ::ExitProcess(0);
        for (DWORD id : players_->Ids()) ::EnumThreadWindows(id, &ClosePlayerBox, 0);
        // Messages sent to this thread's windows are taken meanwhile, so nothing waits on this thread.
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
        MSG message;
        ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace xd::event_list
