#include "appcore/keyboard/KeyPlayback.h"

#include "platform/KeyMessages.h"
#include "platform/Text.h"

namespace xd {

namespace {

struct ModifierKey {
    std::uint8_t bit;
    std::uint8_t key;
};
constexpr ModifierKey kModifierKeys[] = {
    {kModCtrl, vk::kControl}, {kModShift, vk::kShift}, {kModAlt, vk::kAlt}, {kModWin, vk::kLeftWin}};

KeyStroke Stroke(IWindowSystem& windows, WindowHandle layoutWindow, std::uint8_t key, bool up) {
    return KeyStroke{key, windows.ScanCode(layoutWindow, key), IsExtendedKey(key), up};
}

// The generic modifier a left or right one stands for in a program's messages.
std::uint8_t GenericKey(std::uint8_t key) {
    if (key >= 0xA0 && key <= 0xA5) return static_cast<std::uint8_t>(0x10 + (key - 0xA0) / 2);
    return key;
}

}  // namespace

std::vector<KeyStroke> CombinationStrokes(IWindowSystem& windows, WindowHandle layoutWindow,
                                          const KeyCombination& keys, int count) {
    std::vector<KeyStroke> strokes;
    for (const ModifierKey& m : kModifierKeys)
        if (keys.modifiers & m.bit) strokes.push_back(Stroke(windows, layoutWindow, m.key, false));
    for (int i = 0; i < count; ++i) {
        strokes.push_back(Stroke(windows, layoutWindow, keys.key, false));
        strokes.push_back(Stroke(windows, layoutWindow, keys.key, true));
    }
    for (auto m = std::rbegin(kModifierKeys); m != std::rend(kModifierKeys); ++m)
        if (keys.modifiers & m->bit) strokes.push_back(Stroke(windows, layoutWindow, m->key, true));
    return strokes;
}

KeyInputRecord StrokeRecord(const KeyStroke& s) {
    KeyInputRecord r;
    r.virtualKey = s.key;
    r.scanCode = static_cast<std::uint16_t>(s.scanCode & 0xFFu);
    if (r.scanCode != 0) r.flags |= keyevent::kScanCode;
    if (s.extended) r.flags |= keyevent::kExtended;
    if (s.up) r.flags |= keyevent::kKeyUp;
    return r;
}

std::vector<KeyInputRecord> TextRecords(std::string_view utf8) {
    std::vector<KeyInputRecord> records;
    for (const char16_t unit : Utf8ToUtf16(utf8)) {
        records.push_back(KeyInputRecord{0, static_cast<std::uint16_t>(unit), keyevent::kUnicode, 0});
        records.push_back(KeyInputRecord{0, static_cast<std::uint16_t>(unit), keyevent::kUnicode | keyevent::kKeyUp, 0});
    }
    return records;
}

std::vector<KeyInputRecord> ReleaseRecords(const std::vector<KeyInputRecord>& records, std::size_t inserted) {
    std::vector<KeyInputRecord> down;
    for (std::size_t i = 0; i < inserted && i < records.size(); ++i) {
        const KeyInputRecord& r = records[i];
        if (r.flags & keyevent::kUnicode) continue;
        const auto same = [&r](const KeyInputRecord& d) {
            return d.virtualKey == r.virtualKey && d.scanCode == r.scanCode;
        };
        std::erase_if(down, same);
        if (!(r.flags & keyevent::kKeyUp)) down.push_back(r);
    }
    std::vector<KeyInputRecord> ups;
    for (auto d = down.rbegin(); d != down.rend(); ++d) {
        KeyInputRecord up = *d;
        up.flags |= keyevent::kKeyUp;
        up.time = 0;
        ups.push_back(up);
    }
    return ups;
}

void HeldKeys::Set(std::uint8_t key, bool down) noexcept {
    const std::uint64_t bit = std::uint64_t{1} << (key % 64);
    if (down)
        bits_[key / 64] |= bit;
    else
        bits_[key / 64] &= ~bit;
}

KeyMessage StrokeMessage(const KeyStroke& s, HeldKeys& held) {
    const std::uint8_t key = GenericKey(s.key);
    const bool isAlt = key == vk::kAlt;
    // Alt's own press already counts; its own release has no context bit.
    const bool alt = (held.Down(vk::kAlt) && !(s.up && isAlt)) || (!s.up && isAlt);
    const bool system = IsSystemKey(key, alt || (s.up && isAlt), held.Down(vk::kControl));
    const bool wasDown = held.Down(key);
    held.Set(key, !s.up);
    const std::uint32_t message = s.up ? (system ? msg::kSysKeyUp : msg::kKeyUp)
                                       : (system ? msg::kSysKeyDown : msg::kKeyDown);
    return KeyMessage{message, key, KeyMessageLParam(KeyMessageBits{s.scanCode, s.extended, s.up, wasDown, alt && system})};
}

std::vector<KeyMessage> TextMessages(std::string_view utf8) {
    std::vector<KeyMessage> messages;
    for (const char16_t unit : Utf8ToUtf16(utf8)) messages.push_back(KeyMessage{msg::kChar, unit, 1});
    return messages;
}

WindowHandle KeyTarget(IWindowSystem& windows, WindowHandle window) {
    const WindowHandle focus = windows.FocusedWindow(window);
    return focus != kNoWindow ? focus : window;
}

}  // namespace xd
