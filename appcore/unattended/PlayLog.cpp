#include "appcore/unattended/PlayLog.h"

#include <cstdio>

namespace xd {
namespace {

// A log grows by a line a run; one this large was left to grow by mistake and is not read into memory.
constexpr std::uint64_t kMaxLogBytes = 16u << 20;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string OneLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\r') continue;
        out += c == '\n' || c == '\t' ? ' ' : c;
    }
    return out;
}

}  // namespace

std::string Utf8Prefix(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return std::string(text);
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end));
}

std::string FormatPlayLogLine(const LocalTime& time, std::string_view script, PlayExit exit,
                              std::span<const std::string> messages) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d", time.year % 10000, time.month % 100,
                  time.day % 100, time.hour % 100, time.minute % 100, time.second % 100);
    std::string line = stamp;
    line += '\t';
    line += OneLine(script);
    line += '\t';
    line += std::to_string(ExitCode(exit));
    line += ' ';
    line += PlayExitText(exit);
    line += '\t';
    for (std::size_t i = 0; i < messages.size(); ++i) {
        if (i > 0) line += " | ";
        line += OneLine(messages[i]);
    }
    return line;
}

std::vector<std::string> BoxMessages(std::span<const ShownBox> boxes) {
    std::vector<std::string> messages;
    for (const ShownBox& box : boxes) messages.push_back(box.caption.empty() ? box.text : box.caption + "：" + box.text);
    return messages;
}

bool AppendPlayLog(IFileSystem& files, const std::string& path, const std::string& line) {
    const FileRead read = files.ReadFile(path, kMaxLogBytes);
    std::string bytes;
    if (read.status == FileStatus::Ok) {
        bytes = read.bytes;
    } else if (read.status != FileStatus::NotFound) {
        return false;
    }
    if (bytes.empty()) bytes = kByteOrderMark;
    if (bytes != kByteOrderMark && bytes.back() != '\n') bytes += "\r\n";
    bytes += line;
    bytes += "\r\n";
    return files.WriteFileReplacing(path, bytes);
}

}  // namespace xd
