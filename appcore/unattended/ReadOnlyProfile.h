// The settings file as an unattended playback sees it: read as usual, never written. A scheduled run must not
// change what the user set, nor race a copy of the program that is open at the same time.
#pragma once
#include "platform/Profile.h"

namespace xd {

class ReadOnlyProfile final : public IProfile {
public:
    explicit ReadOnlyProfile(IProfile& inner) : inner_(inner) {}
    std::string GetString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& defaultValue, std::size_t bufferChars) override {
        return inner_.GetString(file, section, key, defaultValue, bufferChars);
    }
    // Kept in memory by the caller as any written value is; success, so nothing reports a failed write.
    bool WriteString(const std::string&, const std::string&, const std::string&, const std::string&) override {
        return true;
    }

private:
    IProfile& inner_;
};

}  // namespace xd
