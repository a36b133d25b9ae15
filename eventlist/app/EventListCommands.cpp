#include "eventlist/app/EventListCommands.h"

#include <algorithm>

#include "eventlist/PlaySliders.h"
#include "eventlist/player/AnimatePointer.h"
#include "eventlist/recording/EventHooks.h"
#include "eventlist/recording/HintDrag.h"

namespace xd {

namespace {

// Recording or playing, or a box or dialog of the main window up: the list is not the user's to change.
bool Busy(const EventListContext& c) { return c.Recording() || c.Playing() || c.model.prompts.Any(); }

// A recording starts only from a window that is asking nothing.
void ToggleRecording(EventListContext& c, bool continueExisting) {
    if (!c.Recording() && c.model.prompts.Any()) return;
    c.Recorder().ToggleEventRecording(continueExisting);
}

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

void OnRecordCommand(EventListContext& c) { ToggleRecording(c, false); }
void OnContinueRecordingCommand(EventListContext& c) { ToggleRecording(c, true); }
PlaybackToggle OnPlayCommand(EventListContext& c) { return c.TogglePlayback(); }

bool OnOpenCommand(EventListContext& c) {
    if (Busy(c)) return false;
    const OpenPrompt prompts(c.model.prompts);  // the save prompt, the dialog, a refusal's box
    return OpenEventScriptCommand(c.Document());
}

EventSaveOutcome OnSaveCommand(EventListContext& c) {
    if (Busy(c)) return EventSaveOutcome::Cancelled;
    const OpenPrompt prompts(c.model.prompts);
    return SaveEventScriptCommand(c.Document());
}

MadeProgramOutcome OnMakeProgramCommand(EventListContext& c, IProgramCopies& copies) {
    if (Busy(c)) return MadeProgramOutcome::Cancelled;
    const OpenPrompt prompts(c.model.prompts);
    EventDocumentContext& document = c.Document();
    return MakeProgram(document.dialogs, document.boxes, copies, EventScriptProgramRequest(document));
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

void OnRecordToggleMessage(EventListContext& c) {
    if (!c.Recording() && c.model.prompts.Any()) return;
    OnEventRecordToggleMessage(c.Recorder());
}

void OnPlayToggleMessage(EventListContext& c, std::uint64_t wParam) {
    if (wParam == 0) {
        static_cast<void>(c.TogglePlayback());
        return;
    }
    EventPlayerFinished(c.Player(), wParam, c.ListFacts());
}

void OnPlayerSelectLine(EventListContext& c, std::uint64_t generation, std::int32_t line) {
    if (!c.Playing() || generation != c.model.playback.generation.load()) return;
    if (line >= 0 && static_cast<std::size_t>(line) < c.model.groups.lines.size()) c.views.list.Select(line);
}

void OnPlayerEventWindow(EventListContext& c, std::uint64_t generation, std::int32_t eventIndex,
                         WindowHandle window) {
    std::vector<RecordedEvent>& events = c.model.document.events;
    // Only the last playback's list can still be this one; an earlier player, held by its box, played a list
    // that may since have been edited and then played again.
    if (generation != c.model.playback.generation.load()) return;
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
    EditList(c, [&c](EventEditContext& e) {
        const OpenPrompt prompt(c.model.prompts);  // "really delete?"
        DeleteSelectedLine(e);
    });
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
    // Whatever runs ends before the prompt: a recording as by Esc, so the trailing moves go first, and a
    // playback, which in the foreground would go on clicking under the box.
    c.Recorder().StopEventRecording();
    if (c.Playing()) static_cast<void>(c.TogglePlayback());
    const OpenPrompt prompt(c.model.prompts);
    return AskToSave(c.Document()) != SavePromptAnswer::Stop;
}

}  // namespace xd
