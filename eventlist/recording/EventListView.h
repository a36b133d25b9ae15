// What the recorder and the list editing ask of the main window of the
// event-list edition. The Windows program implements these over its owner-drawn
// list box, detail controls and toolbar; the tests over plain records.
#pragma once
#include <cstdint>
#include <string>

#include "eventlist/RecordedEvent.h"
#include "platform/Types.h"

namespace xd {

// The eleven kind options, in the order they stand in the window.
enum class EventKindOption {
    LeftDown, LeftUp, MiddleDown, MiddleUp, RightDown, RightUp, Move,
    WheelForward, WheelBackward, WheelLeft, WheelRight
};
inline constexpr int kEventKindOptionCount = 11;

// What the detail controls show for the selected line.
struct EventDetails {
    std::string title;        // UTF-8, without the stored zero bytes
    std::string className;    // UTF-8
    std::string screenPosition;  // "X=100,Y=200"
    std::string windowPosition;  // within the top-level window
    bool group = false;          // a group of two or more: only the note shows
    std::string note;            // the group note, else empty
    // The single-event editors (kind, flags, delay); meaningful when !group.
    int kindOption = -1;         // an EventKindOption, -1 for none
    std::int32_t flags = 0;      // low 16 bits of keyFlags for the five boxes
    std::int32_t delayMs = 0;
    bool deleteEnabled = false;
    bool insertEnabled = false;  // member lines only
    friend bool operator==(const EventDetails&, const EventDetails&) = default;
};

// The list control holds one empty placeholder item per line record; the lines
// themselves are drawn from the records (LineDrawing.h).
class IEventListView {
public:
    virtual ~IEventListView() = default;
    virtual void AppendItems(int count) = 0;
    virtual void InsertItems(int at, int count) = 0;
    virtual void DeleteItems(int at, int count) = 0;
    virtual void DeleteAllItems() = 0;
    // Drawing off during large changes, on again (with one repaint) after.
    virtual void SuspendRedraw() = 0;
    virtual void ResumeRedraw() = 0;
    virtual void Redraw() = 0;
    virtual int Selection() = 0;  // -1 for none
    // Selects (and scrolls to) a line; -1 clears the selection. Does not call back.
    virtual void Select(int line) = 0;
    // Filled without running the controls' own change handlers.
    virtual void ShowDetails(const EventDetails& details) = 0;
    virtual void HideDetails() = 0;
    virtual void EnableDelete(bool on) = 0;
    virtual void EnableInsert(bool on) = 0;
};

// The document of the open script (Open, Save, the modified state).
class IEventDocument {
public:
    virtual ~IEventDocument() = default;
    // true: go on (saved, not saved by choice, or nothing to save).
    virtual bool AskToSave() = 0;
    // Empties the event list and the groups, unnamed and unmodified.
    virtual void ClearEventScript() = 0;
    virtual void MarkEventListModified() = 0;
    virtual bool IsModified() = 0;
};

// The rest of the main window the recorder drives.
class IEventMainWindow {
public:
    virtual ~IEventMainWindow() = default;
    virtual WindowHandle Handle() = 0;
    virtual void SetRecordActive(bool on) = 0;  // the record button's state
    virtual void EnablePlay(bool on) = 0;
    virtual void EnableSave(bool on) = 0;
    virtual void EnableEditing(bool on) = 0;    // the list and the editors
    virtual void CloseHintWindow() = 0;
    virtual bool IsPlaying() = 0;
    virtual void StopPlayback() = 0;
    // The click-effect overlay for a press (0x201, 0x204 or 0x207).
    virtual void ShowClickEffect(Point screen, std::uint32_t message) = 0;
    // The position hint window, shown (created when needed) with its top-left there.
    virtual void ShowHintWindow(Point topLeft) = 0;
    virtual bool BackgroundMode() = 0;
    // The player's window search for an event; kNoWindow when nothing is found.
    virtual WindowHandle FindEventWindow(const RecordedEvent& event) = 0;
    // A mouse event the hook saw: a move of the user's hand during a foreground playback stops it as Esc does,
    // and the status line says why. True when it stopped the playback.
    virtual bool StopPlaybackByHand(int code, const LowLevelMouseEvent& event) = 0;
};

}  // namespace xd
