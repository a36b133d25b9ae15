#include "RecordingFixture.h"
#include "eventlist/recording/HintDrag.h"

namespace xd::test {
namespace {

class HintDragTest : public RecordingTest {
protected:
    // One recorded left press on the second pane's button, selected.
    void RecordOnButton() {
        StartFresh();
        ClickAt({400, 170});
        recorder.ToggleEventRecording(false);
        view.Select(0);
        document.modified = false;
    }
    HintDropResult Drop(Point hintTopLeft) {
        return EndHintDrag(edit, recorder.Cache(), hintTopLeft, [this](const RecordedEvent& e) {
            slidBack.push_back(Point{e.x, e.y});
        });
    }
    std::vector<Point> slidBack;
};

TEST_F(HintDragTest, DropOnTheProgramsOwnWindowSlidesBackAndChangesNothing) {
    RecordOnButton();
    const RecordedEvent before = events[0];
    EXPECT_EQ(Drop({21, 21}), HintDropResult::SlidBack);
    EXPECT_EQ(slidBack, (std::vector<Point>{{400, 170}}));
    EXPECT_EQ(events[0].x, before.x);
    EXPECT_EQ(events[0].childPath, before.childPath);
    EXPECT_EQ(events[0].displayText, before.displayText);
    EXPECT_FALSE(document.modified);
}

TEST_F(HintDragTest, DropElsewhereMovesTheEventToTheNewWindow) {
    RecordOnButton();
    const int redraws = view.redraws;
    EXPECT_EQ(Drop({751, 201}), HintDropResult::Moved);
    const RecordedEvent& e = events[0];
    EXPECT_TRUE(slidBack.empty());
    EXPECT_EQ(e.x, 750);
    EXPECT_EQ(e.y, 200);
    EXPECT_EQ(e.window, other);
    EXPECT_TRUE(e.childPath.empty());
    EXPECT_EQ(e.windowClass, std::string("MSPaintApp\0\0", 12));
    EXPECT_EQ(e.offsetX, (150 << 16) | 150);
    EXPECT_EQ(e.offsetY, (100 << 16) | 100);
    EXPECT_EQ(e.displayText, "按下左键,750,200");
    EXPECT_EQ(view.details.screenPosition, "X=750,Y=200");
    EXPECT_EQ(view.details.windowPosition, "X=150,Y=100");
    EXPECT_EQ(view.details.title, "画图");
    EXPECT_GT(view.redraws, redraws);
    EXPECT_TRUE(document.modified);
}

TEST_F(HintDragTest, DedicatedModeSlidesBackFromAnotherProgramButMovesWithinTheSameWindow) {
    options.dedicatedMode = true;
    RecordOnButton();
    EXPECT_EQ(Drop({751, 201}), HintDropResult::SlidBack);
    EXPECT_EQ(events[0].window, button);
    EXPECT_FALSE(document.modified);

    EXPECT_EQ(Drop({151, 201}), HintDropResult::Moved);  // the first pane of the same window
    const RecordedEvent& e = events[0];
    EXPECT_EQ(e.window, pane1);
    EXPECT_EQ(e.childPath, std::string("\x01", 1));
    EXPECT_EQ(e.offsetX, (50 << 16) | 50);
    EXPECT_EQ(e.offsetY, (100 << 16) | 70);
    EXPECT_TRUE(document.modified);
}

// A title read as a file's last table entry keeps a third zero byte; it is still the same window's title.
TEST_F(HintDragTest, DedicatedModeComparesTitleAndClassAsText) {
    options.dedicatedMode = true;
    RecordOnButton();
    events[0].windowTitle = events[0].windowTitle.str() + '\0';
    events[0].windowClass = events[0].windowClass.str() + '\0';
    EXPECT_EQ(Drop({151, 201}), HintDropResult::Moved);
    EXPECT_EQ(events[0].window, pane1);
    EXPECT_TRUE(slidBack.empty());
}

TEST_F(HintDragTest, TextWithoutACommaIsLeftAndNothingIsMarked) {
    RecordOnButton();
    events[0].displayText = "x";
    EXPECT_EQ(Drop({751, 201}), HintDropResult::MovedNoText);
    EXPECT_EQ(events[0].x, 750);
    EXPECT_EQ(events[0].displayText, "x");
    EXPECT_FALSE(document.modified);
}

TEST_F(HintDragTest, NothingWithoutASelection) {
    RecordOnButton();
    view.Select(-1);
    EXPECT_EQ(Drop({751, 201}), HintDropResult::NoSelection);
    EXPECT_EQ(events[0].x, 400);
}

}  // namespace
}  // namespace xd::test
