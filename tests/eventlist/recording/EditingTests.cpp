#include "RecordingFixture.h"
#include "eventlist/recording/LineDrawing.h"

namespace xd::test {
namespace {

class EditingTest : public RecordingTest {
protected:
    // 1: a click, 2: a drag of four (down, two moves, up), 3: a lone right press.
    void Build() {
        events = {Ev(evmsg::kLeftDown, 10, 20, 1), Ev(evmsg::kLeftUp, 10, 20),   Ev(evmsg::kLeftDown, 30, 40, 1),
                  Ev(evmsg::kMove, 31, 41, 1),     Ev(evmsg::kMove, 32, 42, 1),   Ev(evmsg::kLeftUp, 33, 43),
                  Ev(evmsg::kRightDown, 50, 60, 2 | 8)};
        for (std::size_t i = 0; i < events.size(); ++i) events[i].delayMs = static_cast<std::int32_t>(100 + i);
        RebuildGroups(groups, events, view);
    }
    void SelectLine(int line) {
        view.Select(line);
        OnEventSelectionChanged(edit);
    }
    std::string Text(int line) { return DrawEventLine(groups.lines[static_cast<std::size_t>(line)], events, false).text; }
};

TEST_F(EditingTest, GroupSelectionShowsTheNoteAndAllowsOnlyDelete) {
    Build();
    events[2].windowTitle = std::string("\xBC\xC7\xCA\xC2\xB1\xBE\0\0", 8);
    events[2].offsetX = (25 << 16) | 5;
    events[2].offsetY = (-3 << 16) | 7;
    SelectLine(1);
    ASSERT_TRUE(view.detailsShown);
    EXPECT_TRUE(view.details.group);
    EXPECT_EQ(view.details.note, "这是脚本组，双击可以打开或关闭脚本项");
    EXPECT_EQ(view.details.title, "记事本");
    EXPECT_EQ(view.details.className, "C");
    EXPECT_EQ(view.details.screenPosition, "X=30,Y=40");
    EXPECT_EQ(view.details.windowPosition, "X=25,Y=-3");
    EXPECT_TRUE(view.deleteEnabled);
    EXPECT_FALSE(view.insertEnabled);
    EXPECT_TRUE(mainWindow.hintShown);
    EXPECT_EQ(mainWindow.hintAt, (Point{31, 41}));
    EXPECT_EQ(mainWindow.clickEffects, (std::vector<ClickEffectCall>{{{30, 40}, 0x201}}));
}

TEST_F(EditingTest, SingleEventSelectionShowsItsEditorsAndInsertOnlyOnMembers) {
    Build();
    SelectLine(2);  // the lone right press, a group of one
    EXPECT_FALSE(view.details.group);
    EXPECT_TRUE(view.details.note.empty());
    EXPECT_EQ(view.details.kindOption, static_cast<int>(EventKindOption::RightDown));
    EXPECT_EQ(view.details.flags, 2 | 8);
    EXPECT_EQ(view.details.delayMs, 106);
    EXPECT_TRUE(view.deleteEnabled);
    EXPECT_FALSE(view.insertEnabled);

    ToggleGroup(groups, 1, view);
    SelectLine(3);  // the drag's second member
    EXPECT_EQ(view.details.kindOption, static_cast<int>(EventKindOption::Move));
    EXPECT_TRUE(view.insertEnabled);

    view.Select(-1);
    OnEventSelectionChanged(edit);
    EXPECT_FALSE(view.detailsShown);
    EXPECT_FALSE(view.deleteEnabled);
    EXPECT_FALSE(view.insertEnabled);
    EXPECT_FALSE(mainWindow.hintShown);
}

TEST_F(EditingTest, BackgroundSelectionSearchesForAGoneWindowAndMarksInsideIt) {
    Build();
    mainWindow.background = true;
    mainWindow.found = app;  // rect 100,100
    events[6].offsetX = (1 << 16) | 15;
    events[6].offsetY = (1 << 16) | 25;
    SelectLine(2);
    EXPECT_EQ(mainWindow.searches, 1);
    EXPECT_EQ(events[6].window, app);
    EXPECT_EQ(mainWindow.clickEffects.back(), (ClickEffectCall{{115, 125}, 0x201}));
    EXPECT_EQ(mainWindow.hintAt, (Point{116, 126}));
    SelectLine(2);
    EXPECT_EQ(mainWindow.searches, 1);  // a live window needs no search
}

TEST_F(EditingTest, KindOptionsTable) {
    const std::pair<EventKindOption, KindOptionValue> table[] = {
        {EventKindOption::LeftDown, {513, 0}},   {EventKindOption::LeftUp, {514, 0}},
        {EventKindOption::MiddleDown, {519, 0}}, {EventKindOption::MiddleUp, {520, 0}},
        {EventKindOption::RightDown, {516, 0}},  {EventKindOption::RightUp, {517, 0}},
        {EventKindOption::Move, {512, 0}},       {EventKindOption::WheelForward, {522, 120}},
        {EventKindOption::WheelBackward, {522, -120}}, {EventKindOption::WheelLeft, {526, -120}},
        {EventKindOption::WheelRight, {526, 120}}};
    for (const auto& [option, value] : table) {
        const KindOptionValue v = KindOptionValueOf(option);
        EXPECT_EQ(v.message, value.message);
        EXPECT_EQ(v.wheelDelta, value.wheelDelta);
        RecordedEvent e = Ev(v.message, 0, 0, static_cast<std::int32_t>(static_cast<std::uint32_t>(v.wheelDelta) << 16));
        EXPECT_EQ(KindOptionOf(e), static_cast<int>(option));
    }
    EXPECT_EQ(KindOptionOf(Ev(0x20B)), -1);
}

TEST_F(EditingTest, WheelOptionOnAButtonEventKeepsItsButtonAndModifierBits) {
    Build();
    SelectLine(2);
    const int marks = document.marks;
    ChooseKindOption(edit, EventKindOption::WheelBackward);
    EXPECT_EQ(events[6].message, 522);
    EXPECT_EQ(events[6].keyFlags, static_cast<std::int32_t>(0xFF880000u | 2u | 8u));
    EXPECT_EQ(events[6].displayText, "向后滚轮,50,60");
    EXPECT_EQ(Text(2), "3：向后滚轮,50,60");
    EXPECT_GT(view.redraws, 0);
    EXPECT_EQ(document.marks, marks + 1);
    ChooseKindOption(edit, EventKindOption::LeftUp);  // a button option leaves keyFlags alone
    EXPECT_EQ(events[6].message, 514);
    EXPECT_EQ(events[6].keyFlags, static_cast<std::int32_t>(0xFF880000u | 2u | 8u));
}

TEST_F(EditingTest, KindOptionsDoNotRenameGroups) {
    Build();
    ToggleGroup(groups, 0, view);
    SelectLine(1);
    ChooseKindOption(edit, EventKindOption::RightDown);
    EXPECT_EQ(groups.lines[0].name, "1：单击左键_10,20");
    EXPECT_EQ(Text(1), "1：按下右键,10,20");
}

TEST_F(EditingTest, FlagBoxesReplaceTheLowHalfAndTheDelayBoxTheDelay) {
    Build();
    events[6].keyFlags = static_cast<std::int32_t>(0x00780000u | 2u);
    SelectLine(2);
    SetFlagBoxes(edit, 1 | 0x10 | 4);
    EXPECT_EQ(events[6].keyFlags, static_cast<std::int32_t>(0x00780000u | 0x15u));
    SetDelayText(edit, "250");
    EXPECT_EQ(events[6].delayMs, 250);
    SetDelayText(edit, "abc");
    EXPECT_EQ(events[6].delayMs, 0);
    EXPECT_TRUE(document.modified);
}

TEST_F(EditingTest, EditorsDoNothingOnGroupsWithoutSelectionOrWhileBusy) {
    Build();
    const std::vector<RecordedEvent> before = events;
    SelectLine(1);  // a group of four
    ChooseKindOption(edit, EventKindOption::Move);
    SetFlagBoxes(edit, 0);
    SetDelayText(edit, "1");
    view.Select(-1);
    ChooseKindOption(edit, EventKindOption::Move);
    DeleteSelectedLine(edit);
    SelectLine(2);
    mainWindow.playing = true;
    SetDelayText(edit, "1");
    DeleteSelectedLine(edit);
    InsertOneEvent(edit);
    OnEventListDoubleClick(edit, 0);
    EXPECT_EQ(events.size(), before.size());
    for (std::size_t i = 0; i < events.size(); ++i) EXPECT_EQ(events[i].delayMs, before[i].delayMs);
    EXPECT_EQ(groups.lines.size(), 3u);
    EXPECT_EQ(sim.boxes.Count(), 0u);
    EXPECT_FALSE(document.modified);
}

TEST_F(EditingTest, DeleteAsksFirstAndNoKeepsEverything) {
    Build();
    SelectLine(0);
    sim.boxes.QueueAnswer(id::kNo);
    DeleteSelectedLine(edit);
    ASSERT_EQ(sim.boxes.Count(), 1u);
    const auto box = sim.boxes.Shown()[0];
    EXPECT_EQ(box.text, "你真的要删除这记录吗？\r\n删除后无法恢复。");
    EXPECT_EQ(box.caption, "迅点小侠");
    EXPECT_EQ(box.flags, mb::kYesNo | mb::kIconQuestion | mb::kDefButton2);
    EXPECT_EQ(box.owner, own);
    EXPECT_EQ(events.size(), 7u);

    sim.boxes.QueueAnswer(id::kYes);
    DeleteSelectedLine(edit);
    EXPECT_EQ(events.size(), 5u);
    EXPECT_EQ(groups.lines[0].name, "1：左键拖动_4");
    EXPECT_EQ(groups.nextNumber, 3);
    EXPECT_FALSE(view.deleteEnabled);
    EXPECT_FALSE(view.insertEnabled);
    EXPECT_FALSE(view.detailsShown);
    EXPECT_TRUE(document.modified);
}

TEST_F(EditingTest, DeletingAMemberLineRemovesOneEventAndClosesEveryGroup) {
    options.confirmDelete = false;
    Build();
    ToggleGroup(groups, 1, view);
    ToggleGroup(groups, 0, view);
    ASSERT_EQ(groups.lines.size(), 9u);
    SelectLine(5);  // the drag's second member
    DeleteSelectedLine(edit);
    EXPECT_EQ(sim.boxes.Count(), 0u);
    EXPECT_EQ(events.size(), 6u);
    EXPECT_EQ(events[3].x, 32);
    ASSERT_EQ(groups.lines.size(), 3u);
    EXPECT_EQ(view.items, 3);
    EXPECT_EQ(groups.lines[1].name, "2：左键拖动_3");
    for (const auto& l : groups.lines) EXPECT_FALSE(l.isOpen);
    EXPECT_EQ(view.selection, -1);
}

TEST_F(EditingTest, InsertOnTheThirdMemberOfFourMakesFiveAndDuplicatesTheEvent) {
    Build();
    ToggleGroup(groups, 0, view);
    ToggleGroup(groups, 3, view);  // the drag, now below the open click
    ASSERT_EQ(groups.lines.size(), 9u);
    SelectLine(6);  // the drag's third member
    InsertOneEvent(edit);
    ASSERT_EQ(events.size(), 8u);
    ASSERT_EQ(groups.lines.size(), 10u);
    EXPECT_EQ(view.items, 10);
    EXPECT_EQ(groups.lines[3].name, "2：左键拖动_5");
    EXPECT_EQ(groups.lines[3].eventCount, 5);
    EXPECT_EQ(Text(6), "3：移动,32,42");
    EXPECT_EQ(Text(7), "4：移动,32,42");
    EXPECT_EQ(Text(8), "5：释放左键,33,43");
    EXPECT_EQ(groups.lines[9].firstEvent, 7);  // the right press moved down
    EXPECT_EQ(view.selection, 6);
    EXPECT_TRUE(document.modified);

    // Closing and reopening shows the five events in order.
    ToggleGroup(groups, 3, view);
    ToggleGroup(groups, 3, view);
    EXPECT_EQ(Text(8), "5：释放左键,33,43");
}

TEST_F(EditingTest, InsertOnAClickMemberRenamesTheClickWithTheCount) {
    Build();
    ToggleGroup(groups, 0, view);
    SelectLine(2);
    InsertOneEvent(edit);
    EXPECT_EQ(groups.lines[0].name, "1：单击左键_3");
    SelectLine(0);  // a group line: no insert
    InsertOneEvent(edit);
    EXPECT_EQ(events.size(), 8u);
}

}  // namespace
}  // namespace xd::test
