#include "documents/files/ScriptDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "documents/ScriptFileText.h"
#include "documents/SettingsStore.h"
#include "documents/files/DocumentTexts.h"
#include "platform/Text.h"
#include "platform/sim/SimPlatform.h"
#include "tests/support/DocumentWindow.h"
#include "tests/support/MemoryEditor.h"
#include "tests/support/MemoryScriptControls.h"

namespace xd {
namespace {

constexpr const char* kSettingsFile = "C:\\xd\\巧手配置.INI";
constexpr const char* kPath = "C:\\脚本\\点击测试.mkx";
constexpr const char* kBom = "\xEF\xBB\xBF";
constexpr const char* kHeaderLine = "'岚榕迅点小侠脚本，版本：4.0.2  <--第一行不可删除和修改";
constexpr const char* kShownText = "'岚榕迅点小侠脚本，版本：4.0.2  <--第一行不可删除和修改\r\n鼠标点击(1,2,3,1,5)";

std::string Script(std::initializer_list<std::string> lines) {
    std::string text = kHeaderLine;
    for (const std::string& line : lines) text += "\r\n" + line;
    return text;
}

class ScriptDocumentTest : public ::testing::Test {
protected:
    ScriptDocumentTest() {
        editor.SetEditorText(kShownText);
    }

    void PutScript(const std::string& path, const std::string& text) { sim.files.Put(path, kBom + text); }

    std::optional<std::string> Stored(const char* key) {
        return sim.profile.Value(kSettingsFile, "选项", key);
    }

    void ExpectRefusedWith(const std::string& boxText) {
        EXPECT_TRUE(currentFile.empty());
        EXPECT_EQ(editor.GetEditorText(), kShownText);
        ASSERT_EQ(sim.boxes.Count(), 1u);
        const auto box = sim.boxes.Shown().front();
        EXPECT_EQ(box.text, boxText);
        EXPECT_EQ(box.caption, "迅点小侠");
        EXPECT_EQ(box.flags, mb::kOk | mb::kIconError);
    }

