// The programs' main message loop.
#pragma once
#include <windows.h>

namespace xd::ui {

// Runs until WM_QUIT and returns its exit code. Every top-level window of the
// thread other than `mainWindow` gets dialog keys (Enter, Esc, Tab), so a small
// window such as the about box closes with Enter; the main window keeps its keys
// for its editor.
int RunMessageLoop(HWND mainWindow) noexcept;

}  // namespace xd::ui
