// The script editor as the rest of the program sees it: a handful of text
// operations over the editing control. The Win32 build wraps Scintilla; tests
// use an in-memory model with the same line rules (CR LF line ends, a last
// line without a break still counts as a line).
#pragma once
#include <string>

namespace xd {

class IEditor {
public:
    virtual ~IEditor() = default;

    // --- text (UTF-8) ----------------------------------------------------
    virtual std::string GetEditorText() = 0;
    // Replaces the text, restyles it and empties the undo history (so it is unmodified).
    virtual void SetEditorText(const std::string& text) = 0;
    // Line n (0-based) without its CR, LF and zero characters; "" when out of range.
    virtual std::string GetEditorLine(int line) = 0;
    // Replaces line n's text up to, not including, its line end.
    virtual void ReplaceEditorLine(int line, const std::string& text) = 0;
    // Removes line n and one line break: its own, or the one before it when n is
    // the last line. One undo step; the rest of the text is not touched.
    virtual void DeleteEditorLine(int line) = 0;
    // Replaces the selection when there is one, else inserts at the caret.
    virtual void InsertAtCaret(const std::string& text) = 0;
    virtual void AppendText(const std::string& text) = 0;
    virtual int CaretLine() = 0;
    virtual void MoveCaretToLine(int line) = 0;
    virtual int EditorLineCount() = 0;

    // --- save point and undo ---------------------------------------------
    virtual bool EditorIsModified() = 0;
    virtual void EmptyUndoBuffer() = 0;  // also sets the save point

    // --- edit menu --------------------------------------------------------
    virtual bool CanUndo() = 0;
    virtual bool CanRedo() = 0;
    virtual bool SelectionEmpty() = 0;
    virtual bool CanPaste() = 0;
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    virtual void Copy() = 0;
    virtual void Cut() = 0;
    virtual void Paste() = 0;
    virtual void SelectAll() = 0;

    // --- view and access --------------------------------------------------
    // Puts the caret at the start of the line and scrolls it to a third of the view.
    virtual void ShowPlayingLine(int line) = 0;
    virtual void ScrollToEnd() = 0;
    // Disabled while recording or playing: the user cannot type, the program still writes.
    virtual void SetUserEnabled(bool enabled) = 0;
};

}  // namespace xd
