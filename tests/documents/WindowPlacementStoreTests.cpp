#include "documents/WindowPlacementStore.h"

#include <gtest/gtest.h>

#include "documents/SettingsStore.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimProfile.h"

namespace xd {
namespace {

class WindowPlacementStoreTest : public testing::Test {
protected:
    sim::SimClock clock;
    sim::SimDesktop desktop{clock};
    sim::SimProfile profile;
    const std::string file = SettingsFilePath("C:\\迅点\\");
    WindowHandle window = kNoWindow;

    void SetUp() override {
        desktop.SetWorkArea(Rect{0, 0, 1920, 1040});
        sim::WindowSpec spec;
        spec.rect = Rect{200, 150, 950, 600};
        spec.title = "迅点小侠4";
        window = desktop.AddWindow(spec);
    }
    void Put(const std::string& key, const std::string& value) {
        profile.Put(file, "窗口", key, value);
    }
    Rect Normal() { return desktop.GetPlacement(window)->normalPosition; }
};

TEST_F(WindowPlacementStoreTest, SaveWritesTheSevenKeysInOrder) {
    desktop.SetTopmost(window, true);
    SaveWindowPlacement(desktop, profile, file, window);
    std::vector<std::pair<std::string, std::string>> written;
    for (const sim::ProfileWrite& w : profile.Writes()) {
        EXPECT_EQ(w.section, "窗口");
        written.emplace_back(w.key, w.value);
    }
    std::vector<std::pair<std::string, std::string>> expected{
        {"Left", "200"}, {"Right", "950"}, {"Top", "150"}, {"Bottom", "600"},
        {"TopMost", "-1"}, {"flags", "0"}, {"showCmd", "1"}};
    EXPECT_EQ(written, expected);
}

TEST_F(WindowPlacementStoreTest, SaveOfAClosedWindowWritesNothing) {
    ASSERT_TRUE(desktop.DestroyWindow(window));
    SaveWindowPlacement(desktop, profile, file, window);
    EXPECT_TRUE(profile.Writes().empty());
}

TEST_F(WindowPlacementStoreTest, SavedPlacementComesBack) {
    desktop.SetPlacement(window, WindowPlacement{0, 1, {-1, -1}, {-1, -1}, Rect{40, 30, 640, 430}});
    desktop.SetTopmost(window, true);
    SaveWindowPlacement(desktop, profile, file, window);
    desktop.SetPlacement(window, WindowPlacement{0, 1, {-1, -1}, {-1, -1}, Rect{0, 0, 100, 100}});
    desktop.SetTopmost(window, false);
    RestoreWindowPlacement(desktop, profile, file, window);
    EXPECT_EQ(Normal(), (Rect{40, 30, 640, 430}));
    EXPECT_TRUE(desktop.IsTopmost(window));
}

TEST_F(WindowPlacementStoreTest, NoSettingsLeaveTheWindowWhereItWasCreated) {
    RestoreWindowPlacement(desktop, profile, file, window);
    EXPECT_EQ(Normal(), (Rect{200, 150, 950, 600}));
    EXPECT_FALSE(desktop.IsTopmost(window));
}

TEST_F(WindowPlacementStoreTest, RestoreFitsTheStoredRectangleIntoTheWorkArea) {
    struct Case {
        const char* name;
        const char *left, *top, *right, *bottom;
        Rect expected;
    };
    for (const Case& c : {
             Case{"wider than the work area", "100", "50", "2300", "500", Rect{0, 50, 1920, 500}},
             Case{"partly off the left edge", "-300", "50", "450", "500", Rect{0, 50, 750, 500}},
             Case{"zero right and bottom fall back", "0", "0", "0", "0", Rect{0, 0, 750, 450}},
             Case{"unreadable numbers count as zero", "x", "y", "z", "w", Rect{0, 0, 750, 450}},
         }) {
        Put("Left", c.left);
        Put("Top", c.top);
        Put("Right", c.right);
        Put("Bottom", c.bottom);
        RestoreWindowPlacement(desktop, profile, file, window);
        EXPECT_EQ(Normal(), c.expected) << c.name;
    }
}

TEST_F(WindowPlacementStoreTest, MissingEdgesKeepTheCurrentOnes) {
    Put("Left", "300");
    RestoreWindowPlacement(desktop, profile, file, window);
    EXPECT_EQ(Normal(), (Rect{300, 150, 950, 600}));
}

TEST_F(WindowPlacementStoreTest, TopMostEntrySetsOrClearsTopmost) {
    Put("TopMost", "-1");
    RestoreWindowPlacement(desktop, profile, file, window);
    EXPECT_TRUE(desktop.IsTopmost(window));
    Put("TopMost", "0");
    RestoreWindowPlacement(desktop, profile, file, window);
    EXPECT_FALSE(desktop.IsTopmost(window));
}

}  // namespace
}  // namespace xd
