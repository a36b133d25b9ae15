#include "PlaybackHost.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "ProgramName.h"
#include "engine/playback/ClickEffects.h"
#include "engine/playback/ScriptRunner.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/WinHeaders.h"

namespace xd::script_edition {

// Counted on the main thread before a thread starts, so the destructor never misses one that has not
// yet begun; each thread adds its id once it runs, for its boxes to be found.
struct PlaybackHost::RunnerThreads {
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

// Long enough for a runner to see the stop (every 10 ms, or after a 100 ms hit test) and for its box to
// close; after that the process ends rather than free what the runner may still use.
constexpr ULONGLONG kRunnerEndWaitMs = 3000;

// A runner's only windows are its error boxes (MB_OK): press OK for it.
BOOL CALLBACK CloseRunnerBox(HWND hwnd, LPARAM) {
    wchar_t cls[16]{};
    if (::GetClassNameW(hwnd, cls, 16) > 0 && std::wstring_view(cls) == L"#32770") {
        ::PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    return TRUE;
}

}  // namespace

PlaybackHost::PlaybackHost(AppModel& model, win32::Win32Platform& platform)
    : model_(model),
      state_(model.stopRequested),
      services_{model.config,     state_,    platform.windows, platform.input,
                platform.clock,   platform.boxes, overlays_,   SharedClickEffects{model.window.effects, effectsGuard_},
                scale_,           kNoWindow},
      threads_(std::make_shared<RunnerThreads>()) {}

PlaybackHost::~PlaybackHost() {
    model_.stopRequested.store(true);
    const ULONGLONG giveUpAt = ::GetTickCount64() + kRunnerEndWaitMs;
    while (threads_->Running() > 0) {
        if (::GetTickCount64() >= giveUpAt) ::ExitProcess(0);
        // A runner held by an error box ends once the box is closed; a box may also be on its way.
        for (DWORD id : threads_->Ids()) ::EnumThreadWindows(id, &CloseRunnerBox, 0);
        // Messages sent to this thread's windows are taken meanwhile, so nothing waits on this thread.
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
        MSG message;
        ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

bool PlaybackHost::Install(HINSTANCE instance, int dpi, MainWindowHooks& hooks, HWND mainWindow) noexcept {
    if (!overlays_.RegisterClasses(instance, {kInternalName, L"Form点击效果", L"Form虚拟指针"}, dpi)) return false;
    services_.mainWindow = win32::FromHwnd(mainWindow);
    hooks.startPlayback = [this](const std::string& text) {
        // A refusal or a failed start has already been shown and the stop flag set; the status tick
        // returns to idle.
        const ThreadStarter detached = DetachedThreadStarter();
        const ThreadStarter counted = [threads = threads_, detached](std::function<void()> work) {
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
                {
                    // The 1 ms timer resolution lasts as long as the playback, whichever way it ends.
                    const win32::TimerResolutionScope fineTimer;
                    work();
                }
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
        static_cast<void>(RunScript(services_, text, counted));
    };
    hooks.createClickEffectWindows = [this] { CreateClickEffectWindows(services_.effects, overlays_); };
    return true;
}

StatusTickResult PlaybackHost::Tick(MainWindowState& window, IEditor& editor) noexcept {
    // The editor is asked and moved outside the lock: the runner takes it to show
    // a click's circle, and must never wait for the editor to scroll.
    const StatusTickInput input = ReadStatusTickInput(window, editor, state_.Repetition(), state_.CurrentLine(),
                                                      model_.stopRequested.load());
    StatusTickResult result;
    {
        // The tick steps the slots the runner may be taking at this moment.
        std::lock_guard lock(effectsGuard_);
        result = StatusTick(window, input);
    }
    if (result.showPlayingLine) editor.ShowPlayingLine(*result.showPlayingLine);
    // The slot windows never change after start-up: painting needs no lock.
    overlays_.PaintClickEffects(window.effects, result.effects);
    return result;
}

void PlaybackHost::ShowClickEffectAt(Point screen, std::uint32_t message) noexcept {
    ShowClickEffect(services_.effects, overlays_, screen, static_cast<std::int32_t>(message));
}

}  // namespace xd::script_edition
