// The process's last chance: an unhandled exception, or a C++ exception nothing caught, leaves a minidump and a
// line of text for the user to send and one box saying where (platform/common/CrashReport.h), then the process
// ends. Nothing is sent anywhere.
#pragma once
#include <string_view>

namespace xd::win32 {

// First thing in a program. programName ("迅点小侠4") and version ("4.0.2.358") are UTF-8.
void InstallCrashHandler(std::string_view programName, std::string_view version) noexcept;

// An unattended playback shows no box, not even this one: the report is still written, and a scheduled task
// is not held by a box nobody will answer.
void QuietCrashReports() noexcept;

}  // namespace xd::win32
