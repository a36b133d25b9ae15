#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "documents/SettingsStore.h"
#include "platform/common/HookWatchdog.h"
#include "platform/sim/SimPlatform.h"
#include "recorder/app/Activities.h"
#include "recorder/app/MainWindowEvents.h"
#include "recorder/app/ScriptHeader.h"
#include "recorder/app/ScriptProgram.h"
#include "recorder/app/ScriptState.h"
#include "tests/support/MainWindowView.h"
#include "tests/support/MemoryEditor.h"
#include "tests/support/MemoryScriptControls.h"

namespace xd {
namespace {

constexpr const char* kProgram = "C:\\迅点小侠\\迅点小侠4.exe";
constexpr const char* kSettingsFile = "C:\\迅点小侠\\巧手配置.INI";
constexpr const char* kAppTitle = "岚榕_迅点小侠 (64位) 4.0.2";
constexpr const char* kBom = "\xEF\xBB\xBF";

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        sim::WindowSpec form;
        form.rect = {10, 10, 285, 86};
        form.className = "迅点小侠4_Form1";
        view.handle = sim.desktop.AddWindow(form);
        context.hooks.startPlayback = [this](const std::string& text) { played.push_back(text); };
        context.hooks.resetRecorder = [this] { ++recorderResets; };
        context.hooks.flushRecorder = [this](std::uint32_t) { editor.AppendText("\r\n鼠标点击(1,5,6,1,300)"); };
        context.hooks.createClickEffectWindows = [this] { ++effectWindowSets; };
    }

    void Start(const std::string& commandLine = "") {
        RunFirstLoadStage(context, MakeApplicationInfo(kProgram), commandLine);
        ASSERT_TRUE(HandleCustomMessage(context, appmsg::kDeferredLoad, appmsg::kDeferredLoadParam));
    }

    int Button(int index) const { return model.window.buttons[index].state; }

    // A user edit as the window reports it: the text changes, then update-UI.
    void UserTypes(const std::string& text) {
        editor.MoveCaretToLine(editor.EditorLineCount() - 1);
        ASSERT_TRUE(editor.TypeText(text));
        OnEditorUpdateUi(context);
    }

    sim::SimPlatform sim;
    MemoryEditor editor;
    MemoryScriptControls controls;
    test::RecordingMainWindowView view;
    AppModel model;
    AppContext context{model, editor, controls, view, sim.platform(), {}};
    std::vector<std::string> played;
    int recorderResets = 0;
    int effectWindowSets = 0;
};

TEST_F(MainWindowTest, FreshStartShowsCompactWindowHeaderAndNoSave) {
    sim.profile.Put(kSettingsFile, "选项", "点击效果", "0");
    sim.profile.Put(kSettingsFile, "选项", "录快捷键", "200");
    Start();

    EXPECT_EQ(view.title, kAppTitle);
    EXPECT_EQ(view.trayTip, kAppTitle);
    EXPECT_EQ(view.sizes, (std::vector<WindowSize96>{kCompactWindowSize}));
    EXPECT_EQ(model.window.statusText, "本软件可以录制鼠标操作，并能回放鼠标操作。");
    const auto posted = sim.desktop.MessagesTo(view.handle);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].message, 4096u);
    EXPECT_EQ(posted[0].wParam, 4096u);

    const std::array<int, 7> initial{1, 1, 1, 0, 1, 1, 1};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(Button(i), initial[i]) << i;
    EXPECT_EQ(model.window.recordKey, 123);
    EXPECT_EQ(editor.GetEditorText(), ScriptHeaderText("4.0.2", false, false, true));
    EXPECT_EQ(editor.GetEditorLine(7), "配置.点击效果=0 '=0不显示 =1显示");
    EXPECT_FALSE(editor.EditorIsModified());
    EXPECT_EQ(view.commandList.size(), 12u);
    EXPECT_EQ(effectWindowSets, 1);
    EXPECT_EQ(view.repaints, 1);
    EXPECT_FALSE(model.window.modified);
    EXPECT_FALSE(model.window.suppressModified);
    EXPECT_EQ(view.command6Enabled, true);  // idle: a recording may be continued at once
}

