#include "platform/win32/Win32Registry.h"

#include <vector>

#include "platform/Text.h"
#include "platform/win32/WinHeaders.h"

namespace xd::win32 {

namespace {

// Longer values are not ours; reading them whole only to cut them is not worth it.
constexpr DWORD kMaxValueBytes = 1u << 20;

class KeyHandle {
public:
    KeyHandle() = default;
    ~KeyHandle() {
        if (key_) RegCloseKey(key_);
    }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;
    HKEY* Out() { return &key_; }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

std::string Win32Registry::ReadDefault(const std::string& key, std::size_t bufferChars) {
    if (bufferChars == 0) return std::string();
    KeyHandle hk;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, Widen(key).c_str(), 0, KEY_READ, hk.Out()) != ERROR_SUCCESS)
        return std::string();
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(hk.Get(), nullptr, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || bytes > kMaxValueBytes)
        return std::string();
    std::vector<wchar_t> data(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (RegQueryValueExW(hk.Get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got) !=
        ERROR_SUCCESS)
        return std::string();
    // Stored values may or may not carry their terminating zero.
    std::wstring_view text(data.data(), got / sizeof(wchar_t));
    if (auto zero = text.find(L'\0'); zero != std::wstring_view::npos) text = text.substr(0, zero);
    if (text.size() > bufferChars - 1) text = text.substr(0, bufferChars - 1);
    return Narrow(text);
}

bool Win32Registry::WriteDefault(const std::string& key, const std::string& value) {
    KeyHandle hk;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, Widen(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, hk.Out(),
                        nullptr) != ERROR_SUCCESS)
        return false;
    std::wstring wide = Widen(value);
    if (wide.size() > kMaxValueBytes / sizeof(wchar_t)) return false;
    return RegSetValueExW(hk.Get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.data()),
                          static_cast<DWORD>(wide.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(const std::string& key) {
    std::string ansi = Utf8ToGbk(key);
    return RegDeleteKeyA(HKEY_CLASSES_ROOT, ansi.c_str()) == ERROR_SUCCESS;
}

}  // namespace xd::win32
