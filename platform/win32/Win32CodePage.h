// ICodePage over WideCharToMultiByte / MultiByteToWideChar with CP_ACP.
#pragma once
#include "platform/CodePage.h"

namespace xd::win32 {

class Win32CodePage final : public ICodePage {
public:
    std::string Utf8ToAnsi(std::string_view utf8) override;
    std::string AnsiToUtf8(std::string_view ansi) override;
};

}  // namespace xd::win32
