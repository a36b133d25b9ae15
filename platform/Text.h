// Text conversion at the edges: the core holds UTF-8; Win32 speaks UTF-16;
// old files and the event-list edition's strings are GBK (code page 936).
#pragma once
#include <string>
#include <string_view>

namespace xd {

// Invalid input never throws: undecodable sequences become U+FFFD ("?" when
// converting to GBK), so untrusted bytes cannot stop a conversion.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);
bool IsValidUtf8(std::string_view bytes);
// One code point (a valid one: the caller checks) onto UTF-8 text.
void AppendUtf8(std::string& out, char32_t codePoint);
// Equal but for the case of ASCII letters: switches and key names the user may type in any case.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) noexcept;

#ifdef _WIN32
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
#endif

}  // namespace xd
