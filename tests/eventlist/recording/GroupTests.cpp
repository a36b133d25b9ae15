#include "RecordingFixture.h"
#include "eventlist/recording/LineDrawing.h"

namespace xd::test {
namespace {

class GroupTest : public ::testing::Test {
protected:
    void Add(std::int32_t message, std::int32_t x = 100, std::int32_t y = 200, std::int32_t flags = 0) {
        events.push_back(Ev(message, x, y, flags));
        GroupEvent(groups, events, static_cast<std::int32_t>(events.size()) - 1, view, false);
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> out;
        for (const auto& l : groups.lines) out.push_back(DrawEventLine(l, events, false).text);
        return out;
    }

    std::vector<RecordedEvent> events;
    EventGroups groups;
    FakeEventListView view;
};

TEST_F(GroupTest, LeftClickIsNamedWithItsPositionInBlue) {
    Add(evmsg::kLeftDown, 100, 200);
    Add(evmsg::kLeftUp, 101, 201);
    ASSERT_EQ(groups.lines.size(), 1u);
    EXPECT_EQ(groups.lines[0].name, "1：单击左键_100,200");
    EXPECT_EQ(groups.lines[0].colour, 0xFF0000u);
    EXPECT_EQ(groups.lines[0].eventCount, 2);
    EXPECT_EQ(view.items, 1);
    EXPECT_EQ(view.selection, -1);  // only a recording selects new lines
}

TEST_F(GroupTest, DragsCountTheirEventsAndKeepTheDragColour) {
    Add(evmsg::kLeftDown);
    for (int i = 0; i < 3; ++i) Add(evmsg::kMove);
    EXPECT_EQ(groups.lines[0].name, "1：左键拖动_4");
    Add(evmsg::kLeftUp);
    ASSERT_EQ(groups.lines.size(), 1u);
    EXPECT_EQ(groups.lines[0].name, "1：左键拖动_5");
    EXPECT_EQ(groups.lines[0].colour, 0xB400B0u);
    Add(evmsg::kMove);  // after the release a move starts its own line
    EXPECT_EQ(groups.lines.size(), 2u);
}

TEST_F(GroupTest, RightAndMiddleButtonsHaveTheirOwnLabelsAndColours) {
    Add(evmsg::kRightDown, 5, 6);
    Add(evmsg::kRightUp);
    Add(evmsg::kMiddleDown, 7, 8);
    Add(evmsg::kMiddleUp);
    Add(evmsg::kRightDown);
    Add(evmsg::kMove);
    Add(evmsg::kRightUp);
    Add(evmsg::kMiddleDown);
    Add(evmsg::kMove);
    ASSERT_EQ(groups.lines.size(), 4u);
    EXPECT_EQ(groups.lines[0].name, "1：单击右键_5,6");
    EXPECT_EQ(groups.lines[0].colour, 0xFF6200u);
    EXPECT_EQ(groups.lines[1].name, "2：单击中键_7,8");
    EXPECT_EQ(groups.lines[1].colour, 0xFF006Cu);
    EXPECT_EQ(groups.lines[2].name, "3：右键拖动_3");
    EXPECT_EQ(groups.lines[2].colour, 0xB400B0u);
    EXPECT_EQ(groups.lines[3].name, "4：中键拖动_2");
}

TEST_F(GroupTest, LeftDownThenRightDownStayTwoLinesAndTheFirstDrawsItsEventInBlack) {
    Add(evmsg::kLeftDown, 100, 200);
    Add(evmsg::kRightDown, 100, 200);
    ASSERT_EQ(groups.lines.size(), 2u);
    EXPECT_TRUE(groups.lines[0].name.empty());
    const LineDrawFacts facts = DrawEventLine(groups.lines[0], events, false);
    EXPECT_EQ(facts.text, "1：按下左键,100,200");
    EXPECT_EQ(facts.colour, 0u);
    EXPECT_EQ(facts.indentUnits, 1);
    EXPECT_FALSE(facts.highlighted);
}

TEST_F(GroupTest, WheelRunsAndMoveRunsFoldByDirectionAxis) {
    Add(evmsg::kWheel, 0, 0, 120 << 16);
    Add(evmsg::kWheel, 0, 0, 120 << 16);
    Add(evmsg::kWheel, 0, 0, static_cast<std::int32_t>(0xFF880000u));  // -120
    Add(evmsg::kHWheel);
    Add(evmsg::kHWheel);
    Add(evmsg::kMove);
    Add(evmsg::kMove);
    Add(evmsg::kWheel);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"1：上下滚轮_3", "2：左右滚轮_2", "3：移动鼠标_2",
                                                 "4：向前滚轮,100,200"}));
    EXPECT_EQ(groups.lines[0].colour, 0x5FA0FFu);
    EXPECT_EQ(groups.lines[1].colour, 0x5FA0FFu);
    EXPECT_EQ(groups.lines[2].colour, 0x008C00u);
}