TEST_F(MainWindowTest, HeaderHasTheTenLinesAndResetsConfig) {
    model.window.buttons[kModeButton].state = kButtonActive;
    model.options.moveToStart = -1;
    model.options.moveMouse = 0;
    model.config.repeatCount.store(9);
    model.config.randomOffset.store(9);
    WriteScriptHeader(context);
    EXPECT_EQ(editor.EditorLineCount(), 10);
    EXPECT_TRUE(editor.GetEditorLine(0).starts_with("'岚榕迅点小侠脚本，版本：4.0.2  "));
    EXPECT_EQ(editor.GetEditorLine(6), "配置.前台模式=1 '=0后台模式 =1前台模式");
    EXPECT_EQ(editor.GetEditorLine(9), "配置.随机偏移=0 '0--999 ");
    EXPECT_EQ(model.config.repeatCount.load(), 0);
    EXPECT_EQ(model.config.speed.load(), 1.0f);
    EXPECT_EQ(model.config.foregroundMode.load(), 1);
    EXPECT_EQ(model.config.startPosition.load(), -1);
    EXPECT_EQ(model.config.moveMouse.load(), 0);
    EXPECT_EQ(model.config.randomOffset.load(), 0);
    EXPECT_EQ(view.focusCount, 1);
}

TEST_F(MainWindowTest, CommandLineScriptTitlesWindowWithItsName) {
    const std::string path = "C:\\My Scripts\\每日 签到.mkx";
    sim.files.Put(path, kBom + ScriptHeaderText("4.0.2", false, true, true) + "\r\n鼠标点击(1,2,3,1,5)");
    Start(path);
    EXPECT_EQ(view.title, "每日 签到");
    EXPECT_EQ(model.window.currentFile, path);
    EXPECT_EQ(Button(kSaveButton), 0);
    EXPECT_FALSE(model.window.modified);
    EXPECT_TRUE(HasPlayableLines(editor.GetEditorText()));
}

TEST_F(MainWindowTest, CommandLineNamingNoFileIsIgnored) {
    Start("C:\\nothing here.mkx");
    EXPECT_EQ(view.title, kAppTitle);
    EXPECT_TRUE(model.window.currentFile.empty());
    EXPECT_EQ(sim.boxes.Count(), 0u);
    EXPECT_EQ(editor.GetEditorText(), ScriptHeaderText("4.0.2", false, true, true));
}

TEST_F(MainWindowTest, FirstChangeMarksTitleOnceAndEnablesSave) {
    Start();
    UserTypes("x");
    EXPECT_EQ(view.title, std::string(kAppTitle) + " *");
    EXPECT_EQ(Button(kSaveButton), 1);
    UserTypes("y");
    EXPECT_EQ(view.title, std::string(kAppTitle) + " *");

    // A set guard is consumed instead of marking.
    model.window.modified = false;
    model.window.suppressModified = true;
    MarkScriptModified(context);
    EXPECT_FALSE(model.window.suppressModified);
    EXPECT_FALSE(model.window.modified);
}

TEST_F(MainWindowTest, SliderMoveMarksAndRewritesItsLine) {
    Start();
    controls.SetSliderPosition(Slider::Repeat, 25);
    OnSliderMoved(context, Slider::Repeat);
    EXPECT_TRUE(model.window.modified);
    EXPECT_EQ(view.title, std::string(kAppTitle) + " *");
    EXPECT_EQ(editor.GetEditorLine(4), "配置.执行次数=25 '=0为无限循环，直到按下停止键。");
    EXPECT_EQ(model.config.repeatCount.load(), 25);
}

