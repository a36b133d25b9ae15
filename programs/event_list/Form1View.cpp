// Form1 as the views the core drives: the document commands (IEventDocumentView), the player
// (IEventPlayerView) and the rest of the window (IEventAppWindow). Save and Play are each one toolbar button
// that two parts drive: the document and the player.
#include "Form1.h"

#include "Form1Layout.h"
#include "eventlist/app/EventListCommands.h"
#include "platform/win32/WinHeaders.h"
#include "platform/Text.h"

namespace xd::event_list {

// --- IEventDocumentView -------------------------------------------------------------------------------------

void Form1::SetCaption(const std::string& caption) {
    ::SetWindowTextW(FormWindow::Handle(), Widen(caption).c_str());
    tray_.SetTip(Widen(TrayTip(caption)));
}

void Form1::SetSaveEnabled(bool enabled) {
    window_.buttons[kSaveButton].state = enabled ? kButtonEnabled : kButtonDisabled;
    RedrawStrip();
}

void Form1::SetRepeatSlider(std::int32_t position, const std::string& label) {
    ::SetScrollPos(Child(form1::kHScrollRepeat), SB_CTL, position, TRUE);
    ::SetWindowTextW(Child(form1::kLabel1Repeat), Widen(label).c_str());
    // The strip shows the captions in the expanded window.
    window_.label1Captions[0] = label;
    RedrawStrip();
}

void Form1::SetSpeedSlider(std::int32_t position, const std::string& label) {
    ::SetScrollPos(Child(form1::kHScrollSpeed), SB_CTL, position, TRUE);
    ::SetWindowTextW(Child(form1::kLabel1Speed), Widen(label).c_str());
    window_.label1Captions[1] = label;
    RedrawStrip();
}

void Form1::SetHasEvents(bool hasEvents) {
    window_.buttons[kPlayButton].state = hasEvents ? kButtonEnabled : kButtonDisabled;
    RedrawStrip();
}

void Form1::SetWaitCursor(bool waiting) { ::SetCursor(::LoadCursorW(nullptr, waiting ? IDC_WAIT : IDC_ARROW)); }

void Form1::EventListReplaced() {
    // The groups have been rebuilt into the list by then; what is left is one repaint.
    ::InvalidateRect(Child(form1::kList1), nullptr, TRUE);
}

void Form1::PlaySettingsReplaced() {
    window_.buttons[kModeButton].state = model_.document.settings.foreground ? kButtonActive : kButtonEnabled;
    window_.playKey = model_.options.playKey;
    RedrawStrip();
}

// --- IEventPlayerView ------------------------------------------------------------------------------------------

void Form1::SetPlayButton(PlayButtonState state) {
    window_.buttons[kPlayButton].state = state == PlayButtonState::Playing ? kButtonActive
                                         : state == PlayButtonState::Ready ? kButtonEnabled
                                                                           : kButtonDisabled;
    RedrawStrip();
}

void Form1::EnableEditing(bool enabled) {
    editingEnabled_ = enabled;
    ::EnableWindow(Child(form1::kList1), enabled);
    for (int id : form1::kSingleEventControls) ::EnableWindow(Child(id), enabled);
    ::EnableWindow(Child(form1::kCommand6), enabled);
    ::EnableWindow(Child(form1::kCommandDelete), enabled && deleteEnabled_);
    ::EnableWindow(Child(form1::kCommandInsert), enabled && insertEnabled_);
    // The record button goes with the editors while playing; a recording keeps its own (active) button.
    ToolbarButton& record = window_.buttons[kRecordButton];
    if (record.state != kButtonActive) record.state = enabled ? kButtonEnabled : kButtonDisabled;
    RedrawStrip();
}

void Form1::EnableSave(bool enabled) { SetSaveEnabled(enabled); }

void Form1::CloseSelectionHint() { CloseHintWindow(); }

void Form1::ShowCaptionAsStatus() { SetStatusIdle(model_.document.caption); }

// The player's thread: posted, never sent, so a main thread waiting for the player cannot hang both.
void Form1::PostSelectLine(std::uint64_t generation, std::int32_t line) {
    ::PostMessageW(mainWindow_.load(), appmsg::kPlayerSelectLine, static_cast<WPARAM>(generation),
                   static_cast<LPARAM>(line));
}

void Form1::PostPlayerFinished(std::uint64_t generation) {
    ::PostMessageW(mainWindow_.load(), appmsg::kPlayToggle, static_cast<WPARAM>(generation), 0);
}

void Form1::PostEventWindow(std::uint64_t generation, std::int32_t eventIndex, WindowHandle window) {
    static_assert(sizeof(LPARAM) == 8, "the index and the window share lParam");
    const auto handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(win32::ToHwnd(window)));
    const std::uint64_t packed = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(eventIndex)) << 32) | handle;
    ::PostMessageW(mainWindow_.load(), appmsg::kPlayerEventWindow, static_cast<WPARAM>(generation),
                   static_cast<LPARAM>(packed));
}

void Form1::PostEnableMainWindow(bool enabled) {
    ::PostMessageW(mainWindow_.load(), appmsg::kPlayerEnableWindow, enabled ? 1 : 0, 0);
}

void Form1::PostRepaintMainWindow() { ::PostMessageW(mainWindow_.load(), appmsg::kPlayerRepaint, 0, 0); }

// --- IEventAppWindow ---------------------------------------------------------------------------------------------

WindowHandle Form1::Handle() { return win32::FromHwnd(FormWindow::Handle()); }

void Form1::SetRecordActive(bool on) {
    window_.buttons[kRecordButton].state = on ? kButtonActive : kButtonEnabled;
    RedrawStrip();
}

void Form1::ShowHintWindow(Point topLeft) {
    if (!selectionHint_ || !::IsWindow(selectionHint_)) {
        selectionHint_ = CreateForm3(instance_, FormWindow::Handle(), false, dpi_);
        if (!selectionHint_) return;
    }
    ::SetWindowPos(selectionHint_, HWND_TOPMOST, topLeft.x, topLeft.y, 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void Form1::CloseHintWindow() {
    // The hint window exists only while it shows.
    if (selectionHint_ && ::IsWindow(selectionHint_)) ::DestroyWindow(selectionHint_);
    selectionHint_ = nullptr;
}

void Form1::SetExpanded(bool expanded) {
    window_.buttons[kEditorButton].state = expanded ? kButtonActive : kButtonEnabled;
    if (expanded) {
        SetWindowSize96(form1::kExpandedWidth, form1::kExpandedHeight);
    } else {
        SetWindowSize96(form1::kCompactWidth, form1::kCompactHeight);
    }
    LayoutStrip();
    RedrawStrip();
}

// --- the low-level hooks -----------------------------------------------------------------------------------------

void Form1::OnKeyboardHook(const LowLevelKeyEvent& event) noexcept {
    try {
        OnEventKeyboardHook(context_, event);
    } catch (...) {
        // Nothing may leave a hook procedure; the key still goes on to the next hook.
    }
}

void Form1::OnMouseHook(int code, const LowLevelMouseEvent& event, std::uintptr_t) noexcept {
    try {
        OnEventMouseHook(context_, code, event);
    } catch (...) {
        // As above: the event is passed on whatever happened here.
    }
}

}  // namespace xd::event_list
