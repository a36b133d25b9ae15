// A tiny in-memory file system for these tests.
#pragma once
#include <map>
#include <string>

#include "platform/FileSystem.h"

namespace xd::testing_support {

class MemoryFiles final : public IFileSystem {
public:
    std::map<std::string, std::string> files;
    bool failReads = false;
    bool failWrites = false;
    int writes = 0;

    FileRead ReadFile(const std::string& path, std::uint64_t maxBytes) override {
        auto it = files.find(path);
        if (it == files.end()) return {FileStatus::NotFound, {}};
        if (failReads) return {FileStatus::Unreadable, {}};
        if (it->second.size() > maxBytes) return {FileStatus::TooLarge, {}};
        return {FileStatus::Ok, it->second};
    }
    std::optional<std::uint64_t> FileSize(const std::string& path) override {
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second.size();
    }
    bool Exists(const std::string& path) override { return files.count(path) != 0; }
    bool WriteFileReplacing(const std::string& path, const std::string& bytes) override {
        if (failWrites) return false;
        ++writes;
        files[path] = bytes;
        return true;
    }
    bool Remove(const std::string& path) override { return files.erase(path) != 0; }
};

}  // namespace xd::testing_support
