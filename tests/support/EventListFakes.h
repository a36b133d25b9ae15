// Stand-ins for the event-list edition's main window in tests and fuzzers: the
// list control as a count of placeholder items and a selection, the detail
// controls as the last details shown, the document as a modified flag.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "eventlist/recording/EventListView.h"

namespace xd::test {

class FakeEventListView final : public IEventListView {
public:
    void AppendItems(int count) override { items += count; }
    void InsertItems(int at, int count) override {
        if (at < 0 || at > items || count < 0) ++misuse;
        items += count;
        if (selection >= at) selection += count;
    }
    void DeleteItems(int at, int count) override {
        if (at < 0 || count < 0 || at + count > items) ++misuse;
        items -= count;
        if (selection >= at + count) selection -= count;
        else if (selection >= at) selection = -1;
    }
    void DeleteAllItems() override {
        items = 0;
        selection = -1;
    }
    void SuspendRedraw() override { ++suspended; ++suspends; }
    void ResumeRedraw() override {
        if (suspended == 0) ++misuse;
        --suspended;
    }
    void Redraw() override { ++redraws; }
    int Selection() override { return selection; }
    void Select(int line) override { selection = line; }
    void ShowDetails(const EventDetails& d) override {
        details = d;
        detailsShown = true;
    }
    void HideDetails() override { detailsShown = false; }
    void EnableDelete(bool on) override { deleteEnabled = on; }
    void EnableInsert(bool on) override { insertEnabled = on; }

    int items = 0;
    int selection = -1;
    int suspended = 0;  // nesting depth now
    int suspends = 0;
    int redraws = 0;
    int misuse = 0;  // out-of-range item calls or an unmatched resume
    EventDetails details;
    bool detailsShown = false;
    bool deleteEnabled = false;
    bool insertEnabled = false;
};

// Clears what the integration's ClearEventScript clears: the list (the groups are
// cleared by the caller's grouping part).
class FakeEventDocument final : public IEventDocument {
public:
    explicit FakeEventDocument(std::vector<RecordedEvent>& events) : events_(events) {}
    bool AskToSave() override {
        ++asks;
        return askAnswer;
    }
    void ClearEventScript() override {
        ++clears;
        events_.clear();
        modified = false;
    }
    void MarkEventListModified() override {
        modified = true;
        ++marks;
    }
    bool IsModified() override { return modified; }

    bool askAnswer = true;
    int asks = 0;
    int clears = 0;
    int marks = 0;
    bool modified = false;

private:
    std::vector<RecordedEvent>& events_;
};

struct ClickEffectCall {
    Point at;
    std::uint32_t message = 0;
    friend bool operator==(const ClickEffectCall&, const ClickEffectCall&) = default;
};

class FakeEventMainWindow final : public IEventMainWindow {
public:
    WindowHandle Handle() override { return handle; }
    void SetRecordActive(bool on) override { recordActive = on; }
    void EnablePlay(bool on) override { playEnabled = on; }
    void EnableSave(bool on) override { saveEnabled = on; }
    void EnableEditing(bool on) override { editingEnabled = on; }
    void CloseHintWindow() override {
        hintShown = false;
        ++hintCloses;
    }
    bool IsPlaying() override { return playing; }
    void StopPlayback() override {
        playing = false;
        ++playbackStops;
    }
    void ShowClickEffect(Point screen, std::uint32_t message) override { clickEffects.push_back({screen, message}); }
    void ShowHintWindow(Point topLeft) override {
        hintShown = true;
        hintAt = topLeft;
    }
    bool BackgroundMode() override { return background; }
    bool StopPlaybackByHand(int, const LowLevelMouseEvent&) override { return false; }
    WindowHandle FindEventWindow(const RecordedEvent&) override {
        ++searches;
        return found;
    }

    WindowHandle handle = kNoWindow;
    bool recordActive = false;
    bool playEnabled = true;
    bool saveEnabled = true;
    bool editingEnabled = true;
    bool hintShown = false;
    int hintCloses = 0;
    Point hintAt{};
    bool playing = false;
    int playbackStops = 0;
    std::vector<ClickEffectCall> clickEffects;
    bool background = false;
    WindowHandle found = kNoWindow;
    int searches = 0;
};

}  // namespace xd::test
