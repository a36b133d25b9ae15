// The fixed texts and box flags of the event-list edition's document commands. UTF-8.
#pragma once
#include <cstdint>
#include <string_view>

#include "platform/MessageBoxes.h"

namespace xd {

inline constexpr std::string_view kEventBoxCaption = "迅点小侠";
inline constexpr std::string_view kNewEventScriptCaption = "新脚本";
inline constexpr std::string_view kEventModifiedMark = " *";

// Refusals of a file; the first three are followed by the path.
inline constexpr std::string_view kEventScriptDamagedText = "脚本文件损坏\r\n";
inline constexpr std::string_view kNotAnEventScriptText = "此文件不是岚榕迅点小侠脚本文件\r\n";
// A file that is there but cannot be read is not called damaged: nothing is wrong with it.
inline constexpr std::string_view kEventScriptUnreadableText =
    "无法读取脚本文件，可能正被其他程序占用，或没有读取权限。\r\n";
// Followed by the program's version, "\r\n", kScriptVersionLabel and the file's version.
inline constexpr std::string_view kNewerEventScriptText =
    "此脚本是由更高版本的岚榕迅点小侠脚本文件\r\n因此无法打开，请更新本软件。\r\n软件版本：";
inline constexpr std::string_view kScriptVersionLabel = "脚本版本：";
inline constexpr std::string_view kNewerEventScriptCaption = "版本低了";

// A save that did not happen is reported, so nobody believes a script is on disk that is not.
inline constexpr std::string_view kEventSaveFailedText = "保存脚本文件失败：\r\n";
// A list the file cannot hold is refused before anything is written; followed by
// the path, "\r\n" and the reason.
inline constexpr std::string_view kEventCannotStoreText = "无法保存脚本文件：\r\n";
// What Play says of an empty list, and 生成软件 too.
inline constexpr std::string_view kNoEventsToPlayText = "没有脚本，无法播放。";

inline constexpr std::uint32_t kEventErrorBoxFlags = mb::kOk | mb::kIconError;

inline constexpr std::string_view kAskToSaveText =
    "当前脚本还未保存，你要保存吗？\r\n【是】  保存\r\n【否】  不保存\r\n【取消】取消当前操作 ";
// Cancel is the default button, so Enter never discards anything.
inline constexpr std::uint32_t kDefaultButton3 = 0x00000200;
inline constexpr std::uint32_t kAskToSaveFlags = mb::kYesNoCancel | mb::kIconQuestion | kDefaultButton3;

inline constexpr std::string_view kOpenEventScriptTitle = "打开脚本文件";
inline constexpr std::string_view kEventScriptFilterName = "迅点小侠脚本 (*.mkx)";
inline constexpr std::string_view kEventScriptFilterPattern = "*.mkx";
inline constexpr std::string_view kAllFilesName = "所有文件 (*.*)";
inline constexpr std::string_view kAllFilesPattern = "*.*";
inline constexpr std::string_view kEventScriptExtension = "mkx";

}  // namespace xd
