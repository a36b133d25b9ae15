#include "eventlist/app/EventListCommands.h"

#include <algorithm>

#include "eventlist/PlaySliders.h"
#include "eventlist/player/AnimatePointer.h"
#include "eventlist/recording/EventHooks.h"
#include "eventlist/recording/HintDrag.h"

namespace xd {

namespace {

bool Busy(const EventListContext& c) { return c.Recording() || c.Playing(); }

// An edit that may have changed `events`: a found window of the last playback no
// longer belongs to it.
template <typename Edit>
void EditList(EventListContext& c, Edit edit) {
    if (Busy(c)) return;
    edit(c.Edit());
    ++c.model.listVersion;
}

}  // namespace

bool OnStartUp(EventListContext& c, const std::string& commandLinePath) {
    const bool opened = OpenEventScriptAtStartUp(c.Document(), commandLinePath);
    if (!opened) {
        ShowEventPlaySliders(c.Document());
        c.views.document.SetHasEvents(false);
        c.views.document.SetSaveEnabled(false);
    }
    TellHooksMissing(c.model.hooksNotice, c.services.platform.boxes, c.views.window.Handle());
    return opened;
}

void OnRecordCommand(EventListContext& c) { c.Recorder().ToggleEventRecording(false); }
void OnContinueRecordingCommand(EventListContext& c) { c.Recorder().ToggleEventRecording(true); }
PlaybackToggle OnPlayCommand(EventListContext& c) { return c.TogglePlayback(); }

bool OnOpenCommand(EventListContext& c) {
    if (Busy(c)) return false;
    return OpenEventScriptCommand(c.Document());
}

EventSaveOutcome OnSaveCommand(EventListContext& c) {
    if (Busy(c)) return EventSaveOutcome::Cancelled;
    return SaveEventScriptCommand(c.Document());
}

void OnModeCommand(EventListContext& c) {
    EventPlaySettings& settings = c.model.document.settings;
    settings.foreground = !settings.foreground;
    // A playback in progress changes mode from its next event on.
    c.model.live.foreground.store(settings.foreground);
    c.views.document.PlaySettingsReplaced();
    // The mode is saved with the script.
    MarkEventListModified(c.Document());
}

void OnExpandCommand(EventListContext& c) {
    c.model.expanded = !c.model.expanded;
    c.views.window.SetExpanded(c.model.expanded);
    if (!c.model.expanded) c.views.window.CloseHintWindow();
}

void OnRecordToggleMessage(EventListContext& c) { OnEventRecordToggleMessage(c.Recorder()); }

void OnPlayToggleMessage(EventListContext& c, std::uint64_t wParam) {
    if (wParam == 0) {
        static_cast<void>(c.TogglePlayback());
        return;
    }
    EventPlayerFinished(c.Player(), wParam, c.ListFacts());
}

void OnPlayerSelectLine(EventListContext& c, std::int32_t line) {
    if (!c.Playing()) return;
    if (line >= 0 && static_cast<std::size_t>(line) < c.model.groups.lines.size()) c.views.list.Select(line);
}

void OnPlayerEventWindow(EventListContext& c, std::int32_t eventIndex, WindowHandle window) {
    std::vector<RecordedEvent>& events = c.model.document.events;
    if (c.model.listVersion != c.model.playedListVersion) return;
    if (eventIndex < 0 || static_cast<std::size_t>(eventIndex) >= events.size()) return;
    events[static_cast<std::size_t>(eventIndex)].window = window;
}

void OnEventMouseHook(EventListContext& c, int code, const LowLevelMouseEvent& event) {
    RunEventMouseHook(c.Recorder(), code, event);
}

void OnEventKeyboardHook(EventListContext& c, const LowLevelKeyEvent& event) {
    RunEventKeyboardHook(c.Recorder(), event);
}

void OnRepeatSlider(EventListContext& c, std::int32_t position) {
    position = std::clamp(position, 0, kRepeatSliderMax);
    EventPlaySettings& settings = c.model.document.settings;
    if (settings.repeatPosition == position) return;
    settings.repeatPosition = position;
    ShowEventPlaySliders(c.Document());
    MarkEventListModified(c.Document());
}

void OnSpeedSlider(EventListContext& c, std::int32_t position) {
    position = std::clamp(position, 0, kSpeedSliderMax);
    EventPlaySettings& settings = c.model.document.settings;
    if (settings.speedPosition == position) return;
    settings.speedPosition = position;
    ShowEventPlaySliders(c.Document());
    MarkEventListModified(c.Document());
}

void OnEventOptionsChanged(EventListContext& c) {
    CopyOptionsToPlaySettings(c.model.options, c.model.document.settings);
    c.model.live.Store(c.model.document.settings);
}

void OnListSelectionChanged(EventListContext& c) {
    if (!Busy(c)) OnEventSelectionChanged(c.Edit());
}
void OnListDoubleClick(EventListContext& c, std::int32_t line) {
    if (!Busy(c)) OnEventListDoubleClick(c.Edit(), line);
}
void OnKindOption(EventListContext& c, EventKindOption option) {
    EditList(c, [option](EventEditContext& e) { ChooseKindOption(e, option); });
}
void OnFlagBoxes(EventListContext& c, std::int32_t lowFlags) {
    EditList(c, [lowFlags](EventEditContext& e) { SetFlagBoxes(e, lowFlags); });
}
void OnDelayText(EventListContext& c, std::string_view text) {
    EditList(c, [text](EventEditContext& e) { SetDelayText(e, text); });
}
void OnDeleteCommand(EventListContext& c) {
    EditList(c, [](EventEditContext& e) { DeleteSelectedLine(e); });
}
void OnInsertCommand(EventListContext& c) {
    EditList(c, [](EventEditContext& e) { InsertOneEvent(e); });
}

HintDropResult OnHintDragEnd(EventListContext& c, WindowHandle hint, Point hintTopLeft) {
    if (Busy(c)) return HintDropResult::NoSelection;
    const EventPlayerServices& player = c.Player();
    IWindowSystem& windows = c.services.platform.windows;
    const bool background = !c.model.document.settings.foreground;
    const auto slideBack = [&](const RecordedEvent& event) {
        const Point mark = SelectionMarkPoint(windows, event, background);
        static_cast<void>(AnimatePointer(player, Point{mark.x + 1, mark.y + 1}, AnimateWhat::HintWindowWithClick, hint,
                                         hintTopLeft, [] { return false; }));
    };
    const HintDropResult result = EndHintDrag(c.Edit(), c.Recorder().Cache(), hintTopLeft, slideBack);
    if (result == HintDropResult::Moved || result == HintDropResult::MovedNoText) ++c.model.listVersion;
    return result;
}

bool OnCloseRequest(EventListContext& c) {
    // A recording ends as by Esc first, so the trailing moves go before the prompt.
    c.Recorder().StopEventRecording();
    if (AskToSave(c.Document()) == SavePromptAnswer::Stop) return false;
    if (c.Playing()) static_cast<void>(c.TogglePlayback());
    return true;
}

}  // namespace xd
