// The script editor (IEditor) over the Scintilla control. Callers get typed operations; the raw message
// channel stays private to this class.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "documents/Editor.h"

namespace xd::script_edition {

class ScintillaEditor final : public IEditor {
public:
    // Registers the "Scintilla" window class from the statically linked library; call before creating one.
    [[nodiscard]] static bool RegisterClasses(HINSTANCE instance) noexcept;
    static void ReleaseResources() noexcept;
    static constexpr const wchar_t* kClassName = L"Scintilla";

    // Takes over an existing Scintilla window on the thread that created it and gives it the script set-up.
    [[nodiscard]] bool Attach(HWND control, int dpi) noexcept;
    HWND Handle() const noexcept { return control_; }

    std::string GetEditorText() override;
    void SetEditorText(const std::string& text) override;
    std::string GetEditorLine(int line) override;
    void ReplaceEditorLine(int line, const std::string& text) override;
    void DeleteEditorLine(int line) override;
    void InsertAtCaret(const std::string& text) override;
    void AppendText(const std::string& text) override;
    int CaretLine() override;
    void MoveCaretToLine(int line) override;
    int EditorLineCount() override;
    bool EditorIsModified() override;
    void EmptyUndoBuffer() override;
    bool CanUndo() override;
    bool CanRedo() override;
    bool SelectionEmpty() override;
    bool CanPaste() override;
    void Undo() override;
    void Redo() override;
    void Copy() override;
    void Cut() override;
    void Paste() override;
    void SelectAll() override;
    void ShowPlayingLine(int line) override;
    void ScrollToEnd() override;
    void SetUserEnabled(bool enabled) override;

private:
    void ApplySetup(int dpi) noexcept;
    std::intptr_t Call(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) const noexcept;
    std::intptr_t CallText(unsigned message, std::uintptr_t wParam, const std::string& text) const noexcept {
        return Call(message, wParam, reinterpret_cast<std::intptr_t>(text.c_str()));
    }
    void GoToLineThirdDown(int line) noexcept;

    HWND control_ = nullptr;
    DWORD ownerThread_ = 0;
    using DirectFunction = std::intptr_t (*)(std::intptr_t, unsigned, std::uintptr_t, std::intptr_t);
    DirectFunction direct_ = nullptr;
    std::intptr_t directPointer_ = 0;
};

}  // namespace xd::script_edition
