// What the event-list document commands show in the main window, kept for a test to read.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "eventlist/document/EventDocument.h"

namespace xd::test {

class RecordingEventDocumentView final : public IEventDocumentView {
public:
    void SetCaption(const std::string& text) override {
        caption = text;
        ++captionChanges;
    }
    void SetSaveEnabled(bool enabled) override { saveEnabled = enabled; }
    void SetRepeatSlider(std::int32_t position, const std::string& label) override {
        repeatPosition = position;
        repeatLabel = label;
    }
    void SetSpeedSlider(std::int32_t position, const std::string& label) override {
        speedPosition = position;
        speedLabel = label;
    }
    void SetHasEvents(bool has) override { hasEvents = has; }
    void SetWaitCursor(bool waiting) override { cursorChanges.push_back(waiting); }
    void EventListReplaced() override { ++listReplacements; }
    void PlaySettingsReplaced() override { ++settingsReplacements; }

    std::string caption = "before";
    int captionChanges = 0;
    bool saveEnabled = false;
    std::int32_t repeatPosition = -1;
    std::string repeatLabel;
    std::int32_t speedPosition = -1;
    std::string speedLabel;
    bool hasEvents = false;
    std::vector<bool> cursorChanges;
    int listReplacements = 0;
    int settingsReplacements = 0;
};

}  // namespace xd::test
