#include "recorder/capture/EditorWrites.h"

#include <utility>

#include "recorder/app/MainWindowView.h"

namespace xd {
namespace {

bool LastLineIsPlaceholder(IEditor& editor) {
    return editor.GetEditorLine(editor.EditorLineCount() - 1) == kRecordingPlaceholder;
}

// Only the line goes: the rest of the text is left alone (a zero byte in it
// stays, with what follows), the removal is one small undo step and the
// editor's modified state follows the edit.
void RemoveTrailingPlaceholder(IEditor& editor) {
    if (LastLineIsPlaceholder(editor)) editor.DeleteEditorLine(editor.EditorLineCount() - 1);
}

}  // namespace

void ApplyEditorWrites(const EditorTarget& target, std::span<const EditorWrite> writes) {
    if (writes.empty()) return;
    IEditor& editor = target.editor;
    // Lines are gathered and appended in one edit: the editor restyles and
    // notifies once per batch, not once per line.
    std::string appended;
    bool placeholderLast = LastLineIsPlaceholder(editor);
    bool scroll = false;
    auto flush = [&] {
        if (appended.empty()) return;
        editor.AppendText(appended);
        appended.clear();
    };
    const std::string placeholderLine = "\r\n" + std::string(kRecordingPlaceholder);
    for (const EditorWrite& write : writes) {
        switch (write.kind) {
            case EditorWriteKind::AppendLine: appended += "\r\n" + write.line; break;
            case EditorWriteKind::AppendPlaceholder:
                // A press after a press that made no gesture: that press never
                // will (its release no longer follows it), so its line is reused.
                if (!placeholderLast) appended += placeholderLine;
                scroll = true;
                break;
            case EditorWriteKind::FinishLine:
                if (!placeholderLast) {
                    appended += "\r\n" + write.line;
                } else if (appended.ends_with(placeholderLine)) {
                    appended.replace(appended.size() - kRecordingPlaceholder.size(), kRecordingPlaceholder.size(),
                                     write.line);
                } else {
                    flush();
                    editor.ReplaceEditorLine(editor.EditorLineCount() - 1, write.line);
                }
                scroll = true;
                break;
            case EditorWriteKind::EndRecording:
                // A press still held, or one that never became a gesture, would
                // leave a line the script check refuses.
                if (!placeholderLast) break;
                if (appended.ends_with(placeholderLine)) {
                    appended.resize(appended.size() - placeholderLine.size());
                } else {
                    flush();
                    RemoveTrailingPlaceholder(editor);
                }
                break;
        }
        placeholderLast = write.kind == EditorWriteKind::AppendPlaceholder;
    }
    flush();
    if (scroll) static_cast<void>(target.windows.PostMessage(target.mainWindow, appmsg::kScrollEditorToEnd, 0, 0));
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
    ApplyEditorWrites(target, writes);
    return writes.size();
}

}  // namespace xd
