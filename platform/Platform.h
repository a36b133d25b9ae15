// Everything the core may ask of the outside world, handed around as one bundle.
#pragma once
#include "Clock.h"
#include "FileDialogs.h"
#include "FileSystem.h"
#include "Input.h"
#include "MessageBoxes.h"
#include "Profile.h"
#include "Registry.h"
#include "WindowSystem.h"

namespace xd {

struct Platform {
    IWindowSystem& windows;
    IInput& input;
    IClock& clock;
    IMessageBoxes& boxes;
    IFileSystem& files;
    IProfile& profile;
    IRegistry& registry;
    IFileDialogs& dialogs;
};

}  // namespace xd
