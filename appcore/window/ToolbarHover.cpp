#include "appcore/window/ToolbarHover.h"

#include "appcore/window/StatusGlyphs.h"
#include "platform/Pixels.h"

namespace xd {

Rect ScaledButtonRect(const ToolbarButton& b, int dpi) {
    return Rect{LogicalToScreen(b.x, dpi), LogicalToScreen(b.y, dpi), LogicalToScreen(b.x + b.width, dpi),
                LogicalToScreen(b.y + b.height, dpi)};
}

int HitTestToolbar(const ToolbarButtons& buttons, Point p, int dpi) {
    for (int i = 0; i < kToolbarButtonCount; ++i) {
        const Rect r = ScaledButtonRect(buttons[i], dpi);
        // Inclusive on both sides: a shared edge goes to the lower index.
        if (p.y >= r.top && p.y <= r.bottom && p.x >= r.left && p.x <= r.right) return i + 1;
    }
    return 0;
}

std::string ButtonHint(int button, int recordKey, int playKey) {
    switch (button) {
        case kRecordButton + 1: return "【录制 / 停止录制】鼠标操作(快捷键 " + FunctionKeyName(recordKey) + ")";
        case kPlayButton + 1: return "【回放 / 停止回放】鼠标操作(快捷键 " + FunctionKeyName(playKey) + ")";
        case kOpenButton + 1: return "打开以前保存的鼠标操作脚本文件";
        case kSaveButton + 1: return "保存的录制的鼠标操作到【脚本】文件";
        case kModeButton + 1: return "前台\\后台模式切换，前台回放时不能使用电脑";
        case kEditorButton + 1: return "修改或编辑鼠标操作的脚本，适合高手使用。";
        case kHelpButton + 1: return "打开帮助网页，第一次使用时建议看完帮助。";
        default: return {};
    }
}

HoverOutcome OnStripPointerMove(MainWindowState& state, Point p, int dpi, bool leftButtonHeld) {
    // While the left button is held the pressed button keeps the hover.
    const int button = leftButtonHeld ? state.hoverButton : HitTestToolbar(state.buttons, p, dpi);
    const int mode = leftButtonHeld ? kHoverPressed : kHoverPointer;
    state.statusText = button != 0 ? ButtonHint(button, state.recordKey, state.playKey) : state.statusIdle;

    HoverOutcome outcome;
    if (button == state.hoverButton && mode == state.hoverMode) return outcome;
    state.hoverButton = button;
    state.hoverMode = mode;
    // The timer always starts; its message checks whether Help is still hovered.
    outcome.startHelpHoverTimer = true;
    outcome.restoreEditorView = button != kHelpButton + 1;
    outcome.redraw = true;
    return outcome;
}

HoverOutcome OnStripButtonDown(MainWindowState& state, Point p, int dpi) {
    const int button = HitTestToolbar(state.buttons, p, dpi);
    HoverOutcome outcome;
    if (button == state.hoverButton && state.hoverMode == kHoverPressed) return outcome;
    state.hoverButton = button;
    state.hoverMode = kHoverPressed;
    outcome.redraw = true;
    return outcome;
}

HoverOutcome OnStripButtonUp(MainWindowState& state, Point p, int dpi) {
    HoverOutcome outcome;
    const int pressed = state.hoverMode == kHoverPressed ? state.hoverButton : 0;
    if (pressed != 0 && HitTestToolbar(state.buttons, p, dpi) == pressed &&
        state.buttons[pressed - 1].state > kButtonDisabled) {
        outcome.command = CommandOfButton(pressed);
    }
    state.hoverButton = 0;
    state.hoverMode = kHoverNone;
    outcome.redraw = true;
    return outcome;
}

HoverOutcome OnStripPointerLeave(MainWindowState& state) {
    HoverOutcome outcome;
    if (state.hoverButton == 0) return outcome;
    state.hoverButton = 0;
    state.hoverMode = kHoverNone;
    state.statusText = state.statusIdle;
    outcome.restoreEditorView = true;
    outcome.redraw = true;
    return outcome;
}

bool ShouldShowHelpImage(const MainWindowState& state) { return state.hoverButton == kHelpButton + 1; }

}  // namespace xd
