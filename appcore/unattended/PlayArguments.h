// The command line of both programs: a script path to open (as always), or `/play FILE` with its options,
// which plays the script without anyone at the screen and exits with a PlayExit code.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace xd {

enum class PlayModeOverride { FromScript, Foreground, Background };

// What `/play` asks for; an option not given leaves the script's own value.
struct PlayRequest {
    std::string scriptPath;
    std::optional<std::int32_t> repeat;
    std::optional<std::int32_t> speedHundredths;  // the speed factor × 100: /speed 1.5 is 150
    PlayModeOverride mode = PlayModeOverride::FromScript;
    std::optional<std::int32_t> waitSeconds;
    std::string logPath;  // empty: no log
};

// What an edition accepts, in its own terms.
struct PlayLimits {
    std::int32_t repeatMax = 0;
    std::int32_t speedMinHundredths = 0;
    std::int32_t speedMaxHundredths = 0;
};

inline constexpr std::int32_t kWaitSecondsMax = 600;

struct ParsedCommandLine {
    enum class Kind { OpenPath, Play, Invalid };
    // OpenPath: no `/play`, the arguments name a script to open as they always did.
    Kind kind = Kind::OpenPath;
    PlayRequest play;      // Play
    std::string error;     // Invalid: what was wrong, for the console and the log
};

// `arguments` are those after the program's name. Switches are case-insensitive; `/play FILE` comes first and
// the options follow in any order, each at most once. FILE and the log's file may have been split at blanks
// when they were not quoted: the arguments up to the next switch are joined again, as a file name never
// holds a "/".
[[nodiscard]] ParsedCommandLine ParseCommandLine(std::span<const std::string> arguments, const PlayLimits& limits);

}  // namespace xd
