// Log-off and shutdown. Windows asks every top-level window with WM_QUERYENDSESSION before it ends the
// session and then ends the process without WM_CLOSE: a program that does not answer loses unsaved work
// without the save prompt.
#pragma once
#include <windows.h>

#include <functional>

namespace xd::ui {

class SessionEnd {
public:
    // WM_QUERYENDSESSION: runs the window's own close request (save prompt included) while the system shows
    // why the session waits; true lets the session end. A query that comes while one is being answered (from
    // inside the prompt's own loop) holds the session up: the prompt that is open decides.
    [[nodiscard]] bool Query(HWND window, const std::function<bool()>& closeRequest) noexcept;

    // WM_ENDSESSION: true when the session really ends now, so the window goes as after a close.
    [[nodiscard]] static bool Ending(WPARAM endSession) noexcept { return endSession != FALSE; }

private:
    bool asking_ = false;
};

}  // namespace xd::ui
