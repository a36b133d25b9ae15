#include "platform/sim/SimDesktop.h"

#include <gtest/gtest.h>

#include "platform/sim/SimClock.h"

namespace xd::sim {
namespace {

std::intptr_t PackPoint(int x, int y) {
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                                      static_cast<std::uint32_t>(x & 0xFFFF));
}

class SimDesktopTest : public ::testing::Test {
protected:
    WindowHandle TopLevel(const std::string& title, const std::string& cls, Rect rect, bool topmost = false) {
        WindowSpec s;
        s.title = title;
        s.className = cls;
        s.rect = rect;
        s.clientInsets = Insets{4, 30, 4, 4};
        s.topmost = topmost;
        return desktop.AddWindow(s);
    }
    WindowHandle Child(WindowHandle parent, const std::string& cls, Rect rect, ZPlace place = ZPlace::Default) {
        WindowSpec s;
        s.parent = parent;
        s.className = cls;
        s.rect = rect;
        s.place = place;
        return desktop.AddWindow(s);
    }
    std::vector<WindowHandle> WalkChildren(WindowHandle parent) {
        std::vector<WindowHandle> out;
        for (WindowHandle w = desktop.FirstChild(parent); w != kNoWindow; w = desktop.NextSibling(w)) out.push_back(w);
        return out;
    }

