// The ten header lines every new script starts with.
#pragma once
#include <string>
#include <string_view>

#include "recorder/app/AppModel.h"

namespace xd {

// "4.0.2" of "4.0.2.363": the version the first header line names.
[[nodiscard]] std::string HeaderVersion(std::string_view productVersion);

// The header text, lines joined by CR LF, no break after the last.
[[nodiscard]] std::string ScriptHeaderText(std::string_view version, bool foreground, bool clickEffect,
                                           bool virtualPointer);

// Replaces the editor's text with the header (writable, restyled, no undo
// history), focuses the editor, and resets ScriptConfig to what the header
// says plus the two move options, which the header leaves out. The Mode button
// decides the mode; the options decide the click effect and virtual pointer.
// Callers set suppressModified around it.
void WriteScriptHeader(AppContext& context);

}  // namespace xd
