// 键盘按键 and 输入文字 played through the runner, in both modes, at a notepad whose edit control has the
// focus: the foreground's injected keys and the background's posts reach that control as the same messages.
#include <functional>
#include <string>
#include <vector>

#include "PlaybackFixture.h"
#include "engine/playback/KeyActions.h"
#include "engine/playback/PlaybackMessages.h"
#include "engine/playback/ScriptRunner.h"

namespace xd::test {
namespace {

constexpr const char* kHeader = "'岚榕迅点小侠脚本，版本：4.0  <--第一行不可删除和修改\r\n";
constexpr const char* kTargetLine = "目标窗口(\"记事本\",\"Notepad\",\"0\")\r\n";
constexpr std::uint32_t kCtrl = 0x11;

struct KeyMessageSeen {
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    friend bool operator==(const KeyMessageSeen&, const KeyMessageSeen&) = default;
};

bool IsKeyMessage(std::uint32_t m) {
    return m == msg::kKeyDown || m == msg::kKeyUp || m == msg::kSysKeyDown || m == msg::kSysKeyUp || m == msg::kChar;
}

class KeyActionTest : public PlaybackFixture {
protected:
    KeyActionTest() {
        sim::WindowSpec spec;
        spec.parent = target;
        spec.className = "Edit";
        spec.rect = Rect{100, 130, 500, 400};
        edit = sim.desktop.AddWindow(spec);
        sim.desktop.SetFocus(edit);
        sim.desktop.SetForegroundWindow(target);
    }

    // The whole road: check, 目标窗口 (unless left out), the statements, in virtual time on this thread.
    void Play(bool foreground, const std::string& lines, bool withTarget = true) {
        const std::string text = std::string(kHeader) + "配置.执行次数=1\r\n配置.前台模式=" + (foreground ? "1" : "0") + "\r\n" +
                                 (withTarget ? kTargetLine : "") + lines;
        ASSERT_EQ(RunScript(services, text,
                            [](std::function<void()> work) {
                                work();
                                return true;
                            }),
                  0);
    }

    std::vector<KeyMessageSeen> AtEdit() const {
        std::vector<KeyMessageSeen> seen;
        for (const sim::MessageRecord& m : sim.desktop.MessagesTo(edit))
            if (IsKeyMessage(m.message)) seen.push_back({m.message, m.wParam, m.lParam});
        return seen;
    }

    // Message and key (or character) only, for expectations written by hand.
    static std::vector<std::pair<std::uint32_t, std::uintptr_t>> Keys(const std::vector<KeyMessageSeen>& seen) {
        std::vector<std::pair<std::uint32_t, std::uintptr_t>> keys;
        for (const KeyMessageSeen& m : seen) keys.emplace_back(m.message, m.wParam);
        return keys;
    }

    void Reset() {
        sim.desktop.ClearMessages();
        sim.boxes.Clear();
        stopFlag = false;
    }

