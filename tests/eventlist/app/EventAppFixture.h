// The event-list main window as the program builds it, on the simulated desktop:
// the model, the context over fakes of the four views, the hooks installed in
// the simulated hook chain, and a player that plays on the test thread in
// virtual time. Another program's window "记事本" has a nested child button.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "eventlist/app/EventListCommands.h"
#include "eventlist/app/EventStatusTick.h"
#include "platform/sim/SimInputHooks.h"
#include "platform/sim/SimPlatform.h"
#include "tests/support/EventAppWindow.h"
#include "tests/support/EventDocumentView.h"
#include "tests/support/EventListFakes.h"
#include "tests/support/EventPlayerView.h"
#include "tests/support/SimOverlayWindows.h"

namespace xd::test {

inline constexpr std::uint32_t kOwnProcess = 1;
inline constexpr std::uint32_t kNotepadProcess = 200;

// Where the other program's windows stand (screen coordinates).
inline constexpr Rect kNotepadRect{100, 100, 500, 400};  // 30-pixel title bar
inline constexpr Rect kLeftPaneRect{100, 130, 300, 400};
inline constexpr Rect kRightPaneRect{300, 130, 500, 400};
inline constexpr Rect kButtonRect{350, 150, 450, 200};  // inside the right pane

class EventAppTest : public ::testing::Test {
protected:
    EventAppTest() {
        sim.desktop.SetCurrentProcessId(kOwnProcess);
        sim.desktop.SetScreenSize(Point{1920, 1080});
        window.handle = sim.desktop.AddWindow(
            {.processId = kOwnProcess, .rect = {0, 0, 100, 60}, .title = "迅点小侠", .className = "迅点小侠_Form1"});
        AddNotepad();
        LoadEventListOptions(model, sim.profile, "C:/xd/settings.ini");
        CreateClickEffectWindows(SharedClickEffects{model.effects, model.effectGuard}, overlays);
        // Installed as the program does when its window is created.
        inputHooks.Install(
            [this](int code, const LowLevelMouseEvent& e, std::uintptr_t) { OnEventMouseHook(context, code, e); },
            [this](const LowLevelKeyEvent& e) { OnEventKeyboardHook(context, e); });
        sim.input.PlaceCursor(Point{700, 600});
    }

    void AddNotepad() {
        notepad = sim.desktop.AddWindow({.processId = kNotepadProcess,
                                         .rect = kNotepadRect,
                                         .clientInsets = {0, 30, 0, 0},
                                         .title = "记事本",
                                         .className = "Notepad"});
        leftPane = sim.desktop.AddWindow(
            {.parent = notepad, .processId = kNotepadProcess, .rect = kLeftPaneRect, .title = "", .className = "Pane"});
        rightPane = sim.desktop.AddWindow(
            {.parent = notepad, .processId = kNotepadProcess, .rect = kRightPaneRect, .title = "", .className = "Pane"});
        button = sim.desktop.AddWindow({.parent = rightPane,
                                        .processId = kNotepadProcess,
                                        .rect = kButtonRect,
                                        .title = "确定",
                                        .className = "Button"});
    }

    // The program's message loop: what the hooks and the player posted to the
    // main window, handled in order. Each message is taken before it is handled,
    // so a loop run inside a handler's box (a nested pump) goes on from there.
    void PumpMainWindow() {
        for (;;) {
            const auto messages = sim.desktop.MessagesTo(window.handle);
            if (messagesPumped >= messages.size()) break;
            const auto m = messages[messagesPumped++];
            if (m.sent) continue;
            if (m.message == 0x2A49) OnRecordToggleMessage(context);
            if (m.message == 0x2A4A) OnPlayToggleMessage(context, m.wParam);
        }
        while (foundPumped < playerView.found.size()) {
            const std::size_t i = foundPumped++;
            OnPlayerEventWindow(context, playerView.foundGenerations[i], playerView.found[i].first,
                                playerView.found[i].second);
        }
        while (finishedPumped < playerView.finished.size()) OnPlayToggleMessage(context, playerView.finished[finishedPumped++]);
    }

    std::vector<sim::MessageRecord> PostedTo(WindowHandle w) const {
        std::vector<sim::MessageRecord> out;
        for (const auto& m : sim.desktop.MessagesTo(w))
            if (!m.sent) out.push_back(m);
        return out;
    }

    // An event on the other program's top-level window, (ox, oy) from its corner.
    RecordedEvent NotepadEvent(std::int32_t message, int ox, int oy, std::int32_t delayMs) {
        RecordedEvent e;
        e.x = kNotepadRect.left + ox;
        e.y = kNotepadRect.top + oy;
        e.windowTitle = sim.codePage.Utf8ToAnsi("记事本") + std::string(2, '\0');
        e.windowClass = sim.codePage.Utf8ToAnsi("Notepad") + std::string(2, '\0');
        e.offsetX = (ox << 16) | ox;
        e.offsetY = (oy << 16) | oy;
        e.message = message;
        e.keyFlags = message == 513 ? 1 : 0;
        e.delayMs = delayMs;
        e.displayText = EventDisplayText(e);
        return e;
    }
    static std::intptr_t Packed(int x, int y) { return static_cast<std::intptr_t>((y << 16) | (x & 0xFFFF)); }

    sim::SimPlatform sim;
    sim::SimOverlayWindows overlays{sim.desktop};
    EventListModel model;
    FakeEventListView listView;
    RecordingEventDocumentView documentView;
    RecordingPlayerView playerView;
    FakeEventAppWindow window;
    ThreadStarter inlineStart = [](std::function<void()> work) {
        work();
        return true;
    };
    EventListContext context{model, EventListServices{sim.platform(), sim.codePage, overlays, inlineStart},
                             EventListViews{listView, documentView, playerView, window}};
    // The program's two hooks, which the system may drop and the status tick puts back.
    sim::SimInputHooks inputHooks{sim.hooks, sim.clock};
    WindowHandle notepad = kNoWindow, leftPane = kNoWindow, rightPane = kNoWindow, button = kNoWindow;
    std::size_t messagesPumped = 0;
    std::size_t foundPumped = 0;
    std::size_t finishedPumped = 0;
};

}  // namespace xd::test
