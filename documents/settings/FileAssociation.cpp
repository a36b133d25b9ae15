#include "documents/settings/FileAssociation.h"

#include <algorithm>

namespace xd {
namespace {

// A buffer one longer than the expected text: a longer value then never reads
// back cut to exactly the expected text, and a long program path still fits.
// UTF-8 bytes bound the UTF-16 characters from above.
std::string ReadCompared(IRegistry& registry, std::string_view key, std::string_view expected) {
    const std::size_t chars = std::max(kAssociationReadChars, expected.size() + 2);
    return registry.ReadDefault(std::string(key), chars);
}

}  // namespace

std::string AssociationIconValue(std::string_view programPath) {
    return std::string(programPath) + ",1";
}

std::string AssociationOpenCommand(std::string_view programPath) {
    return std::string(programPath) + " %1";
}

bool IsAssociated(IRegistry& registry, std::string_view programPath) noexcept {
    if (ReadCompared(registry, assockey::kExtension, assockey::kFileType) != assockey::kFileType) return false;
    const std::string command = AssociationOpenCommand(programPath);
    return ReadCompared(registry, assockey::kOpenCommand, command) == command;
}

bool RegisterAssociation(IRegistry& registry, IMessageBoxes& boxes, std::string_view programPath) noexcept {
    // Another program's type for .mkx is replaced, not kept aside.
    if (ReadCompared(registry, assockey::kExtension, assockey::kFileType) != assockey::kFileType) {
        static_cast<void>(registry.WriteDefault(std::string(assockey::kExtension), std::string(assockey::kFileType)));
    }
    const std::string icon = AssociationIconValue(programPath);
    static_cast<void>(registry.WriteDefault(std::string(assockey::kDefaultIcon), icon));
    static_cast<void>(registry.WriteDefault(std::string(assockey::kOpenCommand), AssociationOpenCommand(programPath)));

    // Guard programs and missing rights tend to refuse quietly; the icon's
    // read-back is the one check.
    if (ReadCompared(registry, assockey::kDefaultIcon, icon) == icon) return true;
    static_cast<void>(boxes.Show(kNoWindow, std::string(kAssociationFailedText),
                                 std::string(kAssociationFailedCaption), kAssociationFailedBoxFlags));
    return false;
}

void RemoveAssociation(IRegistry& registry) noexcept {
    for (std::string_view key : kAssociationRemovalOrder) static_cast<void>(registry.DeleteKey(std::string(key)));
}

}  // namespace xd
