#include "appcore/keyboard/TypedText.h"

namespace xd {

bool IsPrintableText(std::string_view utf8) noexcept {
    if (utf8.empty()) return false;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x20 || c == 0x7F) return false;
        // U+0080..U+009F are C2 80..C2 9F in UTF-8.
        if (c == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) return false;
    }
    return true;
}

}  // namespace xd
