#include "programs/mkxtool/LocalFileSystem.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace xd {
namespace {

// Paths arrive as UTF-8; on Windows this becomes the wide path the file calls need.
std::filesystem::path ToPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

FileRead LocalFileSystem::ReadFile(const std::string& path, std::uint64_t maxBytes) {
    FileRead result;
    const std::optional<std::uint64_t> size = FileSize(path);
    if (!size) {
        result.status = Exists(path) ? FileStatus::Unreadable : FileStatus::NotFound;
        return result;
    }
    if (*size > maxBytes) {
        result.status = FileStatus::TooLarge;
        return result;
    }
    std::ifstream in(ToPath(path), std::ios::binary);
    if (!in) return result;
    std::string bytes(static_cast<std::size_t>(*size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    // A file that shrank while being read is read as far as it goes.
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return result;
    result.status = FileStatus::Ok;
    result.bytes = std::move(bytes);
    return result;
}

std::optional<std::uint64_t> LocalFileSystem::FileSize(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(ToPath(path), error)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(ToPath(path), error);
    if (error) return std::nullopt;
    return static_cast<std::uint64_t>(size);
}

bool LocalFileSystem::Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(ToPath(path), error);
}

bool LocalFileSystem::WriteFileReplacing(const std::string&, const std::string&) { return false; }

bool LocalFileSystem::Remove(const std::string&) { return false; }

}  // namespace xd
