// Whole-file reads and safe replacing writes. Paths are UTF-8.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace xd {

// Unreadable: the file is there but the read failed (locked, no rights); anything
// that shows no file there is NotFound.
enum class FileStatus { Ok, NotFound, TooLarge, Unreadable };

struct FileRead {
    FileStatus status = FileStatus::Unreadable;
    std::string bytes;  // filled only when status is Ok
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // Reads at most maxBytes; a longer file is TooLarge and is not read at all.
    virtual FileRead ReadFile(const std::string& path, std::uint64_t maxBytes) = 0;
    virtual std::optional<std::uint64_t> FileSize(const std::string& path) = 0;
    virtual bool Exists(const std::string& path) = 0;
    // Writes to a temporary file in the same folder and then replaces the target,
    // so a failed write leaves the old file as it was.
    [[nodiscard]] virtual bool WriteFileReplacing(const std::string& path, const std::string& bytes) = 0;
    [[nodiscard]] virtual bool Remove(const std::string& path) = 0;
};

}  // namespace xd
