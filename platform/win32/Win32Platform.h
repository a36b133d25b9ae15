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
    // An unattended playback: boxes nobody sees, and a settings file that is read but never written; a made
    // program's files also hold the script it carries.
    Win32Platform(IMessageBoxes& otherBoxes, IProfile& otherProfile, IFileSystem* otherFiles = nullptr)
        : boxes(otherBoxes), files(otherFiles ? *otherFiles : systemFiles), profile(otherProfile) {}
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    Win32WindowSystem windows;
    Win32Input input;
    Win32Clock clock;
    Win32MessageBoxes systemBoxes;
    IMessageBoxes& boxes = systemBoxes;
    Win32FileSystem systemFiles;
    IFileSystem& files = systemFiles;
    Win32Profile fileProfile;
    IProfile& profile = fileProfile;
    Win32Registry registry;
    Win32FileDialogs dialogs;
    // Beside the bundle: only some parts of the core need them.
    Win32CodePage codePage;
    Win32Shell shell;
    Win32ProgramCopies copies;

    Platform platform() { return Platform{windows, input, clock, boxes, files, profile, registry, dialogs}; }
};

}  // namespace xd::win32
