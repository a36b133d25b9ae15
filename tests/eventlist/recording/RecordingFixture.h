// The event-list main window's state on the simulated desktop, with the
// recorder's hook functions installed in the simulated hook chain.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "eventlist/recording/EventEditing.h"
#include "eventlist/recording/EventHooks.h"
#include "eventlist/recording/EventRecorder.h"
#include "platform/sim/SimPlatform.h"
#include "tests/support/EventListFakes.h"

namespace xd::test {

inline RecordedEvent Ev(std::int32_t message, std::int32_t x = 0, std::int32_t y = 0, std::int32_t flags = 0) {
    RecordedEvent e;
    e.message = message;
    e.x = x;
    e.y = y;
    e.keyFlags = flags;
    e.windowTitle = std::string("T\0\0", 3);
    e.windowClass = std::string("C\0\0", 3);
    e.displayText = EventDisplayText(e);
    return e;
}

class RecordingTest : public ::testing::Test {
protected:
    RecordingTest() {
        sim.desktop.SetCurrentProcessId(kOwnProcess);
        sim.desktop.SetScreenSize(Point{1920, 1080});
        mainWindow.handle = own = sim.desktop.AddWindow(
            {.processId = kOwnProcess, .rect = {0, 0, 100, 60}, .title = "迅点小侠", .className = "迅点小侠_Form1"});
        app = sim.desktop.AddWindow({.processId = 200,
                                     .rect = {100, 100, 500, 400},
                                     .clientInsets = {0, 30, 0, 0},
                                     .title = "记事本",
                                     .className = "Notepad"});
        pane1 = sim.desktop.AddWindow({.parent = app, .processId = 200, .rect = {100, 130, 300, 400}, .title = "", .className = "Pane"});
        pane2 = sim.desktop.AddWindow({.parent = app, .processId = 200, .rect = {300, 130, 500, 400}, .title = "", .className = "Pane"});
        button = sim.desktop.AddWindow({.parent = pane2, .processId = 200, .rect = {350, 150, 450, 200}, .title = "确定", .className = "Button"});
        other = sim.desktop.AddWindow(
            {.processId = 300, .rect = {600, 100, 900, 400}, .title = "画图", .className = "MSPaintApp"});
        sim.hooks.InstallMouseHook([this](int code, const LowLevelMouseEvent& e, std::uintptr_t) {
            RunEventMouseHook(recorder, code, e);
        });
        sim.hooks.InstallKeyboardHook([this](const LowLevelKeyEvent& e) { RunEventKeyboardHook(recorder, e); });
    }

    void ClickAt(Point p, sim::SimButton b = sim::SimButton::Left) {
        sim.user.MoveTo(p);
        sim.user.Click(b);
    }
    void StartFresh() { recorder.ToggleEventRecording(false); }
    std::vector<std::int32_t> Messages() const {
        std::vector<std::int32_t> out;
        for (const auto& e : events) out.push_back(e.message);
        return out;
    }

    static constexpr std::uint32_t kOwnProcess = 1;
    sim::SimPlatform sim;
    std::vector<RecordedEvent> events;
    EventGroups groups;
    EventOptions options;
    FakeEventListView view;
    FakeEventDocument document{events};
    FakeEventMainWindow mainWindow;
    EventRecorder recorder{
        EventRecorderContext{sim.desktop, sim.clock, sim.codePage, events, groups, options, view, document, mainWindow}};
    EventEditContext edit{sim.desktop, sim.codePage, events, groups, options, view,
                          document,    mainWindow,   sim.boxes, recorder};
    WindowHandle own = kNoWindow, app = kNoWindow, pane1 = kNoWindow, pane2 = kNoWindow, button = kNoWindow,
                 other = kNoWindow;
};

}  // namespace xd::test