    SimClock clock{1000};
    SimDesktop desktop{clock};
};

TEST_F(SimDesktopTest, TreeWalkMatchesCreationRules) {
    WindowHandle a = TopLevel("A", "ClsA", {0, 0, 400, 300});
    WindowHandle b = TopLevel("B", "ClsB", {50, 50, 450, 350});
    WindowHandle first = Child(a, "Edit", {10, 40, 100, 80});
    WindowHandle second = Child(a, "Button", {10, 90, 100, 120});
    WindowHandle front = Child(a, "Static", {10, 130, 100, 160}, ZPlace::Top);

    // Newest top-level window on top; children in creation order, unless placed.
    EXPECT_EQ(WalkChildren(desktop.DesktopWindow()), (std::vector<WindowHandle>{b, a}));
    EXPECT_EQ(WalkChildren(a), (std::vector<WindowHandle>{front, first, second}));
    EXPECT_EQ(desktop.Parent(first), a);
    EXPECT_EQ(desktop.Parent(a), desktop.DesktopWindow());
    EXPECT_EQ(desktop.Parent(desktop.DesktopWindow()), kNoWindow);

    ASSERT_TRUE(desktop.SetZIndex(second, 0));
    EXPECT_EQ(WalkChildren(a), (std::vector<WindowHandle>{second, front, first}));
    ASSERT_TRUE(desktop.SetZIndex(second, 99));
    EXPECT_EQ(WalkChildren(a), (std::vector<WindowHandle>{front, first, second}));
}

TEST_F(SimDesktopTest, DestroyRemovesDescendantsAndEmptiesFacts) {
    WindowHandle a = TopLevel("A", "ClsA", {0, 0, 400, 300});
    WindowHandle child = Child(a, "Edit", {10, 40, 100, 80});
    WindowHandle grandChild = Child(child, "Inner", {20, 50, 30, 60});
    ASSERT_TRUE(desktop.DestroyWindow(a));
    for (WindowHandle w : {a, child, grandChild}) {
        EXPECT_FALSE(desktop.IsWindow(w));
        EXPECT_EQ(desktop.Title(w), "");
        EXPECT_EQ(desktop.ClassName(w), "");
        EXPECT_EQ(desktop.Parent(w), kNoWindow);
    }
    EXPECT_EQ(desktop.FirstChild(desktop.DesktopWindow()), kNoWindow);
    EXPECT_FALSE(desktop.DestroyWindow(a));
    EXPECT_FALSE(desktop.DestroyWindow(desktop.DesktopWindow()));
    // A new window never reuses a dead handle.
    EXPECT_NE(TopLevel("C", "ClsC", {0, 0, 10, 10}), a);
}

TEST_F(SimDesktopTest, TopmostWindowsStayAboveOthers) {
    WindowHandle overlay = TopLevel("", "Overlay", {0, 0, 50, 50}, true);
    WindowHandle normal = TopLevel("N", "Cls", {0, 0, 500, 500});
    EXPECT_EQ(WalkChildren(desktop.DesktopWindow()), (std::vector<WindowHandle>{overlay, normal}));
    EXPECT_EQ(desktop.WindowFromPoint({10, 10}), overlay);

    desktop.SetTopmost(overlay, false);
    EXPECT_FALSE(desktop.IsTopmost(overlay));
    desktop.SetTopmost(normal, true);
    EXPECT_EQ(WalkChildren(desktop.DesktopWindow()), (std::vector<WindowHandle>{normal, overlay}));

    desktop.MoveTopmostNoActivate(overlay, {600, 600});
    EXPECT_TRUE(desktop.IsTopmost(overlay));
    EXPECT_EQ(desktop.WindowRect(overlay), (Rect{600, 600, 650, 650}));
    EXPECT_EQ(desktop.FirstChild(desktop.DesktopWindow()), overlay);
}

TEST_F(SimDesktopTest, FindWindowMatchesTopLevelExactly) {
    WindowHandle older = TopLevel("记事本", "Notepad", {0, 0, 10, 10});
    WindowHandle untitled = TopLevel("", "Notepad", {0, 0, 10, 10});
    WindowHandle parent = TopLevel("Host", "HostCls", {0, 0, 10, 10});
    Child(parent, "Edit", {0, 0, 5, 5});

    EXPECT_EQ(desktop.FindWindow(std::string("Notepad"), std::nullopt), untitled);  // top of z-order first
    EXPECT_EQ(desktop.FindWindow(std::nullopt, std::string("记事本")), older);
    EXPECT_EQ(desktop.FindWindow(std::string("Notepad"), std::string("记事本")), older);
    EXPECT_EQ(desktop.FindWindow(std::string("Notepad"), std::string("")), untitled);
    EXPECT_EQ(desktop.FindWindow(std::string(""), std::nullopt), kNoWindow);
    EXPECT_EQ(desktop.FindWindow(std::string("notepad"), std::nullopt), kNoWindow);
    EXPECT_EQ(desktop.FindWindow(std::string("Edit"), std::nullopt), kNoWindow);  // children are not searched
    EXPECT_EQ(desktop.FindWindow(std::nullopt, std::nullopt), parent);
}

TEST_F(SimDesktopTest, WindowFromPointFindsDeepestVisibleWindow) {
    WindowHandle back = TopLevel("Back", "B", {0, 0, 800, 600});
    WindowHandle front = TopLevel("Front", "F", {100, 100, 500, 400});  // client from (104,130)
    WindowHandle panel = Child(front, "Panel", {110, 140, 300, 300});
    WindowHandle button = Child(panel, "Button", {120, 150, 200, 180});
    WindowHandle hidden = Child(front, "Hidden", {310, 140, 400, 300});
    desktop.SetVisible(hidden, false);
    WindowHandle ghost = Child(front, "Ghost", {410, 140, 480, 300});
    desktop.SetHitTester(ghost, [](Point) { return hit::kTransparent; });

    struct Case {
        Point p;
        WindowHandle expected;
    };
    const Case cases[] = {
        {{130, 160}, button},
        {{250, 250}, panel},
        {{320, 200}, front},  // hidden child is skipped
        {{420, 200}, front},  // transparent child is looked through
        {{110, 110}, front},  // caption: children are not entered
        {{50, 50}, back},
        {{700, 500}, back},
        {{500, 400}, back},  // right and bottom edges are outside
        {{900, 700}, kNoWindow},
    };
    for (const auto& c : cases) EXPECT_EQ(desktop.WindowFromPoint(c.p), c.expected) << c.p.x << "," << c.p.y;

    desktop.SetVisible(front, false);
    EXPECT_EQ(desktop.WindowFromPoint({130, 160}), back);
    EXPECT_FALSE(desktop.IsVisible(button));  // an ancestor is hidden
}

TEST_F(SimDesktopTest, HitTestAnswersClientCaptionAndNowhere) {
    WindowHandle w = TopLevel("W", "C", {100, 100, 300, 250});
    struct Case {
        int x, y;
        std::intptr_t expected;
    };
    const Case cases[] = {
        {150, 150, hit::kClient},  {150, 110, hit::kCaption}, {101, 200, hit::kCaption},
        {99, 150, hit::kNowhere},  {300, 150, hit::kNowhere},  {104, 130, hit::kClient},
    };
    for (const auto& c : cases)
        EXPECT_EQ(desktop.SendMessage(w, msg::kNcHitTest, 0, PackPoint(c.x, c.y)), c.expected) << c.x << "," << c.y;

    desktop.SetHitTester(w, [](Point p) { return p.x < 0 ? std::intptr_t{7} : hit::kClient; });
    EXPECT_EQ(desktop.SendMessage(w, msg::kNcHitTest, 0, PackPoint(-5, 120)), 7);  // signed coordinates
}

TEST_F(SimDesktopTest, ClientGeometryFollowsInsets) {
    WindowHandle w = TopLevel("W", "C", {100, 100, 300, 250});
    EXPECT_EQ(desktop.ClientRect(w), (Rect{0, 0, 192, 116}));
    EXPECT_EQ(desktop.ClientToScreen(w, {0, 0}), (Point{104, 130}));
    EXPECT_EQ(desktop.ScreenToClient(w, {110, 140}), (Point{6, 10}));
    EXPECT_EQ(desktop.ClientRectOnScreen(w), (Rect{104, 130, 296, 246}));
}

TEST_F(SimDesktopTest, MessagesAreLoggedWithTimeAndDeadWindowsRefusePosts) {
    WindowHandle w = TopLevel("W", "C", {0, 0, 100, 100});
    desktop.SetMessageHandler(w, [](std::uint32_t m, std::uintptr_t, std::intptr_t) {
        return m == msg::kGetText ? std::intptr_t{42} : 0;
    });
    EXPECT_TRUE(desktop.PostMessage(w, msg::kLButtonDown, mk::kLButton, PackPoint(5, 6)));
    clock.Advance(25);
    EXPECT_EQ(desktop.SendMessage(w, msg::kGetText, 0, 0), 42);
    ASSERT_TRUE(desktop.DestroyWindow(w));
    EXPECT_FALSE(desktop.PostMessage(w, msg::kLButtonUp, 0, 0));
    EXPECT_EQ(desktop.SendMessage(w, msg::kGetText, 0, 0), 0);

    auto all = desktop.Messages();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0].tick, 1000u);
    EXPECT_EQ(all[1].tick, 1025u);
    EXPECT_EQ(all[1].micros - all[0].micros, 25'000);
    EXPECT_TRUE(all[1].sent);
    EXPECT_FALSE(all[2].delivered);
    ASSERT_EQ(desktop.MessagesTo(w).size(), 2u);
    EXPECT_EQ(desktop.MessagesTo(w)[0].wParam, mk::kLButton);
}

