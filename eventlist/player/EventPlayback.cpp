#include "eventlist/player/EventPlayback.h"

#include <memory>
#include <string_view>

#include "eventlist/player/EventPlayer.h"

namespace xd {

namespace {

void StopEventPlayback(const EventPlayerServices& services, const EventListFacts& list) {
    EventPlaybackState& state = services.state;
    state.playing.store(false);
    if (state.current) {
        // The player closes its hint window when it ends, but it may be held by a
        // box or a long delay; the window goes now.
        services.overlays.PostClose(state.current->hintWindow.load());
    }
    services.view.SetPlayButton(list.events.empty() ? PlayButtonState::Disabled : PlayButtonState::Ready);
    services.view.EnableEditing(true);
    services.view.EnableSave(!list.events.empty() && list.modified);
    services.view.ShowCaptionAsStatus();
}

}  // namespace

PlaybackToggle ToggleEventPlayback(const EventPlayerServices& services, const ThreadStarter& start,
                                   const EventListFacts& list) {
    EventPlaybackState& state = services.state;
    if (state.playing.load()) {
        StopEventPlayback(services, list);
        return PlaybackToggle::Stopped;
    }
    // A player of an earlier playback still running is stale from here on.
    auto run = std::make_shared<EventPlayerRun>(state.generation.load() + 1);
    state.generation.store(run->generation);
    state.playing.store(true);
    state.current = run;
    services.view.SetPlayButton(PlayButtonState::Playing);
    services.view.EnableEditing(false);
    services.view.EnableSave(false);
    services.view.CloseSelectionHint();
    run->hintWindow.store(services.overlays.CreatePointerOverlay());
    bool started = false;
    try {
        started = start([services, run, events = list.events, lines = list.lines]() mutable {
            EventPlayer(services, std::move(run), std::move(events), std::move(lines));
        });
    } catch (...) {
        started = false;
    }
    if (started) return PlaybackToggle::Started;
    run->stopped.store(true);
    StopEventPlayback(services, list);
    return PlaybackToggle::NotStarted;
}

void EventPlayerFinished(const EventPlayerServices& services, std::uint64_t generation, const EventListFacts& list) {
    EventPlaybackState& state = services.state;
    if (state.playing.load() && state.generation.load() == generation) StopEventPlayback(services, list);
}

namespace {

std::string_view StatusArrow(int frame) {
    static constexpr std::string_view kArrows = "↖↑↗→↘↓↙←";  // three bytes each
    const auto index = static_cast<std::size_t>(((frame % 8) + 8) % 8);
    return kArrows.substr(index * 3, 3);
}

}  // namespace

std::string EventPlayingStatusText(std::int32_t run, std::int32_t line, std::size_t lineCount,
                                   std::int32_t playHotkey, int frame) {
    return "回放中..第" + std::to_string(run) + "次:" + std::to_string(line + 1) + "/" + std::to_string(lineCount) +
           "，按【F" + std::to_string(playHotkey - 111) + "】或 Esc 键停止." + std::string(StatusArrow(frame));
}

std::string EventWaitingStatusText(std::string_view title, std::int32_t playHotkey, int frame) {
    return "等待目标窗口出现：" + std::string(title) + "，按【F" + std::to_string(playHotkey - 111) + "】或 Esc 键停止." +
           std::string(StatusArrow(frame));
}

std::string EventPlayingStatusText(const EventPlaybackState& state, std::size_t lineCount, std::int32_t playHotkey,
                                   int frame) {
    const std::int32_t run = state.current ? state.current->runNumber.load() : 0;
    const std::int32_t line = state.current ? state.current->currentLine.load() : 0;
    return EventPlayingStatusText(run, line, lineCount, playHotkey, frame);
}

}  // namespace xd
