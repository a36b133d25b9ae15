// What both programs read of their own start: where they run from and their command line.
#pragma once
#include <string>
#include <vector>

namespace xd::ui {

// The program's own full path, UTF-8.
[[nodiscard]] std::string OwnProgramPath();
// The arguments after the program's name, UTF-8.
[[nodiscard]] std::vector<std::string> CommandLineArguments();
// The arguments after the program's name, joined with blanks: an unquoted path with blanks arrives whole.
[[nodiscard]] std::string CommandLinePath();

}  // namespace xd::ui
