// Form1 as the view the main-window logic drives: IMainWindowView and IScriptControls over the controls.
#include "Form1.h"

#include <algorithm>

#include "Form1Layout.h"
#include "platform/Pixels.h"
#include "platform/Text.h"
#include "recorder/app/MainWindowEvents.h"

namespace xd::script_edition {
namespace {

int SliderId(Slider slider) { return slider == Slider::Repeat ? form1::kHScrollRepeat : form1::kHScrollSpeed; }
int LabelId(Slider slider) { return slider == Slider::Repeat ? form1::kLabel1Repeat : form1::kLabel1Speed; }

}  // namespace

WindowHandle Form1::Handle() { return reinterpret_cast<WindowHandle>(FormWindow::Handle()); }

void Form1::SetWindowTitle(const std::string& title) { ::SetWindowTextW(FormWindow::Handle(), Widen(title).c_str()); }

void Form1::SetTrayTip(const std::string& tip) { tray_.SetTip(Widen(TrayTip(tip))); }

void Form1::SetWindowSize(WindowSize96 size) {
    HWND hwnd = FormWindow::Handle();
    RECT now{};
    ::GetWindowRect(hwnd, &now);
    const int width = LogicalToScreen(size.width, dpi_);
    const int height = LogicalToScreen(size.height, dpi_);
    // Growing from the compact strip must not push the editor off the bottom or right of the work area.
    RECT work{};
    HMONITOR monitor = ::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{sizeof info, {}, {}, 0};
    int x = now.left, y = now.top;
    if (::GetMonitorInfoW(monitor, &info)) {
        work = info.rcWork;
        if (x + width > work.right) x = std::max<int>(work.left, work.right - width);
        if (y + height > work.bottom) y = std::max<int>(work.top, work.bottom - height);
    }
    ::SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::FocusEditor() {
    if (::IsWindowVisible(FormWindow::Handle())) ::SetFocus(editor_.Handle());
}

void Form1::SetCommand6Enabled(bool enabled) { ::EnableWindow(Child(form1::kCommand6), enabled); }

void Form1::SetWaitCursor(bool waiting) { ::SetCursor(::LoadCursorW(nullptr, waiting ? IDC_WAIT : IDC_ARROW)); }

void Form1::FillCommandList(const std::array<std::string_view, kCommandCount>& names) {
    HWND list = Child(form1::kList1);
    ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (std::string_view name : names) {
        ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
    }
}

void Form1::ShowHelpImage(bool show) {
    for (int id : form1::kEditorViewControls) ::ShowWindow(Child(id), show ? SW_HIDE : SW_SHOWNA);
    ::ShowWindow(Child(form1::kImage1), show ? SW_SHOWNA : SW_HIDE);
}

void Form1::ShowHelpMenuAtPointer() { ShowMenuAtPointer(false); }

bool Form1::IsVisible() { return ::IsWindowVisible(FormWindow::Handle()) != FALSE; }

void Form1::SetVisible(bool visible) { ShowWindowTo(visible); }

void Form1::RepaintAll() {
    ::RedrawWindow(FormWindow::Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

int Form1::SliderPosition(Slider slider) { return ::GetScrollPos(Child(SliderId(slider)), SB_CTL); }

void Form1::SetSliderPosition(Slider slider, int position) {
    ::SetScrollPos(Child(SliderId(slider)), SB_CTL, ClampSliderPosition(slider, position), TRUE);
}

void Form1::SetSliderLabel(Slider slider, const std::string& text) {
    ::SetWindowTextW(Child(LabelId(slider)), Widen(text).c_str());
    // The strip shows the captions in the full window.
    model_.window.label1Captions[slider == Slider::Repeat ? 0 : 1] = text;
    RedrawToolbar();
}

void Form1::SelectCommand(int index) { ::SendMessageW(Child(form1::kList1), LB_SETCURSEL, index, 0); }

void Form1::SetHelpText(const std::string& text) { ::SetWindowTextW(Child(form1::kText1), Widen(text).c_str()); }

void Form1::SetTemplateText(const std::string& text) { ::SetWindowTextW(Child(form1::kText2), Widen(text).c_str()); }

// The state itself lives in the toolbar record the strip is drawn from.
void Form1::SetModeButtonState(int) { RedrawToolbar(); }

void Form1::RedrawToolbar() { RedrawStrip(); }

}  // namespace xd::script_edition