TEST_F(SimDesktopTest, ObserverCanDestroyTheTargetMidway) {
    WindowHandle w = TopLevel("W", "C", {0, 0, 100, 100});
    int seen = 0;
    desktop.SetMessageObserver([&](const MessageRecord&) {
        if (++seen == 2) desktop.DestroyWindow(w);
    });
    EXPECT_TRUE(desktop.PostMessage(w, msg::kMouseMove, 0, 0));
    EXPECT_TRUE(desktop.PostMessage(w, msg::kMouseMove, 0, 0));
    EXPECT_FALSE(desktop.PostMessage(w, msg::kMouseMove, 0, 0));
}

// A window takes the DPI of the monitor holding most of its top-level window, or of the nearest monitor
// when it is on none; the primary keeps the system's unless given its own.
TEST_F(SimDesktopTest, WindowsTakeTheDpiOfTheirMonitor) {
    desktop.SetScreenSize({1920, 1080});
    desktop.SetDpi(120, 120);
    const std::size_t right = desktop.AddMonitor({{1920, 0, 3840, 1080}, 144});
    EXPECT_EQ(right, 1u);
    const WindowHandle w = TopLevel("a", "A", {100, 100, 500, 400});
    const WindowHandle child = Child(w, "C", {3000, 120, 3100, 200});  // a child follows its top-level window
    EXPECT_EQ(desktop.DpiForWindow(w), 120);
    EXPECT_EQ(desktop.DpiForWindow(child), 120);

    ASSERT_TRUE(desktop.SetWindowRect(w, {1800, 100, 2200, 400}));  // 120 px on the left, 280 on the right
    EXPECT_EQ(desktop.DpiForWindow(w), 144);
    EXPECT_EQ(desktop.DpiForWindow(child), 144);
    ASSERT_TRUE(desktop.SetWindowRect(w, {1700, 100, 2000, 400}));
    EXPECT_EQ(desktop.DpiForWindow(w), 120);
    ASSERT_TRUE(desktop.SetWindowRect(w, {4000, 100, 4100, 200}));  // off every screen: the nearest
    EXPECT_EQ(desktop.DpiForWindow(w), 144);

    ASSERT_TRUE(desktop.SetMonitorDpi(0, 96));
    ASSERT_TRUE(desktop.SetWindowRect(w, {100, 100, 500, 400}));
    EXPECT_EQ(desktop.DpiForWindow(w), 96);
    EXPECT_EQ(desktop.DpiY(), 120);  // the system's stays
    EXPECT_FALSE(desktop.SetMonitorDpi(2, 96));
    EXPECT_TRUE(desktop.DestroyWindow(w));
    EXPECT_EQ(desktop.DpiForWindow(w), 120);  // gone: the system's
}

TEST_F(SimDesktopTest, PlacementAndShowRoundTrip) {
    WindowHandle w = TopLevel("W", "C", {0, 0, 100, 100});
    WindowPlacement p;
    p.showCmd = 1;
    p.normalPosition = Rect{20, 30, 320, 230};
    ASSERT_TRUE(desktop.SetPlacement(w, p));
    EXPECT_EQ(desktop.WindowRect(w), p.normalPosition);
    EXPECT_EQ(desktop.GetPlacement(w), p);
    desktop.Show(w, 0);
    EXPECT_FALSE(desktop.IsVisible(w));
    desktop.Show(w, 5);
    EXPECT_TRUE(desktop.IsVisible(w));
    ASSERT_TRUE(desktop.DestroyWindow(w));
    EXPECT_FALSE(desktop.GetPlacement(w).has_value());
    EXPECT_FALSE(desktop.SetPlacement(w, p));
}

}  // namespace
}  // namespace xd::sim
