#include "engine/playback/PointerShown.h"

namespace xd {

bool PointerShownAfterCheck(const ScriptConfig& config) noexcept {
    return config.virtualPointer.load() != 0 && (config.foregroundMode.load() == 0 || config.moveMouse.load() == 0);
}

bool PointerHiddenWhileActing(const ScriptConfig& config) noexcept {
    return config.foregroundMode.load() != 0 || config.virtualPointer.load() == 0;
}

}  // namespace xd
