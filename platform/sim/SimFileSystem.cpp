#include "platform/sim/SimFileSystem.h"

namespace xd::sim {

FileRead SimFileSystem::ReadFile(const std::string& path, std::uint64_t maxBytes) {
    std::lock_guard lock(mutex_);
    FileRead result;
    auto file = files_.find(path);
    if (file == files_.end()) {
        result.status = FileStatus::NotFound;
        return result;
    }
    if (auto failure = readFailures_.find(path); failure != readFailures_.end()) {
        result.status = failure->second;
        return result;
    }
    std::uint64_t size = file->second.size();
    if (auto reported = reportedSizes_.find(path); reported != reportedSizes_.end()) size = reported->second;
    if (size > maxBytes) {
        result.status = FileStatus::TooLarge;
        return result;
    }
    result.status = FileStatus::Ok;
    result.bytes = file->second;
    return result;
}

std::optional<std::uint64_t> SimFileSystem::FileSize(const std::string& path) {
    std::lock_guard lock(mutex_);
    auto file = files_.find(path);
    if (file == files_.end()) return std::nullopt;
    if (auto reported = reportedSizes_.find(path); reported != reportedSizes_.end()) return reported->second;
    return file->second.size();
}

bool SimFileSystem::Exists(const std::string& path) {
    std::lock_guard lock(mutex_);
    return files_.count(path) != 0;
}

bool SimFileSystem::WriteFileReplacing(const std::string& path, const std::string& bytes) {
    std::lock_guard lock(mutex_);
    ++writeCounts_[path];
    if (allWritesFail_ || writeFailures_.count(path)) return false;
    files_[path] = bytes;
    reportedSizes_.erase(path);
    return true;
}

bool SimFileSystem::Remove(const std::string& path) {
    std::lock_guard lock(mutex_);
    reportedSizes_.erase(path);
    return files_.erase(path) != 0;
}

void SimFileSystem::Put(const std::string& path, const std::string& bytes) {
    std::lock_guard lock(mutex_);
    files_[path] = bytes;
}

std::optional<std::string> SimFileSystem::Get(const std::string& path) const {
    std::lock_guard lock(mutex_);
    auto file = files_.find(path);
    if (file == files_.end()) return std::nullopt;
    return file->second;
}

std::vector<std::string> SimFileSystem::Paths() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> out;
    for (const auto& [path, bytes] : files_) out.push_back(path);
    return out;
}

void SimFileSystem::FailReads(const std::string& path, FileStatus status) {
    std::lock_guard lock(mutex_);
    readFailures_[path] = status;
}

void SimFileSystem::FailWrites(const std::string& path) {
    std::lock_guard lock(mutex_);
    writeFailures_.insert(path);
}

void SimFileSystem::FailAllWrites(bool fail) {
    std::lock_guard lock(mutex_);
    allWritesFail_ = fail;
}

void SimFileSystem::SetReportedSize(const std::string& path, std::uint64_t size) {
    std::lock_guard lock(mutex_);
    reportedSizes_[path] = size;
    files_.try_emplace(path);
}

void SimFileSystem::ClearFailures() {
    std::lock_guard lock(mutex_);
    readFailures_.clear();
    writeFailures_.clear();
    allWritesFail_ = false;
    reportedSizes_.clear();
}

std::size_t SimFileSystem::WriteCount(const std::string& path) const {
    std::lock_guard lock(mutex_);
    auto it = writeCounts_.find(path);
    return it == writeCounts_.end() ? 0 : it->second;
}

}  // namespace xd::sim
