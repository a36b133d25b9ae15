// What the event-list player asked of the main window, kept for a test to read.
#pragma once
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "eventlist/player/EventPlayerView.h"

namespace xd::test {

// Records every request; the player-thread posts are carried out by the test.
class RecordingPlayerView final : public IEventPlayerView {
public:
    void SetPlayButton(PlayButtonState s) override { playButton.push_back(s); }
    void EnableEditing(bool enabled) override { editing.push_back(enabled); }
    void EnableSave(bool enabled) override { save.push_back(enabled); }
    void CloseSelectionHint() override { ++selectionHintClosed; }
    void ShowCaptionAsStatus() override { ++captionShown; }
    void PostSelectLine(std::uint64_t generation, std::int32_t line) override {
        selected.push_back(line);
        selectedGenerations.push_back(generation);
        if (onSelect) onSelect(line);
    }
    void PostPlayerFinished(std::uint64_t generation) override { finished.push_back(generation); }
    void PostEventWindow(std::uint64_t generation, std::int32_t eventIndex, WindowHandle window) override {
        found.emplace_back(eventIndex, window);
        foundGenerations.push_back(generation);
    }
    void PostEnableMainWindow(bool enabled) override { mainEnabled.push_back(enabled); }
    void PostRepaintMainWindow() override { ++repaints; }

    std::vector<PlayButtonState> playButton;
    std::vector<bool> editing;
    std::vector<bool> save;
    int selectionHintClosed = 0;
    int captionShown = 0;
    std::vector<std::int32_t> selected;
    std::vector<std::uint64_t> selectedGenerations;  // of each post in `selected`
    std::function<void(std::int32_t)> onSelect;  // what else the test notes at a selection
    std::vector<std::uint64_t> finished;
    std::vector<std::pair<std::int32_t, WindowHandle>> found;
    std::vector<std::uint64_t> foundGenerations;  // of each post in `found`
    std::vector<bool> mainEnabled;
    int repaints = 0;
};

}  // namespace xd::test
