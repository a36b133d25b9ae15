#include "ScintillaEditor.h"

#include <algorithm>
#include <vector>

#include "ILexer.h"
#include "Lexilla.h"
#include "Scintilla.h"
#include "documents/editor/EditorSetup.h"
#include "platform/Pixels.h"

namespace xd::script_edition {

namespace es = editorsetup;

bool ScintillaEditor::RegisterClasses(HINSTANCE instance) noexcept {
    return Scintilla_RegisterClasses(instance) != 0;
}

void ScintillaEditor::ReleaseResources() noexcept { Scintilla_ReleaseResources(); }

bool ScintillaEditor::Attach(HWND control, int dpi) noexcept {
    control_ = control;
    if (!control_) return false;
    ownerThread_ = ::GetWindowThreadProcessId(control_, nullptr);
    // The direct function skips the window-message round trip; it is only safe on the control's own thread.
    direct_ = reinterpret_cast<DirectFunction>(::SendMessageW(control_, SCI_GETDIRECTFUNCTION, 0, 0));
    directPointer_ = static_cast<std::intptr_t>(::SendMessageW(control_, SCI_GETDIRECTPOINTER, 0, 0));
    if (!direct_ || !directPointer_) return false;
    ApplySetup(dpi);
    return Call(SCI_GETLEXER) == es::kLexerVb;
}

void ScintillaEditor::ApplySetup(int dpi) noexcept {
    // GDI drawing: the DirectWrite path draws a black window under Wine.
    Call(SCI_SETTECHNOLOGY, SC_TECHNOLOGY_DEFAULT);

    const std::string font(es::kFontName);
    CallText(SCI_STYLESETFONT, STYLE_DEFAULT, font);
    Call(SCI_STYLESETSIZE, STYLE_DEFAULT, es::kFontSize);
    Call(SCI_STYLESETCHARACTERSET, STYLE_DEFAULT, SC_CHARSET_DEFAULT);
    Call(SCI_STYLESETFORE, STYLE_DEFAULT, es::kDefaultFore.ColorRef());
    Call(SCI_STYLESETBACK, STYLE_DEFAULT, es::kDefaultBack.ColorRef());
    Call(SCI_STYLECLEARALL);

    Call(SCI_SETMARGINTYPEN, 0, SC_MARGIN_NUMBER);
    const std::string widthText(es::kLineNumberWidthText);
    Call(SCI_SETMARGINWIDTHN, 0, CallText(SCI_TEXTWIDTH, 0, widthText));
    Call(SCI_STYLESETFORE, STYLE_LINENUMBER, es::kLineNumberFore.ColorRef());
    Call(SCI_STYLESETBACK, STYLE_LINENUMBER, es::kLineNumberBack.ColorRef());
    Call(SCI_SETMARGINTYPEN, 1, SC_MARGIN_TEXT);
    Call(SCI_SETMARGINSENSITIVEN, 1, es::kTextMarginMouseSensitive);
    Call(SCI_SETMARGINWIDTHN, 1, LogicalToScreen(es::kTextMarginWidth96, dpi));

    Call(SCI_SETEXTRAASCENT, es::kExtraAscent);
    Call(SCI_SETEXTRADESCENT, es::kExtraDescent);
    Call(SCI_SETVIRTUALSPACEOPTIONS, es::kRectangularVirtualSpace ? SCVS_RECTANGULARSELECTION : SCVS_NONE);
    Call(SCI_SETUSETABS, es::kUseTabs);
    Call(SCI_SETSELEOLFILLED, es::kSelectionFillsToLineEnd);
    Call(SCI_SETTABWIDTH, es::kTabWidth);
    Call(SCI_SETINDENT, es::kIndent);
    Call(SCI_SETINDENTATIONGUIDES, es::kRealIndentationGuides ? SC_IV_REAL : SC_IV_NONE);

    Call(SCI_SETSELFORE, 1, es::kSelectionFore.ColorRef());
    Call(SCI_SETSELBACK, 1, es::kSelectionBack.ColorRef());
    Call(SCI_SETCARETFORE, es::kCaretFore.ColorRef());
    Call(SCI_SETCARETWIDTH, es::kCaretWidth);
    Call(SCI_SETCARETLINEVISIBLE, 1);
    Call(SCI_SETCARETLINEBACK, es::kCaretLineBack.ColorRef());
    Call(SCI_SETCARETLINEVISIBLEALWAYS, es::kCaretLineAlwaysVisible);
    Call(SCI_SETHOTSPOTACTIVEUNDERLINE, es::kHotspotsUnderlined);
    Call(SCI_SETMULTIPLESELECTION, es::kMultipleSelection);
    Call(SCI_SETMULTIPASTE, es::kMultiPaste ? SC_MULTIPASTE_EACH : SC_MULTIPASTE_ONCE);
    Call(SCI_SETADDITIONALSELECTIONTYPING, es::kAdditionalSelectionTyping);
    Call(SCI_SETSCROLLWIDTHTRACKING, es::kScrollWidthTracking);
    Call(SCI_USEPOPUP, es::kControlPopupMenu ? SC_POPUP_ALL : SC_POPUP_NEVER);

    const std::string wordChars(es::kWordChars);
    CallText(SCI_SETWORDCHARS, 0, wordChars);
    Call(SCI_SETCODEPAGE, SC_CP_UTF8);
    Call(SCI_SETEOLMODE, SC_EOL_CRLF);

    // Scintilla 5 takes the lexer object from Lexilla; style bits are gone.
    if (Scintilla::ILexer5* lexer = CreateLexer("vb")) {
        Call(SCI_SETILEXER, 0, reinterpret_cast<std::intptr_t>(lexer));
    }
    const std::string keywords(es::kKeywords);
    CallText(SCI_SETKEYWORDS, 0, keywords);
    for (const es::LexerStyle& s : es::kLexerStyles) {
        Call(SCI_STYLESETFORE, s.style, s.fore.ColorRef());
        Call(SCI_STYLESETBACK, s.style, s.back.ColorRef());
        Call(SCI_STYLESETBOLD, s.style, s.bold);
    }
    Call(SCI_STYLESETCASE, es::kStyleKeyword, SC_CASE_MIXED);
    const std::string foldKey(es::kFoldProperty);
    const std::string foldValue(es::kFoldValue);
    Call(SCI_SETPROPERTY, reinterpret_cast<std::uintptr_t>(foldKey.c_str()),
         reinterpret_cast<std::intptr_t>(foldValue.c_str()));
}

std::intptr_t ScintillaEditor::Call(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) const noexcept {
    if (!control_) return 0;
    if (direct_ && ::GetCurrentThreadId() == ownerThread_) return direct_(directPointer_, message, wParam, lParam);
    // From a worker (the recorder): the sent message runs on the control's thread while this one waits.
    return static_cast<std::intptr_t>(::SendMessageW(control_, message, wParam, lParam));
}

std::string ScintillaEditor::GetEditorText() {
    const auto length = Call(SCI_GETLENGTH);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    Call(SCI_GETTEXT, text.size(), reinterpret_cast<std::intptr_t>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void ScintillaEditor::SetEditorText(const std::string& text) {
    Call(SCI_SETREADONLY, 0);
    // Clear and append rather than SCI_SETTEXT, which stops at the first zero byte.
    Call(SCI_CLEARALL);
    Call(SCI_APPENDTEXT, text.size(), reinterpret_cast<std::intptr_t>(text.data()));
    Call(SCI_SETEMPTYSELECTION, 0);
    Call(SCI_COLOURISE, 0, -1);
    EmptyUndoBuffer();
}

std::string ScintillaEditor::GetEditorLine(int line) {
    if (line < 0 || line >= EditorLineCount()) return {};
    const auto length = Call(SCI_LINELENGTH, static_cast<std::uintptr_t>(line));
    std::string text(static_cast<std::size_t>(std::max<std::intptr_t>(length, 0)) + 1, '\0');
    Call(SCI_GETLINE, static_cast<std::uintptr_t>(line), reinterpret_cast<std::intptr_t>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<std::intptr_t>(length, 0)));
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == '\0')) text.pop_back();
    return text;
}

