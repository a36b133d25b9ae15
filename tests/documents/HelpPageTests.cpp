#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>

#include "appcore/keyboard/KeyNames.h"
#include "documents/HelpPage.h"
#include "engine/Messages.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimShell.h"

namespace xd {
namespace {

constexpr std::string_view kPage = "<html>帮助</html>";

class HelpPageTest : public ::testing::Test {
protected:
    std::string Open() {
        return OpenHelpPage(files, shell, boxes,
                            HelpPageRequest{kPage, "迅点小侠4帮助.html", "D:\\工具\\", "迅点小侠", 77});
    }
    sim::SimFileSystem files;
    sim::SimShell shell;
    sim::SimMessageBoxes boxes;
};

TEST_F(HelpPageTest, WritesThePageToTheTempFolderAndOpensIt) {
    shell.SetTempFolder("C:\\Users\\u\\Temp\\");
    files.Put("C:\\Users\\u\\Temp\\迅点小侠4帮助.html", "an older program's page");
    EXPECT_EQ(Open(), "C:\\Users\\u\\Temp\\迅点小侠4帮助.html");
    EXPECT_EQ(files.Get("C:\\Users\\u\\Temp\\迅点小侠4帮助.html"), std::string(kPage));
    EXPECT_EQ(shell.Opened(), std::vector<std::string>{"C:\\Users\\u\\Temp\\迅点小侠4帮助.html"});
    EXPECT_FALSE(files.Get("D:\\工具\\迅点小侠4帮助.html"));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(HelpPageTest, FallsBackToTheProgramFolderWhenTempCannotBeUsed) {
    for (const std::string temp : {"", "C:\\NoSeparator"}) {
        shell.SetTempFolder(temp);
        EXPECT_EQ(Open(), "D:\\工具\\迅点小侠4帮助.html") << temp;
    }
    shell.SetTempFolder("C:\\Temp\\");
    files.FailWrites("C:\\Temp\\迅点小侠4帮助.html");
    EXPECT_EQ(Open(), "D:\\工具\\迅点小侠4帮助.html");
    EXPECT_EQ(shell.Opened().back(), "D:\\工具\\迅点小侠4帮助.html");
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(HelpPageTest, ReportsWhenNothingCanBeWrittenOrOpened) {
    files.FailAllWrites(true);
    EXPECT_EQ(Open(), "");
    EXPECT_TRUE(shell.Opened().empty());
    ASSERT_EQ(boxes.Count(), 1u);
    auto box = boxes.Shown()[0];
    EXPECT_EQ(box.text, "无法打开帮助页面。\r\nD:\\工具\\迅点小侠4帮助.html");
    EXPECT_EQ(box.caption, "迅点小侠");
    EXPECT_EQ(box.owner, 77u);
    EXPECT_EQ(box.flags, 0x10u);

    files.FailAllWrites(false);
    boxes.Clear();
    shell.SetFailOpen(true);
    EXPECT_EQ(Open(), "");
    EXPECT_EQ(shell.Opened().size(), 1u);  // a second folder would not make the shell open it
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "无法打开帮助页面。\r\nC:\\Temp\\迅点小侠4帮助.html");
}

std::string ReadShippedPage(const char* path = XD_SCRIPT_EDITION_HELP_PAGE) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The shipped page must explain everything a user meets: each statement, each
// 配置 member, the hotkeys and the settings, and every box the program can show.
TEST(ShippedHelpPage, CoversTheLanguageTheSettingsAndEveryBox) {
    const std::string page = ReadShippedPage();
    ASSERT_FALSE(page.empty());
    const char* needed[] = {
        "目标窗口(窗口名称, 窗口类名, 子级)", "鼠标点击(按键, 位置x, 位置y, 次数, 等待时间)",
        "鼠标拖移(按键, 开始x, 开始y, 结束x, 结束y, 经历时间, 等待时间)", "鼠标滚轮(滚动值, 位置x, 位置y, 次数, 等待时间)",
        "执行次数", "执行速度", "前台模式", "点击效果", "虚拟鼠标", "开始位置", "移动鼠标", "随机偏移",
        "F3", "F2", "Esc", "后台模式", "巧手配置.INI",
        "专用模式（只录制第1次点击的软件）", "显示点击效果", "显示虚拟鼠标指针", "总是移动鼠标到开始位置",
        "正常使用鼠标时演示点击效果", "删除时提示确定是否删除", "关联脚本文件",
        "没有可以执行的脚本，无法播放。", "当前脚本还未保存，你要保存吗？", "此脚本不是岚榕迅点小侠脚本格式，无法执行脚本。",
        "发现脚本语法错误：第", "脚本语法错误", "未知的命令", "命令最后面缺少“)”", "命令之后缺少参数", "命令之后缺少“(”",
        "配置赋值缺少“=”", "缺少配置成员", "配置成员名称错误", "缺少配置的值", "检查到参数是",
        "没有目标窗口，先执行“目标窗口”命令。", "目标窗口已经关闭，无法继续执行脚本。",
        "找不到目标窗口，请检查目标软件是否开启。", "找不到目标窗口中子级。", "脚本文件损坏", "旧版本的脚本，无法打开。",
        "发现脚本文件异常，你需要强制打开吗？", "保存脚本文件失败：", "录制快捷键和播放快捷键为同一个键，应该设置不同的键。",
        "关联 岚榕迅点小侠脚本 的文件失败！！！",
    };
    for (const char* text : needed) EXPECT_NE(page.find(text), std::string::npos) << text;
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
}

// Both pages explain what both programs gained together: playing unattended, making a program, waiting for a
// window, the stop by hand, clicks that do nothing, and the crash report.
TEST(ShippedHelpPage, BothPagesCoverWhatBothProgramsDo) {
    for (const char* path : {XD_SCRIPT_EDITION_HELP_PAGE, XD_EVENT_LIST_HELP_PAGE}) {
        const std::string page = ReadShippedPage(path);
        ASSERT_FALSE(page.empty()) << path;
        const char* needed[] = {
            "命令行回放（/play）", "/repeat", "/speed", "/foreground", "/background", "/wait", "/log", "%ERRORLEVEL%",
            "生成软件", "已生成软件：", "无法生成软件：", "等待目标窗口出现", "移动鼠标时停止前台回放",
            "点击没有反应时", "管理员", "崩溃报告",
        };
        for (const char* text : needed) EXPECT_NE(page.find(text), std::string::npos) << path << ": " << text;
    }
}

// The keyboard: the option and what it never records, both statements, every key name the check takes, how
// recording folds keys into lines, text from an input method, the background's trouble with combinations,
// and each reason the check gives for a key line.
TEST(ShippedHelpPage, ScriptEditionPageExplainsTheKeyboard) {
    const std::string page = ReadShippedPage();
    ASSERT_FALSE(page.empty());
    const std::string needed[] = {
        "录制键盘", "默认关闭", "Esc 无论是否勾选都不会被录制", "键盘按键(按键, 次数, 等待时间)",
        "输入文字(文字, 等待时间)", "键盘按键(\"Ctrl+S\",1,300)", "合并成一行", "输入法", "换成一行 <code>输入文字</code>",
        "会忽略带 Ctrl 或 Alt 的组合键", "请用前台模式", "VK_xx",
        std::string(reason::kUnknownKeyName), std::string(reason::kKeyCountOutOfRange),
        std::string(reason::kTextNotQuoted), std::string(reason::kTextEmpty),
    };
    for (const std::string& text : needed) EXPECT_NE(page.find(text), std::string::npos) << text;
    for (int key = 1; key < 255; ++key) {
        const std::string name = KeyName(static_cast<std::uint8_t>(key));
        if (name.starts_with("VK_")) continue;
        // Names in ranges ("A…Z", "F1…F24") are looked for by their ends.
        const bool inRange = (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) ||
                             (name.size() >= 2 && name[0] == 'F' && std::isdigit(static_cast<unsigned char>(name[1])));
        if (inRange) continue;
        EXPECT_NE(page.find("<code>" + name + "</code>"), std::string::npos) << name;
    }
    for (const char* end : {"<code>A</code>…<code>Z</code>", "<code>0</code>…<code>9</code>", "<code>F1</code>…<code>F24</code>"})
        EXPECT_NE(page.find(end), std::string::npos) << end;
}

// The event list's keyboard: the option off by default, what it never records, the two kinds of key group and
// their colour in the list, and the background's trouble with combinations.
TEST(ShippedHelpPage, EventListPageExplainsTheKeyboard) {
    const std::string page = ReadShippedPage(XD_EVENT_LIST_HELP_PAGE);
    ASSERT_FALSE(page.empty());
    const char* needed[] = {"id=\"record-keyboard\"", "录制键盘", "默认关闭", "Esc 无论是否勾选都不会被录制",
                            "按键_Ctrl+S", "输入_Hello", "#00648c", "不会改变目标程序看到的键盘状态",
                            "请用前台模式"};
    for (const char* text : needed) EXPECT_NE(page.find(text), std::string::npos) << text;
}

}  // namespace
}  // namespace xd
