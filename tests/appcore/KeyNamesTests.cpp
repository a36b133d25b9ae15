#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "appcore/keyboard/KeyNames.h"

namespace xd {
namespace {

TEST(KeyNames, ParseAndPrint) {
    struct Case {
        const char* text;
        std::optional<KeyCombination> keys;
        const char* printed;  // nullptr: as given
    };
    const Case cases[] = {
        {"Ctrl+S", KeyCombination{kModCtrl, 'S'}, nullptr},
        {"ctrl+shift+f5", KeyCombination{kModCtrl | kModShift, 0x74}, "Ctrl+Shift+F5"},
        {"Shift+Ctrl+Alt+Win+Delete", KeyCombination{kModCtrl | kModShift | kModAlt | kModWin, 0x2E},
         "Ctrl+Shift+Alt+Win+Delete"},
        {"Enter", KeyCombination{0, 0x0D}, nullptr},
        {"F24", KeyCombination{0, 0x87}, nullptr},
        {"PageDown", KeyCombination{0, 0x22}, nullptr},
        {"Alt+Tab", KeyCombination{kModAlt, 0x09}, nullptr},
        {"7", KeyCombination{0, '7'}, nullptr},
        {"Ctrl", KeyCombination{0, vk::kControl}, nullptr},
        {"Shift+Ctrl", KeyCombination{kModShift, vk::kControl}, nullptr},
        {"Win+R", KeyCombination{kModWin, 'R'}, nullptr},
        {"vk_ba", KeyCombination{0, 0xBA}, "VK_BA"},
        {"Ctrl+VK_0D", KeyCombination{kModCtrl, 0x0D}, "Ctrl+Enter"},
        {"", std::nullopt, nullptr},
        {"Ctrl+", std::nullopt, nullptr},
        {"+S", std::nullopt, nullptr},
        {"Ctrl+Ctrl", std::nullopt, nullptr},
        {"Ctrl+Ctrl+S", std::nullopt, nullptr},
        {"S+Ctrl", std::nullopt, nullptr},
        {"F0", std::nullopt, nullptr},
        {"F25", std::nullopt, nullptr},
        {"F01", std::nullopt, nullptr},
        {"VK_00", std::nullopt, nullptr},
        {"VK_FF", std::nullopt, nullptr},
        {"VK_G1", std::nullopt, nullptr},
        {"Ctrl+S+T", std::nullopt, nullptr},
        {"Control+S", std::nullopt, nullptr},
        {"中", std::nullopt, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseKeyCombination(c.text), c.keys) << c.text;
        if (c.keys) {
            EXPECT_EQ(FormatKeyCombination(*c.keys), c.printed ? c.printed : c.text) << c.text;
        }
    }
}

// Whatever the recorder meets prints as a name the check takes back unchanged.
TEST(KeyNames, EveryKeyWithEveryModifierSetRoundTrips) {
    for (int key = 1; key <= 254; ++key) {
        for (int modifiers = 0; modifiers < 16; ++modifiers) {
            const KeyCombination keys{static_cast<std::uint8_t>(modifiers), static_cast<std::uint8_t>(key)};
            const std::string text = FormatKeyCombination(keys);
            const std::optional<KeyCombination> back = ParseKeyCombination(text);
            const bool holdsItself = (modifiers & kModCtrl && key == vk::kControl) ||
                                     (modifiers & kModShift && key == vk::kShift) ||
                                     (modifiers & kModAlt && key == vk::kAlt) ||
                                     (modifiers & kModWin && key == vk::kLeftWin);
            if (holdsItself) {
                EXPECT_FALSE(back) << text;
            } else {
                EXPECT_EQ(back, keys) << text;
            }
        }
    }
}

}  // namespace
}  // namespace xd
