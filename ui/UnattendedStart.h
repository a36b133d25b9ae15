// How both programs start from their command line: a script to open as always, or `/play`, an unattended
// playback that shows no box, writes no setting and ends the process with the playback's exit code. Owns
// the platform either way, so that the boxes and the settings file are the unattended ones throughout.
#pragma once
#include <windows.h>

#include <optional>
#include <span>
#include <string>

#include "appcore/madeprogram/CarriedScript.h"
#include "appcore/unattended/ReadOnlyProfile.h"
#include "appcore/unattended/UnattendedPlay.h"
#include "platform/win32/Win32Platform.h"

namespace xd::ui {

class UnattendedStart {
public:
    UnattendedStart(const PlayLimits& limits, std::span<const BoxCause> causes);
    UnattendedStart(const UnattendedStart&) = delete;
    UnattendedStart& operator=(const UnattendedStart&) = delete;

    // Set when the program ends before any window: a command line it cannot read, or no script file. The
    // outcome has been reported.
    [[nodiscard]] std::optional<int> EndsAtOnce() const noexcept { return endsAtOnce_; }

    [[nodiscard]] win32::Win32Platform& Platform() noexcept { return *platform_; }
    // The script to open at start-up: the command line's path, or the one `/play` plays.
    [[nodiscard]] const std::string& ScriptPath() const noexcept { return scriptPath_; }
    [[nodiscard]] bool Unattended() const noexcept { return play_.has_value(); }
    [[nodiscard]] const PlayRequest& Request() const noexcept { return play_->Request(); }

    // The tray icon's tip while it plays: the program and the script's file name.
    [[nodiscard]] std::string TrayTip(const std::string& programName) const;

    // The playback ended (or never started): the outcome goes to the log and the console, and becomes the
    // exit code. Only the first call counts.
    void Finish(bool stoppedByUser) noexcept;
    [[nodiscard]] int ProcessExitCode(int messageLoopExit) const noexcept;

private:
    std::optional<UnattendedPlay> play_;
    // A program made by 生成软件 reads the script it carries through these.
    win32::Win32FileSystem realFiles_;
    std::optional<CarriedScriptFiles> carriedFiles_;
    win32::Win32Profile settingsFile_;
    ReadOnlyProfile readOnlySettings_{settingsFile_};
    std::optional<win32::Win32Platform> platform_;
    std::string scriptPath_;
    std::optional<int> endsAtOnce_;
    std::optional<int> exitCode_;
};

// The outcome to the log the request names (a failed write is told on the console only) and to the console
// the program was started from, if any.
void ReportPlayOutcome(IFileSystem& files, const std::string& logPath, const PlayOutcome& outcome) noexcept;

}  // namespace xd::ui
