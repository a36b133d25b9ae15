#include "appcore/madeprogram/CarriedScript.h"

#include "platform/Text.h"

namespace xd {

std::string CarriedScriptPath(const std::string& programPath) {
    const std::size_t name = programPath.find_last_of(":/\\") + 1;  // npos + 1 is 0
    const std::size_t dot = programPath.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > name;
    return (hasExtension ? programPath.substr(0, dot) : programPath) + ".mkx";
}

std::vector<std::string> MadeProgramArguments(std::span<const std::string> arguments, const std::string& scriptPath) {
    if (!arguments.empty() && EqualsIgnoringAsciiCase(arguments.front(), "/play")) {
        return std::vector<std::string>(arguments.begin(), arguments.end());
    }
    std::vector<std::string> result{"/play", scriptPath};
    result.insert(result.end(), arguments.begin(), arguments.end());
    return result;
}

FileRead CarriedScriptFiles::ReadFile(const std::string& path, std::uint64_t maxBytes) {
    if (path != path_) return real_.ReadFile(path, maxBytes);
    if (script_.size() > maxBytes) return FileRead{FileStatus::TooLarge, {}};
    return FileRead{FileStatus::Ok, script_};
}

std::optional<std::uint64_t> CarriedScriptFiles::FileSize(const std::string& path) {
    return path == path_ ? std::optional<std::uint64_t>(script_.size()) : real_.FileSize(path);
}

bool CarriedScriptFiles::Exists(const std::string& path) { return path == path_ || real_.Exists(path); }

bool CarriedScriptFiles::WriteFileReplacing(const std::string& path, const std::string& bytes) {
    return path != path_ && real_.WriteFileReplacing(path, bytes);
}

bool CarriedScriptFiles::Remove(const std::string& path) { return path != path_ && real_.Remove(path); }

}  // namespace xd
