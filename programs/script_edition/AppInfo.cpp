#include "AppInfo.h"

namespace xd::script_edition {

std::wstring ApplicationTitle() {
    std::wstring_view version = kProductVersion;
    const auto lastDot = version.rfind(L'.');
    if (lastDot != std::wstring_view::npos) version = version.substr(0, lastDot);
    std::wstring title(kProductName);
    title += L" (64位) ";
    title += version;
    return title;
}

}  // namespace xd::script_edition
