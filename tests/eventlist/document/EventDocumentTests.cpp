#include "eventlist/document/EventDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "eventlist/document/EventScriptFile.h"
#include "platform/sim/SimPlatform.h"
#include "tests/eventlist/document/EventScriptBytes.h"
#include "tests/eventlist/document/EventScriptSamples.h"
#include "tests/support/EventDocumentView.h"

namespace xd {
namespace {

constexpr WindowHandle kMainWindow = 77;
const std::string kPath = "C:\\脚本\\点击测试.mkx";
const std::string kAskText =
    "当前脚本还未保存，你要保存吗？\r\n【是】  保存\r\n【否】  不保存\r\n【取消】取消当前操作 ";

class EventDocumentTest : public ::testing::Test {
protected:
    EventDocumentTest() { document.caption = "岚榕_迅点小侠 (64位) 3.1.0"; }

    void PutSample(const std::string& path) {
        sim.files.Put(path, EncodeEventScript(test::SampleRecording(), test::SampleSettings()).bytes);
    }

    // A recording in memory, not yet saved.
    void Record() {
        document.events = test::SampleRecording();
        MarkEventListModified(context);
    }

    void ExpectOneBox(const std::string& text, const std::string& caption, std::uint32_t flags) {
        ASSERT_EQ(sim.boxes.Count(), 1u);
        const sim::MessageBoxRecord box = sim.boxes.Shown().front();
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.flags, flags);
        EXPECT_EQ(box.owner, kMainWindow);
    }

