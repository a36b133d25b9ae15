#include "platform/sim/SimProfile.h"

#include "platform/Text.h"

namespace xd::sim {

namespace {

constexpr std::size_t kMaxLoggedWrites = 100000;

std::string FoldName(const std::string& name) {
    std::size_t first = name.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    std::size_t last = name.find_last_not_of(" \t");
    std::string out = name.substr(first, last - first + 1);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

}  // namespace

SimProfile::Id SimProfile::MakeId(const std::string& file, const std::string& section, const std::string& key) {
    return Id{file, FoldName(section), FoldName(key)};
}

std::string SimProfile::GetString(const std::string& file, const std::string& section, const std::string& key,
                                  const std::string& defaultValue, std::size_t bufferChars) {
    std::string value = defaultValue;
    {
        std::lock_guard lock(mutex_);
        auto it = values_.find(MakeId(file, section, key));
        if (it != values_.end()) value = it->second;
    }
    if (bufferChars == 0) return std::string();
    std::u16string wide = Utf8ToUtf16(value);
    if (wide.size() <= bufferChars - 1) return value;
    wide.resize(bufferChars - 1);
    return Utf16ToUtf8(wide);
}

bool SimProfile::WriteString(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& value) {
    std::lock_guard lock(mutex_);
    bool ok = !writesFail_;
    if (ok) values_[MakeId(file, section, key)] = value;
    if (writes_.size() < kMaxLoggedWrites) writes_.push_back(ProfileWrite{file, section, key, value, ok});
    return ok;
}

void SimProfile::Put(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) {
    std::lock_guard lock(mutex_);
    values_[MakeId(file, section, key)] = value;
}

std::optional<std::string> SimProfile::Value(const std::string& file, const std::string& section,
                                             const std::string& key) const {
    std::lock_guard lock(mutex_);
    auto it = values_.find(MakeId(file, section, key));
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::vector<ProfileWrite> SimProfile::Writes() const {
    std::lock_guard lock(mutex_);
    return writes_;
}

void SimProfile::ClearWrites() {
    std::lock_guard lock(mutex_);
    writes_.clear();
}

void SimProfile::FailWrites(bool fail) {
    std::lock_guard lock(mutex_);
    writesFail_ = fail;
}

}  // namespace xd::sim
