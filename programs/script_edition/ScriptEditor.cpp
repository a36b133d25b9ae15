#include "ScriptEditor.h"

#include "ILexer.h"
#include "Lexilla.h"
#include "Scintilla.h"

namespace xd::script_edition {

bool ScriptEditor::RegisterClasses(HINSTANCE instance) noexcept {
    return Scintilla_RegisterClasses(instance) != 0;
}

void ScriptEditor::ReleaseResources() noexcept { Scintilla_ReleaseResources(); }

bool ScriptEditor::Attach(HWND control) noexcept {
    control_ = control;
    if (!control_) return false;
    // The direct function skips the window-message round trip; the recorder writes into the editor often.
    direct_ = reinterpret_cast<DirectFunction>(::SendMessageW(control_, SCI_GETDIRECTFUNCTION, 0, 0));
    directPointer_ = static_cast<std::intptr_t>(::SendMessageW(control_, SCI_GETDIRECTPOINTER, 0, 0));
    if (!direct_ || !directPointer_) return false;

    Call(SCI_SETCODEPAGE, SC_CP_UTF8);
    // GDI drawing: the DirectWrite path draws a black window under Wine.
    Call(SCI_SETTECHNOLOGY, SC_TECHNOLOGY_DEFAULT);
    Scintilla::ILexer5* lexer = CreateLexer("vb");
    if (!lexer) return false;
    Call(SCI_SETILEXER, 0, reinterpret_cast<std::intptr_t>(lexer));
    return true;
}

std::intptr_t ScriptEditor::Call(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) const noexcept {
    return direct_ ? direct_(directPointer_, message, wParam, lParam) : 0;
}

}  // namespace xd::script_edition
