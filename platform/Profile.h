// The private-profile (INI) service: GetPrivateProfileStringW and WritePrivateProfileStringW.
#pragma once
#include <cstddef>
#include <string>

namespace xd {

class IProfile {
public:
    virtual ~IProfile() = default;
    // Returns the value, or defaultValue when the file, section or key is missing;
    // at most bufferChars - 1 UTF-16 characters, as the Win32 call truncates.
    virtual std::string GetString(const std::string& file, const std::string& section, const std::string& key,
                                  const std::string& defaultValue, std::size_t bufferChars) = 0;
    // Creates file, section and key as needed; replaces only that key's value.
    [[nodiscard]] virtual bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};

}  // namespace xd
