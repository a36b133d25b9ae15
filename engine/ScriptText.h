// Line handling of script text: lines end at CR LF only, and only the ASCII
// space is stripped (tabs and full-width spaces are part of the line).
#pragma once
#include <cstddef>
#include <string_view>

namespace xd {

[[nodiscard]] std::string_view StripSpaces(std::string_view text) noexcept;

// Hands out the next line of text starting at pos (without its CR LF) and moves
// pos past it. Returns false once every line has been handed out; a text ending
// in CR LF has a final empty line, as the editor shows it.
[[nodiscard]] bool NextScriptLine(std::string_view text, std::size_t& pos, std::string_view& line) noexcept;

[[nodiscard]] bool StartsWithHeaderMark(std::string_view text) noexcept;

}  // namespace xd
