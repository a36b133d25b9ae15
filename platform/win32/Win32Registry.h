// Default values of keys under HKEY_CLASSES_ROOT.
#pragma once
#include "platform/Registry.h"

namespace xd::win32 {

class Win32Registry final : public IRegistry {
public:
    // A value longer than the buffer is cut to bufferChars - 1 characters.
    std::string ReadDefault(const std::string& key, std::size_t bufferChars) override;
    bool WriteDefault(const std::string& key, const std::string& value) override;
    // RegDeleteKeyA with the name in the GBK (ANSI) code page.
    bool DeleteKey(const std::string& key) override;
};

}  // namespace xd::win32
