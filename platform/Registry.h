// The default values of keys under HKEY_CLASSES_ROOT, all the file association needs.
#pragma once
#include <cstddef>
#include <string>

namespace xd {

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // RegOpenKeyExW + RegQueryValueExW of the default value with a buffer of
    // bufferChars characters; a missing key or value reads as "".
    virtual std::string ReadDefault(const std::string& key, std::size_t bufferChars) = 0;
    // RegCreateKeyExW + RegSetValueExW(REG_SZ); creates missing keys.
    [[nodiscard]] virtual bool WriteDefault(const std::string& key, const std::string& value) = 0;
    // RegDeleteKeyA: fails when the key is missing or still has subkeys.
    [[nodiscard]] virtual bool DeleteKey(const std::string& key) = 0;
};

}  // namespace xd
