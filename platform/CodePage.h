// The system's ANSI code page (936, GBK, on a Chinese system): the event-list
// edition stores window titles and class names in it.
#pragma once
#include <string>
#include <string_view>

namespace xd {

class ICodePage {
public:
    virtual ~ICodePage() = default;
    // Unconvertible characters become "?"; invalid bytes U+FFFD. Never fails.
    virtual std::string Utf8ToAnsi(std::string_view utf8) = 0;
    virtual std::string AnsiToUtf8(std::string_view ansi) = 0;
};

}  // namespace xd
