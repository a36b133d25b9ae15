// The .mkx association with the shell: extension -> file-type name, the
// script-file icon and the open command, as default values under
// HKEY_CLASSES_ROOT. programPath is the program folder followed by the
// program file name, never quoted.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/MessageBoxes.h"
#include "platform/Registry.h"

namespace xd {

namespace assockey {
inline constexpr std::string_view kExtension = ".mkx";
inline constexpr std::string_view kFileType = "岚榕迅点小侠脚本文件";
inline constexpr std::string_view kDefaultIcon = "岚榕迅点小侠脚本文件\\DefaultIcon";
inline constexpr std::string_view kShell = "岚榕迅点小侠脚本文件\\shell";
inline constexpr std::string_view kShellOpen = "岚榕迅点小侠脚本文件\\shell\\open";
inline constexpr std::string_view kOpenCommand = "岚榕迅点小侠脚本文件\\shell\\open\\Command";
}  // namespace assockey

// Each key before its parent, so every delete can succeed.
inline constexpr std::array<std::string_view, 6> kAssociationRemovalOrder{
    assockey::kDefaultIcon, assockey::kOpenCommand, assockey::kShellOpen,
    assockey::kShell,       assockey::kFileType,    assockey::kExtension};

// Values are read with room for 1 023 characters, or more when the text they
// are compared with is longer (see ReadCompared).
inline constexpr std::size_t kAssociationReadChars = 1024;

inline constexpr std::string_view kAssociationFailedCaption = "关联脚本文件失败";
inline constexpr std::string_view kAssociationFailedText =
    "关联 岚榕迅点小侠脚本 的文件失败！！！\r\n1，可能被杀毒软件拦截，请让行。\r\n"
    "2，可能权限不够，请用管理员运行1次就可以了。";
inline constexpr std::uint32_t kAssociationFailedBoxFlags = mb::kOk | mb::kIconError | mb::kTaskModal;

// Icon index 1 of the program file is the script-file icon group.
[[nodiscard]] std::string AssociationIconValue(std::string_view programPath);
// The path is passed unquoted; the program rejoins a path split at blanks.
[[nodiscard]] std::string AssociationOpenCommand(std::string_view programPath);

// True when .mkx names our file type and the open command names this program.
// Unreadable or foreign values count as not associated.
[[nodiscard]] bool IsAssociated(IRegistry& registry, std::string_view programPath) noexcept;

// Writes the three values; a refusal shows up only in the read-back of the icon,
// which reports it in a task-modal box. True when the read-back matched.
[[nodiscard]] bool RegisterAssociation(IRegistry& registry, IMessageBoxes& boxes, std::string_view programPath) noexcept;

// Deletes our keys and .mkx, whatever it names by then; failures are ignored.
void RemoveAssociation(IRegistry& registry) noexcept;

}  // namespace xd
