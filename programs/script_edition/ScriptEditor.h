// The Scintilla control that holds the script. Callers get typed operations; the raw message channel stays
// private to this class.
#pragma once
#include <windows.h>

#include <cstdint>

namespace xd::script_edition {

class ScriptEditor {
public:
    // Registers the "Scintilla" window class from the statically linked library; call before creating one.
    [[nodiscard]] static bool RegisterClasses(HINSTANCE instance) noexcept;
    static void ReleaseResources() noexcept;
    static constexpr const wchar_t* kClassName = L"Scintilla";

    // Takes over an existing Scintilla window and gives it the script's base set-up.
    [[nodiscard]] bool Attach(HWND control) noexcept;
    HWND Handle() const noexcept { return control_; }

private:
    std::intptr_t Call(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) const noexcept;

    HWND control_ = nullptr;
    using DirectFunction = std::intptr_t (*)(std::intptr_t, unsigned, std::uintptr_t, std::intptr_t);
    DirectFunction direct_ = nullptr;
    std::intptr_t directPointer_ = 0;
};

}  // namespace xd::script_edition
