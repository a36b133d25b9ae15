// What the program knows about itself from the moment it starts.
#pragma once
#include <string>
#include <string_view>

namespace xd {

struct ApplicationInfo {
    std::string productName = "岚榕_迅点小侠";
    std::string productVersion = "4.0.2.363";
    std::string fileVersion = "4.0.2.358";
    std::string fileDescription = "录制鼠标操作，并可以回放鼠标操作。";
    std::string programFolder;    // up to and including the last ':', '/' or '\'
    std::string programFileName;  // the rest of the program's path
};

// Fills programFolder and programFileName from the program's own path.
ApplicationInfo MakeApplicationInfo(std::string_view programPath);

// "岚榕_迅点小侠 (64位) 4.0.2": window title, tray tip and idle status text.
std::string ApplicationTitle(const ApplicationInfo& info);

}  // namespace xd
