// One unattended playback, from the command line's request to the exit code: the boxes it would have shown,
// a failure found before any box (no script file), and the line for the log and the console.
#pragma once
#include <span>
#include <string>
#include <vector>

#include "appcore/unattended/PlayArguments.h"
#include "appcore/unattended/PlayCauses.h"
#include "appcore/unattended/PlayLog.h"
#include "appcore/unattended/UnattendedBoxes.h"
#include "platform/FileSystem.h"

namespace xd {

struct PlayOutcome {
    PlayExit exit = PlayExit::Played;
    std::vector<std::string> messages;  // what the boxes would have said, in order
    std::string logLine;
};

class UnattendedPlay {
public:
    UnattendedPlay(PlayRequest request, std::span<const BoxCause> causes)
        : request_(std::move(request)), causes_(causes) {}

    [[nodiscard]] const PlayRequest& Request() const noexcept { return request_; }
    // The boxes of every part of the program during this playback.
    [[nodiscard]] UnattendedBoxes& Boxes() noexcept { return boxes_; }

    // Opening a script named on the command line passes over a missing file without a word; a playback
    // cannot: false, and the playback ends as FileRefused with a message naming the file.
    [[nodiscard]] bool ScriptFileThere(IFileSystem& files);

    [[nodiscard]] PlayOutcome Finish(bool stoppedByUser, const LocalTime& now) const;

private:
    PlayRequest request_;
    std::span<const BoxCause> causes_;
    UnattendedBoxes boxes_;
    std::vector<ShownBox> before_;  // failures found before any box
};

// A command line that could not be read: exit 6 with its message.
[[nodiscard]] PlayOutcome InvalidCommandLine(const ParsedCommandLine& parsed, const LocalTime& now);

}  // namespace xd
