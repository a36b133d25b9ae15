// The editing control's text model without a window: what the tests, fuzzers
// and benchmarks write into instead of Scintilla.
//
// Line model, as the control keeps it: a line ends at CR LF, at a lone LF and
// at a lone CR (the program itself only writes CR LF); the line count is the
// number of line ends + 1, so an empty text has one line and a text ending in a
// line break has an empty last line. Positions are byte offsets into the UTF-8
// text.
//
// Two separate locks, as in the real program: read-only (SCI_SETREADONLY)
// refuses every change, the program's included; a disabled editor
// (SetUserEnabled(false)) refuses only what the user does (TypeText), the
// program keeps writing.
//
// Undo keeps one step per change, as the control does: where it happened, the
// text it removed and the text it put there, so a test sees how much of the
// document a change took. The save point is only ever set by emptying the undo
// history, so the text is modified exactly while there is something to undo.
//
// Text handed over without a length (insert and replace-selection) ends at its
// first zero byte, as it does in the control.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "documents/Editor.h"

namespace xd {

class MemoryEditor final : public IEditor {
public:
    std::string GetEditorText() override { return text_; }
    void SetEditorText(const std::string& text) override;
    std::string GetEditorLine(int line) override;
    void ReplaceEditorLine(int line, const std::string& text) override;
    void DeleteEditorLine(int line) override;
    void InsertAtCaret(const std::string& text) override;
    void AppendText(const std::string& text) override;
    int CaretLine() override;
    void MoveCaretToLine(int line) override;
    int EditorLineCount() override;

    bool EditorIsModified() override;
    void EmptyUndoBuffer() override;

    bool CanUndo() override;
    bool CanRedo() override;
    bool SelectionEmpty() override { return caret_ == anchor_; }
    bool CanPaste() override;
    void Undo() override;
    void Redo() override;
    void Copy() override;
    void Cut() override;
    void Paste() override;
    void SelectAll() override;

    void ShowPlayingLine(int line) override;
    void ScrollToEnd() override;
    void SetUserEnabled(bool enabled) override { userEnabled_ = enabled; }

    // --- what a user or a test does beyond the program's interface ---------
    bool UserEnabled() const { return userEnabled_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool ReadOnly() const { return readOnly_; }
    // Positions are clamped to the text.
    void SetSelection(std::size_t anchor, std::size_t caret);
    std::size_t CaretPosition() const { return caret_; }
    std::size_t AnchorPosition() const { return anchor_; }
    std::string SelectedText() const;
    // A user typing: replaces the selection, caret after the text. Refused
    // (false) while disabled or read-only.
    bool TypeText(const std::string& text);
    // The line the last go-to-line (playing line, scroll to end) brought into view.
    int ShownLine() const { return shownLine_; }

    // The clipboard the edit commands use; empty optional: nothing on it.
    void SetClipboard(std::optional<std::string> text) { clipboard_ = std::move(text); }
    const std::optional<std::string>& Clipboard() const { return clipboard_; }

    struct EditStep {
        std::size_t position = 0;
        std::string removed;
        std::string inserted;
        friend bool operator==(const EditStep&, const EditStep&) = default;
    };
    // The change the next Undo takes back; empty when there is none.
    std::optional<EditStep> NextUndoStep() const;

    // Line model helpers, public so tests and the simulation can reason in positions.
    std::size_t PositionFromLine(int line);  // with the control's out-of-range answers
    int LineFromPosition(std::size_t position);

private:
    struct UndoRecord {
        EditStep edit;
        // Caret and anchor before the change, and when it was last undone.
        std::size_t caretBefore = 0;
        std::size_t anchorBefore = 0;
        std::size_t caretAfter = 0;
        std::size_t anchorAfter = 0;
    };

    // Replaces [start, end) and moves caret and anchor as the control does for
    // a deletion followed by an insertion. False when read-only.
    bool Modify(std::size_t start, std::size_t end, const std::string& text);
    void GoToLine(int line);
    const std::vector<std::size_t>& LineStarts();
    std::size_t LineEndPosition(int line);  // before the line end

    std::string text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
    bool readOnly_ = false;
    bool userEnabled_ = true;
    int shownLine_ = 0;
    std::optional<std::string> clipboard_;

    std::vector<UndoRecord> undo_;
    std::vector<UndoRecord> redo_;

    std::vector<std::size_t> lineStarts_;
    bool lineStartsValid_ = false;
};

}  // namespace xd
