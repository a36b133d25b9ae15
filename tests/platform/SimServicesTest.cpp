#include <gtest/gtest.h>

#include "platform/sim/SimPlatform.h"

namespace xd::sim {
namespace {

TEST(SimFileSystem, FailedWriteKeepsOldContent) {
    SimFileSystem fs;
    ASSERT_TRUE(fs.WriteFileReplacing("a.mkx", "old"));
    fs.FailWrites("a.mkx");
    EXPECT_FALSE(fs.WriteFileReplacing("a.mkx", "new"));
    EXPECT_EQ(fs.Get("a.mkx"), "old");
    EXPECT_TRUE(fs.WriteFileReplacing("b.mkx", "other"));
    fs.FailAllWrites(true);
    EXPECT_FALSE(fs.WriteFileReplacing("b.mkx", "x"));
    EXPECT_EQ(fs.WriteCount("a.mkx"), 2u);
    fs.ClearFailures();
    EXPECT_TRUE(fs.WriteFileReplacing("a.mkx", "new"));
    EXPECT_EQ(fs.Get("a.mkx"), "new");
}

TEST(SimFileSystem, ReadsHonourBoundsFailuresAndMissingFiles) {
    SimFileSystem fs;
    fs.Put("small", "12345");
    fs.Put("locked", "data");
    fs.FailReads("locked");
    fs.SetReportedSize("huge", 5'000'000'000ULL);

    struct Case {
        const char* path;
        std::uint64_t max;
        FileStatus status;
    };
    const Case cases[] = {
        {"small", 5, FileStatus::Ok},          {"small", 4, FileStatus::TooLarge},
        {"missing", 100, FileStatus::NotFound}, {"locked", 100, FileStatus::Unreadable},
        {"huge", 1'000'000, FileStatus::TooLarge},
    };
    for (const auto& c : cases) EXPECT_EQ(fs.ReadFile(c.path, c.max).status, c.status) << c.path;
    EXPECT_EQ(fs.ReadFile("small", 5).bytes, "12345");
    EXPECT_EQ(fs.FileSize("huge"), 5'000'000'000ULL);
    EXPECT_TRUE(fs.Exists("huge"));
    EXPECT_TRUE(fs.Remove("small"));
    EXPECT_FALSE(fs.Remove("small"));
}

TEST(SimRegistry, DeleteRefusesMissingKeysAndKeysWithSubkeys) {
    SimRegistry reg;
    ASSERT_TRUE(reg.WriteDefault("Type\\shell\\open\\Command", "x.exe %1"));
    EXPECT_TRUE(reg.HasKey("type\\SHELL"));  // ancestors created, names case-insensitive
    EXPECT_FALSE(reg.DeleteKey("Type\\shell"));
    EXPECT_FALSE(reg.DeleteKey("Type\\missing"));
    // A sibling whose name sorts between parent and child must not hide the subkey.
    ASSERT_TRUE(reg.WriteDefault("Type!", "v"));
    EXPECT_FALSE(reg.DeleteKey("Type"));
    for (const char* key : {"TYPE\\shell\\open\\command", "Type\\shell\\open", "Type\\shell", "Type"})
        EXPECT_TRUE(reg.DeleteKey(key)) << key;
    EXPECT_FALSE(reg.HasKey("Type"));
    EXPECT_TRUE(reg.HasKey("Type!"));
}

TEST(SimRegistry, ReadTruncatesToBufferAndMissingReadsEmpty) {
    SimRegistry reg;
    ASSERT_TRUE(reg.WriteDefault(".mkx", "迅点小侠脚本文件"));
    EXPECT_EQ(reg.ReadDefault(".MKX", 1024), "迅点小侠脚本文件");
    EXPECT_EQ(reg.ReadDefault(".mkx", 5), "迅点小侠");
    EXPECT_EQ(reg.ReadDefault(".mkx", 0), "");
    EXPECT_EQ(reg.ReadDefault("nothing", 1024), "");
    ASSERT_TRUE(reg.WriteDefault("a\\b", "v"));
    EXPECT_EQ(reg.ReadDefault("a", 1024), "");  // created ancestor holds no value
    reg.FailWrites(true);
    EXPECT_FALSE(reg.WriteDefault(".mkx", "other"));
    EXPECT_EQ(reg.Value(".mkx"), "迅点小侠脚本文件");
}

TEST(SimProfile, NamesIgnoreBlanksAndCaseAndValuesTruncate) {
    SimProfile profile;
    ASSERT_TRUE(profile.WriteString("巧手配置.INI", " 选项 ", "Key ", "迅点小侠"));
    EXPECT_EQ(profile.GetString("巧手配置.INI", "选项", " key", "d", 256), "迅点小侠");
    EXPECT_EQ(profile.GetString("巧手配置.INI", "选项", "key", "d", 3), "迅点");
    EXPECT_EQ(profile.GetString("other.ini", "选项", "key", "默认", 256), "默认");
    profile.FailWrites(true);
    EXPECT_FALSE(profile.WriteString("巧手配置.INI", "选项", "key", "x"));
    auto writes = profile.Writes();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_FALSE(writes[1].succeeded);
    EXPECT_EQ(profile.Value("巧手配置.INI", "选项", "KEY"), "迅点小侠");
}

TEST(SimMessageBoxes, AnswersComeFromResponderQueueThenDefaultButton) {
    SimMessageBoxes boxes;
    boxes.QueueAnswer(id::kRetry);
    EXPECT_EQ(boxes.Show(7, "text", "cap", mb::kAbortRetryIgnore), id::kRetry);
    EXPECT_EQ(boxes.Show(7, "t", "c", mb::kAbortRetryIgnore), id::kAbort);
    EXPECT_EQ(boxes.Show(7, "t", "c", mb::kYesNo | mb::kDefButton2), id::kNo);
    EXPECT_EQ(boxes.Show(7, "t", "c", mb::kOk | mb::kIconError), id::kOk);
    boxes.SetResponder([](const MessageBoxRecord& r) -> std::optional<int> {
        if (r.caption == "special") return id::kIgnore;
        return std::nullopt;
    });
    boxes.QueueAnswer(id::kCancel);
    EXPECT_EQ(boxes.Show(0, "t", "special", mb::kAbortRetryIgnore), id::kIgnore);
    EXPECT_EQ(boxes.PendingAnswers(), 1u);  // the responder's answer left the queue alone
    auto shown = boxes.Shown();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].owner, 7u);
    EXPECT_EQ(shown[0].text, "text");
    EXPECT_EQ(shown[0].answer, id::kRetry);
}

TEST(SimInput, AbsoluteMovesLandOnThePixelAndHooksSeeEachRecord) {
    SimPlatform sim;
    sim.desktop.SetScreenSize({1280, 800});
    std::vector<Point> seen;
    sim.hooks.InstallMouseHook([&](int, const LowLevelMouseEvent& e, std::uintptr_t) { seen.push_back(e.point); });
    // dx = ceil(x * 65536 / width) is how the injector addresses a pixel.
    auto absolute = [](int x, int y) {
        return MouseInputRecord{(x * 65536 + 1279) / 1280, (y * 65536 + 799) / 800, 0,
                                mouseevent::kMove | mouseevent::kAbsolute, 0};
    };
    std::vector<MouseInputRecord> batch{absolute(101, 333), MouseInputRecord{5, -4, 0, mouseevent::kMove, 0},
                                        MouseInputRecord{0, 0, 0, mouseevent::kLeftDown, 0}};
    EXPECT_EQ(sim.input.SendMouseInput(batch), 3u);
    sim.input.DeliverHeldInput();
    EXPECT_EQ(seen, (std::vector<Point>{{101, 333}, {106, 329}, {106, 329}}));
    seen.clear();
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{106, 329}));
    ASSERT_EQ(sim.input.Batches().size(), 1u);
    sim.input.SetBlocked(true);
    EXPECT_EQ(sim.input.SendMouseInput(batch), 0u);
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(sim.input.SetCursorPos({1, 2}));
    EXPECT_EQ(sim.input.CursorMoves().size(), 1u);
}

TEST(SimFileDialogs, QueuedAnswersThenCancel) {
    SimFileDialogs dialogs;
    dialogs.QueueAnswer(std::string("C:\\a.mkx"));
    FileDialogRequest request;
    request.defaultExtension = "mkx";
    EXPECT_EQ(dialogs.ChooseSave(request), "C:\\a.mkx");
    EXPECT_EQ(dialogs.ChooseOpen(request), std::nullopt);
    auto log = dialogs.Requests();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_TRUE(log[0].save);
    EXPECT_EQ(log[1].request.defaultExtension, "mkx");
}

}  // namespace
}  // namespace xd::sim
