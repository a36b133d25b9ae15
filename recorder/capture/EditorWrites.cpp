#include "recorder/capture/EditorWrites.h"

#include <utility>

#include "recorder/app/MainWindowView.h"

namespace xd {
namespace {

bool LastLineIsPlaceholder(IEditor& editor) {
    return editor.GetEditorLine(editor.EditorLineCount() - 1) == kRecordingPlaceholder;
}

void ScrollToEnd(const EditorTarget& target) {
    static_cast<void>(target.windows.PostMessage(target.mainWindow, appmsg::kScrollEditorToEnd, 0, 0));
}

// One replacing edit, so the removal is a single undo step and keeps the
// editor's modified state (setting the text would empty the undo history).
void RemoveTrailingPlaceholder(IEditor& editor) {
    std::string text = editor.GetEditorText();
    if (!text.ends_with(kRecordingPlaceholder)) return;
    text.resize(text.size() - kRecordingPlaceholder.size());
    if (text.ends_with("\r\n")) {
        text.resize(text.size() - 2);
    } else if (text.ends_with('\n') || text.ends_with('\r')) {
        text.pop_back();
    }
    editor.SelectAll();
    editor.InsertAtCaret(text);
}

}  // namespace

void ApplyEditorWrite(const EditorTarget& target, const EditorWrite& write) {
    IEditor& editor = target.editor;
    switch (write.kind) {
        case EditorWriteKind::AppendLine: editor.AppendText("\r\n" + write.line); break;
        case EditorWriteKind::AppendPlaceholder:
            // A press after a press that made no gesture: that press never will
            // (its release no longer follows it), so its line is reused.
            if (!LastLineIsPlaceholder(editor)) editor.AppendText("\r\n" + std::string(kRecordingPlaceholder));
            ScrollToEnd(target);
            break;
        case EditorWriteKind::FinishLine:
            if (LastLineIsPlaceholder(editor)) {
                editor.ReplaceEditorLine(editor.EditorLineCount() - 1, write.line);
            } else {
                editor.AppendText("\r\n" + write.line);
            }
            ScrollToEnd(target);
            break;
        case EditorWriteKind::EndRecording:
            // A press still held, or one that never became a gesture, would leave
            // a line the script check refuses.
            if (LastLineIsPlaceholder(editor)) RemoveTrailingPlaceholder(editor);
            break;
    }
}

void EditorWriteQueue::Write(EditorWrite write) {
    bool wasEmpty = false;
    {
        std::lock_guard lock(mutex_);
        wasEmpty = pending_.empty();
        pending_.push_back(std::move(write));
    }
    if (wasEmpty && wake_) wake_();
}

std::vector<EditorWrite> EditorWriteQueue::TakePending() {
    std::lock_guard lock(mutex_);
    return std::exchange(pending_, {});
}

std::size_t EditorWriteQueue::ApplyPending(const EditorTarget& target) {
    const std::vector<EditorWrite> writes = TakePending();
    for (const EditorWrite& write : writes) ApplyEditorWrite(target, write);
    return writes.size();
}

}  // namespace xd
