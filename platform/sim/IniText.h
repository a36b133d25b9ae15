// The text layer of our own INI store: lookup and single-key replacement on
// the file's bytes. Everything it does not change stays byte for byte, so a
// hand-edited file keeps its comments, order, odd lines and line ends.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace xd::sim {

class IniText {
public:
    IniText() = default;
    explicit IniText(std::string bytes) noexcept : text_(std::move(bytes)) {}

    const std::string& Bytes() const noexcept { return text_; }

    // The value of the first matching key in the first matching section, with
    // surrounding blanks and one pair of matching quotes removed (as the Win32
    // service reads it); nullopt when the section or key is missing. Names
    // match with surrounding blanks ignored and ASCII letters in either case.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Replaces that key's value, or adds the key (and its section) at the end
    // of the section (file). False, with nothing changed, for names or values
    // that would not read back as this entry: an empty key, line breaks, NUL,
    // "=" in a key, a key opening with "[" or ";", "]" in a section name.
    [[nodiscard]] bool Set(std::string_view section, std::string_view key, std::string_view value);

private:
    std::string text_;
};

// Cuts text to at most bufferChars - 1 UTF-16 code units, never inside a
// character; what Win32 leaves in a buffer of that many characters.
std::string TruncateToBufferChars(std::string_view text, std::size_t bufferChars);

}  // namespace xd::sim
