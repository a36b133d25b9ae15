// The log of unattended playbacks: one line per run, appended to the file `/log` names, and the same text
// for the console the program was started from.
#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "appcore/unattended/PlayExit.h"
#include "appcore/unattended/UnattendedBoxes.h"
#include "platform/FileSystem.h"

namespace xd {

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// "2026-12-09 04:05:06<TAB>script<TAB>exit code and result<TAB>messages": the messages are what the boxes
// would have said, line ends turned into blanks, several joined by " | ".
[[nodiscard]] std::string FormatPlayLogLine(const LocalTime& time, std::string_view script, PlayExit exit,
                                            std::span<const std::string> messages);

// The box texts of a run as the log and the console give them.
[[nodiscard]] std::vector<std::string> BoxMessages(std::span<const ShownBox> boxes);

// Appends the line and a line end, starting a new file with a UTF-8 byte order mark so that any editor reads
// it as such. False when the file could not be read or written; the playback's result does not change.
[[nodiscard]] bool AppendPlayLog(IFileSystem& files, const std::string& path, const std::string& line);

// The longest start of `text` of at most `maxBytes` bytes that ends between two characters.
[[nodiscard]] std::string Utf8Prefix(std::string_view text, std::size_t maxBytes);

}  // namespace xd
