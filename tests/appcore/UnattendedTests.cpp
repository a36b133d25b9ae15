// `/play` on the command line: the arguments, the boxes nobody sees and what they make of the exit, the log.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "appcore/unattended/PlayArguments.h"
#include "appcore/unattended/PlayCauses.h"
#include "appcore/unattended/PlayLog.h"
#include "appcore/unattended/ReadOnlyProfile.h"
#include "appcore/unattended/UnattendedPlay.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimProfile.h"

namespace xd {
namespace {

using Kind = ParsedCommandLine::Kind;
constexpr PlayLimits kLimits{1000, 10, 17400};

struct ParseCase {
    std::vector<std::string> arguments;
    Kind kind;
    PlayRequest expected{};       // Play: every field
    std::string errorStart = {};  // Invalid: how the message starts
};

TEST(UnattendedArgumentsTest, EveryOptionAnyOrderAndEachMistake) {
    const std::vector<ParseCase> cases = {
        // Without /play first the arguments are a path to open, as always.
        {{}, Kind::OpenPath},
        {{"C:\\My", "Scripts\\a.mkx"}, Kind::OpenPath},
        {{"a.mkx", "/play", "b.mkx"}, Kind::OpenPath},
        {{"/play", "a.mkx"}, Kind::Play, {"a.mkx", std::nullopt, std::nullopt, PlayModeOverride::FromScript, std::nullopt, ""}},
        // Options in any order, switches in any case; an unquoted path with blanks is whole again.
        {{"/PLAY", "C:\\My", "Scripts\\a.mkx", "/Repeat", "2", "/speed", "1.5", "/Foreground", "/wait", "600",
          "/LOG", "C:\\日志", "x.txt"},
         Kind::Play,
         {"C:\\My Scripts\\a.mkx", 2, 150, PlayModeOverride::Foreground, 600, "C:\\日志 x.txt"}},
        {{"/play", "a.mkx", "/log", "x.txt", "/background", "/speed", "174", "/repeat", "0"},
         Kind::Play,
         {"a.mkx", 0, 17400, PlayModeOverride::Background, std::nullopt, "x.txt"}},
        {{"/play", "a.mkx", "/speed", "0.1", "/wait", "0"}, Kind::Play,
         {"a.mkx", std::nullopt, 10, PlayModeOverride::FromScript, 0, ""}},
        // Mistakes: each is exit 6 with a message.
        {{"/play"}, Kind::Invalid, {}, "/play 之后缺少脚本文件"},
        {{"/play", "/repeat", "2"}, Kind::Invalid, {}, "/play 之后缺少脚本文件"},
        {{"/play", "a.mkx", "/repeat"}, Kind::Invalid, {}, "/repeat 之后须是 0 到 1000"},
        {{"/play", "a.mkx", "/repeat", "1001"}, Kind::Invalid, {}, "/repeat 之后须是"},
        {{"/play", "a.mkx", "/repeat", "-1"}, Kind::Invalid, {}, "/repeat 之后须是"},
        {{"/play", "a.mkx", "/repeat", "99999999999999999999"}, Kind::Invalid, {}, "/repeat 之后须是"},
        {{"/play", "a.mkx", "/repeat", "2", "/repeat", "3"}, Kind::Invalid, {}, "/repeat 给了两次"},
        {{"/play", "a.mkx", "/speed", "0.09"}, Kind::Invalid, {}, "/speed 之后须是 0.1 到 174"},
        {{"/play", "a.mkx", "/speed", "174.01"}, Kind::Invalid, {}, "/speed 之后须是"},
        {{"/play", "a.mkx", "/speed", "1.555"}, Kind::Invalid, {}, "/speed 之后须是"},
        {{"/play", "a.mkx", "/speed", "1."}, Kind::Invalid, {}, "/speed 之后须是"},
        {{"/play", "a.mkx", "/speed", "fast"}, Kind::Invalid, {}, "/speed 之后须是"},
        {{"/play", "a.mkx", "/wait", "601"}, Kind::Invalid, {}, "/wait 之后须是 0 到 600"},
        {{"/play", "a.mkx", "/wait", "/log", "x"}, Kind::Invalid, {}, "/wait 之后须是"},
        {{"/play", "a.mkx", "/foreground", "/background"}, Kind::Invalid, {}, "/foreground 和 /background"},
        {{"/play", "a.mkx", "/log"}, Kind::Invalid, {}, "/log 之后缺少日志文件"},
        {{"/play", "a.mkx", "/log", "/repeat", "1"}, Kind::Invalid, {}, "/log 之后缺少日志文件"},
        {{"/play", "a.mkx", "/fast"}, Kind::Invalid, {}, "不认识的参数：/fast"},
        {{"/play", "a.mkx", "/repeat", "2", "extra"}, Kind::Invalid, {}, "不认识的参数：extra"},
        {{"/play", std::string(5000, 'a')}, Kind::Invalid, {}, "脚本文件的路径太长"},
    };
    for (const ParseCase& c : cases) {
        std::string shown;
        for (const std::string& a : c.arguments) shown += a.substr(0, 40) + " ";
        SCOPED_TRACE(shown);
        const ParsedCommandLine parsed = ParseCommandLine(c.arguments, kLimits);
        ASSERT_EQ(parsed.kind, c.kind);
        if (c.kind == Kind::Invalid) {
            EXPECT_TRUE(parsed.error.starts_with(c.errorStart)) << parsed.error;
        }
        if (c.kind != Kind::Play) continue;
        EXPECT_EQ(parsed.play.scriptPath, c.expected.scriptPath);
        EXPECT_EQ(parsed.play.repeat, c.expected.repeat);
        EXPECT_EQ(parsed.play.speedHundredths, c.expected.speedHundredths);
        EXPECT_EQ(parsed.play.mode, c.expected.mode);
        EXPECT_EQ(parsed.play.waitSeconds, c.expected.waitSeconds);
        EXPECT_EQ(parsed.play.logPath, c.expected.logPath);
    }
}

TEST(UnattendedBoxesTest, NothingWaitsForAnAnswerThatWouldKeepThePlaybackGoing) {
    UnattendedBoxes boxes;
    EXPECT_EQ(boxes.Show(kNoWindow, "窗口不见了", "迅点小侠", mb::kAbortRetryIgnore | mb::kIconQuestion), id::kAbort);
    EXPECT_EQ(boxes.Show(kNoWindow, "保存吗？", "迅点小侠", mb::kYesNoCancel), id::kNo);
    EXPECT_EQ(boxes.Show(kNoWindow, "强制打开吗？", "迅点小侠", mb::kYesNo | mb::kIconError), id::kNo);
    EXPECT_EQ(boxes.Show(kNoWindow, "再试？", "迅点小侠", mb::kRetryCancel), id::kCancel);
    EXPECT_EQ(boxes.Show(kNoWindow, "出错了", "迅点小侠", 0x50010), id::kOk);
    ASSERT_EQ(boxes.Shown().size(), 5u);
    EXPECT_EQ(boxes.Shown()[0].text, "窗口不见了");
    // A retry loop cannot fill memory.
    for (int i = 0; i < 1000; ++i) static_cast<void>(boxes.Show(kNoWindow, "x", "y", 0));
    EXPECT_EQ(boxes.Shown().size(), 100u);
}

TEST(UnattendedCausesTest, FirstFailureDecidesAndQuestionsAndNoticesDoNot) {
    constexpr BoxCause causes[] = {
        {"脚本语法错误", {}, PlayExit::SyntaxError},
        {{}, "找不到", PlayExit::WindowNotFound},
        {{}, "钩子", PlayExit::Played},
    };
    const ShownBox syntax{"发现脚本语法错误：第 3 行", "脚本语法错误", 0x51010};
    const ShownBox missing{"找不到目标窗口", "执行脚本中发生错误", 0x50010};
    const ShownBox hooks{"钩子安装失败", "迅点小侠", mb::kIconError};
    const ShownBox unknownError{"磁盘坏了", "迅点小侠", mb::kIconError};
    const ShownBox question{"保存吗？", "迅点小侠", mb::kYesNoCancel | mb::kIconQuestion};
    const ShownBox warning{"按钮还按着", "迅点小侠", mb::kIconWarning};
    struct Case {
        std::vector<ShownBox> boxes;
        bool byHand;
        PlayExit exit;
    };
    const std::vector<Case> table = {
        {{}, false, PlayExit::Played},
        {{}, true, PlayExit::StoppedByUser},
        {{syntax}, false, PlayExit::SyntaxError},
        {{hooks, question, warning, missing, syntax}, true, PlayExit::WindowNotFound},
        {{hooks, warning}, true, PlayExit::StoppedByUser},
        {{unknownError, missing}, false, PlayExit::OtherError},
        // The caption is matched whole: a text alone that starts alike is not a syntax error.
        {{ShownBox{"发现脚本语法错误", "别的", 0}}, false, PlayExit::Played},
    };
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(DecideExit(causes, table[i].boxes, table[i].byHand), table[i].exit) << i;
    }
}

TEST(UnattendedLogTest, OneLinePerRunAppendedAndAFailedLogChangesNothingElse) {
    sim::SimFileSystem files;
    const LocalTime time{2026, 12, 9, 4, 5, 6};
    const std::vector<std::string> messages = {"执行脚本中发生错误：找不到目标窗口\r\n窗口名：记事本", "第二个"};
    const std::string line = FormatPlayLogLine(time, "C:\\a b.mkx", PlayExit::WindowNotFound, messages);
    EXPECT_EQ(line, "2026-12-09 04:05:06\tC:\\a b.mkx\t3 找不到目标窗口\t执行脚本中发生错误：找不到目标窗口 窗口名：记事本 | 第二个");

    ASSERT_TRUE(AppendPlayLog(files, "C:\\log.txt", "one"));
    ASSERT_TRUE(AppendPlayLog(files, "C:\\log.txt", "two"));
    EXPECT_EQ(files.ReadFile("C:\\log.txt", 100).bytes, "\xEF\xBB\xBFone\r\ntwo\r\n");
    files.Put("C:\\old.txt", "earlier line");
    ASSERT_TRUE(AppendPlayLog(files, "C:\\old.txt", "next"));
    EXPECT_EQ(files.ReadFile("C:\\old.txt", 100).bytes, "earlier line\r\nnext\r\n");

    files.FailWrites("C:\\locked.txt");
    EXPECT_FALSE(AppendPlayLog(files, "C:\\locked.txt", "x"));
    files.FailReads("C:\\old.txt");
    EXPECT_FALSE(AppendPlayLog(files, "C:\\old.txt", "x"));
    EXPECT_EQ(Utf8Prefix("迅点", 4), "迅");
}

TEST(UnattendedPlayTest, MissingScriptIsARefusedFileAndTheSettingsStayUnwritten) {
    sim::SimFileSystem files;
    PlayRequest request;
    request.scriptPath = "C:\\没有.mkx";
    UnattendedPlay play(request, {});
    EXPECT_FALSE(play.ScriptFileThere(files));
    const PlayOutcome outcome = play.Finish(false, LocalTime{});
    EXPECT_EQ(outcome.exit, PlayExit::FileRefused);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0], "找不到脚本文件：C:\\没有.mkx");

    const ParsedCommandLine bad = ParseCommandLine(std::vector<std::string>{"/play", "a.mkx", "/log", "l.txt", "/x"}, kLimits);
    const PlayOutcome invalid = InvalidCommandLine(bad, LocalTime{});
    EXPECT_EQ(invalid.exit, PlayExit::OtherError);
    EXPECT_EQ(bad.play.logPath, "l.txt");  // the log named before the mistake still gets the line

    sim::SimProfile profile;
    profile.Put("C:\\巧手配置.INI", "选项", "录快捷键", "115");
    ReadOnlyProfile readOnly(profile);
    EXPECT_EQ(readOnly.GetString("C:\\巧手配置.INI", "选项", "录快捷键", "", 16), "115");
    EXPECT_TRUE(readOnly.WriteString("C:\\巧手配置.INI", "选项", "录快捷键", "116"));
    EXPECT_EQ(profile.GetString("C:\\巧手配置.INI", "选项", "录快捷键", "", 16), "115");
}

}  // namespace
}  // namespace xd
