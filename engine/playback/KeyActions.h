// The two keyboard statements: 键盘按键 (a key or combination, 次数 times) and 输入文字 (text typed as
// characters). Each first spends the previous statement's wait, scaled by the speed, as an approach does but
// with no point to go to; then it acts in the foreground (SendInput to whatever has the focus, no target
// needed) or the background (messages posted to the focused control of the window the last 目标窗口 chose).
// 0 done, 1 error reported, 99 stop requested.
#pragma once
#include <cstdint>
#include <string_view>

#include "appcore/keyboard/KeyNames.h"
#include "engine/playback/Playback.h"

namespace xd {

// The modifiers go down once, the key goes down and up `count` times, the modifiers come up; a stop between
// two presses lets the modifiers go before it ends the statement.
[[nodiscard]] int PerformKeyPress(Runner& runner, const KeyCombination& keys, std::int32_t count,
                                  std::int32_t wait) noexcept;

// `text` as UTF-8, quotes undoubled.
[[nodiscard]] int PerformTypeText(Runner& runner, std::string_view text, std::int32_t wait) noexcept;

}  // namespace xd
