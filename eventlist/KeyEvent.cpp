#include "eventlist/KeyEvent.h"

#include <vector>

#include "appcore/keyboard/KeyNames.h"
#include "platform/Text.h"

namespace xd {
namespace {

// Characters a run of typing can hold: no control characters, no surrogate halves, nothing past Unicode.
bool Typable(std::int32_t c) noexcept {
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && !(c >= 0xD800 && c <= 0xDFFF) && c <= 0x10FFFF;
}

void AppendUtf8(std::string& out, std::int32_t c) {
    const auto u = static_cast<std::uint32_t>(c);
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (u >> 18));
        out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

}  // namespace

std::string EventKeyText(const RecordedEvent& event) {
    std::string text;
    for (const std::int32_t c : {event.offsetX, event.offsetY}) {
        if (!Typable(c)) break;
        AppendUtf8(text, c);
    }
    return text;
}

void SetEventKeyText(RecordedEvent& event, std::string_view utf8) {
    event.offsetX = 0;
    event.offsetY = 0;
    if (!IsValidUtf8(utf8)) return;
    std::vector<std::int32_t> chars;
    const std::u16string units = Utf8ToUtf16(utf8);
    for (std::size_t i = 0; i < units.size() && chars.size() < 2; ++i) {
        std::int32_t c = units[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        }
        // A key that types a control character (Enter, Tab, Backspace, Ctrl+letter) typed no text.
        if (!Typable(c)) return;
        chars.push_back(c);
    }
    if (!chars.empty()) event.offsetX = chars[0];
    if (chars.size() > 1) event.offsetY = chars[1];
}

std::string KeyEventDescription(std::int32_t message, std::int32_t keyFlags) {
    const std::string_view verb = IsKeyDownMessage(message) ? "按下" : "释放";
    return std::string(verb) + KeyName(GenericEventKey(EventKeyOf(keyFlags).key)) + "键";
}

}  // namespace xd
