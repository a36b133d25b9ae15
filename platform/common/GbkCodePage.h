// The ANSI code page taken as GBK: the simulation's, and the command-line tool's
// wherever it runs, since the files it reads come from Chinese systems.
#pragma once
#include "platform/CodePage.h"
#include "platform/Text.h"

namespace xd {

class GbkCodePage final : public ICodePage {
public:
    std::string Utf8ToAnsi(std::string_view utf8) override { return Utf8ToGbk(utf8); }
    std::string AnsiToUtf8(std::string_view ansi) override { return GbkToUtf8(ansi); }
};

}  // namespace xd