TEST_F(GroupTest, AReleaseWithoutItsPressAndAFirstEventUpStartLines) {
    Add(evmsg::kLeftUp);
    Add(evmsg::kLeftUp);
    Add(evmsg::kRightDown);
    Add(evmsg::kLeftUp);  // the wrong button's release
    EXPECT_EQ(groups.lines.size(), 4u);
    EXPECT_EQ(groups.nextNumber, 5);
}

TEST_F(GroupTest, OpeningAGroupOfFiveAddsNumberedMemberLinesAndClosingRemovesThem) {
    Add(evmsg::kLeftDown);
    for (int i = 0; i < 3; ++i) Add(evmsg::kMove, 100 + i, 200);
    Add(evmsg::kLeftUp);
    Add(evmsg::kRightDown);
    ToggleGroup(groups, 0, view);
    ASSERT_EQ(groups.lines.size(), 7u);
    EXPECT_EQ(view.items, 7);
    EXPECT_TRUE(groups.lines[0].isOpen);
    for (int k = 1; k <= 5; ++k) {
        const EventLine& m = groups.lines[static_cast<std::size_t>(k)];
        EXPECT_TRUE(m.IsMember());
        EXPECT_EQ(m.number, k);
        EXPECT_EQ(m.firstEvent, k - 1);
    }
    const LineDrawFacts member = DrawEventLine(groups.lines[2], events, true);
    EXPECT_EQ(member.text, "2：移动,100,200");
    EXPECT_EQ(member.indentUnits, 10);
    EXPECT_TRUE(member.highlighted);
    EXPECT_EQ(member.colour, 0u);
    EXPECT_EQ(groups.lines[6].firstEvent, 5);

    ToggleGroup(groups, 3, view);  // a member line: nothing
    EXPECT_EQ(groups.lines.size(), 7u);
    ToggleGroup(groups, 0, view);
    EXPECT_EQ(groups.lines.size(), 2u);
    EXPECT_EQ(view.items, 2);
    EXPECT_FALSE(groups.lines[0].isOpen);
    EXPECT_EQ(view.suspended, 0);
    EXPECT_EQ(view.suspends, 2);
    EXPECT_EQ(view.misuse, 0);
}

TEST_F(GroupTest, DoubleClickOnAGroupOfOneDoesNothing) {
    Add(evmsg::kLeftDown);
    Add(evmsg::kRightDown);
    ToggleGroup(groups, 0, view);
    ToggleGroup(groups, 5, view);
    EXPECT_EQ(groups.lines.size(), 2u);
    EXPECT_EQ(view.suspends, 0);
}

TEST_F(GroupTest, RebuildRegroupsEverythingClosedFromNumberOne) {
    for (int i = 0; i < 3; ++i) {
        Add(evmsg::kLeftDown);
        Add(evmsg::kLeftUp);
    }
    ToggleGroup(groups, 2, view);
    RebuildGroups(groups, events, view);
    EXPECT_EQ(groups.lines.size(), 3u);
    EXPECT_EQ(view.items, 3);
    EXPECT_EQ(groups.nextNumber, 4);
    EXPECT_EQ(groups.lines[2].name, "3：单击左键_100,200");
    for (const auto& l : groups.lines) EXPECT_FALSE(l.isOpen);
    EXPECT_EQ(view.suspended, 0);

    events.clear();
    RebuildGroups(groups, events, view);
    EXPECT_TRUE(groups.lines.empty());
    EXPECT_EQ(view.items, 0);
}

}  // namespace
}  // namespace xd::test
