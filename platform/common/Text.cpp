#include "platform/Text.h"

#include <algorithm>
#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#include <climits>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace xd {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at `pos`; on a bad sequence returns nullopt-like false and
// sets `length` to the maximal subpart to skip (at least 1), so one U+FFFD replaces it.
bool DecodeUtf8(std::string_view s, std::size_t pos, char32_t& cp, std::size_t& length) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char b0 = byte(pos);
    length = 1;
    if (b0 < 0x80) {
        cp = b0;
        return true;
    }
    std::size_t need;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        need = 1;
        cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        need = 2;
        cp = b0 & 0x0F;
        if (b0 == 0xE0) lo = 0xA0;  // no overlongs
        if (b0 == 0xED) hi = 0x9F;  // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        need = 3;
        cp = b0 & 0x07;
        if (b0 == 0xF0) lo = 0x90;
        if (b0 == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
    } else {
        return false;
    }
    for (std::size_t k = 1; k <= need; ++k) {
        if (pos + k >= s.size()) return false;
        unsigned char b = byte(pos + k);
        unsigned char min = k == 1 ? lo : 0x80, max = k == 1 ? hi : 0xBF;
        if (b < min || b > max) return false;
        cp = (cp << 6) | (b & 0x3F);
        length = k + 1;
    }
    return true;
}


#ifndef _WIN32

// Bad sequences become U+FFFD, so the result is always valid UTF-8.
std::string SanitizeUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        std::size_t length = 1;
        if (DecodeUtf8(utf8, pos, cp, length))
            out.append(utf8.substr(pos, length));
        else
            AppendUtf8(out, kReplacement);
        pos += length;
    }
    return out;
}

// Runs iconv over the whole input. `onBad` writes the replacement for an undecodable
// or unrepresentable sequence and says how many input bytes to skip; every path
// through the loop consumes input, so it always ends.
template <typename OnBad>
std::string IconvAll(const char* to, const char* from, std::string_view in, const char* replacement,
                     OnBad skipLength) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string();
    std::string out;
    char buffer[1024];
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ, or EINVAL for a sequence cut off at the end of the input.
        out += replacement;
        std::size_t skip = std::min(srcLeft, std::max<std::size_t>(1, skipLength(src, srcLeft)));
        src += skip;
        srcLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

const char* GbkName() {
    // CP936 adds the euro sign at 0x80 to GBK; fall back when the system lacks it.
    static const char* name = [] {
        iconv_t cd = iconv_open("UTF-8", "CP936");
        if (cd == reinterpret_cast<iconv_t>(-1)) return "GBK";
        iconv_close(cd);
        return "CP936";
    }();
    return name;
}

#endif

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        std::size_t length = 1;
        if (!DecodeUtf8(utf8, pos, cp, length)) cp = kReplacement;
        pos += length;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size() * 3);
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;  // a lone surrogate
        }
        AppendUtf8(out, cp);
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t cp = 0;
        std::size_t length = 1;
        if (!DecodeUtf8(bytes, pos, cp, length)) return false;
        pos += length;
    }
    return true;
}

#ifdef _WIN32

namespace {
constexpr UINT kGbkCodePage = 936;
// The Win32 conversion calls take int lengths; longer input is cut off, never overrun.
int ClampLength(std::size_t n) { return n > INT_MAX / 4 ? INT_MAX / 4 : static_cast<int>(n); }
}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
    if (gbk.empty()) return std::string();
    int inLength = ClampLength(gbk.size());
    int wideLength = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), inLength, nullptr, 0);
    if (wideLength <= 0) return std::string();
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), inLength, wide.data(), wideLength);
    return Narrow(wide);
}

std::string Utf8ToGbk(std::string_view utf8) {
    std::wstring wide = Widen(utf8);
    if (wide.empty()) return std::string();
    int inLength = ClampLength(wide.size());
    int length = WideCharToMultiByte(kGbkCodePage, 0, wide.data(), inLength, nullptr, 0, "?", nullptr);
    if (length <= 0) return std::string();
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kGbkCodePage, 0, wide.data(), inLength, out.data(), length, "?", nullptr);
    return out;
}

std::wstring Widen(std::string_view utf8) {
    std::u16string u = Utf8ToUtf16(utf8);
    return std::wstring(u.begin(), u.end());
}

std::string Narrow(std::wstring_view utf16) {
    std::u16string u(utf16.begin(), utf16.end());
    return Utf16ToUtf8(u);
}

#else

std::string GbkToUtf8(std::string_view gbk) {
    // A bad lead byte is skipped alone, so a following ASCII byte survives.
    return IconvAll("UTF-8", GbkName(), gbk, "\xEF\xBF\xBD", [](const char*, std::size_t) { return 1; });
}

std::string Utf8ToGbk(std::string_view utf8) {
    std::string clean = SanitizeUtf8(utf8);
    // Unrepresentable characters are skipped whole: the input is valid UTF-8 by now.
    return IconvAll(GbkName(), "UTF-8", clean, "?", [](const char* src, std::size_t left) {
        char32_t cp = 0;
        std::size_t length = 1;
        DecodeUtf8(std::string_view(src, left), 0, cp, length);
        return length;
    });
}

#endif

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace xd
