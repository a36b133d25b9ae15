#include <gtest/gtest.h>

#include "appcore/window/AppInfo.h"
#include "appcore/window/MainWindowState.h"

namespace xd {
namespace {

TEST(ApplicationInfo, TitleUsesFirstThreePartsOfTheVersion) {
    EXPECT_EQ(ApplicationTitle(ApplicationInfo{}), "岚榕_迅点小侠 (64位) 4.0.2");
    ApplicationInfo other;
    other.productVersion = "5.12.7";
    EXPECT_EQ(ApplicationTitle(other), "岚榕_迅点小侠 (64位) 5.12.7");
}

TEST(ApplicationInfo, ProgramPathSplitsAfterLastSeparator) {
    struct Case { const char* path; const char* folder; const char* file; };
    for (const Case& c : {Case{"C:\\Tools\\xd\\迅点小侠4.exe", "C:\\Tools\\xd\\", "迅点小侠4.exe"},
                          Case{"D:x.exe", "D:", "x.exe"}, Case{"/opt/a/b.exe", "/opt/a/", "b.exe"},
                          Case{"plain.exe", "", "plain.exe"}}) {
        const ApplicationInfo info = MakeApplicationInfo(c.path);
        EXPECT_EQ(info.programFolder, c.folder) << c.path;
        EXPECT_EQ(info.programFileName, c.file) << c.path;
    }
}

TEST(AppState, FreshStartIsIdleWithSaveDisabled) {
    const MainWindowState state = InitialMainWindowState(ApplicationInfo{});
    EXPECT_EQ(ReadAppState(state.buttons), AppState::Idle);
    EXPECT_EQ(state.buttons[kSaveButton].state, kButtonDisabled);
    for (int i : {kRecordButton, kPlayButton, kOpenButton, kModeButton, kEditorButton, kHelpButton})
        EXPECT_EQ(state.buttons[i].state, kButtonEnabled) << i;
    EXPECT_EQ(state.statusText, "本软件可以录制鼠标操作，并能回放鼠标操作。");
}

TEST(AppState, ReadFromRecordAndPlayButtons) {
    struct Case { int record; int play; AppState expected; };
    for (const Case& c : {Case{1, 1, AppState::Idle}, Case{2, 0, AppState::Recording},
                          Case{0, 2, AppState::Playing}}) {
        ToolbarButtons buttons = InitialToolbarButtons();
        buttons[kRecordButton].state = c.record;
        buttons[kPlayButton].state = c.play;
        EXPECT_EQ(ReadAppState(buttons), c.expected) << c.record << "/" << c.play;
    }
}

}  // namespace
}  // namespace xd
