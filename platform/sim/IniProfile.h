// IProfile over settings files as INI text on a file system, where the Win32
// build uses GetPrivateProfileStringW. Files are UTF-8.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Profile.h"

namespace xd::sim {

// A settings file is a few hundred bytes; anything this big is not ours and
// reads as defaults, and is never rewritten, so nothing in it is lost.
constexpr std::uint64_t kMaxIniFileBytes = 1024 * 1024;

class IniProfile final : public IProfile {
public:
    explicit IniProfile(IFileSystem& files) noexcept : files_(files) {}

    std::string GetString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& defaultValue, std::size_t bufferChars) override;
    // False when the file cannot be read or written, would outgrow
    // kMaxIniFileBytes, or the names or value do not fit on one line.
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;

private:
    IFileSystem& files_;
};

}  // namespace xd::sim
