// A recording on the simulated desktop through the same path the program
// takes: the record command, the mouse hook, the worker's handling, Esc.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "documents/editor/ScriptControls.h"
#include "engine/CheckScript.h"
#include "platform/sim/SimPlatform.h"
#include "recorder/app/Activities.h"
#include "recorder/app/MainWindowEvents.h"
#include "recorder/app/ScriptHeader.h"
#include "recorder/capture/CaptureSession.h"
#include "tests/support/MainWindowView.h"
#include "tests/support/MemoryEditor.h"
#include "tests/support/MemoryScriptControls.h"

namespace xd::test {

enum class Button { Left, Right, Middle };

constexpr std::uint32_t kOwnProcess = 1;
constexpr std::uint32_t kEditorProcess = 200;
constexpr std::uint32_t kBrowserProcess = 300;

class CaptureTest : public ::testing::Test {
protected:
    CaptureTest() {
        sim.desktop.SetCurrentProcessId(kOwnProcess);
        sim.desktop.SetScreenSize({1920, 1080});
        sim::WindowSpec form;
        form.processId = kOwnProcess;
        form.rect = {1500, 0, 1775, 76};
        form.title = "岚榕_迅点小侠";
        form.className = "迅点小侠4_Form1";
        view.handle = sim.desktop.AddWindow(form);

        sim::WindowSpec notes;
        notes.processId = kEditorProcess;
        notes.rect = {100, 100, 700, 500};
        notes.clientInsets = {8, 31, 8, 8};  // client origin at (108, 131)
        notes.title = "无标题 - 记事本";
        notes.className = "Notepad";
        editorApp = sim.desktop.AddWindow(notes);

        sim::WindowSpec browser;
        browser.processId = kBrowserProcess;
        browser.rect = {800, 100, 1200, 400};
        browser.clientInsets = {0, 20, 0, 0};  // client origin at (800, 120)
        browser.title = "Start \"Page\"";
        browser.className = "BrowserFrame";
        browserApp = sim.desktop.AddWindow(browser);

        session.PlugInto(context.hooks);
        session.SetClickEffect([this](Point p, std::uint32_t m) { effects.push_back({p, m}); });
    }

    static std::string Header() { return ScriptHeaderText("4.0.2", false, true, true); }

    void StartRecording(bool continueScript = false) {
        ToggleRecording(context, continueScript);
        ASSERT_EQ(ReadAppState(model.window.buttons), AppState::Recording);
    }
    void PressEsc() { session.OnKeyboardHook(LowLevelKeyEvent{0, msg::kKeyDown, 27, 1, 0, sim.clock.TickCount()}); }

    // The user's hand: each event comes `afterMs` after the one before, at a screen point.
    // Unless told otherwise the worker and the main thread keep up, as they do
    // between a user's clicks: the event is handled and its lines applied.
    void Mouse(std::uint32_t message, Point screen, std::uint32_t afterMs, std::uint32_t mouseData = 0) {
        sim.clock.Advance(afterMs);
        session.OnMouseHook(0, LowLevelMouseEvent{message, screen, mouseData, 0, sim.clock.TickCount()}, 0);
        if (keepUp) {
            session.recorder().DrainNow();
            session.ApplyEditorWrites();
        }
    }
    static std::uint32_t Down(Button b) {
        return b == Button::Left ? msg::kLButtonDown : b == Button::Right ? msg::kRButtonDown : msg::kMButtonDown;
    }
    static std::uint32_t Up(Button b) {
        return b == Button::Left ? msg::kLButtonUp : b == Button::Right ? msg::kRButtonUp : msg::kMButtonUp;
    }
    void Press(Point p, std::uint32_t afterMs, Button b = Button::Left) { Mouse(Down(b), p, afterMs); }
    void Release(Point p, std::uint32_t afterMs, Button b = Button::Left) { Mouse(Up(b), p, afterMs); }
    void Wheel(Point p, int delta, std::uint32_t afterMs) {
        Mouse(msg::kMouseWheel, p, afterMs, static_cast<std::uint32_t>(static_cast<std::uint16_t>(delta)) << 16);
    }
    // Client point of the editor app and the browser, on the screen at 96 DPI.
    static Point InNotes(int x, int y) { return {108 + x, 131 + y}; }
    static Point InBrowser(int x, int y) { return {800 + x, 120 + y}; }

    static std::string NotesLine() { return "目标窗口(\"无标题 - 记事本\",\"Notepad\",\"0\")"; }

    // The main window's turn: what was posted to it since its last turn, in order.
    void RunPostedMessages() {
        const auto posted = sim.desktop.MessagesTo(view.handle);
        for (; dispatched < posted.size(); ++dispatched) {
            static_cast<void>(HandleCustomMessage(context, posted[dispatched].message, posted[dispatched].wParam));
        }
    }

    // Stops after `afterMs` with Esc, and the main window finishes the stop;
    // the script must then pass the check a playback runs.
    std::string StopAndText(std::uint32_t afterMs) {
        sim.clock.Advance(afterMs);
        PressEsc();
        RunPostedMessages();
        EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Idle);
        const std::string text = editor.GetEditorText();
        ScriptConfig config;
        const ScriptCheck check = CheckScript(text, config);
        EXPECT_EQ(check.status, ScriptCheckStatus::Passed) << check.message;
        return text;
    }

    static std::string Lines(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += "\r\n" + line;
        return text;
    }

    sim::SimPlatform sim;
    MemoryEditor editor;
    MemoryScriptControls controls;
    RecordingMainWindowView view;
    AppModel model;
    AppContext context{model, editor, controls, view, sim.platform(), {}};
    CaptureSession session{context, {}};
    bool keepUp = true;
    std::size_t dispatched = 0;  // posted messages the main window has run
    WindowHandle editorApp = kNoWindow;
    WindowHandle browserApp = kNoWindow;
    struct Effect {
        Point point;
        std::uint32_t message;
    };
    std::vector<Effect> effects;
};

}  // namespace xd::test
