// The click-effect windows: the ring of eight small windows in which a click's growing circle is drawn
// (appcore/playback/ClickEffectSlots.h steps the slots and says what each frame shows). Both programs have them: the
// script edition's Form点击效果 and the event-list edition's Form4.
#pragma once
#include <windows.h>

#include <array>

#include "appcore/playback/ClickEffectSlots.h"

namespace xd::ui {

LRESULT CALLBACK ClickEffectProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

// Main thread, from the status tick: draws each slot's frame straight into its window (not through a paint
// cycle), scaled to the DPI of the monitor the window is on. A window moved to a monitor at another DPI takes
// its size there.
void PaintClickEffects(const ClickEffectSlots& slots,
                       const std::array<ClickEffectFrame, kClickEffectSlotCount>& frames) noexcept;

}  // namespace xd::ui
