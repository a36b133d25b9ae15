#include "eventlist/KeyEvent.h"

#include <vector>

#include "appcore/keyboard/KeyNames.h"
#include "appcore/keyboard/TypedText.h"
#include "platform/Text.h"

namespace xd {

std::string EventKeyText(const RecordedEvent& event) {
    std::string text;
    for (const std::int32_t c : {event.offsetX, event.offsetY}) {
        if (!IsTypableCharacter(static_cast<char32_t>(c))) break;
        AppendUtf8(text, static_cast<char32_t>(c));
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
        if (!IsTypableCharacter(static_cast<char32_t>(c))) return;
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
