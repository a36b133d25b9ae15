// The process's last chance: an unhandled exception, or a C++ exception nothing caught, leaves a minidump and a
// line of text for the user to send and one box saying where (platform/common/CrashReport.h), then the process
// ends. Nothing is sent anywhere.
#pragma once
#include <string_view>

namespace xd::win32 {

// First thing in a program. programName ("迅点小侠4") and version ("4.0.2.358") are UTF-8.
void InstallCrashHandler(std::string_view programName, std::string_view version) noexcept;

}  // namespace xd::win32
