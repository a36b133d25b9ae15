// The script document: moving text between the editor and its .mkx file
// (open, load, save), the window title that names it and the command-line path.
// What the operations change in the main window goes through IDocumentWindow,
// so this code knows nothing of the recorder's window state.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "documents/Editor.h"
#include "documents/editor/ConfigLineSync.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"

namespace xd {

// The parts of the main window a document operation changes besides the editor.
class IDocumentWindow {
public:
    virtual ~IDocumentWindow() = default;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetSaveButtonState(int state) = 0;
    virtual void SetPlayButtonState(int state) = 0;
    // The wait cursor while a file dialog is prepared.
    virtual void SetWaitCursor(bool waiting) = 0;
};

// Everything the operations read and change; all owned by the main window.
// script carries the editor, the controls, ScriptConfig, the options, the
// settings file and the suppressModified guard.
struct DocumentContext {
    ScriptEditorContext& script;
    IDocumentWindow& window;
    IFileSystem& files;
    IMessageBoxes& boxes;
    IFileDialogs& dialogs;
    std::string& currentFile;  // empty for a new script
    bool& modified;
    WindowHandle owner = kNoWindow;  // of the boxes and dialogs
    std::string programFolder;       // with its trailing separator; where Open starts
};

// Only the lines a header can hold are searched for 配置 lines.
constexpr int kConfigLinesOnLoad = 101;

enum class LoadOutcome { Loaded, Damaged, OldVersion, Declined, Unreadable };
enum class SaveOutcome { Saved, Cancelled, WriteFailed };

// Reads, checks, decodes and shows one file. Any refusal empties currentFile
// and leaves the editor, the controls and the options as they were.
[[nodiscard]] LoadOutcome LoadDocument(DocumentContext& context, const std::string& path) noexcept;

// The Open command, after the save prompt let it through. False when the
// dialog was cancelled (nothing changed).
bool OpenDocument(DocumentContext& context) noexcept;

// The Save command. Asks for a path when there is none. A failed write is
// reported and leaves the document marked unsaved, undo history kept.
[[nodiscard]] SaveOutcome SaveDocument(DocumentContext& context) noexcept;

// BOM + the editor's text, in one replacing write so a failure keeps the old file.
[[nodiscard]] bool WriteDocument(IFileSystem& files, IEditor& editor, const std::string& path) noexcept;

// The part after the last ':', '/' or '\', minus its last four characters.
[[nodiscard]] std::string DisplayName(std::string_view path);

// Paths beyond this are not a file anyone can open; the command line is bounded by it.
constexpr std::size_t kMaxPathBytes = 32767;

// The arguments after the program's own name joined with single blanks, so an
// unquoted path with blanks arrives whole; "" when the result is too long.
[[nodiscard]] std::string JoinCommandLinePath(const std::vector<std::string>& arguments);

// Start-up with a path on the command line: a path naming no file is ignored
// (false). Otherwise the file is loaded; on success the title names it and
// Save is disabled; modified is cleared either way.
bool OpenCommandLineDocument(DocumentContext& context, const std::string& path) noexcept;

// The dialog requests of Open and Save.
[[nodiscard]] FileDialogRequest OpenDialogRequest(WindowHandle owner, std::string_view programFolder);
[[nodiscard]] FileDialogRequest SaveDialogRequest(WindowHandle owner);

}  // namespace xd
