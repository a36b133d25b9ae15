// What the programs ask of the desktop shell: a folder for throw-away files and
// opening a document with the program the user chose for its type.
#pragma once
#include <string>

namespace xd {

class IShell {
public:
    virtual ~IShell() = default;
    // The user's temporary folder with a trailing separator; "" when there is none.
    virtual std::string TempFolder() = 0;
    // ShellExecute "open": false when the shell could not start anything for it.
    [[nodiscard]] virtual bool OpenDocument(const std::string& path) = 0;
};

}  // namespace xd
