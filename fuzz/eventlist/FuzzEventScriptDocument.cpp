// Any bytes opened as an event-list script are either refused with one box and
// an empty list, or give a well-formed list that saves, opens to the same list
// and saves again to the same bytes, and whose strings hold at most 3 bytes per
// byte of the file (a string copied per event instead of shared fails this).
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "eventlist/document/EventDocument.h"
#include "eventlist/document/EventScriptFile.h"

namespace {

using namespace xd;

void Require(bool condition) {
    if (!condition) std::abort();
}

// One file, every box counted.
class OneFile final : public IFileSystem {
public:
    explicit OneFile(std::string bytes) : bytes_(std::move(bytes)) {}
    FileRead ReadFile(const std::string&, std::uint64_t maxBytes) override {
        if (bytes_.size() > maxBytes) return {FileStatus::TooLarge, {}};
        return {FileStatus::Ok, bytes_};
    }
    std::optional<std::uint64_t> FileSize(const std::string&) override { return bytes_.size(); }
    bool Exists(const std::string&) override { return true; }
    bool WriteFileReplacing(const std::string&, const std::string&) override { return false; }
    bool Remove(const std::string&) override { return false; }

private:
    std::string bytes_;
};

class CountingBoxes final : public IMessageBoxes {
public:
    int Show(WindowHandle, const std::string&, const std::string&, std::uint32_t) override {
        ++shown;
        return id::kOk;
    }
    int shown = 0;
};

class NoDialogs final : public IFileDialogs {
public:
    std::optional<std::string> ChooseOpen(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> ChooseSave(const FileDialogRequest&) override { return std::nullopt; }
};

class NullView final : public IEventDocumentView {
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

bool EndsWithTerminator(const std::string& s) {
    return s.size() >= 2 && s[s.size() - 1] == '\0' && s[s.size() - 2] == '\0';
}

void RequireSameList(const std::vector<RecordedEvent>& a, const std::vector<RecordedEvent>& b) {
    Require(a.size() == b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        Require(a[i].x == b[i].x && a[i].y == b[i].y && a[i].offsetX == b[i].offsetX && a[i].offsetY == b[i].offsetY &&
                a[i].message == b[i].message && a[i].keyFlags == b[i].keyFlags && a[i].delayMs == b[i].delayMs &&
                a[i].displayText == b[i].displayText);
        Require(StoredEventString(a[i].windowTitle) == StoredEventString(b[i].windowTitle));
        Require(StoredEventString(a[i].windowClass) == StoredEventString(b[i].windowClass));
        Require(StoredEventString(a[i].childPath) == StoredEventString(b[i].childPath));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    EventPlaySettings current;
    current.foreground = size % 2 == 1;
    current.moveToStart = size % 3 == 1;

    const DecodedEventScript decoded = DecodeEventScript(bytes, current);
    if (size <= 60) Require(decoded.verdict == EventScriptVerdict::Damaged);
    if (decoded.verdict != EventScriptVerdict::Ok) {
        Require(decoded.events.empty());
    } else {
        Require(decoded.events.size() == static_cast<std::size_t>(decoded.header.eventCount));
        Require(decoded.settings.playHotkey >= 112 && decoded.settings.playHotkey <= 123);
        Require(HeldStringBytes(decoded.events) <= 3 * size);
        Require(!current.foreground || decoded.settings.foreground);
        for (const RecordedEvent& e : decoded.events) {
            Require(EndsWithTerminator(e.windowTitle) && EndsWithTerminator(e.windowClass));
            Require(e.window == kNoWindow && e.displayText == EventDisplayText(e));
        }
        const EncodedEventScript saved = EncodeEventScript(decoded.events, decoded.settings);
        // Positions came from 16-bit halves; only a table with too many used entries can be refused.
        Require(saved.problem == EventScriptStoreProblem::None ||
                saved.problem == EventScriptStoreProblem::TooManyStrings);
        if (saved.problem == EventScriptStoreProblem::None) {
            const DecodedEventScript reopened = DecodeEventScript(saved.bytes, decoded.settings);
            Require(reopened.verdict == EventScriptVerdict::Ok);
            Require(reopened.settings == decoded.settings);
            RequireSameList(decoded.events, reopened.events);
            Require(EncodeEventScript(reopened.events, reopened.settings).bytes == saved.bytes);
        }
    }

    // The same bytes through the document's open.
    OneFile files(bytes);
    CountingBoxes boxes;
    NoDialogs dialogs;
    NullView view;
    EventDocument document;
    document.settings = current;
    EventDocumentContext context{document, view, files, boxes, dialogs, kNoWindow};
    std::string path = "fuzz.mkx";
    const EventOpenOutcome outcome = OpenEventScript(context, path);
    if (outcome == EventOpenOutcome::Opened) {
        Require(decoded.verdict == EventScriptVerdict::Ok && boxes.shown == 0 && path == "fuzz.mkx");
        Require(document.events.size() == decoded.events.size());
    } else {
        Require(decoded.verdict != EventScriptVerdict::Ok && boxes.shown == 1 && path.empty());
        Require(document.events.empty() && document.filePath.empty());
    }
    return 0;
}
