// Form1's toolbar strip: painting, the pointer over it (hover colours and the hints in the status area) and
// the seven buttons' commands.
#include "Form1.h"

#include <commctrl.h>

#include "Form1Layout.h"
#include "recorder/ToolbarDrawing.h"
#include "ui/ToolbarStripPainter.h"

namespace xd::event_list {

void Form1::PaintStrip(HWND strip) noexcept {
    ui::PaintToolbarStrip(
        strip, [this](Point size) { return DescribeToolbarStrip(window_, dpi_, size); }, iconFont_.Family(), dpi_);
}

void Form1::RedrawToolbar() noexcept { ::InvalidateRect(Child(form1::kPicture1), nullptr, FALSE); }

void Form1::OnStripMouse(UINT message, POINT p, bool leftButtonHeld) noexcept {
    HWND strip = Child(form1::kPicture1);
    const Point at{p.x, p.y};
    HoverOutcome outcome;
    switch (message) {
        case WM_MOUSEMOVE:
            if (!trackingLeave_) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, strip, 0};
                trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
            }
            outcome = OnStripPointerMove(window_, at, dpi_, leftButtonHeld);
            break;
        case WM_LBUTTONDOWN:
            // Captured, so the release is seen even off the strip.
            ::SetCapture(strip);
            outcome = OnStripButtonDown(window_, at, dpi_);
            break;
        case WM_LBUTTONUP:
            if (::GetCapture() == strip) ::ReleaseCapture();
            outcome = OnStripButtonUp(window_, at, dpi_);
            break;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            outcome = OnStripPointerLeave(window_);
            break;
        default: return;
    }
    ApplyHoverOutcome(outcome);
}

void Form1::ApplyHoverOutcome(const HoverOutcome& outcome) noexcept {
    // This edition has no help picture: the help-hover timer and the editor view of the outcome stay unused.
    if (outcome.redraw) RedrawToolbar();
    if (outcome.command != ToolbarCommand::None) {
        RunToolbarCommand(outcome.command);
        RedrawToolbar();
    }
}

void Form1::RunToolbarCommand(ToolbarCommand command) noexcept {
    EventDocumentContext context = Document();
    switch (command) {
        case ToolbarCommand::ToggleRecording: ToggleEventRecording(); break;
        case ToolbarCommand::TogglePlayback: ToggleEventPlayback(); break;
        case ToolbarCommand::OpenDocument: static_cast<void>(OpenEventScriptCommand(context)); break;
        case ToolbarCommand::SaveDocument: static_cast<void>(SaveEventScriptCommand(context)); break;
        case ToolbarCommand::ToggleMode: ToggleMode(); break;
        case ToolbarCommand::ToggleEditor: ToggleExpanded(); break;
        case ToolbarCommand::ShowHelpMenu: ShowMenuAtPointer(); break;
        case ToolbarCommand::None: break;
    }
}

// Recording is wired with the event recorder (the hooks, the line records and 继续录制); until then the
// button has nothing to start.
void Form1::ToggleEventRecording() noexcept {}

// Playback is wired with the event player (its thread, the hint window and the click-effect ring under
// effectsGuard_); until then the button has nothing to start.
void Form1::ToggleEventPlayback() noexcept {}

void Form1::ToggleMode() noexcept {
    // The play mode is a script setting: it is saved with the script, so changing it modifies the script.
    document_.settings.foreground = !document_.settings.foreground;
    window_.buttons[kModeButton].state = document_.settings.foreground ? kButtonActive : kButtonEnabled;
    EventDocumentContext context = Document();
    MarkEventListModified(context);
}

void Form1::ToggleExpanded() noexcept {
    const bool expand = window_.buttons[kEditorButton].state != kButtonActive;
    window_.buttons[kEditorButton].state = expand ? kButtonActive : kButtonEnabled;
    if (expand) {
        SetWindowSize96(form1::kExpandedWidth, form1::kExpandedHeight);
    } else {
        SetWindowSize96(form1::kCompactWidth, form1::kCompactHeight);
    }
    LayoutStrip();
}

}  // namespace xd::event_list
