#include "documents/WindowPlacementStore.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

#include "documents/ProfileValues.h"
#include "documents/SettingsStore.h"

namespace xd {
namespace {

// The file is hand-editable, so edges may be anything: compute wide, store clamped.
int ToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

std::string Read(IProfile& profile, const std::string& file, std::string_view key, const std::string& current) {
    return profile.GetString(file, std::string(kWindowSection), std::string(key), current, kSettingsValueBufferChars);
}

void Write(IProfile& profile, const std::string& file, std::string_view key, const std::string& value) {
    WriteOption(profile, file, kWindowSection, key, value);
}

}  // namespace

Rect FitToWorkArea(Rect window, Rect workArea) noexcept {
    std::int64_t left = window.left, top = window.top, right = window.right, bottom = window.bottom;
    const std::int64_t w = workArea.right, h = workArea.bottom;
    if (right - left > w) {
        left = 0;
        right = w;
    }
    if (bottom - top > h) {
        top = 0;
        bottom = h;
    }
    if (left < 0) {
        right -= left;
        left = 0;
    }
    if (right > w) {
        left += w - right;
        right = w;
    }
    if (top < 0) {
        bottom -= top;
        top = 0;
    }
    if (bottom > h) {
        top += h - bottom;
        bottom = h;
    }
    return Rect{ToInt(left), ToInt(top), ToInt(right), ToInt(bottom)};
}

void SaveWindowPlacement(IWindowSystem& windows, IProfile& profile, const std::string& settingsFile,
                         WindowHandle window) {
    if (window == kNoWindow || !windows.IsWindow(window)) return;
    auto placement = windows.GetPlacement(window);
    if (!placement) return;
    const Rect& r = placement->normalPosition;
    Write(profile, settingsFile, "Left", FormatProfileInt(r.left));
    Write(profile, settingsFile, "Right", FormatProfileInt(r.right));
    Write(profile, settingsFile, "Top", FormatProfileInt(r.top));
    Write(profile, settingsFile, "Bottom", FormatProfileInt(r.bottom));
    Write(profile, settingsFile, "TopMost", FormatProfileFlag(windows.IsTopmost(window)));
    Write(profile, settingsFile, "flags", FormatProfileInt(placement->flags));
    Write(profile, settingsFile, "showCmd", FormatProfileInt(placement->showCmd));
}

void RestoreWindowPlacement(IWindowSystem& windows, IProfile& profile, const std::string& settingsFile,
                            WindowHandle window) {
    auto current = windows.GetPlacement(window);
    if (!current) return;
    WindowPlacement p = *current;
    Rect& r = p.normalPosition;
    // Each key is asked with the current value as its default, so a missing
    // key leaves that value as it is.
    r.left = ParseProfileInt(Read(profile, settingsFile, "Left", FormatProfileInt(r.left)));
    r.right = ParseProfileInt(Read(profile, settingsFile, "Right", FormatProfileInt(r.right)));
    if (r.right == 0) r.right = kDefaultRightEdge;
    r.top = ParseProfileInt(Read(profile, settingsFile, "Top", FormatProfileInt(r.top)));
    r.bottom = ParseProfileInt(Read(profile, settingsFile, "Bottom", FormatProfileInt(r.bottom)));
    if (r.bottom == 0) r.bottom = kDefaultBottomEdge;
    bool topmost = windows.IsTopmost(window);
    std::string topmostText = Read(profile, settingsFile, "TopMost", FormatProfileFlag(topmost));
    windows.SetTopmost(window, ParseProfileInt(topmostText) != 0);
    p.flags = ParseProfileUnsigned(Read(profile, settingsFile, "flags", FormatProfileInt(p.flags)));
    p.showCmd = ParseProfileUnsigned(Read(profile, settingsFile, "showCmd", FormatProfileInt(p.showCmd)));
    // A window the system will not place keeps where it is: nothing else to do about it.
    static_cast<void>(windows.SetPlacement(window, p));
    r = FitToWorkArea(r, windows.WorkArea());
    static_cast<void>(windows.SetPlacement(window, p));
}

}  // namespace xd
