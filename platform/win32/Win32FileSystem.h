// Whole-file reads with a size bound and replacing writes through a temporary file.
#pragma once
#include "platform/FileSystem.h"

namespace xd::win32 {

class Win32FileSystem final : public IFileSystem {
public:
    FileRead ReadFile(const std::string& path, std::uint64_t maxBytes) override;
    std::optional<std::uint64_t> FileSize(const std::string& path) override;
    bool Exists(const std::string& path) override;
    // Temporary file in the target's folder, flushed, then MoveFileExW over the target.
    bool WriteFileReplacing(const std::string& path, const std::string& bytes) override;
    bool Remove(const std::string& path) override;
};

}  // namespace xd::win32