TEST_F(MainWindowTest, ConfirmDiscardAnswers) {
    struct Case {
        const char* name;
        bool modified;
        int answer;
        std::optional<std::string> savePath;
        bool abort;
        bool saved;
    };
    const Case cases[] = {
        {"unmodified: no question", false, 0, std::nullopt, false, false},
        {"No", true, id::kNo, std::nullopt, false, false},
        {"Cancel", true, id::kCancel, std::nullopt, true, false},
        {"Yes, saved", true, id::kYes, "C:\\s\\a.mkx", false, true},
        {"Yes, save dialog cancelled", true, id::kYes, std::nullopt, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.boxes.Clear();
        sim.files.Remove("C:\\s\\a.mkx");
        model.window.currentFile.clear();
        model.window.modified = c.modified;
        if (c.answer != 0) sim.boxes.QueueAnswer(c.answer);
        if (c.answer == id::kYes) sim.dialogs.QueueAnswer(c.savePath);

        EXPECT_EQ(ConfirmDiscard(context), c.abort);
        EXPECT_EQ(sim.files.Exists("C:\\s\\a.mkx"), c.saved);
        ASSERT_EQ(sim.boxes.Count(), c.modified ? 1u : 0u);
        if (c.modified) {
            const auto box = sim.boxes.Shown().front();
            EXPECT_EQ(box.text, "当前脚本还未保存，你要保存吗？\r\n【是】  保存\r\n【否】  不保存\r\n【取消】取消当前操作 ");
            EXPECT_EQ(box.caption, "迅点小侠");
            EXPECT_EQ(box.flags, mb::kYesNoCancel | mb::kIconQuestion | 0x200u);
        }
    }
}

TEST_F(MainWindowTest, FailedSaveOnCloseKeepsWindowOpenAndScriptMarked) {
    Start();
    UserTypes("x");
    sim.files.Put("C:\\s\\a.mkx", "old");
    sim.files.FailWrites("C:\\s\\a.mkx");
    model.window.currentFile = "C:\\s\\a.mkx";
    sim.boxes.QueueAnswer(id::kYes);

    EXPECT_FALSE(OnCloseRequest(context));
    EXPECT_EQ(sim.files.Get("C:\\s\\a.mkx"), "old");
    EXPECT_TRUE(model.window.modified);
    EXPECT_EQ(view.title, std::string(kAppTitle) + " *");
    EXPECT_EQ(Button(kSaveButton), 1);
    EXPECT_TRUE(editor.EditorIsModified());
    EXPECT_EQ(sim.boxes.Count(), 2u);  // the prompt, then the failure
    EXPECT_FALSE(sim.profile.Value(kSettingsFile, "窗口", "Left").has_value());
}

TEST_F(MainWindowTest, HooksThatCouldNotBeInstalledAreToldInABoxOnceTheWindowIsLoaded) {
    RunFirstLoadStage(context, MakeApplicationInfo(kProgram), "");
    model.window.hooksNotice.SetInstalled(false);  // as the window sets it after the first stage
    EXPECT_EQ(sim.boxes.Count(), 0u);
    ASSERT_TRUE(HandleCustomMessage(context, appmsg::kDeferredLoad, appmsg::kDeferredLoadParam));
    const auto shown = sim.boxes.Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, kHooksMissingNote);
    EXPECT_EQ(shown[0].owner, view.handle);
}

TEST_F(MainWindowTest, CloseWithoutChangesSavesPlacement) {
    Start();
    EXPECT_TRUE(OnCloseRequest(context));
    EXPECT_EQ(sim.profile.Value(kSettingsFile, "窗口", "Left"), "10");
}

TEST_F(MainWindowTest, ButtonStatesFollowTheActivity) {
    Start();
    ToggleRecording(context, false);
    EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Recording);
    EXPECT_EQ((std::array<int, 4>{Button(0), Button(1), Button(2), Button(3)}), (std::array<int, 4>{2, 0, 0, 0}));
    EXPECT_EQ(view.title, "新脚本");
    EXPECT_FALSE(editor.UserEnabled());
    EXPECT_EQ(view.command6Enabled, false);
    EXPECT_EQ(recorderResets, 1);

    // The play hotkey is ignored while recording.
    HandleCustomMessage(context, appmsg::kPlayHotkey, 0);
    EXPECT_EQ(Button(kPlayButton), 0);
    EXPECT_TRUE(played.empty());

    HandleCustomMessage(context, appmsg::kRecordHotkey, 0);  // stop: the flush writes a click line
    EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Idle);
    EXPECT_EQ((std::array<int, 4>{Button(0), Button(1), Button(2), Button(3)}), (std::array<int, 4>{1, 1, 1, 0}));
    EXPECT_TRUE(editor.UserEnabled());
    EXPECT_EQ(view.command6Enabled, true);
    EXPECT_EQ(model.window.statusText, "新脚本");

    HandleCustomMessage(context, appmsg::kPlayHotkey, 0);
    EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Playing);
    EXPECT_EQ((std::array<int, 4>{Button(0), Button(1), Button(2), Button(3)}), (std::array<int, 4>{0, 2, 0, 0}));
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0], editor.GetEditorText());
    EXPECT_FALSE(model.stopRequested.load());

    HandleCustomMessage(context, appmsg::kRecordHotkey, 0);  // ignored while playing
    EXPECT_EQ(Button(kRecordButton), 0);

    TogglePlayback(context);
    EXPECT_TRUE(model.stopRequested.load());
    EXPECT_EQ((std::array<int, 4>{Button(0), Button(1), Button(2), Button(3)}), (std::array<int, 4>{1, 1, 1, 0}));
}

