#include "platform/sim/SimRegistry.h"

#include "platform/Text.h"

namespace xd::sim {

std::string SimRegistry::Fold(const std::string& key) {
    std::string out = key;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool SimRegistry::HasSubkeysLocked(const std::string& folded) const {
    std::string prefix = folded + "\\";
    auto it = keys_.lower_bound(prefix);
    return it != keys_.end() && it->first.compare(0, prefix.size(), prefix) == 0;
}

std::string SimRegistry::ReadDefault(const std::string& key, std::size_t bufferChars) {
    std::lock_guard lock(mutex_);
    auto it = keys_.find(Fold(key));
    if (it == keys_.end() || !it->second.value || bufferChars == 0) return std::string();
    // The buffer holds bufferChars UTF-16 units including the terminating zero.
    std::u16string wide = Utf8ToUtf16(*it->second.value);
    if (wide.size() > bufferChars - 1) wide.resize(bufferChars - 1);
    return Utf16ToUtf8(wide);
}

bool SimRegistry::WriteDefault(const std::string& key, const std::string& value) {
    std::lock_guard lock(mutex_);
    if (writesFail_ || key.empty()) return false;
    // Create every missing ancestor, as RegCreateKeyExW does.
    for (std::size_t pos = key.find('\\'); pos != std::string::npos; pos = key.find('\\', pos + 1)) {
        std::string parent = key.substr(0, pos);
        keys_.try_emplace(Fold(parent), Key{parent, std::nullopt});
    }
    auto [it, inserted] = keys_.try_emplace(Fold(key), Key{key, std::nullopt});
    it->second.value = value;
    return true;
}

bool SimRegistry::DeleteKey(const std::string& key) {
    std::lock_guard lock(mutex_);
    std::string folded = Fold(key);
    if (deletesFail_ || !keys_.count(folded) || HasSubkeysLocked(folded)) return false;
    keys_.erase(folded);
    return true;
}

bool SimRegistry::HasKey(const std::string& key) const {
    std::lock_guard lock(mutex_);
    return keys_.count(Fold(key)) != 0;
}

std::optional<std::string> SimRegistry::Value(const std::string& key) const {
    std::lock_guard lock(mutex_);
    auto it = keys_.find(Fold(key));
    return it == keys_.end() ? std::nullopt : it->second.value;
}

std::vector<std::string> SimRegistry::Keys() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> out;
    for (const auto& [folded, k] : keys_) out.push_back(k.name);
    return out;
}

void SimRegistry::FailWrites(bool fail) {
    std::lock_guard lock(mutex_);
    writesFail_ = fail;
}

void SimRegistry::FailDeletes(bool fail) {
    std::lock_guard lock(mutex_);
    deletesFail_ = fail;
}

}  // namespace xd::sim
