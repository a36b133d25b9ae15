// The event-list edition's main window: a topmost toolbar-strip form that grows into the event list and its
// editors. A thin shell over the portable core: one EventListModel, and an EventListContext that joins the
// document commands, the recorder, the list editing and the player (eventlist/app); this window is the four
// views they drive. The strip's hover and hints are the shared toolbar logic (appcore/window/ToolbarHover.h),
// painted by the shared window layer.
#pragma once
#include <windows.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "EventListDrawing.h"
#include "Form2.h"
#include "Form3.h"
#include "appcore/window/AppInfo.h"
#include "appcore/window/MainWindowState.h"
#include "eventlist/app/EventListContext.h"
#include "eventlist/app/EventListModel.h"
#include "platform/win32/Win32InputHooks.h"
#include "platform/win32/Win32Platform.h"
#include "ui/FormWindow.h"
#include "ui/MainWindow.h"
#include "ui/PlaybackOverlays.h"
#include "ui/PlaybackThreads.h"

namespace xd::event_list {

namespace appmsg {
constexpr UINT kTrayCallback = WM_APP + 1;
// Posted at the end of Create: the script of the command line is opened once the window shows, so a box
// about it stands over the window.
constexpr UINT kDeferredLoad = WM_APP + 2;
// The player's requests, carried from its thread to this one (IEventPlayerView).
// wParam: the playback's generation; lParam: the line, or the event's index (high 32 bits) and the window
// (low 32 bits: a window handle has 32 significant bits, so that 32- and 64-bit programs can share it).
constexpr UINT kPlayerSelectLine = WM_APP + 3;
constexpr UINT kPlayerEventWindow = WM_APP + 4;
constexpr UINT kPlayerEnableWindow = WM_APP + 5;  // wParam: enabled
constexpr UINT kPlayerRepaint = WM_APP + 6;
// From the keyboard hook (record and play hotkeys) and for the position hint window.
constexpr UINT kRecordToggle = 0x2A49;
constexpr UINT kPlayToggle = 0x2A4A;  // wParam: 0 the hotkey, else the generation of a player that ended
constexpr UINT kShowHint = 0x2A4B;
}  // namespace appmsg

class Form1 final : public ui::FormWindow<Form1>,
                    public ui::MainWindow,
                    private IEventListView,
                    private IEventDocumentView,
                    private IEventPlayerView,
                    private IEventAppWindow,
                    private win32::IInputHookSink {
public:
    explicit Form1(win32::Win32Platform& platform);
    ~Form1();

    [[nodiscard]] bool Create(HINSTANCE instance, const ApplicationInfo& info, const std::string& commandLinePath) noexcept;
    void Show(int showCommand) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // ui::MainWindow (Form1.cpp)
    HWND Window() const noexcept override { return FormWindow::Handle(); }
    MainWindowState& ToolbarState() noexcept override { return window_; }
    bool StripExpanded() noexcept override { return model_.expanded; }
    void OnStatusTick() noexcept override;
    std::optional<std::int64_t> NextActionMicros() noexcept override;
    void OnSlider(int id, int position) noexcept override;
    void OnCommand(int id, int code) noexcept override;
    bool CloseRequest() noexcept override;
    // After a close request said yes: hooks out, placement saved, window destroyed.
    void CloseAnswered() noexcept override;
    bool MeasureOwnItem(MEASUREITEMSTRUCT& measure) noexcept override;
    bool DrawOwnItem(const DRAWITEMSTRUCT& draw) noexcept override;
    void OnDpiChanging() noexcept override { hintOverlays_.SetDpi(dpi_); }
    void OnDestroying() noexcept override { CloseHintWindow(); }

    // IEventListView (Form1List.cpp)
    void AppendItems(int count) override;
    void InsertItems(int at, int count) override;
    void DeleteItems(int at, int count) override;
    void DeleteAllItems() override;
    void SuspendRedraw() override;
    void ResumeRedraw() override;
    void Redraw() override;
    int Selection() override;
    void Select(int line) override;
    void ShowDetails(const EventDetails& details) override;
    void HideDetails() override;
    void EnableDelete(bool on) override;
    void EnableInsert(bool on) override;

    // IEventDocumentView (Form1View.cpp)
    void SetCaption(const std::string& caption) override;
    void SetSaveEnabled(bool enabled) override;
    void SetRepeatSlider(std::int32_t position, const std::string& label) override;
    void SetSpeedSlider(std::int32_t position, const std::string& label) override;
    void SetHasEvents(bool hasEvents) override;
    void SetWaitCursor(bool waiting) override;
    void EventListReplaced() override;
    void PlaySettingsReplaced() override;

    // IEventPlayerView (Form1View.cpp). EnableEditing serves IEventAppWindow too.
    void SetPlayButton(PlayButtonState state) override;
    void EnableEditing(bool enabled) override;
    void EnableSave(bool enabled) override;
    void CloseSelectionHint() override;
    void ShowCaptionAsStatus() override;
    void PostSelectLine(std::uint64_t generation, std::int32_t line) override;
    void PostPlayerFinished(std::uint64_t generation) override;
    void PostEventWindow(std::uint64_t generation, std::int32_t eventIndex, WindowHandle window) override;
    void PostEnableMainWindow(bool enabled) override;
    void PostRepaintMainWindow() override;

    // IEventAppWindow (Form1View.cpp)
    WindowHandle Handle() override;
    void SetRecordActive(bool on) override;
    void ShowHintWindow(Point topLeft) override;
    void CloseHintWindow() override;
    void SetExpanded(bool expanded) override;

    // win32::IInputHookSink: the low-level hooks, on this thread.
    void OnKeyboardHook(const LowLevelKeyEvent& event) noexcept override;
    void OnMouseHook(int code, const LowLevelMouseEvent& event, std::uintptr_t extra) noexcept override;

    // Form1Player.cpp: the player's threads, counted so the window outlives them.
    ThreadStarter CountedThreadStarter();
    void WaitForPlayers() noexcept;

    // Form1.cpp: creation, the status tick, sliders, dispatch.
    bool CreateChildren() noexcept;
    void SetWindowSize96(int width, int height) noexcept;
    bool OnPrivateMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void SetStatusIdle(const std::string& text) noexcept;
    // `/play`: after the start-up opened the script, and once its playback ended.
    void StartUnattended(bool opened) noexcept;
    void EndUnattendedPlayback(bool stoppedByUser) noexcept;

    // Form1List.cpp: the list's lines and the editors' notifications.
    void OnListCommand(int id, int code) noexcept;
    std::optional<EventListLineLook> LineLook(int line) const;
    void SetListCount(int count) noexcept;

    // Form1Toolbar.cpp: the seven buttons' commands.
    void RunToolbarCommand(ToolbarCommand command) noexcept override;

    // Form1Menu.cpp: the menu of the toolbar's last button and the tray icon, and the settings dialog.
    bool CreateMenu() noexcept;
    void OpenSettings() noexcept;
    void OnMenuCommand(int command) noexcept override;
    void OnTrayMouse(LPARAM mouseMessage) noexcept override;

    ApplicationInfo info_;
    // The document, the groups, the options and the playback state: all the window's own data.
    EventListModel model_;
    // Form4: the click-effect windows. This edition's virtual pointer is the position hint window.
    ui::PlaybackOverlays overlays_;
    // What the player sees: Form4 for the click effects, a Form3 of its own as the virtual pointer.
    HintOverlays hintOverlays_{overlays_};
    ui::PlaybackThreads players_;
    EventListContext context_;
    // The toolbar's buttons, hover and status text.
    MainWindowState window_;
    win32::Win32InputHooks hooks_;
    // Form3 marking the selected event; null while none shows.
    HWND selectionHint_ = nullptr;
    // Read by the player's thread when it posts.
    std::atomic<HWND> mainWindow_{nullptr};
    EventListLookup listLookup_;
    std::string commandLinePath_;
    Form2 settingsDialog_;
    // Set while ShowDetails fills the editors: their notifications are not the user's.
    bool fillingDetails_ = false;
    bool deleteEnabled_ = false;
    bool insertEnabled_ = false;
    bool editingEnabled_ = true;
    bool unattendedPlaying_ = false;
};

}  // namespace xd::event_list