TEST_F(MainWindowTest, StoppingARecordingMarksTheScriptModified) {
    Start();
    ToggleRecording(context, false);
    editor.AppendText("\r\n目标窗口(\"a\",\"b\",\"0\")");  // the recorder writes
    ToggleRecording(context, false);
    EXPECT_TRUE(model.window.modified);
    EXPECT_EQ(view.title, "新脚本 *");
    EXPECT_EQ(Button(kSaveButton), 1);
    EXPECT_EQ(editor.GetEditorLine(editor.EditorLineCount() - 1), "鼠标点击(1,5,6,1,300)");
}

TEST_F(MainWindowTest, CancelledPromptLeavesRecordingUnstarted) {
    Start();
    UserTypes("x");
    const std::string text = editor.GetEditorText();
    sim.boxes.QueueAnswer(id::kCancel);
    RunToolbarCommand(context, ToolbarCommand::ToggleRecording);
    EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Idle);
    EXPECT_EQ(editor.GetEditorText(), text);
    EXPECT_EQ(recorderResets, 0);
}

TEST_F(MainWindowTest, ContinueRecordingKeepsScriptWithoutPrompt) {
    Start();
    UserTypes("x");
    const std::string text = editor.GetEditorText();
    controls.SetSliderPosition(Slider::Speed, 5);
    OnContinueRecording(context);
    EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Recording);
    EXPECT_EQ(sim.boxes.Count(), 0u);
    EXPECT_EQ(editor.GetEditorText(), text);
    EXPECT_EQ(controls.SliderPosition(Slider::Speed), 5);
    OnContinueRecording(context);  // Record is 2: Command6 does nothing
    EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Recording);
}

TEST_F(MainWindowTest, FreshRecordingResetsSlidersAndDiscardsAnswerNo) {
    Start();
    UserTypes("x");
    controls.SetSliderPosition(Slider::Speed, 5);
    model.window.currentFile = "C:\\a.mkx";
    sim.boxes.QueueAnswer(id::kNo);
    ToggleRecording(context, false);
    EXPECT_TRUE(model.window.currentFile.empty());
    EXPECT_EQ(controls.SliderPosition(Slider::Speed), 0);
    EXPECT_EQ(controls.SliderLabel(Slider::Speed), "回放速度：正常");
    EXPECT_EQ(editor.GetEditorText(), ScriptHeaderText("4.0.2", false, true, true));
    EXPECT_FALSE(model.window.modified);
    EXPECT_FALSE(editor.CanUndo());
}

TEST_F(MainWindowTest, PlayingWithoutGestureLinesRefuses) {
    Start();
    TogglePlayback(context);
    EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Idle);
    EXPECT_TRUE(played.empty());
    ASSERT_EQ(sim.boxes.Count(), 1u);
    EXPECT_EQ(sim.boxes.Shown()[0].text, "没有可以执行的脚本，无法播放。");
    EXPECT_EQ(sim.boxes.Shown()[0].caption, "迅点小侠");
}

