#include "eventlist/app/EventListContext.h"

#include "appcore/playback/StopByHand.h"
#include "eventlist/player/FindEventWindow.h"

namespace xd {

EventListContext::EventListContext(EventListModel& m, EventListServices s, EventListViews v)
    : model(m),
      services(std::move(s)),
      views(v),
      document_{m.document, documentView_, services.platform.files, services.platform.boxes, services.platform.dialogs},
      recorder_(EventRecorderContext{services.platform.windows, services.platform.clock, services.codePage,
                                     m.document.events, m.groups, m.options, v.list, documentJoin_, mainWindow_}),
      edit_{services.platform.windows, services.codePage, m.document.events, m.groups, m.options, v.list,
            documentJoin_, mainWindow_, services.platform.boxes, recorder_},
      playerInput_(services.platform.input, m.pointerTrail),
      player_{m.playback,          m.live,
              v.player,            services.platform.windows,
              playerInput_,        services.platform.clock,
              services.platform.boxes, services.codePage,
              services.overlays,   SharedClickEffects{m.effects, m.effectGuard}} {}

PlaybackToggle EventListContext::TogglePlayback() {
    if (recorder_.Recording()) return PlaybackToggle::NotStarted;
    // With nothing to play the hotkey does what the play button, disabled then, does: nothing. Nor does a
    // playback start behind a box that asks about this list.
    if (!Playing() && (model.document.events.empty() || model.prompts.Any())) return PlaybackToggle::NotStarted;
    if (!Playing()) {
        // The options in force as it starts are the playback's.
        model.live.waitForWindowSeconds.store(model.options.waitForWindowSeconds);
        model.pointerTrail.Reset(services.platform.input.GetCursorPos());
        model.stoppedByHand = false;
    }
    const PlaybackToggle result = ToggleEventPlayback(player_, services.startThread, ListFacts());
    if (result == PlaybackToggle::Started) model.playedListVersion = model.listVersion;
    return result;
}

// --- the document view ------------------------------------------------------

void EventListContext::DocumentViewJoin::SetCaption(const std::string& caption) { c_.views.document.SetCaption(caption); }

void EventListContext::DocumentViewJoin::SetSaveEnabled(bool enabled) {
    // The recorder marks the list modified with every event; Save waits for the stop.
    c_.views.document.SetSaveEnabled(enabled && !c_.Recording() && !c_.Playing());
}

void EventListContext::DocumentViewJoin::SetRepeatSlider(std::int32_t position, const std::string& label) {
    c_.model.live.repeatPosition.store(position);
    c_.views.document.SetRepeatSlider(position, label);
}

void EventListContext::DocumentViewJoin::SetSpeedSlider(std::int32_t position, const std::string& label) {
    c_.model.live.speedPosition.store(position);
    c_.views.document.SetSpeedSlider(position, label);
}

void EventListContext::DocumentViewJoin::SetHasEvents(bool hasEvents) {
    // The play button is the recorder's and the player's while they run.
    if (!c_.Recording() && !c_.Playing()) c_.views.document.SetHasEvents(hasEvents);
}

void EventListContext::DocumentViewJoin::SetWaitCursor(bool waiting) { c_.views.document.SetWaitCursor(waiting); }

void EventListContext::DocumentViewJoin::EventListReplaced() {
    ++c_.model.listVersion;
    RebuildGroups(c_.model.groups, c_.model.document.events, c_.views.list);
    c_.views.list.Select(-1);
    OnEventSelectionChanged(c_.edit_);
    c_.views.document.EventListReplaced();
}

void EventListContext::DocumentViewJoin::PlaySettingsReplaced() {
    EventPlaySettings& settings = c_.model.document.settings;
    CopyPlaySettingsToOptions(settings, c_.model.options);
    // One play hotkey: the keyboard hook reads the options, the status line the settings.
    settings.playHotkey = c_.model.options.playKey;
    c_.model.live.Store(settings);
    c_.views.document.PlaySettingsReplaced();
}

// --- the document -------------------------------------------------------------

bool EventListContext::DocumentJoin::AskToSave() {
    const OpenPrompt prompt(c_.model.prompts);
    // What the caller is about to start may have begun some other way while the box was up.
    return xd::AskToSave(c_.Document()) == SavePromptAnswer::GoOn && !c_.Recording() && !c_.Playing();
}

void EventListContext::DocumentJoin::ClearEventScript() { xd::ClearEventScript(c_.Document()); }

void EventListContext::DocumentJoin::MarkEventListModified() {
    ++c_.model.listVersion;
    xd::MarkEventListModified(c_.Document());
}

bool EventListContext::DocumentJoin::IsModified() { return c_.model.document.modified; }

// --- the main window ----------------------------------------------------------

WindowHandle EventListContext::MainWindowJoin::Handle() { return c_.views.window.Handle(); }
void EventListContext::MainWindowJoin::SetRecordActive(bool on) { c_.views.window.SetRecordActive(on); }
void EventListContext::MainWindowJoin::EnablePlay(bool on) { c_.views.document.SetHasEvents(on); }
void EventListContext::MainWindowJoin::EnableSave(bool on) { c_.views.document.SetSaveEnabled(on); }
void EventListContext::MainWindowJoin::EnableEditing(bool on) { c_.views.window.EnableEditing(on); }
void EventListContext::MainWindowJoin::CloseHintWindow() { c_.views.window.CloseHintWindow(); }
bool EventListContext::MainWindowJoin::IsPlaying() { return c_.Playing(); }

void EventListContext::MainWindowJoin::StopPlayback() {
    if (c_.Playing()) static_cast<void>(c_.TogglePlayback());
}

void EventListContext::MainWindowJoin::ShowClickEffect(Point screen, std::uint32_t message) {
    xd::ShowClickEffect(c_.player_.effects, c_.services.overlays, screen, static_cast<std::int32_t>(message));
}

void EventListContext::MainWindowJoin::ShowHintWindow(Point topLeft) { c_.views.window.ShowHintWindow(topLeft); }
bool EventListContext::MainWindowJoin::BackgroundMode() { return !c_.model.document.settings.foreground; }

bool EventListContext::MainWindowJoin::StopPlaybackByHand(int code, const LowLevelMouseEvent& event) {
    EventListModel& m = c_.model;
    const bool foregroundPlayback = c_.Playing() && m.live.foreground.load();
    if (!IsStopByHand(m.pointerTrail, code, event, foregroundPlayback, m.options.stopOnMouseMove)) return false;
    StopPlayback();
    m.stoppedByHand = true;
    return true;
}

WindowHandle EventListContext::MainWindowJoin::FindEventWindow(const RecordedEvent& event) {
    // The box stands over the main window, and while it is up nothing may replace or grow the list the
    // caller holds the event of.
    const OpenPrompt prompt(c_.model.prompts);
    AbortState abort = AbortState::None;
    WindowSearch search{c_.services.platform.windows, c_.services.platform.boxes, c_.services.codePage};
    search.owner = c_.views.window.Handle();
    return xd::FindEventWindow(search, event, abort);
}

}  // namespace xd
