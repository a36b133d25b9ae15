// Pointer hover, press and leave on the toolbar strip, with the button hints.
// Points are strip client pixels; button geometry is 96-DPI units scaled by dpi.
#pragma once
#include <string>

#include "appcore/window/MainWindowState.h"
#include "appcore/window/ToolbarButton.h"
#include "platform/Types.h"

namespace xd {

// The button's rectangle in pixels: each edge scaled on its own.
Rect ScaledButtonRect(const ToolbarButton& button, int dpi);

// 1-based number of the first button whose edges (inclusive) hold the point; 0 for none.
int HitTestToolbar(const ToolbarButtons& buttons, Point p, int dpi);

// statusText while the pointer is on a 1-based button; "" for none.
std::string ButtonHint(int button, int recordKey, int playKey);

// What the window does after a strip event.
struct HoverOutcome {
    bool redraw = false;
    bool startHelpHoverTimer = false;  // post MsgHelpHoverElapsed after 300 ms
    bool restoreEditorView = false;    // hide the help image, show the editor and its side controls
    ToolbarCommand command = ToolbarCommand::None;
};

HoverOutcome OnStripPointerMove(MainWindowState& state, Point p, int dpi, bool leftButtonHeld);
HoverOutcome OnStripButtonDown(MainWindowState& state, Point p, int dpi);
HoverOutcome OnStripButtonUp(MainWindowState& state, Point p, int dpi);
HoverOutcome OnStripPointerLeave(MainWindowState& state);

// On MsgHelpHoverElapsed: show the help image only if the pointer still rests on Help.
bool ShouldShowHelpImage(const MainWindowState& state);

}  // namespace xd