TEST(HasPlayableLines, FindsGestureStatements) {
    struct Case {
        const char* text;
        bool playable;
    };
    const Case cases[] = {
        {"'x\r\n   鼠标拖移(1,2,3,4,5,6,7)", true},
        {"鼠标滚轮(120,1,2,1,0)", true},
        {"键盘按键(\"Ctrl+S\",1,0)", true},
        {"'x\r\n输入文字(\"好\",0)", true},
        {"'鼠标点击(1,2,3,1,5)\r\n目标窗口(\"a\",\"b\",\"0\")", false},
        {"配置.执行次数=1\r\nx鼠标点击(1,2,3,1,5)", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(HasPlayableLines(c.text), c.playable) << c.text;
}

TEST_F(MainWindowTest, ModeAndEditorButtonsToggle) {
    Start();
    RunToolbarCommand(context, ToolbarCommand::ToggleMode);
    EXPECT_EQ(Button(kModeButton), 2);
    EXPECT_EQ(controls.ModeButtonState(), 2);
    EXPECT_EQ(editor.GetEditorLine(6), "配置.前台模式=1 '=0后台模式 =1前台模式");
    RunToolbarCommand(context, ToolbarCommand::ToggleMode);
    EXPECT_EQ(Button(kModeButton), 1);
    EXPECT_EQ(editor.GetEditorLine(6), "配置.前台模式=0 '=0后台模式 =1前台模式");

    RunToolbarCommand(context, ToolbarCommand::ToggleEditor);
    EXPECT_EQ(Button(kEditorButton), 2);
    EXPECT_EQ(view.sizes.back(), kFullWindowSize);
    RunToolbarCommand(context, ToolbarCommand::ToggleEditor);
    EXPECT_EQ(Button(kEditorButton), 1);
    EXPECT_EQ(view.sizes.back(), kCompactWindowSize);
    EXPECT_FALSE(model.window.suppressModified);
}

TEST_F(MainWindowTest, OpenAndSaveCommandsUpdateTitleAndButtons) {
    Start();
    UserTypes("x");
    sim.boxes.QueueAnswer(id::kYes);
    sim.dialogs.QueueAnswer(std::string("C:\\s\\新.mkx"));  // the prompt's save
    sim.dialogs.QueueAnswer(std::string("C:\\s\\旧.mkx"));  // then the open dialog
    sim.files.Put("C:\\s\\旧.mkx", kBom + ScriptHeaderText("4.0.2", true, true, true));
    RunToolbarCommand(context, ToolbarCommand::OpenDocument);
    EXPECT_TRUE(sim.files.Exists("C:\\s\\新.mkx"));
    EXPECT_EQ(view.title, "旧");
    EXPECT_EQ(Button(kModeButton), 2);
    EXPECT_EQ(Button(kSaveButton), 0);
    EXPECT_EQ(view.command6Enabled, true);  // the opened script can be continued
    OnContinueRecording(context);
    EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Recording);
    EXPECT_TRUE(editor.GetEditorText().starts_with(ScriptHeaderText("4.0.2", true, true, true)));
    ToggleRecording(context, false);

    UserTypes("z");
    EXPECT_EQ(view.title, "旧 *");
    RunToolbarCommand(context, ToolbarCommand::SaveDocument);
    EXPECT_EQ(view.title, "旧");
    EXPECT_EQ(Button(kSaveButton), 0);
    EXPECT_FALSE(model.window.modified);
}

TEST_F(MainWindowTest, CustomMessagesDispatch) {
    Start();
    EXPECT_FALSE(HandleCustomMessage(context, appmsg::kDeferredLoad, 0));
    EXPECT_FALSE(HandleCustomMessage(context, 4097, 0));

    model.window.hoverButton = kHelpButton + 1;
    EXPECT_TRUE(HandleCustomMessage(context, appmsg::kHelpHoverElapsed, 0));
    EXPECT_TRUE(view.helpImageShown);
    view.helpImageShown = false;
    model.window.hoverButton = kSaveButton + 1;
    HandleCustomMessage(context, appmsg::kHelpHoverElapsed, 0);
    EXPECT_FALSE(view.helpImageShown);

    EXPECT_TRUE(HandleCustomMessage(context, appmsg::kScrollEditorToEnd, 0));
    EXPECT_EQ(editor.ShownLine(), editor.EditorLineCount() - 1);
}

// The hotkeys reach the window while its save prompt is up; nothing starts behind it, and the answer acts on
// the window as it was.
TEST_F(MainWindowTest, TheHotkeysStartNothingBehindTheSavePrompt) {
    struct Case {
        const char* name;
        ToolbarCommand command;
        AppState after;  // what the answer No itself leads to (the open dialog is cancelled)
    };
    const Case cases[] = {{"record", ToolbarCommand::ToggleRecording, AppState::Recording},
                          {"open", ToolbarCommand::OpenDocument, AppState::Idle}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start();
        UserTypes("x");
        editor.AppendText("\r\n鼠标点击(1,5,6,1,300)");  // something to play
        played.clear();
        sim.boxes.SetResponder([&](const sim::MessageBoxRecord&) -> std::optional<int> {
            HandleCustomMessage(context, appmsg::kPlayHotkey, 0);
            HandleCustomMessage(context, appmsg::kRecordHotkey, 0);
            return id::kNo;
        });
        sim.dialogs.QueueAnswer(std::nullopt);
        RunToolbarCommand(context, c.command);
        sim.boxes.SetResponder(nullptr);
        EXPECT_TRUE(played.empty());
        EXPECT_EQ(ReadAppState(model.window.buttons), c.after);
        EXPECT_EQ(sim.boxes.Count(), 1u);
        if (c.after == AppState::Recording) ToggleRecording(context, false);
        sim.boxes.Clear();
    }
}

TEST_F(MainWindowTest, ClosingStopsAPlaybackBeforeThePrompt) {
    Start();
    UserTypes("x");
    editor.AppendText("\r\n鼠标点击(1,5,6,1,300)");
    TogglePlayback(context);
    ASSERT_EQ(ReadAppState(model.window.buttons), AppState::Playing);
    std::optional<AppState> underTheBox;
    sim.boxes.SetResponder([&](const sim::MessageBoxRecord&) -> std::optional<int> {
        underTheBox = ReadAppState(model.window.buttons);
        return id::kCancel;
    });
    EXPECT_FALSE(OnCloseRequest(context));
    EXPECT_EQ(underTheBox, AppState::Idle);
    EXPECT_TRUE(model.stopRequested.load());
}

TEST_F(MainWindowTest, ClosingDuringARecordingStopsItAndAsksAboutWhatItWrote) {
    Start();  // an unchanged new script
    ToggleRecording(context, false);
    ASSERT_EQ(ReadAppState(model.window.buttons), AppState::Recording);
    editor.AppendText("\r\n鼠标点击(1,7,8,1,300)");  // as the recorder writes a gesture
    sim.boxes.QueueAnswer(id::kCancel);
    EXPECT_FALSE(OnCloseRequest(context));
    EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Idle);
    ASSERT_EQ(sim.boxes.Count(), 1u);  // the recorded line is a change: the prompt asks
    EXPECT_TRUE(model.window.modified);
    EXPECT_NE(editor.GetEditorText().find("鼠标点击(1,7,8,1,300)"), std::string::npos);
}

