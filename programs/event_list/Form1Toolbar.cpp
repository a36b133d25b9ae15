// Form1's toolbar strip: painting, the pointer over it (hover colours and the hints in the status area) and
// the seven buttons' commands.
#include "Form1.h"

#include <commctrl.h>

#include "Form1Layout.h"
#include "appcore/window/ToolbarDrawing.h"
#include "eventlist/app/EventListCommands.h"
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
    switch (command) {
        case ToolbarCommand::ToggleRecording: OnRecordCommand(context_); break;
        case ToolbarCommand::TogglePlayback: static_cast<void>(OnPlayCommand(context_)); break;
        case ToolbarCommand::OpenDocument: static_cast<void>(OnOpenCommand(context_)); break;
        case ToolbarCommand::SaveDocument: static_cast<void>(OnSaveCommand(context_)); break;
        case ToolbarCommand::ToggleMode: OnModeCommand(context_); break;
        case ToolbarCommand::ToggleEditor: OnExpandCommand(context_); break;
        case ToolbarCommand::ShowHelpMenu: ShowMenuAtPointer(); break;
        case ToolbarCommand::None: break;
    }
}

}  // namespace xd::event_list
