// The help page ships inside the program: when the user asks for help it is
// written out as a file and opened in the default browser, so help works
// offline and always matches the program that shows it.
#pragma once
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

namespace xd {

struct HelpPageRequest {
    std::string_view page;         // the page's bytes (UTF-8 HTML)
    std::string_view fileName;     // e.g. "迅点小侠4帮助.html"
    std::string_view programFolder;  // with its trailing separator; the fallback folder
    std::string_view caption;      // of the box that reports a failure
    WindowHandle owner = kNoWindow;
};

// The path it opened, or "" after a failure that has been reported in a box.
// The temporary folder is tried first (it is always the user's to write), then the
// program folder; an existing page is replaced, so an older program's page never stays.
std::string OpenHelpPage(IFileSystem& files, IShell& shell, IMessageBoxes& boxes, const HelpPageRequest& request);

}  // namespace xd
