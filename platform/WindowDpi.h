// Which pixels per inch convert the points of one window between logical and screen pixels.
#pragma once
#include "platform/Pixels.h"
#include "platform/WindowSystem.h"

namespace xd {

struct DpiPair {
    int x = kLogicalDpi;
    int y = kLogicalDpi;
};

// `system` is the system's pair as the caller read it once. A window on a monitor at the system's DPI keeps
// that pair, so on a desktop of one monitor every point converts exactly as it always has; a window on a
// monitor at another DPI is converted with that monitor's DPI in both directions.
[[nodiscard]] inline DpiPair WindowDpi(IWindowSystem& windows, WindowHandle w, DpiPair system) {
    const int own = windows.DpiForWindow(w);
    if (own <= 0 || own == windows.DpiY()) return system;
    return DpiPair{own, own};
}

}  // namespace xd