void ScintillaEditor::ReplaceEditorLine(int line, const std::string& text) {
    if (line < 0 || line >= EditorLineCount()) return;
    const auto start = Call(SCI_POSITIONFROMLINE, static_cast<std::uintptr_t>(line));
    const auto end = Call(SCI_GETLINEENDPOSITION, static_cast<std::uintptr_t>(line));
    Call(SCI_SETTARGETRANGE, static_cast<std::uintptr_t>(start), end);
    Call(SCI_REPLACETARGET, text.size(), reinterpret_cast<std::intptr_t>(text.data()));
}

void ScintillaEditor::DeleteEditorLine(int line) {
    const int count = EditorLineCount();
    if (line < 0 || line >= count) return;
    auto start = Call(SCI_POSITIONFROMLINE, static_cast<std::uintptr_t>(line));
    const auto end = line + 1 < count ? Call(SCI_POSITIONFROMLINE, static_cast<std::uintptr_t>(line) + 1)
                                      : Call(SCI_GETLENGTH);
    // The last line goes with the break in front of it.
    if (line + 1 == count && line > 0) start = Call(SCI_GETLINEENDPOSITION, static_cast<std::uintptr_t>(line) - 1);
    // A counted range: text after a zero byte stays, and undo takes back just this line.
    Call(SCI_DELETERANGE, static_cast<std::uintptr_t>(start), end - start);
}

