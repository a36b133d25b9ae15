// What both programs read of their own start: where they run from and the script named on the command line.
#pragma once
#include <string>

namespace xd::ui {

// The program's own full path, UTF-8.
[[nodiscard]] std::string OwnProgramPath();
// The arguments after the program's name, joined with blanks: an unquoted path with blanks arrives whole.
[[nodiscard]] std::string CommandLinePath();

}  // namespace xd::ui
