// The real outside world, one of each service, as the programs hand it to the core.
#pragma once
#include "platform/Platform.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32FileDialogs.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32Profile.h"
#include "platform/win32/Win32ProgramCopies.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32WindowSystem.h"

namespace xd::win32 {

struct Win32Platform {
    Win32Platform() = default;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    Win32WindowSystem windows;
    Win32Input input;
    Win32Clock clock;
    Win32MessageBoxes boxes;
    Win32FileSystem files;
    Win32Profile profile;
    Win32Registry registry;
    Win32FileDialogs dialogs;
    // Beside the bundle: only some parts of the core need them.
    Win32CodePage codePage;
    Win32Shell shell;
    Win32ProgramCopies copies;

    Platform platform() { return Platform{windows, input, clock, boxes, files, profile, registry, dialogs}; }
};

}  // namespace xd::win32
