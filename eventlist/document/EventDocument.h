// The open event-list script as a document: its events, the play settings that
// travel with it, its file and its modified state, with the commands that move
// it between memory and its .mkx file. What they change on screen goes through
// IEventDocumentView, so this code knows nothing of the window layer or of how
// the list is grouped into lines.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "eventlist/EventPlaySettings.h"
#include "eventlist/RecordedEvent.h"
#include "eventlist/document/EventScriptFile.h"
#include "appcore/madeprogram/MakeProgram.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"

namespace xd {

// Owned by the main window for the whole run; the recorder, the list and the
// player work on `events` and `settings` in place.
struct EventDocument {
    std::vector<RecordedEvent> events;
    EventPlaySettings settings;
    std::string filePath;    // empty while the script is unnamed
    std::string caption;     // the main window's caption without the modified mark
    bool modified = false;
    std::string lastFolder;  // where the open dialog starts: the folder of the last file chosen
};

// The parts of the main window the document commands change.
class IEventDocumentView {
public:
    virtual ~IEventDocumentView() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetSaveEnabled(bool enabled) = 0;
    virtual void SetRepeatSlider(std::int32_t position, const std::string& label) = 0;
    virtual void SetSpeedSlider(std::int32_t position, const std::string& label) = 0;
    // Whether there is anything to play (enables Play).
    virtual void SetHasEvents(bool hasEvents) = 0;
    virtual void SetWaitCursor(bool waiting) = 0;
    // `events` was replaced as a whole (cleared, opened, or emptied by a refused
    // open): the lines are rebuilt from it, group numbering from 1, with the
    // list's drawing suspended meanwhile.
    virtual void EventListReplaced() = 0;
    // An opened file set `settings`: show the play mode and whatever else follows them.
    virtual void PlaySettingsReplaced() = 0;
};

struct EventDocumentContext {
    EventDocument& document;
    IEventDocumentView& view;
    IFileSystem& files;
    IMessageBoxes& boxes;
    IFileDialogs& dialogs;
    WindowHandle owner = kNoWindow;  // of the boxes and dialogs: the main window
};

// Larger files are refused as damaged without being read (8 million events).
inline constexpr std::uint64_t kMaxEventScriptFileBytes = 256ull << 20;

enum class EventOpenOutcome { Opened, Damaged, NotAScript, NewerVersion, Unreadable };
enum class EventSaveOutcome { Saved, Cancelled, CannotStore, WriteFailed };
enum class SavePromptAnswer { GoOn, Stop };

// The box text a refused file gets (the caption is kNewerEventScriptCaption for
// NewerVersion, else kEventBoxCaption).
[[nodiscard]] std::string EventScriptRefusalText(EventScriptVerdict verdict, const std::string& path,
                                                 std::int32_t fileVersion);

// Reads and decodes a file as Open does: a failed read is Unreadable when the file
// is there (locked, no rights), else Damaged (missing, or beyond the size bound).
[[nodiscard]] DecodedEventScript ReadEventScript(IFileSystem& files, const std::string& path,
                                                 const EventPlaySettings& current);

// Replaces the events and the settings by the file's. On a refusal the box is
// shown, `path` and the document's path are emptied and the list is left empty.
// Caption and modified flag are the caller's.
[[nodiscard]] EventOpenOutcome OpenEventScript(EventDocumentContext& context, std::string& path) noexcept;

// Writes the events and the settings to `path` in one replacing write, so a
// failure keeps the old file. A list the file cannot hold is refused before
// anything is written. Every failure is reported in a box.
[[nodiscard]] EventSaveOutcome SaveEventScript(EventDocumentContext& context, const std::string& path) noexcept;

// A fresh recording: empty, unnamed, "新脚本", not modified, both sliders at 0.
void ClearEventScript(EventDocumentContext& context) noexcept;

// On every change; the first after an open, a save or a clear shows " *" and enables Save.
void MarkEventListModified(EventDocumentContext& context) noexcept;

// Before the script is replaced: Stop on Cancel, or on Yes whose save did not happen.
[[nodiscard]] SavePromptAnswer AskToSave(EventDocumentContext& context) noexcept;

// The Save command: asks for a path when there is none.
EventSaveOutcome SaveEventScriptCommand(EventDocumentContext& context) noexcept;

// The Open command. False when nothing changed (the save prompt stopped it or the
// dialog was cancelled).
bool OpenEventScriptCommand(EventDocumentContext& context) noexcept;

// Start-up with a path on the command line; a path naming no file is ignored (false).
bool OpenEventScriptAtStartUp(EventDocumentContext& context, const std::string& path) noexcept;

// Shows both sliders at the settings' positions with their labels.
void ShowEventPlaySliders(EventDocumentContext& context) noexcept;

// The file name after the last ':', '/' or '\' less its last four characters.
[[nodiscard]] std::string EventScriptCaption(std::string_view path);

// What 生成软件 carries: the file's bytes with the play settings. Refused, with the box's text, for an empty
// list ("没有脚本，无法播放。", as Play says) or one the file cannot hold (as Save says).
[[nodiscard]] MadeProgramRequest EventScriptProgramRequest(const EventDocumentContext& context);

[[nodiscard]] FileDialogRequest OpenEventScriptDialogRequest(WindowHandle owner, const std::string& folder);
[[nodiscard]] FileDialogRequest SaveEventScriptDialogRequest(WindowHandle owner);

}  // namespace xd
