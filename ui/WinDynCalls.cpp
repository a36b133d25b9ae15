#include "ui/WinDynCalls.h"

namespace xd::ui::dyn {
namespace {

template <typename Fn>
Fn User32Proc(const char* name) noexcept {
    // user32 is always loaded in a GUI process; no reference is taken, so nothing needs freeing.
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    if (!user32) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(user32, name)));
}

}  // namespace

SetProcessDpiAwarenessContextFn SetProcessDpiAwarenessContext() noexcept {
    static const auto fn = User32Proc<SetProcessDpiAwarenessContextFn>("SetProcessDpiAwarenessContext");
    return fn;
}

GetDpiForWindowFn GetDpiForWindow() noexcept {
    static const auto fn = User32Proc<GetDpiForWindowFn>("GetDpiForWindow");
    return fn;
}

GetDpiForSystemFn GetDpiForSystem() noexcept {
    static const auto fn = User32Proc<GetDpiForSystemFn>("GetDpiForSystem");
    return fn;
}

AdjustWindowRectExForDpiFn AdjustWindowRectExForDpi() noexcept {
    static const auto fn = User32Proc<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    return fn;
}

}  // namespace xd::ui::dyn
