#include "platform/sim/IniText.h"

namespace xd::sim {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool NamesMatch(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

// One physical line: content [begin, end), its line end [end, next).
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

// CR LF, LF and a lone CR all end a line.
Line LineAt(std::string_view text, std::size_t pos) {
    Line line{pos, pos, pos};
    while (line.end < text.size() && text[line.end] != '\n' && text[line.end] != '\r') ++line.end;
    line.next = line.end;
    if (line.next < text.size()) {
        if (text[line.next] == '\r' && line.next + 1 < text.size() && text[line.next + 1] == '\n') {
            line.next += 2;
        } else {
            line.next += 1;
        }
    }
    return line;
}

std::size_t ContentStart(std::string_view text) {
    return text.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
}

// "[name]" with optional blanks around; the name runs to the last "]".
std::optional<std::string_view> SectionName(std::string_view content) {
    std::string_view s = Trim(content);
    if (s.empty() || s.front() != '[') return std::nullopt;
    std::size_t close = s.rfind(']');
    if (close == std::string_view::npos || close == 0) return std::nullopt;
    return s.substr(1, close - 1);
}

struct Entry {
    std::string_view key;
    std::size_t valueBegin = 0;  // offset in the whole text, after the blanks following "="
};

std::optional<Entry> EntryOf(std::string_view text, const Line& line) {
    std::string_view content = text.substr(line.begin, line.end - line.begin);
    std::string_view trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
    std::size_t eq = content.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    std::size_t v = eq + 1;
    while (v < content.size() && IsBlank(content[v])) ++v;
    return Entry{content.substr(0, eq), line.begin + v};
}

// Where a key lives, or where it would go.
struct Location {
    bool sectionFound = false;
    bool keyFound = false;
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
    std::size_t insertAt = 0;       // after the section's last non-blank line
    bool insertNeedsLineEnd = false;  // that line is the file's last and has no line end
};

Location Locate(std::string_view text, std::string_view section, std::string_view key) {
    Location loc;
    bool inSection = false;
    for (std::size_t pos = ContentStart(text); pos < text.size();) {
        Line line = LineAt(text, pos);
        pos = line.next;
        std::string_view content = text.substr(line.begin, line.end - line.begin);
        if (auto name = SectionName(content)) {
            if (inSection) break;  // only the first matching section counts
            inSection = NamesMatch(*name, section);
            if (inSection) {
                loc.sectionFound = true;
                loc.insertAt = line.next;
                loc.insertNeedsLineEnd = line.next == line.end;
            }
            continue;
        }
        if (!inSection) continue;
        if (!Trim(content).empty()) {
            loc.insertAt = line.next;
            loc.insertNeedsLineEnd = line.next == line.end;
        }
        if (auto entry = EntryOf(text, line); entry && NamesMatch(entry->key, key)) {
            loc.keyFound = true;
            loc.valueBegin = entry->valueBegin;
            loc.valueEnd = line.end;
            return loc;
        }
    }
    return loc;
}

// New lines follow the file's own convention; CR LF for a file without one.
std::string_view LineEndOf(std::string_view text) {
    std::size_t i = text.find_first_of("\r\n");
    if (i == std::string_view::npos) return "\r\n";
    if (text[i] == '\n') return "\n";
    return (i + 1 < text.size() && text[i + 1] == '\n') ? "\r\n" : "\r";
}

bool FitsOnOneLine(std::string_view s) { return s.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos; }

}  // namespace

std::optional<std::string> IniText::Get(std::string_view section, std::string_view key) const {
    Location loc = Locate(text_, section, key);
    if (!loc.keyFound) return std::nullopt;
    std::string_view value = Trim(std::string_view(text_).substr(loc.valueBegin, loc.valueEnd - loc.valueBegin));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

bool IniText::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    // A key opening with "[" or ";" would read back as a section or a comment.
    if (key.empty() || key.front() == ';' || key.front() == '[' || key.find('=') != std::string_view::npos ||
        section.find(']') != std::string_view::npos || !FitsOnOneLine(section) || !FitsOnOneLine(key) ||
        !FitsOnOneLine(value)) {
        return false;
    }
    Location loc = Locate(text_, section, key);
    if (loc.keyFound) {
        text_.replace(loc.valueBegin, loc.valueEnd - loc.valueBegin, value);
        return true;
    }
    std::string eol(LineEndOf(text_));
    std::string entry = std::string(key) + "=" + std::string(value) + eol;
    if (loc.sectionFound) {
        if (loc.insertNeedsLineEnd) entry.insert(0, eol);
        text_.insert(loc.insertAt, entry);
        return true;
    }
    std::string block;
    bool hasContent = text_.size() > ContentStart(text_);
    if (hasContent) {
        char last = text_.back();
        if (last != '\n' && last != '\r') block += eol;
        block += eol;  // a blank line between sections, as the Win32 service writes
    }
    block += "[" + std::string(section) + "]" + eol + entry;
    text_ += block;
    return true;
}

std::string TruncateToBufferChars(std::string_view text, std::size_t bufferChars) {
    if (bufferChars == 0) return {};
    std::size_t room = bufferChars - 1;
    std::size_t units = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        auto b = static_cast<unsigned char>(text[i]);
        std::size_t len = 1;
        std::size_t charUnits = 1;
        if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            charUnits = 2;
        }
        if (len > 1) {
            bool whole = i + len <= text.size();
            for (std::size_t k = 1; whole && k < len; ++k) {
                whole = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
            }
            if (!whole) {
                // A broken sequence counts byte by byte, as one replacement character each.
                len = 1;
                charUnits = 1;
            }
        }
        if (units + charUnits > room) break;
        units += charUnits;
        i += len;
    }
    return std::string(text.substr(0, i));
}

}  // namespace xd::sim