// 生成软件 carries the text as Save writes it, and refuses what the playback's check would.
TEST_F(MainWindowTest, AMadeProgramCarriesTheSavedTextOrTheCheckSaysNo) {
    Start();
    struct Case {
        const char* text;
        const char* refusalStarts;  // "" when made
    };
    const Case cases[] = {
        {"鼠标点击(1,5,6,1,300)", "此脚本不是岚榕迅点小侠脚本格式"},
        {nullptr, "脚本里没有可以回放的鼠标操作。"},
        {"\r\n鼠标点击(1,5,6,1,300", "发现脚本语法错误：第 "},
        {"\r\n鼠标点击(1,5,6,1,300)", ""},
    };
    const std::string header = editor.GetEditorText();
    for (const Case& c : cases) {
        editor.SetEditorText(c.text == nullptr ? header : c.text[0] == '\r' ? header + c.text : std::string(c.text));
        const MadeProgramRequest request = ScriptProgramRequest(context);
        EXPECT_EQ(request.refusal.rfind(c.refusalStarts, 0), 0u) << request.refusal;
        if (*c.refusalStarts == 0) {
            EXPECT_EQ(request.refusal, "");
            EXPECT_EQ(request.script, kBom + editor.GetEditorText());
            EXPECT_EQ(request.caption, "岚榕_迅点小侠");
        } else {
            EXPECT_EQ(request.script, "");
        }
    }
    // While playing, 生成软件 asks nothing.
    model.window.buttons[kPlayButton].state = kButtonActive;
    EXPECT_EQ(MakeScriptProgram(context, sim.copies), MadeProgramOutcome::Cancelled);
    EXPECT_TRUE(sim.dialogs.Requests().empty());
}

}  // namespace
}  // namespace xd
