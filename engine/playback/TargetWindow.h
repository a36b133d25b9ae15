// 目标窗口(窗口名称, 窗口类名, 子级): find the top-level window by class and title,
// then walk the child path down to the recorded control.
#pragma once
#include <string>
#include <string_view>

#include "engine/ScriptSyntax.h"  // UndoubleQuotes: titles and classes are searched undoubled
#include "engine/playback/Playback.h"

namespace xd {

inline constexpr int kTargetSearchRetries = 20;
inline constexpr std::uint32_t kTargetSearchPauseMs = 10;
inline constexpr int kMaxChildPosition = 999;

// The title argument of a 目标窗口 line as the search uses it, for the status
// line while the runner waits for it; "" for a line without one.
[[nodiscard]] std::string TargetWindowTitle(std::string_view line);

// 0 chosen (PlaybackState::targetWindow set), 1 top-level window not found,
// 2 an element of the child path cannot be followed, 99 stop requested during
// the search. With PlaybackState::waitForWindowSeconds above 0 a window or child
// still missing after the first search is looked for every 100 ms until it is
// there or the time is up, and only then reported. Failures are reported in a
// box and set the stop flag.
[[nodiscard]] int ResolveTargetWindow(Runner& runner, std::string_view title, std::string_view className,
                                      std::string_view childPath) noexcept;

}  // namespace xd
