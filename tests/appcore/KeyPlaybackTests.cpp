#include <gtest/gtest.h>

#include <vector>

#include "appcore/keyboard/KeyPlayback.h"
#include "platform/KeyMessages.h"
#include "platform/sim/SimPlatform.h"

namespace xd {
namespace {

// Values a program on the system receives, as documented and as Spy++ shows them.
TEST(KeyMessageLParam, MatchesTheSystemsMessages) {
    struct Case {
        KeyMessageBits bits;
        std::uint32_t lParam;
    };
    const Case cases[] = {
        {{0x1E, false, false, false, false}, 0x001E0001u},  // A down
        {{0x1E, false, true, true, false}, 0xC01E0001u},    // A up
        {{0x1E, false, false, true, false}, 0x401E0001u},   // A repeating
        {{0x3E, false, false, false, true}, 0x203E0001u},   // Alt+F4: F4 down
        {{0x4B, true, false, false, false}, 0x014B0001u},   // Left arrow down
        {{0x38, false, true, true, false}, 0xC0380001u},    // Alt released
    };
    for (const Case& c : cases)
        EXPECT_EQ(static_cast<std::uint32_t>(KeyMessageLParam(c.bits)), c.lParam) << std::hex << c.lParam;
}

struct Received {
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    friend bool operator==(const Received&, const Received&) = default;
};

std::vector<Received> At(sim::SimDesktop& desktop, WindowHandle w) {
    std::vector<Received> got;
    for (const sim::MessageRecord& m : desktop.MessagesTo(w)) got.push_back({m.message, m.wParam, m.lParam});
    return got;
}

// What the foreground's SendInput makes the system deliver and what the background posts are the same
// messages at the same control, for keys with and without modifiers and for text beyond one UTF-16 unit.
TEST(KeyPlayback, ForegroundInputAndBackgroundPostsReachTheControlAlike) {
    struct Case {
        const char* keys;
        int count;
        const char* text;
    };
    const Case cases[] = {{"Ctrl+S", 1, nullptr},    {"Alt+F4", 1, nullptr}, {"Enter", 3, nullptr},
                          {"Ctrl+Alt+Delete", 1, nullptr}, {"Shift+Left", 2, nullptr}, {"F10", 1, nullptr},
                          {"Alt", 1, nullptr},      {nullptr, 0, "Ab 迅点😀"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys ? c.keys : c.text);
        sim::SimPlatform sim;
        sim::WindowSpec spec;
        spec.title = "记事本";
        const WindowHandle top = sim.desktop.AddWindow(spec);
        spec.parent = top;
        spec.className = "Edit";
        const WindowHandle edit = sim.desktop.AddWindow(spec);
        sim.desktop.SetFocus(edit);
        sim.desktop.SetForegroundWindow(top);
        ASSERT_EQ(KeyTarget(sim.desktop, top), edit);

        std::vector<KeyInputRecord> records;
        std::vector<KeyMessage> posts;
        if (c.keys) {
            HeldKeys held;
            const auto keys = ParseKeyCombination(c.keys);
            ASSERT_TRUE(keys);
            for (const KeyStroke& s : CombinationStrokes(sim.desktop, top, *keys, c.count)) {
                records.push_back(StrokeRecord(s));
                posts.push_back(StrokeMessage(s, held));
            }
        } else {
            records = TextRecords(c.text);
            posts = TextMessages(c.text);
        }
        ASSERT_EQ(sim.input.SendKeyInput(records), records.size());
        const std::vector<Received> foreground = At(sim.desktop, edit);
        std::vector<Received> background;
        for (const KeyMessage& m : posts) background.push_back({m.message, m.wParam, m.lParam});
        EXPECT_EQ(foreground, background);
        // Every key that went down came up again.
        for (const int key : {0x10, 0x11, 0x12, 0x5B}) EXPECT_EQ(sim.desktop.KeyState(key) & 0x8000, 0);
    }
}

TEST(KeyPlayback, TextTypesEachUnitAndKeysWithoutAFocusGoToTheWindow) {
    const std::vector<KeyMessage> text = TextMessages("a😀");
    ASSERT_EQ(text.size(), 3u);
    EXPECT_EQ(text[0], (KeyMessage{msg::kChar, 'a', 1}));
    EXPECT_EQ(text[1].wParam, 0xD83Du);
    EXPECT_EQ(text[2].wParam, 0xDE00u);

    sim::SimPlatform sim;
    const WindowHandle top = sim.desktop.AddWindow(sim::WindowSpec{});
    EXPECT_EQ(KeyTarget(sim.desktop, top), top);
}

}  // namespace
}  // namespace xd
