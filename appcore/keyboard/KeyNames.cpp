#include "appcore/keyboard/KeyNames.h"

#include <array>
#include <cctype>

#include "platform/Text.h"

namespace xd {
namespace {

struct NamedKey {
    std::string_view name;
    std::uint8_t key;
};

// Keys with a name of their own; letters, digits and F1..F24 are made from their codes.
constexpr std::array<NamedKey, 19> kNamedKeys{{
    {"Backspace", 0x08}, {"Tab", 0x09}, {"Enter", 0x0D}, {"Shift", vk::kShift}, {"Ctrl", vk::kControl},
    {"Alt", vk::kAlt}, {"Esc", 0x1B}, {"Space", 0x20}, {"PageUp", 0x21}, {"PageDown", 0x22}, {"End", 0x23},
    {"Home", 0x24}, {"Left", 0x25}, {"Up", 0x26}, {"Right", 0x27}, {"Down", 0x28}, {"Insert", 0x2D},
    {"Delete", 0x2E}, {"Win", vk::kLeftWin},
}};

struct Modifier {
    std::string_view name;
    std::uint8_t bit;
    std::uint8_t key;
};
constexpr std::array<Modifier, 4> kModifiers{{
    {"Ctrl", kModCtrl, vk::kControl},
    {"Shift", kModShift, vk::kShift},
    {"Alt", kModAlt, vk::kAlt},
    {"Win", kModWin, vk::kLeftWin},
}};

constexpr std::uint8_t kF1 = 0x70;
constexpr int kFunctionKeys = 24;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const int lower = std::tolower(static_cast<unsigned char>(c));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

std::optional<std::uint8_t> ParseKey(std::string_view name) {
    for (const NamedKey& k : kNamedKeys) {
        if (EqualsIgnoringAsciiCase(name, k.name)) return k.key;
    }
    if (name.size() == 1) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<std::uint8_t>(c);
        return std::nullopt;
    }
    if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3) {
        int number = 0;
        for (const char c : name.substr(1)) {
            if (c < '0' || c > '9') return std::nullopt;
            number = number * 10 + (c - '0');
        }
        if (name[1] == '0' || number < 1 || number > kFunctionKeys) return std::nullopt;
        return static_cast<std::uint8_t>(kF1 + number - 1);
    }
    if (name.size() == 5 && EqualsIgnoringAsciiCase(name.substr(0, 3), "VK_")) {
        const int high = HexDigit(name[3]), low = HexDigit(name[4]);
        const int code = high < 0 || low < 0 ? 0 : high * 16 + low;
        if (code < 1 || code > 254) return std::nullopt;
        return static_cast<std::uint8_t>(code);
    }
    return std::nullopt;
}

}  // namespace

std::string KeyName(std::uint8_t key) {
    for (const NamedKey& k : kNamedKeys) {
        if (k.key == key) return std::string(k.name);
    }
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= kF1 && key < kF1 + kFunctionKeys) return "F" + std::to_string(key - kF1 + 1);
    constexpr char kHex[] = "0123456789ABCDEF";
    return std::string("VK_") + kHex[key >> 4] + kHex[key & 15];
}

std::optional<KeyCombination> ParseKeyCombination(std::string_view text) {
    KeyCombination keys;
    for (;;) {
        const std::size_t plus = text.find('+');
        const std::string_view part = text.substr(0, plus);
        if (part.empty()) return std::nullopt;
        if (plus == std::string_view::npos) {
            const std::optional<std::uint8_t> key = ParseKey(part);
            if (!key) return std::nullopt;
            // "Ctrl+Ctrl" holds what it presses.
            for (const Modifier& m : kModifiers) {
                if ((keys.modifiers & m.bit) && m.key == *key) return std::nullopt;
            }
            keys.key = *key;
            return keys;
        }
        const Modifier* found = nullptr;
        for (const Modifier& m : kModifiers) {
            if (EqualsIgnoringAsciiCase(part, m.name)) found = &m;
        }
        if (!found || (keys.modifiers & found->bit)) return std::nullopt;
        keys.modifiers = static_cast<std::uint8_t>(keys.modifiers | found->bit);
        text.remove_prefix(plus + 1);
    }
}

std::string FormatKeyCombination(const KeyCombination& keys) {
    std::string text;
    for (const Modifier& m : kModifiers) {
        if (keys.modifiers & m.bit) text.append(m.name).push_back('+');
    }
    return text + KeyName(keys.key);
}

}  // namespace xd