    sim::SimPlatform sim;
    EventDocument document;
    test::RecordingEventDocumentView view;
    EventDocumentContext context{document, view, sim.files, sim.boxes, sim.dialogs, kMainWindow};
};

TEST_F(EventDocumentTest, RefusedFilesShowTheirBoxAndLeaveAnEmptyUnnamedList) {
    const std::string good = EncodeEventScript(test::SampleRecording(), {}).bytes;
    struct Case {
        const char* name;
        std::string bytes;
        bool unreadable;
        std::string text;
        std::string caption;
    } const cases[] = {
        {"sixty bytes", good.substr(0, 60), false, "脚本文件损坏\r\n" + kPath, "迅点小侠"},
        {"unreadable", good, true, "无法读取脚本文件，可能正被其他程序占用，或没有读取权限。\r\n" + kPath, "迅点小侠"},
        {"not the magic", "MZ" + good.substr(2), false, "此文件不是岚榕迅点小侠脚本文件\r\n" + kPath, "迅点小侠"},
        {"negative count", test::Header(30100, -3) + test::Zeros(100), false, "脚本文件损坏\r\n" + kPath, "迅点小侠"},
        {"records past the end", test::Header(30100, 4) + test::Zeros(100), false, "脚本文件损坏\r\n" + kPath,
         "迅点小侠"},
        {"newer version", test::Header(30101, 0) + test::Zeros(1), false,
         "此脚本是由更高版本的岚榕迅点小侠脚本文件\r\n因此无法打开，请更新本软件。\r\n软件版本：30100\r\n脚本版本：30101",
         "版本低了"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.boxes.Clear();
        sim.files.ClearFailures();
        sim.files.Put(kPath, c.bytes);
        if (c.unreadable) sim.files.FailReads(kPath);
        document.events = test::SampleRecording();
        document.filePath = "C:\\old.mkx";
        view.hasEvents = true;
        const int replacements = view.listReplacements;

        std::string path = kPath;
        EXPECT_NE(OpenEventScript(context, path), EventOpenOutcome::Opened);
        EXPECT_EQ(path, "");
        EXPECT_EQ(document.filePath, "");
        EXPECT_TRUE(document.events.empty());
        EXPECT_FALSE(view.hasEvents);
        EXPECT_EQ(view.listReplacements, replacements + 1);
        ExpectOneBox(c.text, c.caption, mb::kOk | mb::kIconError);
    }
}

TEST_F(EventDocumentTest, MissingFileIsRefusedAsDamaged) {
    std::string path = "C:\\nowhere.mkx";
    EXPECT_EQ(OpenEventScript(context, path), EventOpenOutcome::Damaged);
    ExpectOneBox("脚本文件损坏\r\nC:\\nowhere.mkx", "迅点小侠", mb::kOk | mb::kIconError);
}

TEST_F(EventDocumentTest, OpeningTakesTheEventsAndTheSettingsAndShowsThem) {
    PutSample(kPath);
    std::string path = kPath;
    EXPECT_EQ(OpenEventScript(context, path), EventOpenOutcome::Opened);
    EXPECT_EQ(path, kPath);
    EXPECT_EQ(document.filePath, kPath);
    EXPECT_EQ(document.events.size(), test::SampleRecording().size());
    // The file's clear bits leave the defaults (all on) as they were.
    EventPlaySettings expected = test::SampleSettings();
    expected.moveToCurrent = expected.virtualPointer = true;
    EXPECT_EQ(document.settings, expected);
    EXPECT_EQ(view.repeatPosition, 3);
    EXPECT_EQ(view.repeatLabel, "回放次数：3次");
    EXPECT_EQ(view.speedPosition, 10);
    EXPECT_EQ(view.speedLabel, "回放速度：2倍");
    EXPECT_TRUE(view.hasEvents);
    EXPECT_EQ(view.listReplacements, 1);
    EXPECT_EQ(view.settingsReplacements, 1);
    EXPECT_EQ(sim.boxes.Count(), 0u);

    sim.files.Put(kPath, test::Header(30100, 0) + test::Zeros(1));
    EXPECT_EQ(OpenEventScript(context, path), EventOpenOutcome::Opened);
    EXPECT_TRUE(document.events.empty());
    EXPECT_FALSE(view.hasEvents);
}

TEST_F(EventDocumentTest, SaveReplacesTheFileWithTheEncodedList) {
    document.events = test::SampleRecording();
    document.settings = test::SampleSettings();
    sim.files.Put(kPath, "old contents");
    EXPECT_EQ(SaveEventScript(context, kPath), EventSaveOutcome::Saved);
    EXPECT_EQ(sim.files.Get(kPath), EncodeEventScript(test::SampleRecording(), test::SampleSettings()).bytes);
    EXPECT_EQ(sim.boxes.Count(), 0u);

    // Opened and saved again: the same bytes.
    const std::string first = *sim.files.Get(kPath);
    std::string path = kPath;
    ASSERT_EQ(OpenEventScript(context, path), EventOpenOutcome::Opened);
    ASSERT_EQ(SaveEventScript(context, "C:\\again.mkx"), EventSaveOutcome::Saved);
    EXPECT_EQ(sim.files.Get("C:\\again.mkx"), first);
}

TEST_F(EventDocumentTest, FailedWriteIsReportedKeepsTheOldFileAndTheModifiedState) {
    sim.files.Put(kPath, "old contents");
    document.filePath = kPath;
    document.caption = "点击测试";
    Record();
    ASSERT_EQ(view.caption, "点击测试 *");
    sim.files.FailWrites(kPath);

    EXPECT_EQ(SaveEventScriptCommand(context), EventSaveOutcome::WriteFailed);
    ExpectOneBox("保存脚本文件失败：\r\n" + kPath, "迅点小侠", mb::kOk | mb::kIconError);
    EXPECT_EQ(sim.files.Get(kPath), "old contents");
    EXPECT_TRUE(document.modified);
    EXPECT_EQ(view.caption, "点击测试 *");
    EXPECT_TRUE(view.saveEnabled);
}

TEST_F(EventDocumentTest, ListTheFileCannotHoldIsRefusedAndNothingWritten) {
    Record();
    document.events[2].x = 40000;
    sim.dialogs.QueueAnswer(kPath);
    EXPECT_EQ(SaveEventScriptCommand(context), EventSaveOutcome::CannotStore);
    ExpectOneBox("无法保存脚本文件：\r\n" + kPath +
                     "\r\n第 3 条记录的位置（40000,220）超出了脚本文件能保存的范围（-32768 到 32767）。",
                 "迅点小侠", mb::kOk | mb::kIconError);
    EXPECT_EQ(sim.files.WriteCount(kPath), 0u);
    EXPECT_FALSE(sim.files.Exists(kPath));
    EXPECT_TRUE(document.modified);
    EXPECT_EQ(document.filePath, "");
    EXPECT_TRUE(view.saveEnabled);

    // The path chosen was not adopted: the next Save asks again.
    document.events[2].x = 400;
    sim.dialogs.QueueAnswer(kPath);
    EXPECT_EQ(SaveEventScriptCommand(context), EventSaveOutcome::Saved);
    EXPECT_EQ(sim.dialogs.Requests().size(), 2u);
}

// 生成软件 carries exactly what Save would write, and refuses what Play or Save would refuse.
TEST_F(EventDocumentTest, AMadeProgramCarriesTheSavedBytesOrIsRefused) {
    const MadeProgramRequest empty = EventScriptProgramRequest(context);
    EXPECT_EQ(empty.refusal, "没有脚本，无法播放。");
    EXPECT_EQ(empty.script, "");

    document.events = test::SampleRecording();
    document.settings = test::SampleSettings();
    document.filePath = kPath;
    const MadeProgramRequest made = EventScriptProgramRequest(context);
    EXPECT_EQ(made.refusal, "");
    EXPECT_EQ(made.scriptPath, kPath);
    EXPECT_EQ(made.caption, "迅点小侠");
    EXPECT_EQ(made.owner, kMainWindow);
    ASSERT_EQ(SaveEventScript(context, kPath), EventSaveOutcome::Saved);
    EXPECT_EQ(sim.files.Get(kPath), made.script);

    document.events[2].x = 40000;
    EXPECT_EQ(EventScriptProgramRequest(context).refusal,
              "无法保存脚本文件：\r\n第 3 条记录的位置（40000,220）超出了脚本文件能保存的范围（-32768 到 32767）。");
}

TEST_F(EventDocumentTest, TooManyWindowsAreRefusedWithTheirCount) {
    for (int i = 0; i < 32767; ++i)
        document.events.push_back(test::SampleEvent(0x200, 1, 1, "窗口" + std::to_string(i), "C", "\x01", 0));
    document.filePath = kPath;
    EXPECT_EQ(SaveEventScriptCommand(context), EventSaveOutcome::CannotStore);
    ExpectOneBox("无法保存脚本文件：\r\n" + kPath +
                     "\r\n录制涉及的窗口太多：窗口标题、类名和路径共有 32769 种，脚本文件最多只能保存 32768 种。",
                 "迅点小侠", mb::kOk | mb::kIconError);
    EXPECT_EQ(sim.files.WriteCount(kPath), 0u);
}

TEST_F(EventDocumentTest, ClearMakesANewUnnamedScriptWithBothSlidersAtZero) {
    document.events = test::SampleRecording();
    document.settings = test::SampleSettings();
    document.filePath = kPath;
    document.caption = "点击测试";
    MarkEventListModified(context);

    ClearEventScript(context);
    EXPECT_TRUE(document.events.empty());
    EXPECT_EQ(document.filePath, "");
    EXPECT_FALSE(document.modified);
    EXPECT_EQ(view.caption, "新脚本");
    EXPECT_EQ(document.settings.repeatPosition, 0);
    EXPECT_EQ(document.settings.speedPosition, 0);
    EXPECT_EQ(view.repeatPosition, 0);
    EXPECT_EQ(view.repeatLabel, "回放次数：无限");
    EXPECT_EQ(view.speedPosition, 0);
    EXPECT_EQ(view.speedLabel, "回放速度：正常");
    EXPECT_EQ(view.listReplacements, 1);
    // The other settings stay.
    EXPECT_TRUE(document.settings.foreground);
    EXPECT_EQ(document.settings.playHotkey, 116);

    MarkEventListModified(context);
    EXPECT_EQ(view.caption, "新脚本 *");
}

TEST_F(EventDocumentTest, FirstChangeMarksTheCaptionOnce) {
    MarkEventListModified(context);
    EXPECT_TRUE(document.modified);
    EXPECT_EQ(view.caption, "岚榕_迅点小侠 (64位) 3.1.0 *");
    EXPECT_TRUE(view.saveEnabled);
    const int changes = view.captionChanges;
    MarkEventListModified(context);
    MarkEventListModified(context);
    EXPECT_EQ(view.captionChanges, changes);
    EXPECT_EQ(view.caption, "岚榕_迅点小侠 (64位) 3.1.0 *");
}

TEST_F(EventDocumentTest, AskToSaveAnswers) {
    // Not modified: no question.
    EXPECT_EQ(AskToSave(context), SavePromptAnswer::GoOn);
    EXPECT_EQ(sim.boxes.Count(), 0u);

    Record();
    struct Case {
        const char* name;
        int answer;
        std::optional<std::string> dialog;
        bool failWrite;
        SavePromptAnswer expected;
        bool saved;
    } const cases[] = {
        {"No", id::kNo, std::nullopt, false, SavePromptAnswer::GoOn, false},
        {"Cancel", id::kCancel, std::nullopt, false, SavePromptAnswer::Stop, false},
        {"Yes, dialog cancelled", id::kYes, std::nullopt, false, SavePromptAnswer::Stop, false},
        {"Yes, write failed", id::kYes, kPath, true, SavePromptAnswer::Stop, false},
        {"Yes, saved", id::kYes, kPath, false, SavePromptAnswer::GoOn, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.boxes.Clear();
        sim.files.ClearFailures();
        if (c.failWrite) sim.files.FailWrites(kPath);
        sim.boxes.QueueAnswer(c.answer);
        if (c.answer == id::kYes) sim.dialogs.QueueAnswer(c.dialog);
        EXPECT_EQ(AskToSave(context), c.expected);
        const sim::MessageBoxRecord box = sim.boxes.Shown().front();
        EXPECT_EQ(box.text, kAskText);
        EXPECT_EQ(box.caption, "迅点小侠");
        EXPECT_EQ(box.flags, mb::kYesNoCancel | mb::kIconQuestion | 0x200u);
        EXPECT_EQ(box.owner, kMainWindow);
        EXPECT_EQ(document.modified, !c.saved);
        EXPECT_EQ(sim.files.Exists(kPath), c.saved);
    }
}

TEST_F(EventDocumentTest, SaveCommandAsksForANameOnlyWhenThereIsNone) {
    Record();
    sim.dialogs.QueueAnswer(std::nullopt);
    EXPECT_EQ(SaveEventScriptCommand(context), EventSaveOutcome::Cancelled);
    ASSERT_EQ(sim.dialogs.Requests().size(), 1u);
    const sim::FileDialogRecord request = sim.dialogs.Requests().front();
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.request.owner, kMainWindow);
    EXPECT_EQ(request.request.initialName, "新脚本");
    EXPECT_EQ(request.request.defaultExtension, "mkx");
    const std::vector<std::pair<std::string, std::string>> filters = {{"迅点小侠脚本 (*.mkx)", "*.mkx"},
                                                                      {"所有文件 (*.*)", "*.*"}};
    EXPECT_EQ(request.request.filters, filters);
    EXPECT_EQ(view.cursorChanges, (std::vector<bool>{true, false}));
    EXPECT_TRUE(sim.files.Paths().empty());
    EXPECT_EQ(view.caption, "岚榕_迅点小侠 (64位) 3.1.0 *");

    sim.dialogs.QueueAnswer(kPath);
    EXPECT_EQ(SaveEventScriptCommand(context), EventSaveOutcome::Saved);
    EXPECT_TRUE(sim.files.Exists(kPath));
    EXPECT_EQ(document.filePath, kPath);
    EXPECT_EQ(view.caption, "点击测试");
    EXPECT_FALSE(view.saveEnabled);
    EXPECT_FALSE(document.modified);

    // Named: saved in place without a dialog.
    document.events.pop_back();
    MarkEventListModified(context);
    EXPECT_EQ(view.caption, "点击测试 *");
    EXPECT_EQ(SaveEventScriptCommand(context), EventSaveOutcome::Saved);
    EXPECT_EQ(sim.dialogs.Requests().size(), 2u);
    EXPECT_EQ(sim.files.WriteCount(kPath), 2u);
    EXPECT_EQ(view.caption, "点击测试");
}

TEST_F(EventDocumentTest, OpenCommandFlows) {
    PutSample(kPath);
    Record();

    // Cancel at the save prompt: no dialog, nothing changes.
    sim.boxes.QueueAnswer(id::kCancel);
    EXPECT_FALSE(OpenEventScriptCommand(context));
    EXPECT_TRUE(sim.dialogs.Requests().empty());
    EXPECT_TRUE(document.modified);

    // Don't save, then cancel the dialog: still the recording, still modified.
    sim.boxes.QueueAnswer(id::kNo);
    sim.dialogs.QueueAnswer(std::nullopt);
    EXPECT_FALSE(OpenEventScriptCommand(context));
    ASSERT_EQ(sim.dialogs.Requests().size(), 1u);
    const sim::FileDialogRecord request = sim.dialogs.Requests().front();
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.request.title, "打开脚本文件");
    EXPECT_EQ(request.request.defaultExtension, "mkx");
    EXPECT_EQ(request.request.initialFolder, "");
    EXPECT_EQ(document.events.size(), test::SampleRecording().size());
    EXPECT_TRUE(document.modified);

    // Don't save, choose the file.
    sim.boxes.QueueAnswer(id::kNo);
    sim.dialogs.QueueAnswer(kPath);
    EXPECT_TRUE(OpenEventScriptCommand(context));
    EXPECT_EQ(document.filePath, kPath);
    EXPECT_EQ(view.caption, "点击测试");
    EXPECT_FALSE(view.saveEnabled);
    EXPECT_FALSE(document.modified);

    // Not modified: no prompt; the dialog starts in the folder last used.
    sim.files.Put("C:\\脚本\\坏.mkx", "not a script at all, but long enough to pass the size test of sixty bytes....");
    sim.dialogs.QueueAnswer("C:\\脚本\\坏.mkx");
    const std::size_t boxes = sim.boxes.Count();
    EXPECT_TRUE(OpenEventScriptCommand(context));
    EXPECT_EQ(sim.dialogs.Requests().back().request.initialFolder, "C:\\脚本");
    // Only the refusal box.
    EXPECT_EQ(sim.boxes.Count(), boxes + 1);
    EXPECT_EQ(sim.boxes.Shown().back().text, "此文件不是岚榕迅点小侠脚本文件\r\nC:\\脚本\\坏.mkx");
    EXPECT_TRUE(document.events.empty());
    EXPECT_EQ(document.filePath, "");
    EXPECT_EQ(view.caption, "新脚本");
    EXPECT_FALSE(document.modified);
}

TEST_F(EventDocumentTest, StartUpOpensAnExistingFileNamedOnTheCommandLine) {
    EXPECT_FALSE(OpenEventScriptAtStartUp(context, ""));
    EXPECT_FALSE(OpenEventScriptAtStartUp(context, "C:\\nowhere.mkx"));
    EXPECT_EQ(sim.boxes.Count(), 0u);
    EXPECT_EQ(view.caption, "before");

    PutSample(kPath);
    EXPECT_TRUE(OpenEventScriptAtStartUp(context, kPath));
    EXPECT_EQ(view.caption, "点击测试");
    EXPECT_FALSE(view.saveEnabled);
    EXPECT_TRUE(view.hasEvents);
    EXPECT_EQ(document.filePath, kPath);

    sim.files.Put("D:\\short.mkx", "short");
    EXPECT_TRUE(OpenEventScriptAtStartUp(context, "D:\\short.mkx"));
    ExpectOneBox("脚本文件损坏\r\nD:\\short.mkx", "迅点小侠", mb::kOk | mb::kIconError);
    EXPECT_FALSE(document.modified);
    EXPECT_EQ(document.filePath, "");
}


TEST(EventDocumentLabels, CaptionIsTheFileNameLessItsLastFourCharacters) {
    EXPECT_EQ(EventScriptCaption("C:\\脚本\\点击测试.mkx"), "点击测试");
    EXPECT_EQ(EventScriptCaption("/home/u/a.b.mkx"), "a.b");
    EXPECT_EQ(EventScriptCaption("D:录制.mkx"), "录制");
    EXPECT_EQ(EventScriptCaption("C:\\脚本\\无扩展名"), "");
}

}  // namespace
}  // namespace xd
