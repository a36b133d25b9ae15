// The main window's placement in section "窗口" of the settings file.
#pragma once
#include <string>

#include "platform/Types.h"
#include "platform/WindowSystem.h"
#include "platform/Profile.h"

namespace xd {

// Used when a stored right or bottom edge ends up 0.
inline constexpr int kDefaultRightEdge = 750;
inline constexpr int kDefaultBottomEdge = 450;

// Moves (and if need be shrinks) a window rectangle into the work area, taking
// the area's right and bottom edges as its width and height.
Rect FitToWorkArea(Rect window, Rect workArea) noexcept;

// Writes Left, Right, Top, Bottom, TopMost, flags and showCmd; nothing when
// the window is gone.
void SaveWindowPlacement(IWindowSystem& windows, IProfile& profile, const std::string& settingsFile,
                         WindowHandle window);

// Applies what the file holds over the current placement, then fits the
// window into the work area.
void RestoreWindowPlacement(IWindowSystem& windows, IProfile& profile, const std::string& settingsFile,
                            WindowHandle window);

}  // namespace xd
