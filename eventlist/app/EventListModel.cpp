#include "eventlist/app/EventListModel.h"

namespace xd {

void LoadEventListOptions(EventListModel& model, IProfile& profile, const std::string& settingsFile) {
    model.settingsFile = settingsFile;
    model.options = ReadEventOptions(profile, settingsFile);
    CopyOptionsToPlaySettings(model.options, model.document.settings);
    model.live.Store(model.document.settings);
}

void CopyOptionsToPlaySettings(const EventOptions& options, EventPlaySettings& settings) {
    settings.playHotkey = options.playKey;
    settings.moveToCurrent = options.moveToCurrent;
    settings.clickEffect = options.clickEffect;
    settings.virtualPointer = options.virtualPointer;
    settings.moveToStart = options.moveToStart;
}

void CopyPlaySettingsToOptions(const EventPlaySettings& settings, EventOptions& options) {
    // A damaged file's hotkey outside F1..F12 leaves the one in use.
    if (settings.playHotkey >= 112 && settings.playHotkey <= 123) options.playKey = settings.playHotkey;
    options.moveToCurrent = settings.moveToCurrent;
    options.clickEffect = settings.clickEffect;
    options.virtualPointer = settings.virtualPointer;
    options.moveToStart = settings.moveToStart;
}

}  // namespace xd
