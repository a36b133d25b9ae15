#include "tests/support/MemoryEditor.h"

#include <algorithm>

namespace xd {
namespace {

// The control converts pasted line ends to the document's CR LF.
std::string WithCrLfLineEnds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

// The control reads text passed without a length up to its first zero byte.
std::string UpToZero(const std::string& text) { return text.substr(0, text.find('\0')); }

// Where a position ends up after [start, start + deleted) was replaced by
// `inserted` bytes: inside the deleted range it falls to its start; a position
// at the insertion point stays in front of the new text.
std::size_t MovedPosition(std::size_t position, std::size_t start, std::size_t deleted, std::size_t inserted) {
    if (position > start) position = position >= start + deleted ? position - deleted : start;
    if (position > start) position += inserted;
    return position;
}

}  // namespace

void MemoryEditor::SetEditorText(const std::string& text) {
    readOnly_ = false;
    text_ = text;
    lineStartsValid_ = false;
    caret_ = anchor_ = 0;
    EmptyUndoBuffer();
}

std::string MemoryEditor::GetEditorLine(int line) {
    if (line < 0 || line >= EditorLineCount()) return {};
    const auto& starts = LineStarts();
    const std::size_t begin = starts[static_cast<std::size_t>(line)];
    const std::size_t end =
        static_cast<std::size_t>(line) + 1 < starts.size() ? starts[static_cast<std::size_t>(line) + 1] : text_.size();
    std::string result = text_.substr(begin, end - begin);
    while (!result.empty() && (result.back() == '\r' || result.back() == '\n' || result.back() == '\0')) {
        result.pop_back();
    }
    return result;
}

void MemoryEditor::ReplaceEditorLine(int line, const std::string& text) {
    if (line < 0 || line >= EditorLineCount()) return;
    Modify(LineStarts()[static_cast<std::size_t>(line)], LineEndPosition(line), text);
}

void MemoryEditor::DeleteEditorLine(int line) {
    const int count = EditorLineCount();
    if (line < 0 || line >= count) return;
    const auto index = static_cast<std::size_t>(line);
    std::size_t start = LineStarts()[index];
    const std::size_t end = line + 1 < count ? LineStarts()[index + 1] : text_.size();
    // The last line goes with the break in front of it.
    if (line + 1 == count && line > 0) start = LineEndPosition(line - 1);
    Modify(start, end, {});
}

void MemoryEditor::InsertAtCaret(const std::string& whole) {
    const std::string text = UpToZero(whole);
    if (caret_ != anchor_) {
        const std::size_t start = std::min(caret_, anchor_);
        if (Modify(start, std::max(caret_, anchor_), text)) caret_ = anchor_ = start + text.size();
    } else {
        Modify(caret_, caret_, text);
    }
}

void MemoryEditor::AppendText(const std::string& text) { Modify(text_.size(), text_.size(), text); }

int MemoryEditor::CaretLine() { return LineFromPosition(caret_); }

void MemoryEditor::MoveCaretToLine(int line) {
    caret_ = anchor_ = std::min(PositionFromLine(line), text_.size());
}

int MemoryEditor::EditorLineCount() { return static_cast<int>(LineStarts().size()); }

bool MemoryEditor::EditorIsModified() { return !undo_.empty(); }

void MemoryEditor::EmptyUndoBuffer() {
    undo_.clear();
    redo_.clear();
}

bool MemoryEditor::CanUndo() { return !readOnly_ && !undo_.empty(); }
bool MemoryEditor::CanRedo() { return !readOnly_ && !redo_.empty(); }
bool MemoryEditor::CanPaste() { return !readOnly_ && clipboard_.has_value(); }

void MemoryEditor::Undo() {
    if (!CanUndo()) return;
    UndoRecord record = std::move(undo_.back());
    undo_.pop_back();
    text_.replace(record.edit.position, record.edit.inserted.size(), record.edit.removed);
    lineStartsValid_ = false;
    record.caretAfter = caret_;
    record.anchorAfter = anchor_;
    caret_ = record.caretBefore;
    anchor_ = record.anchorBefore;
    redo_.push_back(std::move(record));
}

void MemoryEditor::Redo() {
    if (!CanRedo()) return;
    UndoRecord record = std::move(redo_.back());
    redo_.pop_back();
    text_.replace(record.edit.position, record.edit.removed.size(), record.edit.inserted);
    lineStartsValid_ = false;
    record.caretBefore = caret_;
    record.anchorBefore = anchor_;
    caret_ = record.caretAfter;
    anchor_ = record.anchorAfter;
    undo_.push_back(std::move(record));
}

std::optional<MemoryEditor::EditStep> MemoryEditor::NextUndoStep() const {
    if (undo_.empty()) return std::nullopt;
    return undo_.back().edit;
}

void MemoryEditor::Copy() {
    if (caret_ != anchor_) clipboard_ = SelectedText();
}

void MemoryEditor::Cut() {
    if (readOnly_ || caret_ == anchor_) return;
    clipboard_ = SelectedText();
    Modify(std::min(caret_, anchor_), std::max(caret_, anchor_), {});
}

void MemoryEditor::Paste() {
    if (!CanPaste()) return;
    const std::string text = WithCrLfLineEnds(*clipboard_);
    const std::size_t start = std::min(caret_, anchor_);
    if (Modify(start, std::max(caret_, anchor_), text)) caret_ = anchor_ = start + text.size();
}

void MemoryEditor::SelectAll() {
    anchor_ = 0;
    caret_ = text_.size();
}

void MemoryEditor::ShowPlayingLine(int line) { GoToLine(line); }

void MemoryEditor::ScrollToEnd() { GoToLine(EditorLineCount() - 1); }

void MemoryEditor::SetSelection(std::size_t anchor, std::size_t caret) {
    anchor_ = std::min(anchor, text_.size());
    caret_ = std::min(caret, text_.size());
}

std::string MemoryEditor::SelectedText() const {
    const std::size_t start = std::min(caret_, anchor_);
    return text_.substr(start, std::max(caret_, anchor_) - start);
}

bool MemoryEditor::TypeText(const std::string& text) {
    if (!userEnabled_ || readOnly_) return false;
    const std::size_t start = std::min(caret_, anchor_);
    if (!Modify(start, std::max(caret_, anchor_), text)) return false;
    caret_ = anchor_ = start + text.size();
    return true;
}

std::size_t MemoryEditor::PositionFromLine(int line) {
    // The control's answers: a negative line means the line of the selection
    // start; one past the last line is the end of the text; further out is -1,
    // which the caret setters clamp to 0.
    if (line < 0) line = LineFromPosition(std::min(caret_, anchor_));
    const int count = EditorLineCount();
    if (line > count) return 0;
    if (line == count) return text_.size();
    return LineStarts()[static_cast<std::size_t>(line)];
}

int MemoryEditor::LineFromPosition(std::size_t position) {
    const auto& starts = LineStarts();
    const auto after = std::upper_bound(starts.begin(), starts.end(), position);
    return static_cast<int>(after - starts.begin()) - 1;
}

bool MemoryEditor::Modify(std::size_t start, std::size_t end, const std::string& text) {
    if (readOnly_) return false;
    if (start == end && text.empty()) return true;
    UndoRecord record;
    record.edit = {start, text_.substr(start, end - start), text};
    record.caretBefore = caret_;
    record.anchorBefore = anchor_;
    undo_.push_back(std::move(record));
    redo_.clear();
    text_.replace(start, end - start, text);
    lineStartsValid_ = false;
    caret_ = MovedPosition(caret_, start, end - start, text.size());
    anchor_ = MovedPosition(anchor_, start, end - start, text.size());
    return true;
}

void MemoryEditor::GoToLine(int line) {
    // Go-to-line keeps the line inside the text, unlike MoveCaretToLine.
    line = std::clamp(line, 0, EditorLineCount() - 1);
    caret_ = anchor_ = LineStarts()[static_cast<std::size_t>(line)];
    shownLine_ = line;
}

const std::vector<std::size_t>& MemoryEditor::LineStarts() {
    if (lineStartsValid_) return lineStarts_;
    lineStarts_.assign(1, 0);
    for (std::size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == '\r') {
            if (i + 1 < text_.size() && text_[i + 1] == '\n') ++i;
            lineStarts_.push_back(i + 1);
        } else if (text_[i] == '\n') {
            lineStarts_.push_back(i + 1);
        }
    }
    lineStartsValid_ = true;
    return lineStarts_;
}

std::size_t MemoryEditor::LineEndPosition(int line) {
    const auto& starts = LineStarts();
    const auto index = static_cast<std::size_t>(line);
    if (index + 1 >= starts.size()) return text_.size();
    const std::size_t next = starts[index + 1];
    if (next >= 2 && text_[next - 1] == '\n' && text_[next - 2] == '\r' && next - 2 >= starts[index]) return next - 2;
    return next - 1;
}

}  // namespace xd
