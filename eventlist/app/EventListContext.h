// The main window's model bound to the platform and to the views the Windows
// program implements, with the joins between the three parts: the recorder and
// the list editing see the document and the player through the adapters here.
#pragma once
#include "appcore/playback/OverlayWindows.h"
#include "appcore/playback/ThreadStarter.h"
#include "eventlist/app/EventAppWindow.h"
#include "eventlist/app/EventListModel.h"
#include "eventlist/document/EventDocument.h"
#include "eventlist/player/EventPlayback.h"
#include "eventlist/player/EventPlayerView.h"
#include "eventlist/recording/EventEditing.h"
#include "eventlist/recording/EventListView.h"
#include "eventlist/recording/EventRecorder.h"
#include "platform/CodePage.h"
#include "platform/Platform.h"

namespace xd {

struct EventListServices {
    Platform platform;
    ICodePage& codePage;
    IOverlayWindows& overlays;  // the virtual pointer and the click-effect windows
    ThreadStarter startThread;  // the player's thread (DetachedThreadStarter in the program)
};

struct EventListViews {
    IEventListView& list;
    IEventDocumentView& document;
    IEventPlayerView& player;
    IEventAppWindow& window;
};

class EventListContext {
public:
    EventListContext(EventListModel& model, EventListServices services, EventListViews views);
    EventListContext(const EventListContext&) = delete;
    EventListContext& operator=(const EventListContext&) = delete;

    EventListModel& model;
    EventListServices services;
    EventListViews views;

    [[nodiscard]] bool Recording() const noexcept { return recorder_.Recording(); }
    [[nodiscard]] bool Playing() const noexcept { return model.playback.Playing(); }
    [[nodiscard]] EventRecorder& Recorder() noexcept { return recorder_; }
    // The owner of the boxes and dialogs is read each time: the program may bind
    // the context before its window exists.
    [[nodiscard]] EventDocumentContext& Document() noexcept {
        document_.owner = views.window.Handle();
        return document_;
    }
    [[nodiscard]] EventEditContext& Edit() noexcept { return edit_; }
    [[nodiscard]] const EventPlayerServices& Player() const noexcept { return player_; }
    [[nodiscard]] EventListFacts ListFacts() const noexcept {
        return EventListFacts{model.document.events, model.groups.lines, model.document.modified};
    }
    // Start or stop a playback; nothing while recording.
    PlaybackToggle TogglePlayback();

private:
    // The document view as the document commands see it: the program's view plus
    // the regrouping of a replaced list, the play settings of an opened file, and
    // Save and Play held off while recording or playing.
    class DocumentViewJoin final : public IEventDocumentView {
    public:
        explicit DocumentViewJoin(EventListContext& c) : c_(c) {}
        void SetCaption(const std::string& caption) override;
        void SetSaveEnabled(bool enabled) override;
        void SetRepeatSlider(std::int32_t position, const std::string& label) override;
        void SetSpeedSlider(std::int32_t position, const std::string& label) override;
        void SetHasEvents(bool hasEvents) override;
        void SetWaitCursor(bool waiting) override;
        void EventListReplaced() override;
        void PlaySettingsReplaced() override;

    private:
        EventListContext& c_;
    };
    // The document as the recorder and the editors see it.
    class DocumentJoin final : public IEventDocument {
    public:
        explicit DocumentJoin(EventListContext& c) : c_(c) {}
        bool AskToSave() override;
        void ClearEventScript() override;
        void MarkEventListModified() override;
        bool IsModified() override;

    private:
        EventListContext& c_;
    };
    // The main window as the recorder and the editors see it: the program's
    // window for what shows, the player's state and search for the rest.
    class MainWindowJoin final : public IEventMainWindow {
    public:
        explicit MainWindowJoin(EventListContext& c) : c_(c) {}
        WindowHandle Handle() override;
        void SetRecordActive(bool on) override;
        void EnablePlay(bool on) override;
        void EnableSave(bool on) override;
        void EnableEditing(bool on) override;
        void CloseHintWindow() override;
        bool IsPlaying() override;
        void StopPlayback() override;
        void ShowClickEffect(Point screen, std::uint32_t message) override;
        void ShowHintWindow(Point topLeft) override;
        bool BackgroundMode() override;
        WindowHandle FindEventWindow(const RecordedEvent& event) override;
        bool StopPlaybackByHand(int code, const LowLevelMouseEvent& event) override;

    private:
        EventListContext& c_;
    };

    DocumentViewJoin documentView_{*this};
    DocumentJoin documentJoin_{*this};
    MainWindowJoin mainWindow_{*this};
    EventDocumentContext document_;
    EventRecorder recorder_;
    EventEditContext edit_;
    PointerTrailInput playerInput_;
    EventPlayerServices player_;
};

}  // namespace xd
