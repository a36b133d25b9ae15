#include "appcore/window/AppInfo.h"

namespace xd {

ApplicationInfo MakeApplicationInfo(std::string_view programPath) {
    ApplicationInfo info;
    const auto cut = programPath.find_last_of(":/\\");
    const auto split = cut == std::string_view::npos ? 0 : cut + 1;
    info.programFolder = std::string(programPath.substr(0, split));
    info.programFileName = std::string(programPath.substr(split));
    return info;
}

std::string ApplicationTitle(const ApplicationInfo& info) {
    // Only major.minor.patch: the build number stays out of the title.
    std::string_view version = info.productVersion;
    std::size_t end = 0;
    for (int dots = 0; end < version.size(); ++end) {
        if (version[end] == '.' && ++dots == 3) break;
    }
    return info.productName + " (64位) " + std::string(version.substr(0, end));
}

}  // namespace xd
