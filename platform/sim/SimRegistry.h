// An in-memory HKEY_CLASSES_ROOT holding default values only. Key names compare
// case-insensitively (ASCII letters), as the registry's do.
#pragma once
#include <cstddef>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace xd::sim {

class SimRegistry final : public IRegistry {
public:
    std::string ReadDefault(const std::string& key, std::size_t bufferChars) override;
    bool WriteDefault(const std::string& key, const std::string& value) override;
    bool DeleteKey(const std::string& key) override;

    bool HasKey(const std::string& key) const;
    // nullopt when the key is missing or has no default value.
    std::optional<std::string> Value(const std::string& key) const;
    std::vector<std::string> Keys() const;  // as first created, sorted case-insensitively

    // A refusing registry (no rights, or blocked by a guard program).
    void FailWrites(bool fail);
    void FailDeletes(bool fail);

private:
    struct Key {
        std::string name;  // spelling of its creation
        std::optional<std::string> value;
    };
    static std::string Fold(const std::string& key);
    bool HasSubkeysLocked(const std::string& folded) const;

    mutable std::mutex mutex_;
    std::map<std::string, Key> keys_;  // by folded full path
    bool writesFail_ = false;
    bool deletesFail_ = false;
};

}  // namespace xd::sim
