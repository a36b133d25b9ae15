// In-memory files with switches to make reads or writes fail. Paths are compared
// exactly as given (no case folding or separator normalisation).
#pragma once
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace xd::sim {

class SimFileSystem final : public IFileSystem {
public:
    FileRead ReadFile(const std::string& path, std::uint64_t maxBytes) override;
    std::optional<std::uint64_t> FileSize(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool WriteFileReplacing(const std::string& path, const std::string& bytes) override;
    bool Remove(const std::string& path) override;

    void Put(const std::string& path, const std::string& bytes);  // bypasses failure switches
    std::optional<std::string> Get(const std::string& path) const;
    std::vector<std::string> Paths() const;

    // Reads of this path answer `status` (Unreadable by default) while the file keeps its bytes.
    void FailReads(const std::string& path, FileStatus status = FileStatus::Unreadable);
    void FailWrites(const std::string& path);
    void FailAllWrites(bool fail);
    // Reports `size` for the path without holding that many bytes, so size bounds can be
    // tested; a read within maxBytes then returns the bytes actually held. Creates an
    // empty file when the path has none.
    void SetReportedSize(const std::string& path, std::uint64_t size);
    void ClearFailures();

    std::size_t WriteCount(const std::string& path) const;  // attempts, failed ones included

private:
    mutable std::mutex mutex_;
    std::map<std::string, std::string> files_;
    std::map<std::string, FileStatus> readFailures_;
    std::set<std::string> writeFailures_;
    bool allWritesFail_ = false;
    std::map<std::string, std::uint64_t> reportedSizes_;
    std::map<std::string, std::size_t> writeCounts_;
};

}  // namespace xd::sim