    sim::SimPlatform sim;
    MemoryEditor editor;
    MemoryScriptControls controls;
    ScriptConfig config;
    Options options;
    bool suppressModified = false;
    int marks = 0;
    ScriptEditorContext script{editor,        controls,         config, options, sim.profile,
                               kSettingsFile, suppressModified, [this] { ++marks; }};
    test::RecordingDocumentWindow window;
    std::string currentFile;
    bool modified = true;
    DocumentContext document{script, window, sim.files, sim.boxes, sim.dialogs, currentFile, modified, 77, {}};
};

TEST_F(ScriptDocumentTest, RefusedFilesLeaveEditorAndEmptyCurrentFile) {
    const std::string magic = Utf8ToGbk("岚榕迅点小侠脚本文件");
    struct Case {
        const char* name;
        std::string bytes;
        std::uint64_t reportedSize;  // 0: the bytes' own size
        LoadOutcome outcome;
        const char* text;
        bool locked = false;  // there, but every read fails
    };
    const std::string header31 = std::string(kBom) + "'岚榕迅点小侠脚本" + "abc";
    const Case cases[] = {
        {"thirty bytes", header31.substr(0, 30), 0, LoadOutcome::Damaged, "脚本文件损坏\r\n"},
        {"empty", "", 0, LoadOutcome::Damaged, "脚本文件损坏\r\n"},
        {"event-list file", magic + std::string(40, '\x01'), 0, LoadOutcome::OldVersion, "旧版本的脚本，无法打开。\r\n"},
        {"over 64 MB", header31, kMaxScriptFileBytes + 1, LoadOutcome::Damaged, "脚本文件损坏\r\n"},
        {"locked", header31, 0, LoadOutcome::Unreadable, "无法读取脚本文件，可能正被其他程序占用，或没有读取权限。\r\n",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.boxes.Clear();
        sim.files.ClearFailures();
        sim.files.Put(kPath, c.bytes);
        if (c.reportedSize != 0) sim.files.SetReportedSize(kPath, c.reportedSize);
        if (c.locked) sim.files.FailReads(kPath);
        currentFile = kPath;
        EXPECT_EQ(LoadDocument(document, kPath), c.outcome);
        ExpectRefusedWith(std::string(c.text) + kPath);
    }
}

TEST_F(ScriptDocumentTest, ThirtyOneBytesWithBomAndHeaderOpen) {
    const std::string bytes = std::string(kBom) + "'岚榕迅点小侠脚本" + "abc";
    ASSERT_EQ(bytes.size(), 31u);
    sim.files.Put(kPath, bytes);
    EXPECT_EQ(LoadDocument(document, kPath), LoadOutcome::Loaded);
    EXPECT_EQ(editor.GetEditorText(), "'岚榕迅点小侠脚本abc");
    EXPECT_EQ(sim.boxes.Count(), 0u);
}

TEST_F(ScriptDocumentTest, GbkAndUtf16FilesOpenToTheSameText) {
    const std::string text = Script({"配置.执行次数=3 '=0为无限循环，直到按下停止键。", "目标窗口(\"记事本\",\"Notepad\",\"0\")"});
    const std::u16string wide = Utf8ToUtf16(text);
    std::string utf16 = "\xFF\xFE";
    for (char16_t unit : wide) {
        utf16 += static_cast<char>(unit & 0xFF);
        utf16 += static_cast<char>(unit >> 8);
    }
    utf16 += '\x41';  // an odd trailing byte is ignored
    for (const std::string& bytes : {Utf8ToGbk(text), utf16}) {
        editor.SetEditorText("x");
        sim.files.Put(kPath, bytes);
        EXPECT_EQ(LoadDocument(document, kPath), LoadOutcome::Loaded);
        EXPECT_EQ(editor.GetEditorText(), text);
        EXPECT_EQ(config.repeatCount.load(), 3);
    }
}

TEST_F(ScriptDocumentTest, TextWithoutHeaderAsksBeforeOpening) {
    std::string text = "配置.执行次数=7\r\n";
    for (int i = 2; i <= 101; ++i) text += "' line\r\n";
    text += "配置.随机偏移=9";  // line 102: beyond the header's reach
    sim.files.Put(kPath, kBom + text);

    sim.boxes.QueueAnswer(id::kNo);
    currentFile = kPath;
    EXPECT_EQ(LoadDocument(document, kPath), LoadOutcome::Declined);
    EXPECT_TRUE(currentFile.empty());
    EXPECT_EQ(editor.GetEditorText(), kShownText);
    EXPECT_EQ(config.repeatCount.load(), 0);
    ASSERT_EQ(sim.boxes.Count(), 1u);
    const auto box = sim.boxes.Shown().front();
    EXPECT_EQ(box.text, std::string("发现脚本文件异常，你需要强制打开吗？\r\n强制打开可能发生不可预料的问题。\r\n") + kPath);
    EXPECT_EQ(box.caption, "岚榕_迅点小侠");
    EXPECT_EQ(box.flags, mb::kYesNo | mb::kIconError);

    sim.boxes.QueueAnswer(id::kYes);
    currentFile = kPath;
    EXPECT_EQ(LoadDocument(document, kPath), LoadOutcome::Loaded);
    EXPECT_EQ(currentFile, kPath);
    EXPECT_EQ(editor.GetEditorText(), text);
    EXPECT_EQ(config.repeatCount.load(), 7);
    EXPECT_EQ(config.randomOffset.load(), 0);
}

TEST_F(ScriptDocumentTest, LoadedConfigMovesControlsAndStoresOptions) {
    config.randomOffset.store(4);  // not in the file: kept
    PutScript(kPath, Script({"配置.执行次数=25", "配置.执行速度=2 '0.01 -- 999", "配置.前台模式=1", "配置.点击效果=0",
                             "配置.虚拟鼠标=0", "配置.开始位置=1", "配置.移动鼠标=0"}));
    EXPECT_EQ(LoadDocument(document, kPath), LoadOutcome::Loaded);

    EXPECT_EQ(controls.SliderPosition(Slider::Repeat), 25);
    EXPECT_EQ(controls.SliderLabel(Slider::Repeat), "回放次数：25次");
    EXPECT_EQ(controls.SliderPosition(Slider::Speed), 10);
    EXPECT_EQ(controls.SliderLabel(Slider::Speed), "回放速度：2倍");
    EXPECT_EQ(controls.ModeButtonState(), kModeButtonForeground);
    EXPECT_EQ(config.randomOffset.load(), 4);

    EXPECT_EQ(options.clickEffect, 0);
    EXPECT_EQ(options.virtualPointer, 0);
    EXPECT_EQ(options.moveToStart, 1);
    EXPECT_EQ(options.moveMouse, 0);
    EXPECT_EQ(Stored("点击效果"), "0");
    EXPECT_EQ(Stored("虚拟指针"), "0");
    // Both move options share one key; the move-mouse value is written last.
    EXPECT_EQ(Stored("移动鼠标"), "0");
    const auto writes = sim.profile.Writes();
    ASSERT_EQ(writes.size(), 4u);
    EXPECT_EQ(writes[2].value, "1");

    // Showing the script changed nothing in it and left the guard clear.
    EXPECT_FALSE(suppressModified);
    EXPECT_FALSE(editor.EditorIsModified());
    EXPECT_EQ(marks, 0);
}

TEST_F(ScriptDocumentTest, SavedScriptReopensByteIdentical) {
    const std::string original =
        std::string(kBom) + Script({"配置.执行速度=1.5 '0.01 -- 999", "鼠标点击(1,120,45,1,800)", ""});
    sim.files.Put(kPath, original);
    currentFile = kPath;
    ASSERT_EQ(LoadDocument(document, kPath), LoadOutcome::Loaded);
    EXPECT_EQ(SaveDocument(document), SaveOutcome::Saved);
    EXPECT_EQ(sim.files.Get(kPath), original);
    EXPECT_TRUE(sim.dialogs.Requests().empty());
}

TEST_F(ScriptDocumentTest, FirstSaveAsksForPathAndMarksSaved) {
    editor.TypeText("x");
    ASSERT_TRUE(editor.EditorIsModified());
    sim.dialogs.QueueAnswer(std::string(kPath));
    EXPECT_EQ(SaveDocument(document), SaveOutcome::Saved);

    EXPECT_EQ(sim.files.Get(kPath), std::string(kBom) + editor.GetEditorText());
    EXPECT_EQ(currentFile, kPath);
    EXPECT_EQ(window.title, "点击测试");
    EXPECT_EQ(window.saveButton, 0);
    EXPECT_FALSE(modified);
    EXPECT_FALSE(editor.EditorIsModified());
    EXPECT_FALSE(editor.CanUndo());
    ASSERT_EQ(sim.dialogs.Requests().size(), 1u);
    EXPECT_EQ(sim.dialogs.Requests().front().request.initialName, "新脚本");
    EXPECT_EQ(window.cursorChanges, (std::vector<bool>{true, false}));
}

TEST_F(ScriptDocumentTest, CancelledSaveDialogWritesNothing) {
    EXPECT_EQ(SaveDocument(document), SaveOutcome::Cancelled);
    EXPECT_TRUE(currentFile.empty());
    EXPECT_TRUE(modified);
    EXPECT_EQ(window.title, "before");
    EXPECT_TRUE(sim.files.Paths().empty());
}

TEST_F(ScriptDocumentTest, FailedSaveKeepsOldFileAndUnsavedState) {
    struct Case {
        const char* name;
        bool hadPath;
    };
    for (const Case c : {Case{"known file", true}, Case{"new script", false}}) {
        SCOPED_TRACE(c.name);
        sim.boxes.Clear();
        sim.files.Put(kPath, "old bytes");
        sim.files.FailWrites(kPath);
        editor.SetEditorText(kShownText);
        editor.TypeText("y");
        modified = true;
        window.title = "点击测试 *";
        window.saveButton = 1;
        currentFile = c.hadPath ? kPath : "";
        if (!c.hadPath) sim.dialogs.QueueAnswer(std::string(kPath));

        EXPECT_EQ(SaveDocument(document), SaveOutcome::WriteFailed);
        EXPECT_EQ(sim.files.Get(kPath), "old bytes");
        EXPECT_TRUE(modified);
        EXPECT_EQ(window.title, "点击测试 *");
        EXPECT_EQ(window.saveButton, 1);
        EXPECT_TRUE(editor.EditorIsModified());
        EXPECT_TRUE(editor.CanUndo());
        // A new script keeps asking for a path until one takes it.
        EXPECT_EQ(currentFile, c.hadPath ? kPath : "");
        ASSERT_EQ(sim.boxes.Count(), 1u);
        const auto box = sim.boxes.Shown().front();
        EXPECT_EQ(box.text, std::string("保存脚本文件失败：\r\n") + kPath);
        EXPECT_EQ(box.caption, "迅点小侠");
        EXPECT_EQ(box.flags, mb::kOk | mb::kIconError);
    }
}

TEST_F(ScriptDocumentTest, OpenShowsTheChosenFile) {
    document.programFolder = "C:\\工具\\";
    EXPECT_FALSE(OpenDocument(document));  // cancelled
    EXPECT_TRUE(modified);
    EXPECT_EQ(window.title, "before");
    ASSERT_EQ(sim.dialogs.Requests().size(), 1u);
    const FileDialogRequest asked = sim.dialogs.Requests().front().request;
    EXPECT_EQ(asked.initialFolder, "C:\\工具");
    ASSERT_EQ(asked.filters.size(), 2u);
    EXPECT_EQ(asked.filters[1].second, "*.*");

    PutScript(kPath, Script({"鼠标点击(1,2,3,1,5)"}));
    sim.dialogs.QueueAnswer(std::string(kPath));
    EXPECT_TRUE(OpenDocument(document));
    EXPECT_EQ(currentFile, kPath);
    EXPECT_EQ(window.title, "点击测试");
    EXPECT_EQ(window.saveButton, 0);
    EXPECT_EQ(window.playButton, 1);
    EXPECT_FALSE(modified);
}

TEST_F(ScriptDocumentTest, RefusedOpenLeavesTitleAndEmptiesPath) {
    sim.files.Put(kPath, "short");
    sim.dialogs.QueueAnswer(std::string(kPath));
    currentFile = "C:\\old.mkx";
    EXPECT_TRUE(OpenDocument(document));
    EXPECT_TRUE(currentFile.empty());
    EXPECT_EQ(window.title, "before");
    EXPECT_EQ(window.saveButton, 1);
    EXPECT_FALSE(modified);
}

TEST(DisplayName, CutsFolderAndFourCharacters) {
    struct Case {
        const char* path;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\脚本\\点击测试.mkx", "点击测试"},
        {"D:x.mkx", "x"},
        {"/home/u/a b.txt", "a b"},
        {"C:\\dir\\脚本文件一二", "脚本"},  // four characters whatever they are
        {"C:\\dir\\abc", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(DisplayName(c.path), c.name) << c.path;
}

TEST(CommandLinePath, JoinsPiecesWithSingleBlanks) {
    EXPECT_EQ(JoinCommandLinePath({"C:\\My", "Scripts\\a", "b.mkx"}), "C:\\My Scripts\\a b.mkx");
    EXPECT_EQ(JoinCommandLinePath({}), "");
    // The bound: a path as long as any file call takes passes whole, one byte more is dropped.
    EXPECT_EQ(JoinCommandLinePath({std::string(kMaxPathBytes - 2, 'a'), "b"}).size(), kMaxPathBytes);
    EXPECT_TRUE(JoinCommandLinePath({std::string(kMaxPathBytes - 1, 'a'), "b"}).empty());
}

TEST_F(ScriptDocumentTest, CommandLineScriptWithBlanksOpens) {
    const std::string path = JoinCommandLinePath({"C:\\My", "Scripts\\a", "b.mkx"});
    PutScript(path, Script({"鼠标点击(1,2,3,1,5)"}));
    EXPECT_TRUE(OpenCommandLineDocument(document, path));
    EXPECT_EQ(currentFile, path);
    EXPECT_EQ(window.title, "a b");
    EXPECT_EQ(window.saveButton, 0);
    EXPECT_FALSE(modified);

    // No such file: ignored without a word.
    modified = true;
    EXPECT_FALSE(OpenCommandLineDocument(document, "C:\\none.mkx"));
    EXPECT_TRUE(modified);
    EXPECT_EQ(currentFile, path);
    EXPECT_EQ(sim.boxes.Count(), 0u);
}

}  // namespace
}  // namespace xd
