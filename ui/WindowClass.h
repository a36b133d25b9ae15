// Registration of the window classes of forms.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace xd::ui {

// Form classes are named after the program's internal name and the form: "迅点小侠4" + "Form1" gives
// "迅点小侠4_Form1", which is what outside tools look for.
[[nodiscard]] std::wstring FormClassName(std::wstring_view programName, std::wstring_view formName);

struct FormClass {
    const wchar_t* name = nullptr;
    WNDPROC windowProc = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
};

// Registering a class that this module already registered counts as success, so forms can be created
// more than once.
[[nodiscard]] bool RegisterFormClass(HINSTANCE instance, const FormClass& form) noexcept;

}  // namespace xd::ui
