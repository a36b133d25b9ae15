// The seed files of the document fuzz target, written by the encoder: the
// generator program saves them, a test checks the committed ones still match.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "eventlist/KeyEvent.h"
#include "eventlist/document/EventScriptFile.h"
#include "tests/eventlist/document/EventScriptSamples.h"

namespace xd::test {

inline std::vector<std::pair<std::string, std::string>> DocumentFuzzSeeds() {
    const std::string path("\x01\x02\x03", 3);
    std::vector<RecordedEvent> sameWindow;
    for (int i = 0; i < 4; ++i) sameWindow.push_back(SampleEvent(0x200, 10 * i, -10 * i, "标题", "Cls", path, 16));
    // One long title on many events, so a reader that copies it per event fails the
    // fuzzer's memory property from the first run on.
    std::vector<RecordedEvent> longTitle;
    for (int i = 0; i < 60; ++i) {
        longTitle.push_back(SampleEvent(0x200, i, i, std::string(1500, 'T'), "Cls", path, 16));
    }
    // Ctrl+S and "Hé" typed into Notepad's edit control, between two clicks.
    std::vector<RecordedEvent> keys{SampleEvent(0x201, 300, 200, "记事本", "Notepad", path, 90, 1),
                                    SampleEvent(0x202, 300, 200, "记事本", "Notepad", path, 400)};
    const auto key = [&](std::int32_t message, std::uint8_t vk, std::uint8_t scan, bool extended, const char* text) {
        RecordedEvent e = SampleEvent(message, 300, 200, "记事本", "Notepad", "\x01", 120);
        e.keyFlags = EventKeyFlagsOf(EventKey{vk, scan, extended});
        SetEventKeyText(e, text);
        e.displayText = EventDisplayText(e);
        keys.push_back(e);
    };
    key(0x100, 0xA3, 0x1D, true, "");
    key(0x100, 'S', 0x1F, false, "");
    key(0x101, 'S', 0x1F, false, "");
    key(0x101, 0xA3, 0x1D, true, "");
    key(0x100, 0xA0, 0x2A, false, "");
    key(0x100, 'H', 0x23, false, "H");
    key(0x101, 'H', 0x23, false, "");
    key(0x101, 0xA0, 0x2A, false, "");
    key(0x104, 0xDE, 0x28, false, "\xC3\xA9");
    key(0x105, 0xDE, 0x28, false, "");
    keys.push_back(SampleEvent(0x201, 300, 200, "记事本", "Notepad", path, 90, 1));
    return {
        {"empty.mkx", EncodeEventScript({}, {}).bytes},
        {"keys.mkx", EncodeEventScript(keys, SampleSettings()).bytes},
        {"recording.mkx", EncodeEventScript(SampleRecording(), SampleSettings()).bytes},
        {"same-window.mkx", EncodeEventScript(sameWindow, SampleSettings()).bytes},
        {"long-title.mkx", EncodeEventScript(longTitle, SampleSettings()).bytes},
    };
}

}  // namespace xd::test
