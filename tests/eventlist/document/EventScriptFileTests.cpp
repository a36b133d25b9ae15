#include "eventlist/document/EventScriptFile.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/Text.h"
#include "tests/eventlist/document/EventScriptBytes.h"
#include "tests/eventlist/document/EventScriptSamples.h"

namespace xd {
namespace {

using test::Header;
using test::Record;
using test::RecordWords;
using test::Word;
using test::Zeros;

const std::string kZZ("\0\0", 2);

DecodedEventScript Decode(const std::string& bytes, const EventPlaySettings& current = {}) {
    return DecodeEventScript(bytes, current);
}

RecordedEvent Event(std::int32_t x, std::int32_t y, const std::string& title, const std::string& windowClass,
                    const std::string& path) {
    RecordedEvent e;
    e.x = x;
    e.y = y;
    e.windowTitle = title + kZZ;
    e.windowClass = windowClass + kZZ;
    e.childPath = path;
    e.message = 0x201;
    return e;
}

std::string Encode(const std::vector<RecordedEvent>& events, const EventPlaySettings& settings = {}) {
    const EncodedEventScript encoded = EncodeEventScript(events, settings);
    EXPECT_EQ(encoded.problem, EventScriptStoreProblem::None);
    return encoded.bytes;
}

TEST(EventScriptFile, MagicIsTheGbkFileTypeName) {
    EXPECT_EQ(std::string(kEventScriptMagic), Utf8ToGbk("岚榕迅点小侠脚本文件"));
    EXPECT_EQ(kEventScriptMagic.size(), 20u);
}

TEST(EventScriptFile, EmptyListIsSixtyOneBytesAndOpensEmpty) {
    EventPlaySettings settings;
    settings.playHotkey = 115;
    const std::string bytes = Encode({}, settings);
    EXPECT_EQ(bytes, Header(30100, 0, 0, 0, 115 | 0x20000 | 0x40000 | 0x80000 | 0x100000) + Zeros(1));
    const DecodedEventScript decoded = Decode(bytes);
    EXPECT_EQ(decoded.verdict, EventScriptVerdict::Ok);
    EXPECT_TRUE(decoded.events.empty());
    EXPECT_EQ(decoded.settings.playHotkey, 115);
}

TEST(EventScriptFile, SizeMagicAndVersionDecideWhetherAFileIsRead) {
    const std::string body = Header(30100, 0) + Zeros(1);
    struct Case {
        const char* name;
        std::string bytes;
        EventScriptVerdict verdict;
    } const cases[] = {
        {"empty", "", EventScriptVerdict::Damaged},
        {"sixty bytes", body.substr(0, 60), EventScriptVerdict::Damaged},
        {"sixty-one bytes", body, EventScriptVerdict::Ok},
        {"one magic byte differs", "\xE0" + body.substr(1), EventScriptVerdict::NotAScript},
        {"a text script", "\xEF\xBB\xBF'岚榕迅点小侠脚本，版本：4.0.2" + Zeros(40), EventScriptVerdict::NotAScript},
        {"version 30100", Header(30100, 0) + Zeros(1), EventScriptVerdict::Ok},
        {"version 30099", Header(30099, 0) + Zeros(1), EventScriptVerdict::Ok},
        {"version 0", Header(0, 0) + Zeros(1), EventScriptVerdict::Ok},
        {"version 30101", Header(30101, 0) + Zeros(1), EventScriptVerdict::NewerVersion},
        {"negative count", Header(30100, -1) + Zeros(40), EventScriptVerdict::Damaged},
        {"count past the end", Header(30100, 2) + Record({}) + Zeros(1), EventScriptVerdict::Damaged},
        {"huge count", Header(30100, 0x7FFFFFFF) + Zeros(1), EventScriptVerdict::Damaged},
        {"records without table or final byte", Header(30100, 1) + Record({}), EventScriptVerdict::Ok},
    };
    for (const Case& c : cases) {
        const DecodedEventScript decoded = Decode(c.bytes);
        EXPECT_EQ(decoded.verdict, c.verdict) << c.name;
        if (c.verdict != EventScriptVerdict::Ok) {
            EXPECT_TRUE(decoded.events.empty()) << c.name;
        }
    }
    EXPECT_EQ(Decode(Header(30101, 0) + Zeros(1)).header.version, 30101);
}

TEST(EventScriptFile, OneEventIsLaidOutWordByWord) {
    RecordedEvent e = Event(100, 200, "AB", "Cls", std::string("\x01\x03", 2));
    e.offsetX = (100 << 16) | 4;
    e.offsetY = (45 << 16) | 7;
    e.keyFlags = 1;
    e.delayMs = 800;
    EventPlaySettings settings;
    settings.repeatPosition = 3;
    settings.speedPosition = 10;
    settings.playHotkey = 116;
    settings.foreground = true;
    settings.moveToCurrent = false;
    settings.clickEffect = true;
    settings.virtualPointer = false;
    settings.moveToStart = true;

    const std::string expected = Header(30100, 1, 3, 10, 116 | 0x10000 | 0x40000 | 0x100000) +
                                 Record({100, 200, 0, 1, 2, 0, (100 << 16) | 4, (45 << 16) | 7, 0x201, 1, 800}) +
                                 "AB" + kZZ + "Cls" + kZZ + "\x01\x03" + Zeros(1);
    EXPECT_EQ(Encode({e}, settings), expected);
}

TEST(EventScriptFile, ConsecutiveEventsOnOneWindowShareEntriesAndSetTheFlag) {
    const std::string path("\x02", 1);
    const std::vector<RecordedEvent> events = {Event(1, 1, "T", "C", path), Event(2, 2, "T", "C", path),
                                               Event(3, 3, "T", "C", path), Event(4, 4, "U", "C", path)};
    const std::string bytes = Encode(events);
    const std::string records = bytes.substr(60, 4 * 32);
    EXPECT_EQ(records.substr(4, 8), test::Halves(0, 1) + test::Halves(2, 0));
    EXPECT_EQ(records.substr(32 + 4, 8), test::Halves(0, 1) + test::Halves(2, 1));
    EXPECT_EQ(records.substr(64 + 4, 8), test::Halves(0, 1) + test::Halves(2, 1));
    // A new title: the class and the path keep their entries.
    EXPECT_EQ(records.substr(96 + 4, 8), test::Halves(3, 1) + test::Halves(2, 0));
    EXPECT_EQ(bytes.substr(60 + 4 * 32), "T" + kZZ + "C" + kZZ + "\x02" + kZZ + "U" + Zeros(1));
}

TEST(EventScriptFile, ReadingSplitsTheTableAndTheLastEntryKeepsTheFinalZero) {
    // Entries: "AB", "" (two separators in a row), "\x01\x03" last.
    const std::string bytes = Header(30100, 2) + Record({5, 6, 0, 1, 2}) + Record({7, 8, 1, 0, 1}) + "AB" + kZZ +
                              kZZ + "\x01\x03" + Zeros(1);
    const DecodedEventScript decoded = Decode(bytes);
    ASSERT_EQ(decoded.verdict, EventScriptVerdict::Ok);
    ASSERT_EQ(decoded.events.size(), 2u);
    EXPECT_EQ(decoded.events[0].windowTitle, "AB" + kZZ);
    EXPECT_EQ(decoded.events[0].windowClass, kZZ);
    EXPECT_EQ(decoded.events[0].childPath, std::string("\x01\x03\x00", 3));
    EXPECT_EQ(decoded.events[1].windowTitle, kZZ);
    EXPECT_EQ(decoded.events[1].windowClass, "AB" + kZZ);
    EXPECT_EQ(decoded.events[1].childPath, "");

    // A title that is the table's last entry reads back with three zero bytes.
    const DecodedEventScript last = Decode(Header(30100, 1) + Record({0, 0, 1, 1, 0}) + kZZ + "AB" + Zeros(1));
    ASSERT_EQ(last.events.size(), 1u);
    EXPECT_EQ(last.events[0].windowTitle, "AB" + Zeros(3));
    EXPECT_EQ(last.events[0].childPath, "");
}

// A 1.1 MB file of one 1 MB entry that every event names, through the same-as-previous
// flag or by its index: read as a copy per event it would take gigabytes.
TEST(EventScriptFile, OneLargeEntryNamedByEveryEventIsHeldOnce) {
    constexpr std::int32_t kEvents = 3000;
    const std::string entry(1 << 20, 'T');
    for (const bool flagged : {true, false}) {
        SCOPED_TRACE(flagged ? "same as previous" : "index 0 every time");
        std::string bytes = Header(30100, kEvents) + Record({});
        for (std::int32_t i = 1; i < kEvents; ++i) bytes += Record({.x = i, .same = flagged ? 1 : 0});
        bytes += entry + Zeros(1);

        const DecodedEventScript decoded = Decode(bytes);
        ASSERT_EQ(decoded.verdict, EventScriptVerdict::Ok);
        ASSERT_EQ(decoded.events.size(), static_cast<std::size_t>(kEvents));
        EXPECT_EQ(decoded.events.back().windowTitle, entry + Zeros(3));
        EXPECT_LE(HeldStringBytes(decoded.events), 3 * bytes.size());
    }
}

// Entries past what a 16-bit index can name are not kept: a table of separators
// alone would otherwise give one entry per two bytes of the file.
TEST(EventScriptFile, TableEntriesNoIndexCanNameAreLeftOut) {
    const std::string table = "A" + kZZ + "B" + kZZ + "C" + Zeros(1);
    EXPECT_EQ(SplitEventScriptTable(table, 2), (std::vector<std::string_view>{"A", "B"}));
    EXPECT_EQ(SplitEventScriptTable(table, 3), (std::vector<std::string_view>{"A", "B", std::string_view("C\0", 2)}));
    EXPECT_EQ(SplitEventScriptTable(Zeros(200000)).size(), kMaxEventScriptStrings);

    // The last entry an index can name ends at its separator, not at the file's end.
    const DecodedEventScript decoded =
        Decode(Header(30100, 1) + Record({.title = 32767, .windowClass = 32767}) + Zeros(2 * 32767) + "X" + kZZ + "Y" +
               Zeros(1));
    ASSERT_EQ(decoded.events.size(), 1u);
    EXPECT_EQ(decoded.events[0].windowTitle, "X" + kZZ);
}

TEST(EventScriptFile, EmptyTitleIsStoredAsAnEmptyEntryBetweenSeparators) {
    const std::vector<RecordedEvent> events = {Event(0, 0, "T", "C", "\x01"), Event(0, 0, "", "C", "\x02")};
    const std::string bytes = Encode(events);
    EXPECT_EQ(bytes.substr(60 + 64), "T" + kZZ + "C" + kZZ + "\x01" + kZZ + kZZ + "\x02" + Zeros(1));
    const DecodedEventScript decoded = Decode(bytes);
    ASSERT_EQ(decoded.events.size(), 2u);
    EXPECT_EQ(decoded.events[1].windowTitle, kZZ);
    EXPECT_EQ(decoded.events[1].windowClass, "C" + kZZ);
}

TEST(EventScriptFile, IndexesOutsideTheTableGiveEmptyStrings) {
    const std::string table = "A" + kZZ + "B" + Zeros(1);  // entries "A", "B\0"
    struct Case {
        const char* name;
        std::string bytes;
    } const cases[] = {
        {"index past the end", Header(30100, 1) + Record({0, 0, 2, 7, 9}) + table},
        {"negative index", Header(30100, 1) + Record({0, 0, -1, -32768, -2}) + table},
        {"no table, final zero only", Header(30100, 1) + Record({}) + Zeros(1)},
        {"no table, no final zero", Header(30100, 1) + Record({})},
        {"flag on the first event", Header(30100, 1) + Record({0, 0, 5, 5, 5, 1}) + table},
    };
    for (const Case& c : cases) {
        const DecodedEventScript decoded = Decode(c.bytes);
        ASSERT_EQ(decoded.events.size(), 1u) << c.name;
        EXPECT_EQ(decoded.events[0].windowTitle, kZZ) << c.name;
        EXPECT_EQ(decoded.events[0].windowClass, kZZ) << c.name;
        EXPECT_EQ(decoded.events[0].childPath, "") << c.name;
    }
}

TEST(EventScriptFile, NegativeCoordinatesKeepBothHalves) {
    for (const auto& [x, y] : {std::pair{100, -5}, {-32768, 32767}, {-1, -1}, {32767, -32768}}) {
        const std::string bytes = Encode({Event(x, y, "T", "C", "")});
        EXPECT_EQ(bytes.substr(60, 4), test::Halves(x, y)) << x << "," << y;
        const DecodedEventScript decoded = Decode(bytes);
        ASSERT_EQ(decoded.events.size(), 1u);
        EXPECT_EQ(decoded.events[0].x, x);
        EXPECT_EQ(decoded.events[0].y, y);
    }
}

TEST(EventScriptFile, OptionBitsOnlyTurnOptionsOn) {
    EventPlaySettings allOn;
    allOn.foreground = allOn.moveToCurrent = allOn.clickEffect = allOn.virtualPointer = allOn.moveToStart = true;
    EventPlaySettings allOff;
    allOff.foreground = allOff.moveToCurrent = allOff.clickEffect = allOff.virtualPointer = allOff.moveToStart = false;

    const DecodedEventScript cleared = Decode(Header(30100, 0, 0, 0, 113) + Zeros(1), allOn);
    EXPECT_TRUE(cleared.settings.foreground && cleared.settings.moveToCurrent && cleared.settings.clickEffect &&
                cleared.settings.virtualPointer && cleared.settings.moveToStart);

    const DecodedEventScript set = Decode(Header(30100, 0, 0, 0, 113 | 0x1F0000) + Zeros(1), allOff);
    EXPECT_TRUE(set.settings.foreground && set.settings.moveToCurrent && set.settings.clickEffect &&
                set.settings.virtualPointer && set.settings.moveToStart);

    const DecodedEventScript some = Decode(Header(30100, 0, 0, 0, 113 | 0x10000 | 0x80000) + Zeros(1), allOff);
    EXPECT_TRUE(some.settings.foreground);
    EXPECT_FALSE(some.settings.moveToCurrent);
    EXPECT_FALSE(some.settings.clickEffect);
    EXPECT_TRUE(some.settings.virtualPointer);
    EXPECT_FALSE(some.settings.moveToStart);
}

TEST(EventScriptFile, HotkeyIsClampedToF1ThroughF12AndSlidersToTheirRanges) {
    struct Case {
        std::int32_t optionWord, hotkey;
    } const hotkeys[] = {{0, 112}, {200, 123}, {112, 112}, {123, 123}, {115, 115}, {0x10000 | 124, 123}, {0xFFFF, 123}};
    for (const Case& c : hotkeys) {
        EXPECT_EQ(Decode(Header(30100, 0, 0, 0, c.optionWord) + Zeros(1)).settings.playHotkey, c.hotkey)
            << c.optionWord;
    }
    const DecodedEventScript positions = Decode(Header(30100, 0, 1000, 200) + Zeros(1));
    EXPECT_EQ(positions.settings.repeatPosition, 1000);
    EXPECT_EQ(positions.settings.speedPosition, 200);
    const DecodedEventScript beyond = Decode(Header(30100, 0, 5000, -3) + Zeros(1));
    EXPECT_EQ(beyond.settings.repeatPosition, 1000);
    EXPECT_EQ(beyond.settings.speedPosition, 0);
    EXPECT_EQ(beyond.header.repeatPosition, 5000);
}

TEST(EventScriptFile, OpenedEventsHaveNoWindowAndTheirTextRebuilt) {
    RecordedEvent e = Event(-20, 35, "T", "C", "");
    e.message = 0x20A;
    e.keyFlags = static_cast<std::int32_t>(0xFF880000u);
    e.window = 4242;
    e.displayText = "stale";
    const DecodedEventScript decoded = Decode(Encode({e}));
    ASSERT_EQ(decoded.events.size(), 1u);
    EXPECT_EQ(decoded.events[0].window, kNoWindow);
    EXPECT_EQ(decoded.events[0].displayText, "向后滚轮,-20,35");
    EXPECT_EQ(decoded.events[0].keyFlags, static_cast<std::int32_t>(0xFF880000u));
}

TEST(EventScriptFile, SavingWhatWasOpenedGivesTheSameBytes) {
    const std::string first = Encode(test::SampleRecording(), test::SampleSettings());
    EventPlaySettings allOff;
    allOff.moveToCurrent = allOff.clickEffect = allOff.virtualPointer = allOff.moveToStart = false;
    const DecodedEventScript opened = Decode(first, allOff);
    ASSERT_EQ(opened.verdict, EventScriptVerdict::Ok);
    EXPECT_EQ(opened.settings, test::SampleSettings());
    EXPECT_EQ(Encode(opened.events, opened.settings), first);

    const std::vector<RecordedEvent> original = test::SampleRecording();
    ASSERT_EQ(opened.events.size(), original.size());
    for (std::size_t i = 0; i < original.size(); ++i) {
        EXPECT_EQ(StoredEventString(opened.events[i].windowTitle), StoredEventString(original[i].windowTitle)) << i;
        EXPECT_EQ(StoredEventString(opened.events[i].windowClass), StoredEventString(original[i].windowClass)) << i;
        EXPECT_EQ(opened.events[i].childPath, original[i].childPath) << i;
        EXPECT_EQ(opened.events[i].offsetX, original[i].offsetX) << i;
        EXPECT_EQ(opened.events[i].offsetY, original[i].offsetY) << i;
        EXPECT_EQ(opened.events[i].delayMs, original[i].delayMs) << i;
        EXPECT_EQ(opened.events[i].displayText, original[i].displayText) << i;
    }
}

TEST(EventScriptFile, PathOpenedAsTheLastEntrySavesWithoutItsFinalZero) {
    // The path read as the last entry carries the final zero; appended events
    // after it must not see their title shifted by it when saved.
    DecodedEventScript opened = Decode(Encode({Event(1, 1, "T", "C", "\x01\x03")}));
    ASSERT_EQ(opened.events.size(), 1u);
    ASSERT_EQ(opened.events[0].childPath, std::string("\x01\x03\x00", 3));
    opened.events.push_back(Event(2, 2, "Next", "C2", "\x04"));
    const DecodedEventScript again = Decode(Encode(opened.events));
    ASSERT_EQ(again.events.size(), 2u);
    EXPECT_EQ(again.events[0].childPath, "\x01\x03");
    EXPECT_EQ(again.events[1].windowTitle, "Next" + kZZ);
    EXPECT_EQ(again.events[1].windowClass, "C2" + kZZ);
}

TEST(EventScriptFile, ListsTheFileCannotHoldAreRefused) {
    for (const auto& [x, y] : {std::pair{32768, 0}, {0, -32769}, {100000, 5}}) {
        const EncodedEventScript encoded =
            EncodeEventScript({Event(0, 0, "T", "C", ""), Event(x, y, "T", "C", "")}, {});
        EXPECT_EQ(encoded.problem, EventScriptStoreProblem::CoordinateOutOfRange);
        EXPECT_EQ(encoded.eventIndex, 1u);
        EXPECT_TRUE(encoded.bytes.empty());
    }

    // One class, one path and distinct titles: 32 768 strings fit, one more does not.
    std::vector<RecordedEvent> events;
    for (int i = 0; i < 32766; ++i) events.push_back(Event(0, 0, "title " + std::to_string(i), "C", "\x01"));
    const EncodedEventScript full = EncodeEventScript(events, {});
    EXPECT_EQ(full.problem, EventScriptStoreProblem::None);
    EXPECT_EQ(full.stringCount, 32768u);
    const DecodedEventScript opened = Decode(full.bytes);
    ASSERT_EQ(opened.events.size(), events.size());
    EXPECT_EQ(opened.events.back().windowTitle, "title 32765" + kZZ + '\0');  // the table's last entry

    events.push_back(Event(0, 0, "one too many", "C", "\x01"));
    const EncodedEventScript over = EncodeEventScript(events, {});
    EXPECT_EQ(over.problem, EventScriptStoreProblem::TooManyStrings);
    EXPECT_EQ(over.stringCount, 32769u);
    EXPECT_TRUE(over.bytes.empty());
}

TEST(EventScriptFile, StoredStringDropsTheTerminatorAndTrailingZeros) {
    EXPECT_EQ(StoredEventString(std::string("AB\0\0", 4)), "AB");
    EXPECT_EQ(StoredEventString(std::string("AB\0\0\0", 5)), "AB");
    EXPECT_EQ(StoredEventString(std::string("A\0B\0\0C", 6)), std::string("A\0B", 3));
    EXPECT_EQ(StoredEventString(std::string("\x01\x00", 2)), "\x01");
    EXPECT_EQ(StoredEventString(""), "");
}

}  // namespace
}  // namespace xd
