#include <string>

#include "engine/ScriptSyntax.h"
#include "engine/ScriptText.h"

namespace xd {

namespace {

// True when every quote in `body` belongs to a doubled pair, as a writer of quoted arguments leaves them.
bool QuotesAllDoubled(std::string_view body) noexcept {
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] != '"') continue;
        if (i + 1 >= body.size() || body[i + 1] != '"') return false;
        ++i;
    }
    return true;
}

std::string_view StripArgument(std::string_view text) noexcept {
    text = StripSpaces(text);
    // A properly quoted argument loses exactly its enclosing pair, so a title that
    // begins or ends with a (doubled) quote keeps it; anything else loses every
    // quote at its ends.
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        const std::string_view body = text.substr(1, text.size() - 2);
        if (QuotesAllDoubled(body)) return body;
    }
    const std::size_t first = text.find_first_not_of('"');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of('"');
    return text.substr(first, last - first + 1);
}

// Hands each argument's bytes (index, text between its delimiters) to `store`, as SplitArguments reads them.
template <typename Store>
void ScanArguments(std::string_view line, Store&& store) {
    bool inQuotes = false;
    std::size_t start = 0;
    // Slot of the argument being read; -1 until the first "(".
    std::ptrdiff_t index = -1;

    auto take = [&](std::size_t end) {
        if (index < 0 || static_cast<std::size_t>(index) >= kMaxArgumentSlots) return;
        store(static_cast<std::size_t>(index), line.substr(start, end - start));
    };

    for (std::size_t p = 0; p < line.size(); ++p) {
        const char c = line[p];
        if (inQuotes) {
            if (c == '"') inQuotes = false;
            continue;
        }
        switch (c) {
            case '(':
                start = p + 1;
                ++index;
                break;
            case '"': inQuotes = true; break;
            case '\'': return;
            case ',':
                take(p);
                start = p + 1;
                ++index;
                break;
            case ')':
                take(p);
                return;
            default: break;
        }
    }
}

}  // namespace

std::vector<std::string> SplitArguments(std::string_view line) {
    std::vector<std::string> arguments;
    ScanArguments(line, [&](std::size_t slot, std::string_view text) {
        if (arguments.size() <= slot) arguments.resize(slot + 1);
        arguments[slot] = std::string(StripArgument(text));
    });
    return arguments;
}

std::vector<std::string_view> RawArguments(std::string_view line) {
    std::vector<std::string_view> arguments;
    ScanArguments(line, [&](std::size_t slot, std::string_view text) {
        if (arguments.size() <= slot) arguments.resize(slot + 1);
        arguments[slot] = StripSpaces(text);
    });
    return arguments;
}

std::string UndoubleQuotes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') ++i;
    }
    return out;
}

std::optional<std::string> QuotedText(std::string_view raw) {
    if (raw.size() < 2 || raw.front() != '"' || raw.back() != '"') return std::nullopt;
    const std::string_view body = raw.substr(1, raw.size() - 2);
    if (!QuotesAllDoubled(body)) return std::nullopt;
    return UndoubleQuotes(body);
}

}  // namespace xd
