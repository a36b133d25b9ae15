#include "eventlist/document/EventDocument.h"

#include "eventlist/PlaySliders.h"

#include <optional>
#include <utility>

#include "eventlist/document/EventDocumentTexts.h"
#include "eventlist/document/EventScriptFile.h"

namespace xd {
namespace {

void ShowError(EventDocumentContext& context, const std::string& text,
               std::string_view caption = kEventBoxCaption) {
    static_cast<void>(context.boxes.Show(context.owner, text, std::string(caption), kEventErrorBoxFlags));
}

void ShowCaption(EventDocumentContext& context) {
    const EventDocument& document = context.document;
    context.view.SetCaption(document.modified ? document.caption + std::string(kEventModifiedMark)
                                              : document.caption);
}

// After an open or a save: the document equals its file.
void ShowUnmodified(EventDocumentContext& context) {
    context.document.modified = false;
    ShowCaption(context);
    context.view.SetSaveEnabled(false);
}

std::string FolderOf(std::string_view path) {
    const std::size_t cut = path.find_last_of("/\\");
    if (cut == std::string_view::npos) return {};
    // "C:" alone would mean the drive's current folder.
    const bool driveRoot = cut > 0 && path[cut - 1] == ':';
    return std::string(path.substr(0, driveRoot ? cut + 1 : cut));
}

EventOpenOutcome OutcomeOf(EventScriptVerdict verdict) {
    switch (verdict) {
        case EventScriptVerdict::Ok: return EventOpenOutcome::Opened;
        case EventScriptVerdict::NotAScript: return EventOpenOutcome::NotAScript;
        case EventScriptVerdict::NewerVersion: return EventOpenOutcome::NewerVersion;
        case EventScriptVerdict::Unreadable: return EventOpenOutcome::Unreadable;
        case EventScriptVerdict::Damaged: break;
    }
    return EventOpenOutcome::Damaged;
}

std::string CannotStoreReason(const EncodedEventScript& encoded, const std::vector<RecordedEvent>& events) {
    switch (encoded.problem) {
        case EventScriptStoreProblem::CoordinateOutOfRange: {
            const RecordedEvent& event = events[encoded.eventIndex];
            return "第 " + std::to_string(encoded.eventIndex + 1) + " 条记录的位置（" + std::to_string(event.x) + "," +
                   std::to_string(event.y) + "）超出了脚本文件能保存的范围（-32768 到 32767）。";
        }
        case EventScriptStoreProblem::TooManyStrings:
            return "录制涉及的窗口太多：窗口标题、类名和路径共有 " + std::to_string(encoded.stringCount) +
                   " 种，脚本文件最多只能保存 " + std::to_string(kMaxEventScriptStrings) + " 种。";
        case EventScriptStoreProblem::TooManyEvents:
            return "记录太多：共有 " + std::to_string(events.size()) + " 条，脚本文件保存不下。";
        case EventScriptStoreProblem::None: break;
    }
    return {};
}

FileDialogRequest EventScriptDialogRequest(WindowHandle owner) {
    FileDialogRequest request;
    request.owner = owner;
    request.filters = {{std::string(kEventScriptFilterName), std::string(kEventScriptFilterPattern)},
                       {std::string(kAllFilesName), std::string(kAllFilesPattern)}};
    request.defaultExtension = kEventScriptExtension;
    return request;
}

std::size_t Utf8CharStart(std::string_view text, std::size_t end) {
    while (end > 0 && (static_cast<unsigned char>(text[end - 1]) & 0xC0) == 0x80) --end;
    return end > 0 ? end - 1 : 0;
}

}  // namespace

MadeProgramRequest EventScriptProgramRequest(const EventDocumentContext& context) {
    const EventDocument& document = context.document;
    MadeProgramRequest request{context.owner, std::string(kEventBoxCaption), document.filePath, {}, {}};
    if (document.events.empty()) {
        request.refusal = kNoEventsToPlayText;
        return request;
    }
    EncodedEventScript encoded = EncodeEventScript(document.events, document.settings);
    if (encoded.problem != EventScriptStoreProblem::None) {
        request.refusal = std::string(kEventCannotStoreText) + CannotStoreReason(encoded, document.events);
    } else {
        request.script = std::move(encoded.bytes);
    }
    return request;
}

std::string EventScriptRefusalText(EventScriptVerdict verdict, const std::string& path, std::int32_t fileVersion) {
    switch (verdict) {
        case EventScriptVerdict::NotAScript: return std::string(kNotAnEventScriptText) + path;
        case EventScriptVerdict::Unreadable: return std::string(kEventScriptUnreadableText) + path;
        case EventScriptVerdict::NewerVersion:
            return std::string(kNewerEventScriptText) + std::to_string(kEventScriptVersion) + "\r\n" +
                   std::string(kScriptVersionLabel) + std::to_string(fileVersion);
        default: return std::string(kEventScriptDamagedText) + path;
    }
}

DecodedEventScript ReadEventScript(IFileSystem& files, const std::string& path, const EventPlaySettings& current) {
    const FileRead read = files.ReadFile(path, kMaxEventScriptFileBytes);
    if (read.status == FileStatus::Ok) return DecodeEventScript(read.bytes, current);
    DecodedEventScript refused;
    if (read.status == FileStatus::Unreadable) refused.verdict = EventScriptVerdict::Unreadable;
    return refused;
}

EventOpenOutcome OpenEventScript(EventDocumentContext& context, std::string& path) noexcept {
    EventDocument& document = context.document;
    DecodedEventScript decoded = ReadEventScript(context.files, path, document.settings);
    const EventOpenOutcome outcome = OutcomeOf(decoded.verdict);

    if (outcome != EventOpenOutcome::Opened) {
        document.events.clear();
        document.filePath.clear();
        context.view.EventListReplaced();
        context.view.SetHasEvents(false);
        ShowError(context, EventScriptRefusalText(decoded.verdict, path, decoded.header.version),
                  outcome == EventOpenOutcome::NewerVersion ? kNewerEventScriptCaption : kEventBoxCaption);
        path.clear();
        return outcome;
    }
    document.events = std::move(decoded.events);
    document.settings = decoded.settings;
    document.filePath = path;
    ShowEventPlaySliders(context);
    context.view.PlaySettingsReplaced();
    context.view.EventListReplaced();
    context.view.SetHasEvents(!document.events.empty());
    return outcome;
}

EventSaveOutcome SaveEventScript(EventDocumentContext& context, const std::string& path) noexcept {
    const EventDocument& document = context.document;
    const EncodedEventScript encoded = EncodeEventScript(document.events, document.settings);
    if (encoded.problem != EventScriptStoreProblem::None) {
        ShowError(context,
                  std::string(kEventCannotStoreText) + path + "\r\n" + CannotStoreReason(encoded, document.events));
        return EventSaveOutcome::CannotStore;
    }
    // Written beside the old file and then put in its place: the old file is never deleted first.
    if (!context.files.WriteFileReplacing(path, encoded.bytes)) {
        ShowError(context, std::string(kEventSaveFailedText) + path);
        return EventSaveOutcome::WriteFailed;
    }
    return EventSaveOutcome::Saved;
}

void ClearEventScript(EventDocumentContext& context) noexcept {
    EventDocument& document = context.document;
    document.events.clear();
    document.filePath.clear();
    document.caption = kNewEventScriptCaption;
    document.modified = false;
    document.settings.repeatPosition = 0;
    document.settings.speedPosition = 0;
    context.view.EventListReplaced();
    context.view.SetHasEvents(false);
    ShowCaption(context);
    ShowEventPlaySliders(context);
}

void MarkEventListModified(EventDocumentContext& context) noexcept {
    EventDocument& document = context.document;
    if (document.modified) return;
    document.modified = true;
    ShowCaption(context);
    context.view.SetSaveEnabled(true);
}

SavePromptAnswer AskToSave(EventDocumentContext& context) noexcept {
    if (!context.document.modified) return SavePromptAnswer::GoOn;
    const int answer = context.boxes.Show(context.owner, std::string(kAskToSaveText), std::string(kEventBoxCaption),
                                          kAskToSaveFlags);
    if (answer == id::kNo) return SavePromptAnswer::GoOn;
    if (answer == id::kYes && SaveEventScriptCommand(context) == EventSaveOutcome::Saved) return SavePromptAnswer::GoOn;
    return SavePromptAnswer::Stop;
}

EventSaveOutcome SaveEventScriptCommand(EventDocumentContext& context) noexcept {
    EventDocument& document = context.document;
    std::string path = document.filePath;
    if (path.empty()) {
        context.view.SetWaitCursor(true);
        std::optional<std::string> chosen = context.dialogs.ChooseSave(SaveEventScriptDialogRequest(context.owner));
        context.view.SetWaitCursor(false);
        if (!chosen || chosen->empty()) return EventSaveOutcome::Cancelled;
        path = std::move(*chosen);
        document.lastFolder = FolderOf(path);
    }
    const EventSaveOutcome outcome = SaveEventScript(context, path);
    // A path that never received the script is not adopted, so the next Save asks again.
    if (outcome != EventSaveOutcome::Saved) return outcome;
    document.filePath = path;
    document.caption = EventScriptCaption(path);
    ShowUnmodified(context);
    return outcome;
}

bool OpenEventScriptCommand(EventDocumentContext& context) noexcept {
    if (AskToSave(context) == SavePromptAnswer::Stop) return false;
    EventDocument& document = context.document;
    std::optional<std::string> chosen =
        context.dialogs.ChooseOpen(OpenEventScriptDialogRequest(context.owner, document.lastFolder));
    if (!chosen || chosen->empty()) return false;

    std::string path = std::move(*chosen);
    document.lastFolder = FolderOf(path);
    // A refused file has emptied the list: the caption no longer names the old file.
    document.caption = OpenEventScript(context, path) == EventOpenOutcome::Opened ? EventScriptCaption(path)
                                                                                  : std::string(kNewEventScriptCaption);
    ShowUnmodified(context);
    return true;
}

bool OpenEventScriptAtStartUp(EventDocumentContext& context, const std::string& path) noexcept {
    if (path.empty() || !context.files.Exists(path)) return false;
    std::string opened = path;
    if (OpenEventScript(context, opened) == EventOpenOutcome::Opened) {
        context.document.caption = EventScriptCaption(opened);
        context.document.lastFolder = FolderOf(opened);
    }
    ShowUnmodified(context);
    return true;
}

void ShowEventPlaySliders(EventDocumentContext& context) noexcept {
    const EventPlaySettings& settings = context.document.settings;
    context.view.SetRepeatSlider(settings.repeatPosition, EventRepeatLabel(settings.repeatPosition));
    context.view.SetSpeedSlider(settings.speedPosition, EventSpeedLabel(settings.speedPosition));
}


std::string EventScriptCaption(std::string_view path) {
    const std::size_t cut = path.find_last_of(":/\\");
    const std::string_view name = cut == std::string_view::npos ? path : path.substr(cut + 1);
    // Characters, not bytes: a name in Chinese loses four characters too.
    std::size_t end = name.size();
    for (int i = 0; i < 4 && end > 0; ++i) end = Utf8CharStart(name, end);
    return std::string(name.substr(0, end));
}

FileDialogRequest OpenEventScriptDialogRequest(WindowHandle owner, const std::string& folder) {
    FileDialogRequest request = EventScriptDialogRequest(owner);
    request.title = kOpenEventScriptTitle;
    request.initialFolder = folder;
    return request;
}

FileDialogRequest SaveEventScriptDialogRequest(WindowHandle owner) {
    FileDialogRequest request = EventScriptDialogRequest(owner);
    request.initialName = kNewEventScriptCaption;
    return request;
}

}  // namespace xd
