// A program made from a script: a copy of this program carrying the script as a resource, and the script a made
// program finds in itself.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace xd {

class IProgramCopies {
public:
    virtual ~IProgramCopies() = default;
    // The script this program carries, as the bytes of its file; nullopt for the program as shipped.
    [[nodiscard]] virtual std::optional<std::string> EmbeddedScript() = 0;
    // Writes a copy of this program carrying `script` at path. False when it could not; whatever stood at path
    // before is then left as it was.
    [[nodiscard]] virtual bool WriteCopy(const std::string& path, std::string_view script) = 0;
};

}  // namespace xd
