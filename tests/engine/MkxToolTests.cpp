// Runs the built mkxtool on files written here and checks what a user sees.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

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

class MkxToolCheck : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("mkxtool_tests_" + std::to_string(getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = (folder_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    ToolRun Check(const std::string& name, const std::string& bytes) { return RunTool("check " + Quoted(Write(name, bytes))); }

    std::filesystem::path folder_;
};

const std::string kBom = "\xEF\xBB\xBF";
const std::string kScript =
    "'岚榕迅点小侠脚本，版本：4.0.2\r\n配置.执行次数=3\r\n配置.执行速度=0.5\r\n鼠标点击(1,2,3,1,5)";
// The same script in GBK.
const std::string kGbkScript =
    "'\xE1\xB0\xE9\xC5\xD1\xB8\xB5\xE3\xD0\xA1\xCF\xC0\xBD\xC5\xB1\xBE\xA3\xAC\xB0\xE6\xB1\xBE\xA3\xBA"
    "4.0.2\r\n\xC5\xE4\xD6\xC3.\xD6\xB4\xD0\xD0\xB4\xCE\xCA\xFD=3\r\n\xC5\xE4\xD6\xC3.\xD6\xB4\xD0\xD0\xCB\xD9\xB6\xC8="
    "0.5\r\n\xCA\xF3\xB1\xEA\xB5\xE3\xBB\xF7(1,2,3,1,5)";
const std::string kPassedOutput =
    "执行次数=3\n执行速度=0.5\n前台模式=0\n点击效果=1\n虚拟鼠标=1\n开始位置=1\n移动鼠标=1\n随机偏移=0\n";
const std::string kStartUpOutput =
    "执行次数=0\n执行速度=0\n前台模式=0\n点击效果=1\n虚拟鼠标=1\n开始位置=1\n移动鼠标=1\n随机偏移=0\n";

std::string Utf16Le(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST_F(MkxToolCheck, EveryEncodingOfOneScriptGivesTheSameConfiguration) {
    const std::u16string utf16 =
        u"'岚榕迅点小侠脚本，版本：4.0.2\r\n配置.执行次数=3\r\n配置.执行速度=0.5\r\n鼠标点击(1,2,3,1,5)";
    for (const auto& [name, bytes] : {std::pair<std::string, std::string>{"utf8.mkx", kBom + kScript},
                                      {"utf16.mkx", Utf16Le(utf16) + "x"},  // odd trailing byte ignored
                                      {"gbk.mkx", kGbkScript}}) {
        const ToolRun run = Check(name, bytes);
        EXPECT_EQ(run.exitCode, 0) << name;
        EXPECT_EQ(run.out, kPassedOutput) << name;
    }
}

TEST_F(MkxToolCheck, RefusesDamagedAndOldFilesWithThePath) {
    const std::string thirty = kBom + "'岚榕迅点小侠脚本" + "\r\n";  // 3 + 25 + 2 bytes
    ASSERT_EQ(thirty.size(), 30u);
    const std::string path = Write("short file.mkx", thirty);
    ToolRun run = RunTool("check " + Quoted(path));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "脚本文件损坏\n" + path + "\n");

    const std::string magic = "\xE1\xB0\xE9\xC5\xD1\xB8\xB5\xE3\xD0\xA1\xCF\xC0\xBD\xC5\xB1\xBE\xCE\xC4\xBC\xFE";
    const std::string old = Write("old.mkx", magic + std::string(100, '\0'));
    run = RunTool("check " + Quoted(old));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "旧版本的脚本，无法打开。\n" + old + "\n");

    const std::string missing = (folder_ / "missing.mkx").string();
    run = RunTool("check " + Quoted(missing));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "脚本文件损坏\n" + missing + "\n");

    // There, but no read succeeds: a folder of that name (a file without rights
    // would do too, but not for a test run as root).
    const std::string unreadable = (folder_ / "folder.mkx").string();
    std::filesystem::create_directory(unreadable);
    run = RunTool("check " + Quoted(unreadable));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "无法读取脚本文件，可能正被其他程序占用，或没有读取权限。\n" + unreadable + "\n");
}

TEST_F(MkxToolCheck, ThirtyOneBytesWithHeaderPasses) {
    const ToolRun run = Check("31.mkx", kBom + "'岚榕迅点小侠脚本" + "\r\n'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, kStartUpOutput);
}

TEST_F(MkxToolCheck, RefusesTextWithoutTheHeaderMark) {
    const ToolRun run = Check("plain.mkx", kBom + "配置.执行次数=3\r\n鼠标点击(1,2,3,1,5)\r\n'岚榕迅点小侠脚本");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "此脚本不是岚榕迅点小侠脚本格式，无法执行脚本。\n");
}

TEST_F(MkxToolCheck, ReportsTheFirstSyntaxError) {
    const ToolRun run = Check("bad.mkx", kBom + kScript + "\r\n\r\n鼠标拖移(1,2,3,4,5,6)\r\n鼠标点击");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "发现脚本语法错误：第 6 行\n需要参数 7 个，检查到参数是6 个\n");
}

TEST(MkxToolUsage, WrongUsageExitsTwoWithoutOutput) {
    for (const char* arguments : {"", "check", "verify x.mkx", "check a b"}) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
    }
    const ToolRun help = RunTool("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("mkxtool check FILE"), std::string::npos);
}

}  // namespace
