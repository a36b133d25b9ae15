// The seed files of the document fuzz target, written by the encoder: the
// generator program saves them, a test checks the committed ones still match.
#pragma once
#include <string>
#include <utility>
#include <vector>

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
    return {
        {"empty.mkx", EncodeEventScript({}, {}).bytes},
        {"recording.mkx", EncodeEventScript(SampleRecording(), SampleSettings()).bytes},
        {"same-window.mkx", EncodeEventScript(sameWindow, SampleSettings()).bytes},
        {"long-title.mkx", EncodeEventScript(longTitle, SampleSettings()).bytes},
    };
}

}  // namespace xd::test
