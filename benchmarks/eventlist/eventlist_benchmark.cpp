// Builds a 100 000-event recording over 50 windows and times opening and saving
// it through the document commands on in-memory files, and rebuilding its groups
// after one event is deleted. The last line is the summary.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "eventlist/document/EventDocument.h"
#include "eventlist/recording/EventGroups.h"
#include "platform/Text.h"
#include "platform/sim/SimPlatform.h"

namespace {

constexpr int kEvents = 100'000;
constexpr int kWindows = 50;
constexpr int kRuns = 5;
const std::string kPath = "C:\\脚本\\长录制.mkx";

class NullView final : public xd::IEventDocumentView {
public:
    void SetCaption(const std::string&) override {}
    void SetSaveEnabled(bool) override {}
    void SetRepeatSlider(std::int32_t, const std::string&) override {}
    void SetSpeedSlider(std::int32_t, const std::string&) override {}
    void SetHasEvents(bool) override {}
    void SetWaitCursor(bool) override {}
    void EventListReplaced() override {}
    void PlaySettingsReplaced() override {}
};

// A list control that holds nothing: the rebuild's own work is what is timed.
class NullListView final : public xd::IEventListView {
public:
    void AppendItems(int) override {}
    void InsertItems(int, int) override {}
    void DeleteItems(int, int) override {}
    void DeleteAllItems() override {}
    void SuspendRedraw() override {}
    void ResumeRedraw() override {}
    void Redraw() override {}
    int Selection() override { return -1; }
    void Select(int) override {}
    void ShowDetails(const xd::EventDetails&) override {}
    void HideDetails() override {}
    void EnableDelete(bool) override {}
    void EnableInsert(bool) override {}
};

std::vector<xd::RecordedEvent> BuildRecording() {
    const std::string terminator("\0\0", 2);
    std::vector<xd::RecordedEvent> events(kEvents);
    unsigned seed = 12345;
    auto next = [&](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % range);
    };
    int window = 0;
    for (int i = 0; i < kEvents; ++i) {
        // Runs of events on one window, as a user works in one program for a while.
        if (i % 25 == 0) window = next(kWindows);
        xd::RecordedEvent& e = events[static_cast<std::size_t>(i)];
        e.windowTitle = xd::Utf8ToGbk("文档 " + std::to_string(window) + " - 记事本") + terminator;
        e.windowClass = (window % 2 == 0 ? std::string("Notepad") : "Class" + std::to_string(window)) + terminator;
        e.childPath = {static_cast<char>(1 + window % 4), static_cast<char>(1 + window % 3)};
        e.x = next(1920);
        e.y = next(1080);
        e.offsetX = (e.x - 100) << 16 | (e.x - 120);
        e.offsetY = (e.y - 50) << 16 | (e.y - 90);
        e.message = i % 3 == 0 ? 0x201 : (i % 3 == 1 ? 0x202 : 0x200);
        e.keyFlags = e.message == 0x202 ? 0 : 1;
        e.delayMs = next(500);
        e.displayText = xd::EventDisplayText(e);
    }
    return events;
}

template <typename F>
double BestMs(F&& f) {
    double best = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (!f()) return -1;
        const auto end = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(end - start).count());
    }
    return best;
}

}  // namespace

int main() {
    xd::sim::SimPlatform sim;
    NullView view;
    xd::EventDocument document;
    xd::EventDocumentContext context{document, view, sim.files, sim.boxes, sim.dialogs, xd::kNoWindow};
    document.events = BuildRecording();

    const double saveMs =
        BestMs([&] { return xd::SaveEventScript(context, kPath) == xd::EventSaveOutcome::Saved; });
    const std::size_t bytes = sim.files.Get(kPath)->size();
    const double openMs = BestMs([&] {
        std::string path = kPath;
        return xd::OpenEventScript(context, path) == xd::EventOpenOutcome::Opened &&
               document.events.size() == static_cast<std::size_t>(kEvents);
    });
    // Delete removes the events of one line and regroups the whole list from scratch.
    NullListView list;
    xd::EventGroups groups;
    xd::RebuildGroups(groups, document.events, list);
    const std::size_t linesBefore = groups.lines.size();
    const double regroupMs = BestMs([&] {
        document.events.erase(document.events.begin() + kEvents / 2);
        xd::RebuildGroups(groups, document.events, list);
        return !groups.lines.empty();
    });
    if (saveMs < 0 || openMs < 0 || regroupMs < 0 || sim.boxes.Count() != 0) {
        std::printf("open or save failed\n");
        return 1;
    }
    std::printf("script: %d events over %d windows, %zu bytes, best of %d runs\n", kEvents, kWindows, bytes, kRuns);
    std::printf("groups: %zu lines before the deletes\n", linesBefore);
    std::printf("eventlist: open=%.1f ms save=%.1f ms regroup=%.1f ms (%d events)\n", openMs, saveMs, regroupMs,
                kEvents);
    return 0;
}
