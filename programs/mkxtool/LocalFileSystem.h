// Read access to real files for the command-line tool. Writing is not needed
// here, so those calls refuse.
#pragma once
#include "platform/FileSystem.h"

namespace xd {

class LocalFileSystem final : public IFileSystem {
public:
    FileRead ReadFile(const std::string& path, std::uint64_t maxBytes) override;
    std::optional<std::uint64_t> FileSize(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool WriteFileReplacing(const std::string& path, const std::string& bytes) override;
    bool Remove(const std::string& path) override;
};

}  // namespace xd
