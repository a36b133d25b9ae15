// The mkxtool command line, apart from the process: arguments in, output texts
// and exit code out.
#pragma once
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace xd {

struct ToolOutput {
    int exitCode = 0;  // 0 passed (or dumped), 1 syntax error, 2 refused or wrong usage
    std::string out;   // UTF-8, lines end in "\n"
    std::string err;
};

// args excludes the program name.
[[nodiscard]] ToolOutput RunMkxTool(const std::vector<std::string>& args, IFileSystem& files);

}  // namespace xd
