#include "ui/SessionEnd.h"

#include "platform/win32/WinHeaders.h"

namespace xd::ui {

namespace {

// What Windows shows beside the program's name while the session waits for the prompt.
constexpr wchar_t kUnsavedScriptReason[] = L"脚本尚未保存";

}  // namespace

bool SessionEnd::Query(HWND window, const std::function<bool()>& closeRequest) noexcept {
    if (asking_) return false;
    asking_ = true;
    // Without a reason the system may end the program while the prompt is up (and Wine lacks the call).
    const auto create = win32::dyn::ShutdownBlockReasonCreate();
    const bool blocked = create && create(window, kUnsavedScriptReason);
    bool mayEnd = false;
    try {
        mayEnd = closeRequest();
    } catch (...) {
        // Nothing was saved: holding the session up is the safe answer.
        mayEnd = false;
    }
    if (blocked) {
        if (const auto destroy = win32::dyn::ShutdownBlockReasonDestroy()) destroy(window);
    }
    asking_ = false;
    return mayEnd;
}

}  // namespace xd::ui
