// A made program plays the script it carries as `/play` plays a file: the script stands at a path of its own
// (the program's name with ".mkx"), served from memory, and the command line holds only the options.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace xd {

// "D:\工具\每日.exe" → "D:\工具\每日.mkx": the name the log, the tray tip and the caption give the script.
[[nodiscard]] std::string CarriedScriptPath(const std::string& programPath);

// The command line a made program runs with: `/play` and the carried script before the options it was
// given. One that names a script of its own with `/play` plays that one.
[[nodiscard]] std::vector<std::string> MadeProgramArguments(std::span<const std::string> arguments,
                                                            const std::string& scriptPath);

// The file system as a made program sees it: the carried script at its path, read-only; every other path is
// the real one's.
class CarriedScriptFiles final : public IFileSystem {
public:
    CarriedScriptFiles(IFileSystem& real, std::string path, std::string script)
        : real_(real), path_(std::move(path)), script_(std::move(script)) {}

    FileRead ReadFile(const std::string& path, std::uint64_t maxBytes) override;
    std::optional<std::uint64_t> FileSize(const std::string& path) override;
    bool Exists(const std::string& path) override;
    // The carried script cannot be replaced or removed: a write there would hide behind it.
    bool WriteFileReplacing(const std::string& path, const std::string& bytes) override;
    bool Remove(const std::string& path) override;

private:
    IFileSystem& real_;
    std::string path_;
    std::string script_;
};

}  // namespace xd
