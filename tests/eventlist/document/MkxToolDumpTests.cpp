// Runs the built mkxtool's dump on event-list scripts written here and checks what a user sees.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "eventlist/KeyEvent.h"
#include "eventlist/document/EventScriptFile.h"
#include "tests/eventlist/document/EventScriptBytes.h"
#include "tests/eventlist/document/EventScriptSamples.h"

namespace xd {
namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
};

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

ToolRun RunTool(const std::string& arguments) {
    ToolRun run;
    const std::string command = Quoted(MKXTOOL_PATH) + " " + arguments + " 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class MkxToolDump : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("mkxtool_dump_tests_" + std::to_string(getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = (folder_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    ToolRun Dump(const std::string& path) { return RunTool("dump " + Quoted(path)); }

    std::filesystem::path folder_;
};

TEST_F(MkxToolDump, PrintsTheHeaderAndOneLinePerEvent) {
    const std::vector<RecordedEvent> events = {
        test::SampleEvent(0x201, 300, 200, "无标题 - 记事本", "Notepad", "\x01\x03", 90, 1),
        test::SampleEvent(0x20A, -20, -5, "", "Shell_TrayWnd", "", 0, static_cast<std::int32_t>(0xFF880008u)),
    };
    const ToolRun run = Dump(Write("两个.mkx", EncodeEventScript(events, test::SampleSettings()).bytes));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "version=30100\n"
              "events=2\n"
              "repeat=3\n"
              "speed=10\n"
              "hotkey=116 (F5)\n"
              "foreground=1\n"
              "moveToCurrent=0\n"
              "clickEffect=1\n"
              "virtualPointer=0\n"
              "moveToStart=1\n"
              "1: 按下左键 x=300 y=200 title=\"无标题 - 记事本\" class=\"Notepad\" path=1,3 offsetX=200,180 "
              "offsetY=150,110 message=0x201 keyFlags=0x1 delay=90\n"
              "2: 向后滚轮 x=-20 y=-5 title=\"\" class=\"Shell_TrayWnd\" path= offsetX=-120,-140 offsetY=-55,-95 "
              "message=0x20a keyFlags=0xff880008 delay=0\n");
}

TEST_F(MkxToolDump, KeyEventsNameTheirKeyAndWhatTheyTyped) {
    RecordedEvent key = test::SampleEvent(0x100, 300, 200, "记事本", "Notepad", "\x01", 5);
    key.keyFlags = EventKeyFlagsOf(EventKey{'H', 0x23, false});
    SetEventKeyText(key, "H");
    RecordedEvent up = key;
    up.message = 0x101;
    SetEventKeyText(up, "");
    const ToolRun run = Dump(Write("keys.mkx", EncodeEventScript({key, up}, test::SampleSettings()).bytes));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("1: 按下H键 x=300 y=200 title=\"记事本\" class=\"Notepad\" path=1,0 offsetX=0,72 offsetY=0,0 "
                           "message=0x100 keyFlags=0x230048 delay=5 typed=H\n"
                           "2: 释放H键 "),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("message=0x101 keyFlags=0x230048 delay=5\n"), std::string::npos) << run.out;
}

TEST_F(MkxToolDump, ShowsRawHeaderValuesAndEscapesTitles) {
    // Hotkey 0 is taken as F1; a title with a quote, a backslash and a tab stays on its line.
    const std::string bytes = test::Header(30000, 1, 7, 250, 0) +
                              test::Record({1, 2, 0, 1, 5, 0, 0, 0, 0x200, 0, -1}) + "say \"hi\"\\\tx" +
                              std::string("\0\0", 2) + "C" + std::string("\0\0", 2) + std::string(1, '\0');
    const ToolRun run = Dump(Write("raw.mkx", bytes));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "version=30000\nevents=1\nrepeat=7\nspeed=250\nhotkey=0 (F1)\nforeground=0\nmoveToCurrent=0\n"
              "clickEffect=0\nvirtualPointer=0\nmoveToStart=0\n"
              "1: 移动 x=1 y=2 title=\"say \\\"hi\\\"\\\\\\x09x\" class=\"C\" path= offsetX=0,0 offsetY=0,0 "
              "message=0x200 keyFlags=0x0 delay=-1\n");
}

TEST_F(MkxToolDump, RefusedFilesPrintTheProgramsMessageAndExitTwo) {
    const std::string shortFile = Write("short.mkx", test::Header(30100, 0));
    ToolRun run = Dump(shortFile);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "脚本文件损坏\n" + shortFile + "\n");

    const std::string text = Write("text.mkx", "\xEF\xBB\xBF'岚榕迅点小侠脚本，版本：4.0.2\r\n鼠标点击(1,2,3,1,5)\r\n'");
    run = Dump(text);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "此文件不是岚榕迅点小侠脚本文件\n" + text + "\n");

    run = Dump(Write("newer.mkx", test::Header(30101, 0) + test::Zeros(1)));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out,
              "此脚本是由更高版本的岚榕迅点小侠脚本文件\n因此无法打开，请更新本软件。\n软件版本：30100\n脚本版本：30101\n");

    const std::string past = Write("past.mkx", test::Header(30100, 3) + test::Zeros(33));
    run = Dump(past);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "脚本文件损坏\n" + past + "\n");

    const std::string missing = (folder_ / "missing.mkx").string();
    run = Dump(missing);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "脚本文件损坏\n" + missing + "\n");

    // There, but no read succeeds (a folder: rights refuse nothing to a test run as root).
    const std::string unreadable = (folder_ / "folder.mkx").string();
    std::filesystem::create_directory(unreadable);
    run = Dump(unreadable);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "无法读取脚本文件，可能正被其他程序占用，或没有读取权限。\n" + unreadable + "\n");
}

TEST(MkxToolDumpUsage, WrongUsageExitsTwoAndHelpNamesDump) {
    for (const char* arguments : {"dump", "dump a.mkx b.mkx"}) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
    }
    EXPECT_NE(RunTool("--help").out.find("mkxtool dump FILE"), std::string::npos);
}

}  // namespace
}  // namespace xd
