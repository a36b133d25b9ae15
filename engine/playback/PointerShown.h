// When the script edition's playback shows the virtual pointer, from its settings.
#pragma once
#include "engine/ScriptConfig.h"

namespace xd {

// Shown after the check pass only in background play, or when the real pointer stays put.
[[nodiscard]] bool PointerShownAfterCheck(const ScriptConfig& config) noexcept;
// Every approach and drag hides it when the real pointer does the showing.
[[nodiscard]] bool PointerHiddenWhileActing(const ScriptConfig& config) noexcept;

}  // namespace xd
