#include <limits>

#include "PlaybackFixture.h"
#include "appcore/playback/DevicePoint.h"

namespace xd::test {
namespace {

using DevicePointTest = PlaybackFixture;

TEST_F(DevicePointTest, ScalesLogicalPixelsByTheScreenDpiHalvesToEven) {
    struct Case {
        int dpiX, dpiY, x, y;
        Point expected;
    };
    const Case cases[] = {
        {96, 96, 100, 40, {200, 170}},
        {144, 144, 100, 40, {250, 190}},   // 100 logical pixels are 150 on the screen
        {144, 144, 1, 3, {102, 134}},      // 1.5 → 2, 4.5 → 4
        {144, 96, -3, 7, {96, 137}},       // −4.5 → −4; each direction has its own factor
        {120, 192, 10, 10, {112, 150}},    // 12.5 → 12
    };
    for (const auto& c : cases) {
        DeviceScale fresh;
        sim.desktop.SetDpi(c.dpiX, c.dpiY);
        EXPECT_EQ(ToDevicePoint(fresh, sim.desktop, target, c.x, c.y), c.expected) << c.dpiX << "x" << c.dpiY;
    }
}

TEST_F(DevicePointTest, CoordinatesBeyondAnyScreenAreHeldAtTheLimit) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kLimit = kDeviceCoordinateLimit;
    for (int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        DeviceScale fresh;
        sim.desktop.SetDpi(dpi, dpi);
        EXPECT_EQ(ToDevicePoint(fresh, sim.desktop, target, kMax, kMin), (Point{kLimit, -kLimit}));
        EXPECT_EQ(ToDevicePoint(fresh, sim.desktop, target, kMin, kMax), (Point{-kLimit, kLimit}));
    }
    // Up to the limit the arithmetic is exact (client origin (100,130) at 96 DPI).
    DeviceScale plain;
    sim.desktop.SetDpi(96, 96);
    EXPECT_EQ(ToDevicePoint(plain, sim.desktop, target, kLimit - 101, -kLimit - 129),
              (Point{kLimit - 1, -kLimit + 1}));
    EXPECT_EQ(ClampDeviceCoordinate(static_cast<std::int64_t>(kMax) + kMax), kLimit);
}

TEST_F(DevicePointTest, ReadsTheDpiOnceAndKeepsIt) {
    sim.desktop.SetDpi(144, 144);
    EXPECT_EQ(ToDevicePoint(scale, sim.desktop, target, 100, 100), (Point{250, 280}));
    sim.desktop.SetDpi(96, 96);
    EXPECT_EQ(ToDevicePoint(scale, sim.desktop, target, 100, 100), (Point{250, 280}));
}

// Two monitors side by side; the target is moved from the primary to the other one.
TEST_F(DevicePointTest, ATargetOnAMonitorAtAnotherDpiIsConvertedWithThatMonitorsDpi) {
    sim.desktop.SetDpi(96, 96);
    sim.desktop.AddMonitor({{1920, 0, 3840, 1080}, 144});
    EXPECT_EQ(ToDevicePoint(scale, sim.desktop, target, 100, 40), (Point{200, 170}));
    ASSERT_TRUE(sim.desktop.SetWindowRect(target, {2000, 100, 2600, 550}));  // client origin (2000, 130)
    EXPECT_EQ(ToDevicePoint(scale, sim.desktop, target, 100, 40), (Point{2150, 190}));
    const TargetPlace place = ReadTargetPlace(scale, sim.desktop, target);
    EXPECT_EQ(place.client.left, 2000);
    EXPECT_EQ(ToDevicePoint(place, 1, 3), (Point{2002, 134}));  // halves to even

    // A system at 144 with the other monitor at 96, and the system's pair differing by direction: the
    // primary keeps that pair, the other monitor's DPI holds in both directions.
    DeviceScale fresh;
    sim.desktop.SetDpi(144, 120);
    ASSERT_TRUE(sim.desktop.SetMonitorDpi(1, 96));
    EXPECT_EQ(ToDevicePoint(fresh, sim.desktop, target, 100, 40), (Point{2100, 170}));
    ASSERT_TRUE(sim.desktop.SetWindowRect(target, {100, 100, 500, 400}));
    EXPECT_EQ(ToDevicePoint(fresh, sim.desktop, target, 100, 40), (Point{250, 180}));
}

TEST_F(DevicePointTest, PacksAndNormalisesCoordinates) {
    EXPECT_EQ(PackPoint(Point{10, 20}), 0x0014000A);
    EXPECT_EQ(PackPoint(Point{-1, -2}), static_cast<std::intptr_t>(0xFFFEFFFFu));
    EXPECT_EQ(PackPoint(Point{65537, 3}), 0x00030001);

    struct Case {
        int pixel, extent, expected;
    };
    const Case cases[] = {{0, 1920, 0}, {1, 1920, 35}, {960, 1920, 32768}, {1919, 1920, 65502}, {-1, 1920, -34}};
    for (const auto& c : cases) {
        const int dx = AbsoluteInputCoordinate(c.pixel, c.extent);
        EXPECT_EQ(dx, c.expected) << c.pixel;
        // The system maps it back with a floor: the same pixel.
        if (c.pixel >= 0) {
            EXPECT_EQ(static_cast<std::int64_t>(dx) * c.extent / 65536, c.pixel);
        }
    }
}

// What a foreground action injects, read back as the system reads it: its own pixel on any monitor, the
// nearest edge for a point off them all.
TEST_F(DevicePointTest, InjectedRecordsLandOnTheirPixelAnywhereOnTheVirtualScreen) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    // A second monitor left of the primary and higher: the virtual screen holds both.
    sim.desktop.AddMonitor(sim::MonitorSpec{{-1280, -200, 0, 824}, 96});
    const Rect both{-1280, -200, 1920, 1080};
    EXPECT_EQ(sim.desktop.VirtualScreen(), both);
    struct Case {
        Rect screen;
        Point at, lands;
    };
    const Case cases[] = {
        {both, {-1280, -200}, {-1280, -200}}, {both, {-1, 517}, {-1, 517}},     {both, {0, 0}, {0, 0}},
        {both, {1919, 1079}, {1919, 1079}},   {both, {-2000, 5000}, {-1280, 1079}},
        {{0, 0, 1920, 1080}, {-1, 517}, {0, 517}},                               // the primary alone
        {{0, 0, 7680, 2160}, {7679, 1}, {7679, 1}},                              // wide
        {{0, 0, 1920, 1080}, {kMin, kMax}, {0, 1079}},                           // anything a file holds
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.x << "," << c.at.y);
        sim.desktop.SetVirtualScreen(c.screen);
        const MouseInputRecord r = InputRecordAt(sim.desktop, c.at, mouseevent::kRightDown, 7);
        EXPECT_EQ(r.flags, 0xC009u);
        EXPECT_EQ(r.mouseData, 7u);
        EXPECT_TRUE(r.dx >= 0 && r.dx <= 65535 && r.dy >= 0 && r.dy <= 65535);
        sim.input.PlaceCursor(Point{3, 3});
        ASSERT_EQ(sim.input.SendMouseInput({r}), 1u);
        sim.input.DeliverHeldInput();
        EXPECT_EQ(sim.input.GetCursorPos(), c.lands);
    }
    // Beyond what 16 bits address, still within them.
    const MouseInputRecord far = InputRecordAt(Rect{kMin, kMin, kMax, kMax}, Point{kMax, kMin}, 0);
    EXPECT_EQ(far.dx, 65535);
    EXPECT_EQ(far.dy, 0);
}

}  // namespace
}  // namespace xd::test
