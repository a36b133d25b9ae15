// Help for both programs: the page stored as the HELP_HTML resource is written out
// and opened in the default browser.
#pragma once
#include <windows.h>

#include <string>

#include "platform/Platform.h"

namespace xd::ui {

// fileName is the page's file name ("迅点小侠4帮助.html"); failures are reported in a
// box owned by `owner` with the given caption.
void ShowHelpPage(HINSTANCE instance, Platform& platform, const std::string& fileName,
                  const std::string& programFolder, const std::string& caption, HWND owner) noexcept;

}  // namespace xd::ui
