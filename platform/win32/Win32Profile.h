// The Win32 private-profile functions over a UTF-8 interface.
#pragma once
#include "platform/Profile.h"

namespace xd::win32 {

class Win32Profile final : public IProfile {
public:
    std::string GetString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& defaultValue, std::size_t bufferChars) override;
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
};

}  // namespace xd::win32
