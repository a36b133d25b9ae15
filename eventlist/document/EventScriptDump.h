// A binary event-list script as readable text, for the command-line tool: the
// header fields one per line, then one line per event.
#pragma once
#include <string>
#include <string_view>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace xd {

struct EventScriptDump {
    bool refused = false;
    std::string text;  // UTF-8; a refusal is the box text the program shows (CR LF inside)
};

// Reads the file as the program opens it; `codePage` converts its titles and class names.
[[nodiscard]] EventScriptDump DumpEventScript(IFileSystem& files, const std::string& path, ICodePage& codePage);

}  // namespace xd