void ScintillaEditor::InsertAtCaret(const std::string& text) {
    if (!Call(SCI_GETSELECTIONEMPTY)) {
        CallText(SCI_REPLACESEL, 0, text);
    } else {
        CallText(SCI_INSERTTEXT, static_cast<std::uintptr_t>(Call(SCI_GETCURRENTPOS)), text);
    }
    Call(SCI_COLOURISE, 0, -1);
}

void ScintillaEditor::AppendText(const std::string& text) {
    Call(SCI_APPENDTEXT, text.size(), reinterpret_cast<std::intptr_t>(text.data()));
}

int ScintillaEditor::CaretLine() {
    return static_cast<int>(Call(SCI_LINEFROMPOSITION, static_cast<std::uintptr_t>(Call(SCI_GETCURRENTPOS))));
}

void ScintillaEditor::MoveCaretToLine(int line) {
    // A line past the end answers -1; the caret then goes to the start, as the control itself would put it.
    const auto position = std::max<std::intptr_t>(Call(SCI_POSITIONFROMLINE, static_cast<std::uintptr_t>(line)), 0);
    Call(SCI_SETCURRENTPOS, static_cast<std::uintptr_t>(position));
    Call(SCI_SETANCHOR, static_cast<std::uintptr_t>(position));
}

int ScintillaEditor::EditorLineCount() { return static_cast<int>(Call(SCI_GETLINECOUNT)); }
bool ScintillaEditor::EditorIsModified() { return Call(SCI_GETMODIFY) != 0; }

void ScintillaEditor::EmptyUndoBuffer() {
    Call(SCI_EMPTYUNDOBUFFER);
    Call(SCI_SETSAVEPOINT);
}

bool ScintillaEditor::CanUndo() { return Call(SCI_CANUNDO) != 0; }
bool ScintillaEditor::CanRedo() { return Call(SCI_CANREDO) != 0; }
bool ScintillaEditor::SelectionEmpty() { return Call(SCI_GETSELECTIONEMPTY) != 0; }
bool ScintillaEditor::CanPaste() { return Call(SCI_CANPASTE) != 0; }
void ScintillaEditor::Undo() { Call(SCI_UNDO); }
void ScintillaEditor::Redo() { Call(SCI_REDO); }
void ScintillaEditor::Copy() { Call(SCI_COPY); }
void ScintillaEditor::Cut() { Call(SCI_CUT); }
void ScintillaEditor::Paste() { Call(SCI_PASTE); }
void ScintillaEditor::SelectAll() { Call(SCI_SELECTALL); }

void ScintillaEditor::GoToLineThirdDown(int line) noexcept {
    const int last = std::max(EditorLineCount() - 1, 0);
    line = std::clamp(line, 0, last);
    Call(SCI_GOTOLINE, static_cast<std::uintptr_t>(line));
    const auto visible = Call(SCI_LINESONSCREEN);
    Call(SCI_SETFIRSTVISIBLELINE, static_cast<std::uintptr_t>(std::max<std::intptr_t>(line - visible / 3, 0)));
}

void ScintillaEditor::ShowPlayingLine(int line) { GoToLineThirdDown(line); }
void ScintillaEditor::ScrollToEnd() { GoToLineThirdDown(EditorLineCount() - 1); }

void ScintillaEditor::SetUserEnabled(bool enabled) {
    // EnableWindow sends WM_ENABLE to the control's own thread when called from a worker.
    ::EnableWindow(control_, enabled);
}

}  // namespace xd::script_edition
