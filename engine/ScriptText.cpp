#include "engine/ScriptText.h"

#include "engine/Messages.h"

namespace xd {

std::string_view StripSpaces(std::string_view text) noexcept {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool NextScriptLine(std::string_view text, std::size_t& pos, std::string_view& line) noexcept {
    // pos == size + 1 marks "the last line has been handed out".
    if (pos > text.size()) return false;
    const std::size_t end = text.find("\r\n", pos);
    if (end == std::string_view::npos) {
        line = text.substr(pos);
        pos = text.size() + 1;
    } else {
        line = text.substr(pos, end - pos);
        pos = end + 2;
    }
    return true;
}

bool StartsWithHeaderMark(std::string_view text) noexcept {
    return text.starts_with(kScriptHeaderMark);
}

}  // namespace xd
