// `/play` in the event-list edition: each exit code from its cause, with the real player on the simulated
// desktop, and the command line's repeat, speed and mode in place of the file's.
#include <memory>

#include "EventAppFixture.h"
#include "appcore/unattended/PlayCauses.h"
#include "eventlist/PlaySliders.h"
#include "eventlist/app/EventUnattendedPlayback.h"
#include "eventlist/document/EventScriptFile.h"

namespace xd::test {
namespace {

constexpr const char* kScript = "C:/脚本/每日.mkx";

class UnattendedEventTest : public EventAppTest {
protected:
    UnattendedEventTest() {
        // Every box answered as nobody at the screen answers it.
        sim.boxes.SetResponder([](const sim::MessageBoxRecord& box) { return UnattendedAnswer(box.flags); });
        model.options.moveToStart = false;
        OnEventOptionsChanged(context);
    }

    // A click on Notepad; foreground and repeating until stopped, as the file says.
    void PutScript(const std::string& title) {
        std::vector<RecordedEvent> events{NotepadEvent(513, 50, 50, 100), NotepadEvent(514, 50, 50, 100)};
        for (RecordedEvent& e : events) e.windowTitle = sim.codePage.Utf8ToAnsi(title) + std::string(2, '\0');
        EventPlaySettings settings;
        settings.foreground = true;
        sim.files.Put(kScript, EncodeEventScript(events, settings).bytes);
    }

    // The deferred load's start, the player on this thread, and the ends the window sees: the player's own
    // end post, or a stop without it.
    PlayExit Play() {
        PlayRequest request;
        request.scriptPath = kScript;
        request.repeat = 2;
        request.speedHundredths = 200;
        request.mode = PlayModeOverride::Background;
        const std::size_t boxesBefore = sim.boxes.Count();
        const std::size_t endsBefore = playerView.finished.size();
        const bool opened = OnStartUp(context, kScript);
        bool byHand = false;
        if (StartEventUnattendedPlayback(context, request, opened)) {
            byHand = playerView.finished.size() == endsBefore;
            PumpMainWindow();
            EXPECT_FALSE(context.Playing());
        }
        std::vector<ShownBox> boxes;
        const auto shown = sim.boxes.Shown();
        for (std::size_t i = boxesBefore; i < shown.size(); ++i) {
            boxes.push_back(ShownBox{shown[i].text, shown[i].caption, shown[i].flags});
        }
        return DecideExit(EventPlayCauses(), boxes, byHand);
    }

    int Presses() const {
        int presses = 0;
        for (const auto& m : sim.desktop.MessagesTo(notepad)) presses += m.message == 0x201 ? 1 : 0;
        return presses;
    }
};

TEST_F(UnattendedEventTest, PlaysTwiceInTheBackgroundAtDoubleSpeed) {
    PutScript("记事本");
    EXPECT_EQ(Play(), PlayExit::Played);
    std::vector<std::int64_t> presses;
    for (const auto& m : sim.desktop.MessagesTo(notepad)) {
        if (m.message == 0x201) presses.push_back(m.micros);
    }
    ASSERT_EQ(presses.size(), 2u);
    // From one run's press to the next: two waits of 100 ms, halved.
    EXPECT_EQ(presses[1] - presses[0], 100'000);
}

TEST_F(UnattendedEventTest, EachFailureFromItsCause) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        PlayExit exit;
    };
    const std::vector<Case> cases = {
        {"refused file", [this] { sim.files.Put(kScript, "不是脚本"); }, PlayExit::FileRefused},
        {"no window", [this] { PutScript("没有这个窗口"); }, PlayExit::WindowNotFound},
        {"Esc",
         [this] {
             PutScript("记事本");
             sim.clock.SetSleepHook([this](const sim::SleepRecord&) {
                 if (Presses() == 1 && context.Playing()) {
                     OnEventKeyboardHook(context, LowLevelKeyEvent{0, 0x100, 27, 0, 0, 0});
                 }
             });
         },
         PlayExit::StoppedByUser},
        // Last: the refusal stays.
        {"refused input",
         [this] {
             PutScript("记事本");
             sim.desktop.RefusePosts(notepad);
         },
         PlayExit::InputRefused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.desktop.ClearMessages();
        sim.clock.SetSleepHook({});
        c.arrange();
        EXPECT_EQ(Play(), c.exit);
    }
}

TEST(EventUnattendedSpeedTest, FactorsMeetTheSliderWhereItHasThem) {
    const std::vector<std::pair<std::int32_t, std::int32_t>> table = {
        {100, 0}, {150, 5}, {394, 29}, {395, 30}, {400, 30}, {449, 30}, {450, 31}, {17400, 200}, {99900, 200}};
    for (const auto& [hundredths, position] : table) EXPECT_EQ(EventSpeedPositionFor(hundredths), position) << hundredths;
    for (std::int32_t p = 0; p <= kSpeedSliderMax; ++p) {
        EXPECT_EQ(EventSpeedPositionFor(SpeedFactorTenths(p) * 10), p) << p;
    }
}

}  // namespace
}  // namespace xd::test
