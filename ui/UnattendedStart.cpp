#include "ui/UnattendedStart.h"

#include "documents/files/ScriptDocument.h"
#include "platform/Text.h"
#include "platform/win32/CrashHandler.h"
#include "ui/ProgramStart.h"

namespace xd::ui {
namespace {

LocalTime LocalNow() noexcept {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

// A program of the window subsystem has no console of its own: it borrows the one it was started from, or
// writes to where its output was sent (a file or a pipe of a batch file).
void WriteToConsole(const std::string& text) noexcept {
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    const bool redirected = out && out != INVALID_HANDLE_VALUE && ::GetFileType(out) != FILE_TYPE_CHAR &&
                            ::GetFileType(out) != FILE_TYPE_UNKNOWN;
    if (redirected) {
        DWORD written = 0;
        static_cast<void>(::WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr));
        return;
    }
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
    HANDLE console = ::CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (console != INVALID_HANDLE_VALUE) {
        const std::wstring wide = Widen(text);
        DWORD written = 0;
        static_cast<void>(::WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr));
        ::CloseHandle(console);
    }
    ::FreeConsole();
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void ReportPlayOutcome(IFileSystem& files, const std::string& logPath, const PlayOutcome& outcome) noexcept {
    try {
        std::string console;
        for (const std::string& message : outcome.messages) console += message + "\r\n";
        console += outcome.logLine + "\r\n";
        if (!logPath.empty() && !AppendPlayLog(files, logPath, outcome.logLine)) {
            console += "无法写入日志文件：" + logPath + "\r\n";
        }
        WriteToConsole(console);
    } catch (...) {
        // Out of memory while reporting: the exit code still says how the playback ended.
    }
}

UnattendedStart::UnattendedStart(const PlayLimits& limits, std::span<const BoxCause> causes) {
    std::vector<std::string> arguments = CommandLineArguments();
    // A program made by 生成软件 plays the script it carries, with the options it was started with.
    if (std::optional<std::string> carried = win32::Win32ProgramCopies().EmbeddedScript()) {
        const std::string path = CarriedScriptPath(OwnProgramPath());
        carriedFiles_.emplace(realFiles_, path, std::move(*carried));
        arguments = MadeProgramArguments(arguments, path);
    }
    const ParsedCommandLine parsed = ParseCommandLine(arguments, limits);
    switch (parsed.kind) {
        case ParsedCommandLine::Kind::OpenPath:
            platform_.emplace();
            scriptPath_ = JoinCommandLinePath(arguments);
            return;
        case ParsedCommandLine::Kind::Invalid: {
            platform_.emplace();
            ReportPlayOutcome(platform_->files, parsed.play.logPath, InvalidCommandLine(parsed, LocalNow()));
            endsAtOnce_ = xd::ExitCode(PlayExit::OtherError);
            return;
        }
        case ParsedCommandLine::Kind::Play: break;
    }
    win32::QuietCrashReports();
    play_.emplace(parsed.play, causes);
    platform_.emplace(play_->Boxes(), readOnlySettings_, carriedFiles_ ? &*carriedFiles_ : nullptr);
    scriptPath_ = parsed.play.scriptPath;
    if (!play_->ScriptFileThere(platform_->files)) {
        Finish(false);
        endsAtOnce_ = exitCode_;
    }
}

std::string UnattendedStart::TrayTip(const std::string& programName) const {
    return programName + " 正在回放：" + FileNameOf(scriptPath_);
}

void UnattendedStart::Finish(bool stoppedByUser) noexcept {
    if (!play_ || exitCode_) return;
    try {
        const PlayOutcome outcome = play_->Finish(stoppedByUser, LocalNow());
        exitCode_ = xd::ExitCode(outcome.exit);
        ReportPlayOutcome(platform_->files, play_->Request().logPath, outcome);
    } catch (...) {
        exitCode_ = xd::ExitCode(PlayExit::OtherError);
    }
}

int UnattendedStart::ProcessExitCode(int messageLoopExit) const noexcept {
    if (!play_) return messageLoopExit;
    // The window went before the playback was told to end (the Windows session ended).
    return exitCode_.value_or(xd::ExitCode(PlayExit::OtherError));
}

}  // namespace xd::ui
