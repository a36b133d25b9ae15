// The fixed texts and box flags of the script file operations. UTF-8.
#pragma once
#include <cstdint>
#include <string_view>

#include "platform/MessageBoxes.h"

namespace xd {

inline constexpr std::string_view kDocumentBoxCaption = "迅点小侠";
// The force-open question is captioned with the product name.
inline constexpr std::string_view kForceOpenCaption = "岚榕_迅点小侠";

// Each refusal text is followed by the path.
inline constexpr std::string_view kDamagedText = "脚本文件损坏\r\n";
inline constexpr std::string_view kOldVersionText = "旧版本的脚本，无法打开。\r\n";
// A file that is there but cannot be read is not called damaged: nothing is wrong with it.
inline constexpr std::string_view kUnreadableText = "无法读取脚本文件，可能正被其他程序占用，或没有读取权限。\r\n";
inline constexpr std::string_view kForceOpenText =
    "发现脚本文件异常，你需要强制打开吗？\r\n强制打开可能发生不可预料的问题。\r\n";
// A failed save is reported, so nobody believes a script is on disk that is not.
inline constexpr std::string_view kSaveFailedText = "保存脚本文件失败：\r\n";

inline constexpr std::uint32_t kDocumentErrorBoxFlags = mb::kOk | mb::kIconError;
inline constexpr std::uint32_t kForceOpenBoxFlags = mb::kYesNo | mb::kIconError;

inline constexpr std::string_view kNewScriptTitle = "新脚本";

// The dialogs' texts. The platform dialog takes one filter pair; the second
// pair of the full filter ("所有文件 (*.*)", "*.*") waits for it to take more.
inline constexpr std::string_view kOpenDialogTitle = "打开脚本文件";
inline constexpr std::string_view kScriptFilterName = "迅点小侠脚本 (*.mkx)";
inline constexpr std::string_view kScriptFilterPattern = "*.mkx";
inline constexpr std::string_view kAllFilesFilterName = "所有文件 (*.*)";
inline constexpr std::string_view kAllFilesFilterPattern = "*.*";
inline constexpr std::string_view kScriptExtension = "mkx";

// What a saved script starts with.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace xd
