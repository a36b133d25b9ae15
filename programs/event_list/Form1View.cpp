// Form1 as the view the document commands drive: IEventDocumentView over the caption, the toolbar and the
// sliders.
#include "Form1.h"

#include "Form1Layout.h"
#include "platform/Text.h"

namespace xd::event_list {

void Form1::SetCaption(const std::string& caption) { ::SetWindowTextW(FormWindow::Handle(), Widen(caption).c_str()); }

void Form1::SetSaveEnabled(bool enabled) {
    window_.buttons[kSaveButton].state = enabled ? kButtonEnabled : kButtonDisabled;
    RedrawToolbar();
}

void Form1::SetRepeatSlider(std::int32_t position, const std::string& label) {
    ::SetScrollPos(Child(form1::kHScrollRepeat), SB_CTL, position, TRUE);
    ::SetWindowTextW(Child(form1::kLabel1Repeat), Widen(label).c_str());
    // The strip shows the captions in the expanded window.
    window_.label1Captions[0] = label;
    RedrawToolbar();
}

void Form1::SetSpeedSlider(std::int32_t position, const std::string& label) {
    ::SetScrollPos(Child(form1::kHScrollSpeed), SB_CTL, position, TRUE);
    ::SetWindowTextW(Child(form1::kLabel1Speed), Widen(label).c_str());
    window_.label1Captions[1] = label;
    RedrawToolbar();
}

void Form1::SetHasEvents(bool hasEvents) {
    window_.buttons[kPlayButton].state = hasEvents ? kButtonEnabled : kButtonDisabled;
    RedrawToolbar();
}

void Form1::SetWaitCursor(bool waiting) { ::SetCursor(::LoadCursorW(nullptr, waiting ? IDC_WAIT : IDC_ARROW)); }

void Form1::EventListReplaced() {
    // Emptied with drawing suspended. The line records rebuilt from the events, and the count of lines
    // that listLookup_ draws, come with the list's grouping.
    HWND list = Child(form1::kList1);
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(list, LB_SETCOUNT, 0, 0);
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
}

void Form1::PlaySettingsReplaced() {
    window_.buttons[kModeButton].state = document_.settings.foreground ? kButtonActive : kButtonEnabled;
    window_.playKey = document_.settings.playHotkey;
    RedrawToolbar();
}

}  // namespace xd::event_list
