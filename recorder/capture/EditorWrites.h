// How the recorder's lines reach the editor. The recorder worker never touches
// the editing control: it describes each write, and the thread that owns the
// editor applies it. Who owns what: EditorWriteQueue::Write runs on the worker,
// ApplyPending and ApplyEditorWrite on the main thread.
#pragma once
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "documents/Editor.h"
#include "platform/WindowSystem.h"

namespace xd {

// Stands as the last line while a button is down.
inline constexpr std::string_view kRecordingPlaceholder = "正在记录鼠标点击和行为判断中...";

enum class EditorWriteKind {
    AppendLine,         // "\r\n" + line, nothing else (the first target-window line)
    AppendPlaceholder,  // a press: the placeholder line, then scroll
    FinishLine,         // replaces a trailing placeholder, else appends; then scroll
    EndRecording,       // the recording stopped: a trailing placeholder is taken out
};

struct EditorWrite {
    EditorWriteKind kind = EditorWriteKind::AppendLine;
    std::string line;
    friend bool operator==(const EditorWrite&, const EditorWrite&) = default;
};

class IEditorWriter {
public:
    virtual ~IEditorWriter() = default;
    virtual void Write(EditorWrite write) = 0;
};

// The editor and the window that scrolls it (MsgScrollEditorToEnd is posted there).
struct EditorTarget {
    IEditor& editor;
    IWindowSystem& windows;
    WindowHandle mainWindow = kNoWindow;
};

// Main thread only. A batch ends with at most one MsgScrollEditorToEnd.
void ApplyEditorWrites(const EditorTarget& target, std::span<const EditorWrite> writes);

// Collects writes from the worker; the main thread applies them in order.
// `wake` runs on the writing thread when the queue turns non-empty; the Win32
// program posts itself a message there and calls ApplyPending on it.
class EditorWriteQueue final : public IEditorWriter {
public:
    explicit EditorWriteQueue(std::function<void()> wake = {}) : wake_(std::move(wake)) {}
    void Write(EditorWrite write) override;
    // Returns how many writes were applied.
    std::size_t ApplyPending(const EditorTarget& target);
    std::vector<EditorWrite> TakePending();

private:
    std::mutex mutex_;
    std::vector<EditorWrite> pending_;
    std::function<void()> wake_;
};

}  // namespace xd
