#include "Recording.h"

namespace xd::script_edition {

Recording::Recording(AppContext& context)
    // The worker only posts: the lines are put into the editor on the main thread.
    : capture_(context, [this] {
          if (HWND window = mainWindow_.load()) ::PostMessageW(window, capturemsg::kApplyRecorderWrites, 0, 0);
      }) {
    capture_.PlugInto(context.hooks);
}

Recording::~Recording() { Stop(); }

bool Recording::Start(HWND mainWindow) noexcept {
    mainWindow_.store(mainWindow);
    // Without a worker the events wait in the queue and the stop handles them: slower, nothing lost.
    static_cast<void>(capture_.recorder().StartWorker());
    return hooks_.Install(*this);
}

void Recording::Stop() noexcept {
    hooks_.Remove();
    capture_.recorder().StopWorker();
    mainWindow_.store(nullptr);
}

bool Recording::HandleMessage(UINT message) noexcept {
    if (message != capturemsg::kApplyRecorderWrites) return false;
    try {
        static_cast<void>(capture_.ApplyEditorWrites());
    } catch (...) {
        // Out of memory while building the text: these lines are dropped rather than take the window down.
    }
    return true;
}

void Recording::OnKeyboardHook(const LowLevelKeyEvent& event) noexcept {
    try {
        capture_.OnKeyboardHook(event);
    } catch (...) {
        // Nothing may leave a hook procedure; the key still goes on to the next hook.
    }
}

void Recording::OnMouseHook(int code, const LowLevelMouseEvent& event, std::uintptr_t extra) noexcept {
    try {
        capture_.OnMouseHook(code, event, extra);
    } catch (...) {
        // As above: the event is passed on whatever happened here.
    }
}

}  // namespace xd::script_edition
