// An in-memory private profile. Section and key names ignore leading and trailing
// blanks and ASCII case, as the Win32 profile functions do; file names compare exactly.
#pragma once
#include <cstddef>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Profile.h"

namespace xd::sim {

struct ProfileWrite {
    std::string file;
    std::string section;
    std::string key;
    std::string value;
    bool succeeded = false;
};

class SimProfile final : public IProfile {
public:
    std::string GetString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& defaultValue, std::size_t bufferChars) override;
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;

    // Setting up and inspecting without touching the write log.
    void Put(const std::string& file, const std::string& section, const std::string& key, const std::string& value);
    std::optional<std::string> Value(const std::string& file, const std::string& section,
                                     const std::string& key) const;
    std::vector<ProfileWrite> Writes() const;
    void ClearWrites();
    void FailWrites(bool fail);

private:
    using Id = std::tuple<std::string, std::string, std::string>;
    static Id MakeId(const std::string& file, const std::string& section, const std::string& key);

    mutable std::mutex mutex_;
    std::map<Id, std::string> values_;
    std::vector<ProfileWrite> writes_;
    bool writesFail_ = false;
};

}  // namespace xd::sim