    WindowHandle edit = kNoWindow;
};

using Expected = std::vector<std::pair<std::uint32_t, std::uintptr_t>>;

TEST_F(KeyActionTest, BothModesTypeTheSameKeysIntoTheFocusedControl) {
    struct Case {
        const char* lines;
        Expected keys;  // empty: only that the modes agree
    };
    const std::uint32_t down = msg::kKeyDown, up = msg::kKeyUp, chr = msg::kChar;
    const Case cases[] = {
        {"键盘按键(\"Ctrl+S\",2,100)\r\n",
         {{down, kCtrl}, {down, 'S'}, {up, 'S'}, {down, 'S'}, {up, 'S'}, {up, kCtrl}}},
        {"输入文字(\"Hi 迅点😀\",100)\r\n",
         {{chr, 'H'}, {chr, 'i'}, {chr, ' '}, {chr, 0x8FC5}, {chr, 0x70B9}, {chr, 0xD83D}, {chr, 0xDE00}}},
        // Quoted as a window title is: the inner quotes doubled, a quote at either end too.
        {"输入文字(\"\"\"a, b)\"\"\",0)\r\n", {{chr, '"'}, {chr, 'a'}, {chr, ','}, {chr, ' '}, {chr, 'b'}, {chr, ')'}, {chr, '"'}}},
        {"键盘按键(\"Enter\",3,50)\r\n鼠标点击(1,10,10,1,50)\r\n键盘按键(\"Shift+Left\",1,50)\r\n", {}},
        {"键盘按键(\"Alt+F4\",1,0)\r\n键盘按键(\"VK_BA\",1,0)\r\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        std::vector<KeyMessageSeen> byMode[2];
        for (const bool foreground : {true, false}) {
            Reset();
            Play(foreground, c.lines);
            EXPECT_EQ(sim.boxes.Count(), 0u);
            byMode[foreground ? 1 : 0] = AtEdit();
            // Nothing went to the notepad's frame, and every key that went down came up.
            for (const sim::MessageRecord& m : sim.desktop.MessagesTo(target)) EXPECT_FALSE(IsKeyMessage(m.message));
            for (const int key : {0x10, 0x11, 0x12, 0xA0, 0xA2, 0xA4}) EXPECT_EQ(sim.desktop.KeyState(key) & 0x8000, 0);
        }
        EXPECT_FALSE(byMode[1].empty());
        EXPECT_EQ(byMode[1], byMode[0]);
        if (!c.keys.empty()) {
            EXPECT_EQ(Keys(byMode[1]), c.keys);
        }
    }
}

TEST_F(KeyActionTest, WaitsAndSpeedApplyAsToMouseLines) {
    // A's 500 ms, less the 2 ms each press is allowed, at speed 2: B comes 2 + 249 ms after A.
    Play(false, "键盘按键(\"A\",1,500)\r\n键盘按键(\"B\",1,0)\r\n配置.执行速度=2\r\n");
    std::vector<std::int64_t> downs;
    for (const sim::MessageRecord& m : sim.desktop.MessagesTo(edit))
        if (m.message == msg::kKeyDown) downs.push_back(m.micros);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[1] - downs[0], 251'000);
}

TEST_F(KeyActionTest, BackgroundKeysNeedATargetAsClicksDoForegroundKeysDoNot) {
    Play(false, "输入文字(\"x\",0)\r\n", false);
    ASSERT_EQ(sim.boxes.Count(), 1u);
    EXPECT_EQ(sim.boxes.Shown()[0].text, kNoTargetText);
    EXPECT_EQ(sim.boxes.Shown()[0].caption, kRunErrorCaption);
    EXPECT_TRUE(AtEdit().empty());

    Reset();
    Play(true, "输入文字(\"x\",0)\r\n键盘按键(\"Enter\",1,0)\r\n", false);
    EXPECT_EQ(sim.boxes.Count(), 0u);
    EXPECT_EQ(AtEdit().size(), 3u);
}

TEST_F(KeyActionTest, AStopBetweenPressesLetsTheModifiersGo) {
    for (const bool foreground : {true, false}) {
        SCOPED_TRACE(foreground);
        Reset();
        int presses = 0;
        sim.desktop.SetMessageObserver([&](const sim::MessageRecord& m) {
            if (m.message == msg::kKeyDown && m.wParam == 'A' && ++presses == 2) stopFlag = true;
        });
        Play(foreground, "键盘按键(\"Ctrl+A\",5,0)\r\n");
        sim.desktop.SetMessageObserver(nullptr);
        const Expected keys = Keys(AtEdit());
        const Expected expected{{msg::kKeyDown, kCtrl}, {msg::kKeyDown, 'A'}, {msg::kKeyUp, 'A'},
                                {msg::kKeyDown, 'A'},   {msg::kKeyUp, 'A'},   {msg::kKeyUp, kCtrl}};
        EXPECT_EQ(keys, expected);
        EXPECT_EQ(sim.desktop.KeyState(kCtrl) & 0x8000, 0);
        EXPECT_EQ(sim.boxes.Count(), 0u);
    }
}

TEST_F(KeyActionTest, RefusedKeysStopOnceNamingTheWindowAndLeaveNothingHeld) {
    const std::string refused =
        "无法向窗口“记事本”发送鼠标操作。该窗口可能属于以更高权限运行的程序，请以管理员身份运行本程序。";
    // Foreground: only Ctrl's press goes in; it is let go again.
    sim.input.FailNextInjection(1);
    Play(true, "键盘按键(\"Ctrl+A\",1,0)\r\n输入文字(\"b\",0)\r\n");
    ASSERT_EQ(sim.boxes.Count(), 1u);
    EXPECT_EQ(sim.boxes.Shown()[0].text, refused);
    EXPECT_EQ(Keys(AtEdit()), (Expected{{msg::kKeyDown, kCtrl}, {msg::kKeyUp, kCtrl}}));
    EXPECT_EQ(sim.desktop.KeyState(kCtrl) & 0x8000, 0);

    // Background: the control refuses; the box names its window, never the control, whose title is its text.
    Reset();
    sim.desktop.RefusePosts(edit);
    Play(false, "键盘按键(\"Ctrl+A\",3,0)\r\n输入文字(\"b\",0)\r\n");
    ASSERT_EQ(sim.boxes.Count(), 1u);
    EXPECT_EQ(sim.boxes.Shown()[0].text, refused);
    EXPECT_TRUE(AtEdit().empty());
}

}  // namespace
}  // namespace xd::test
