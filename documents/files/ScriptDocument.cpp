#include "documents/files/ScriptDocument.h"

#include <utility>

#include "documents/ProfileValues.h"
#include "documents/ScriptFileText.h"
#include "documents/SettingsStore.h"
#include "documents/files/DocumentTexts.h"
#include "engine/ScriptSyntax.h"
#include "engine/ScriptText.h"

namespace xd {
namespace {

constexpr int kButtonDisabled = 0;
constexpr int kButtonEnabled = 1;

void ShowError(DocumentContext& context, std::string_view text, const std::string& path) {
    static_cast<void>(context.boxes.Show(context.owner, std::string(text) + path, std::string(kDocumentBoxCaption),
                                         kDocumentErrorBoxFlags));
}

LoadOutcome Refuse(DocumentContext& context, LoadOutcome outcome) {
    context.currentFile.clear();
    return outcome;
}

void ApplyHeaderConfigLines(std::string_view text, ScriptConfig& config) {
    std::size_t pos = 0;
    std::string_view line;
    for (int n = 0; n < kConfigLinesOnLoad && NextScriptLine(text, pos, line); ++n) ApplyConfigLine(line, config);
}

void StoreOption(ScriptEditorContext& script, std::int32_t& option, std::string_view key, std::int32_t value) {
    option = value;
    // A failed settings write is not reported; the option keeps its value for this run.
    static_cast<void>(WriteOption(script.profile, script.settingsFile, kOptionsSection, key, FormatProfileInt(value)));
}

// In this order: the last two share one key, so it ends up holding moveMouse.
void CopyScriptOptions(ScriptEditorContext& script) {
    const ScriptConfig& config = script.config;
    StoreOption(script, script.options.clickEffect, optionkey::kClickEffect, config.clickEffect.load());
    StoreOption(script, script.options.virtualPointer, optionkey::kVirtualPointer, config.virtualPointer.load());
    StoreOption(script, script.options.moveToStart, optionkey::kMoveToStart, config.startPosition.load());
    StoreOption(script, script.options.moveMouse, optionkey::kMoveMouse, config.moveMouse.load());
}

FileDialogRequest ScriptDialogRequest(WindowHandle owner) {
    FileDialogRequest request;
    request.owner = owner;
    request.filters = {{std::string(kScriptFilterName), std::string(kScriptFilterPattern)},
                       {std::string(kAllFilesFilterName), std::string(kAllFilesFilterPattern)}};
    request.defaultExtension = kScriptExtension;
    return request;
}

std::size_t Utf8CharStart(std::string_view text, std::size_t end) {
    while (end > 0 && (static_cast<unsigned char>(text[end - 1]) & 0xC0) == 0x80) --end;
    return end > 0 ? end - 1 : 0;
}

}  // namespace

LoadOutcome LoadDocument(DocumentContext& context, const std::string& path) noexcept {
    // The size bound of the read refuses a huge file as damaged without reading it.
    ScriptFileText file = ReadScriptFile(context.files, path);
    if (file.verdict == ScriptFileVerdict::Damaged) {
        ShowError(context, kDamagedText, path);
        return Refuse(context, LoadOutcome::Damaged);
    }
    if (file.verdict == ScriptFileVerdict::Unreadable) {
        ShowError(context, kUnreadableText, path);
        return Refuse(context, LoadOutcome::Unreadable);
    }
    if (file.verdict == ScriptFileVerdict::OldVersion) {
        ShowError(context, kOldVersionText, path);
        return Refuse(context, LoadOutcome::OldVersion);
    }
    if (!StartsWithHeaderMark(file.utf8)) {
        const int answer = context.boxes.Show(context.owner, std::string(kForceOpenText) + path,
                                              std::string(kForceOpenCaption), kForceOpenBoxFlags);
        if (answer != id::kYes) return Refuse(context, LoadOutcome::Declined);
    }

    ScriptEditorContext& script = context.script;
    script.suppressModified = true;
    script.editor.SetEditorText(file.utf8);
    // Not reset first: members the file leaves out keep their values.
    ApplyHeaderConfigLines(file.utf8, script.config);
    ShowScriptConfig(script);
    CopyScriptOptions(script);
    script.suppressModified = false;
    return LoadOutcome::Loaded;
}

bool OpenDocument(DocumentContext& context) noexcept {
    context.window.SetWaitCursor(true);
    const FileDialogRequest request = OpenDialogRequest(context.owner, context.programFolder);
    std::optional<std::string> chosen = context.dialogs.ChooseOpen(request);
    context.window.SetWaitCursor(false);
    if (!chosen) return false;

    context.currentFile = std::move(*chosen);
    if (LoadDocument(context, context.currentFile) == LoadOutcome::Loaded) {
        context.window.SetTitle(DisplayName(context.currentFile));
        context.window.SetSaveButtonState(kButtonDisabled);
        context.window.SetPlayButtonState(kButtonEnabled);
    }
    // Also after a refusal: the save prompt before Open already let the old text go.
    context.modified = false;
    return true;
}

SaveOutcome SaveDocument(DocumentContext& context) noexcept {
    const std::string previousFile = context.currentFile;
    if (context.currentFile.empty()) {
        context.window.SetWaitCursor(true);
        std::optional<std::string> chosen = context.dialogs.ChooseSave(SaveDialogRequest(context.owner));
        context.window.SetWaitCursor(false);
        context.currentFile = chosen ? std::move(*chosen) : std::string();
    }
    if (context.currentFile.empty()) return SaveOutcome::Cancelled;

    if (!WriteDocument(context.files, context.script.editor, context.currentFile)) {
        ShowError(context, kSaveFailedText, context.currentFile);
        // A path that never held this script is forgotten, so the next Save asks again.
        context.currentFile = previousFile;
        return SaveOutcome::WriteFailed;
    }
    context.window.SetTitle(DisplayName(context.currentFile));
    context.window.SetSaveButtonState(kButtonDisabled);
    context.modified = false;
    context.script.editor.EmptyUndoBuffer();
    return SaveOutcome::Saved;
}

bool WriteDocument(IFileSystem& files, IEditor& editor, const std::string& path) noexcept {
    std::string bytes(kUtf8ByteOrderMark);
    bytes += editor.GetEditorText();
    return files.WriteFileReplacing(path, bytes);
}

std::string DisplayName(std::string_view path) {
    const std::size_t cut = path.find_last_of(":/\\");
    std::string_view name = cut == std::string_view::npos ? path : path.substr(cut + 1);
    // Characters, not bytes: a name in Chinese loses four characters too.
    std::size_t end = name.size();
    for (int i = 0; i < 4 && end > 0; ++i) end = Utf8CharStart(name, end);
    return std::string(name.substr(0, end));
}

std::string JoinCommandLinePath(const std::vector<std::string>& arguments) {
    std::string path;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (path.size() + (i > 0 ? 1 : 0) + arguments[i].size() > kMaxPathBytes) return {};
        if (i > 0) path += ' ';
        path += arguments[i];
    }
    return path;
}

bool OpenCommandLineDocument(DocumentContext& context, const std::string& path) noexcept {
    if (path.empty() || path.size() > kMaxPathBytes || !context.files.Exists(path)) return false;
    context.currentFile = path;
    if (LoadDocument(context, context.currentFile) == LoadOutcome::Loaded) {
        context.window.SetTitle(DisplayName(context.currentFile));
        context.window.SetSaveButtonState(kButtonDisabled);
    }
    context.modified = false;
    return true;
}

FileDialogRequest OpenDialogRequest(WindowHandle owner, std::string_view programFolder) {
    FileDialogRequest request = ScriptDialogRequest(owner);
    request.title = kOpenDialogTitle;
    // The dialog wants the folder without its trailing separator.
    if (!programFolder.empty() && (programFolder.back() == '\\' || programFolder.back() == '/'))
        programFolder.remove_suffix(1);
    request.initialFolder = std::string(programFolder);
    return request;
}

FileDialogRequest SaveDialogRequest(WindowHandle owner) {
    FileDialogRequest request = ScriptDialogRequest(owner);
    request.initialName = kNewScriptTitle;
    return request;
}

}  // namespace xd
