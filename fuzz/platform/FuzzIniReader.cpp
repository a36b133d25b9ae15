// Arbitrary bytes as a settings file: reading must not crash, a write must
// read back, and a new entry must only ever be inserted, never disturb the rest.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "platform/sim/IniProfile.h"
#include "platform/sim/IniText.h"

namespace {

class OneFile final : public xd::IFileSystem {
public:
    std::map<std::string, std::string> files;
    xd::FileRead ReadFile(const std::string& path, std::uint64_t maxBytes) override {
        auto it = files.find(path);
        if (it == files.end()) return {xd::FileStatus::NotFound, {}};
        if (it->second.size() > maxBytes) return {xd::FileStatus::TooLarge, {}};
        return {xd::FileStatus::Ok, it->second};
    }
    std::optional<std::uint64_t> FileSize(const std::string& path) override {
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second.size();
    }
    bool Exists(const std::string& path) override { return files.count(path) != 0; }
    bool WriteFileReplacing(const std::string& path, const std::string& bytes) override {
        files[path] = bytes;
        return true;
    }
    bool Remove(const std::string& path) override { return files.erase(path) != 0; }
};

void Check(bool ok) {
    if (!ok) std::abort();
}

void SetAndReadBack(const std::string& original, const std::string& section, const std::string& key,
                    const std::string& value) {
    xd::sim::IniText text(original);
    bool existed = text.Get(section, key).has_value();
    if (!text.Set(section, key, value)) {
        Check(text.Bytes() == original);
        return;
    }
    Check(text.Get(section, key) == value);
    const std::string& changed = text.Bytes();
    if (!existed) {
        std::size_t p = 0;
        while (p < original.size() && p < changed.size() && original[p] == changed[p]) ++p;
        std::size_t rest = original.size() - p;
        Check(changed.size() >= original.size());
        Check(changed.compare(changed.size() - rest, rest, original, p, rest) == 0);
    }
    xd::sim::IniText again(changed);
    Check(again.Set(section, key, value));
    Check(again.Bytes() == changed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    std::string section = in.ConsumeRandomLengthString(24);
    std::string key = in.ConsumeRandomLengthString(24);
    auto bufferChars = in.ConsumeIntegralInRange<std::size_t>(0, 5000);
    std::string file = in.ConsumeRemainingBytesAsString();

    xd::sim::IniText text(file);
    for (const char* k : {"录快捷键", "删除提醒 ", "Left", "TopMost"}) {
        if (auto v = text.Get("选项", k)) {
            std::string cut = xd::sim::TruncateToBufferChars(*v, bufferChars);
            Check(v->compare(0, cut.size(), cut) == 0);
        }
    }
    (void)text.Get(section, key);

    SetAndReadBack(file, section, key, "0");
    SetAndReadBack(file, "选项", "移动鼠标", "-1");

    OneFile files;
    files.files["巧手配置.INI"] = file;
    xd::sim::IniProfile profile(files);
    (void)profile.GetString("巧手配置.INI", section, key, "dflt", bufferChars);
    if (profile.WriteString("巧手配置.INI", "窗口", "Left", "-200")) {
        Check(profile.GetString("巧手配置.INI", "窗口", "Left", "", 4086) == "-200");
    }
    return 0;
}
