// Key events in the .mkx file: the mouse event's record carries them, so a list without keys is unchanged.
#include <gtest/gtest.h>

#include "eventlist/KeyEvent.h"
#include "eventlist/document/EventScriptFile.h"
#include "tests/eventlist/document/EventScriptSamples.h"

namespace xd {
namespace {

std::uint32_t Word(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return v;
}

TEST(KeyEventFile, AKeyIsStoredInTheRecordsMessageKeyAndOffsetWordsAndReadsBack) {
    std::vector<RecordedEvent> events = test::SampleRecording();
    RecordedEvent key = test::SampleEvent(evmsg::kSysKeyDown, 300, 200, "记事本", "Notepad", "\x01", 75);
    key.keyFlags = EventKeyFlagsOf(EventKey{0x25, 0x4B, true});  // Alt+Left: an extended key
    SetEventKeyText(key, "😀");
    key.displayText = EventDisplayText(key);
    events.push_back(key);

    const std::string bytes = EncodeEventScript(events, test::SampleSettings()).bytes;
    const std::size_t record = kEventScriptHeaderBytes + kEventRecordBytes * (events.size() - 1);
    EXPECT_EQ(Word(bytes, record + 20), 0x104u);                  // message
    EXPECT_EQ(Word(bytes, record + 24), 0x014B0025u);             // key, scan code, extended, as in lParam
    EXPECT_EQ(Word(bytes, record + 12), 0x1F600u);                // the character typed
    EXPECT_EQ(Word(bytes, record + 16), 0u);
    EXPECT_EQ(Word(bytes, record + 28), 75u);

    const DecodedEventScript read = DecodeEventScript(bytes, {});
    ASSERT_EQ(read.verdict, EventScriptVerdict::Ok);
    const RecordedEvent& back = read.events.back();
    EXPECT_EQ(EventKeyOf(back.keyFlags), (EventKey{0x25, 0x4B, true}));
    EXPECT_EQ(EventKeyText(back), "😀");
    EXPECT_EQ(back.displayText, "按下Left键,300,200");

}

}  // namespace
}  // namespace xd
