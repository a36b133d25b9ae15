#include "programs/mkxtool/MkxTool.h"

#include <string_view>

#include "documents/ScriptFileText.h"
#include "documents/files/DocumentTexts.h"
#include "engine/CheckScript.h"
#include "engine/ScriptConfig.h"
#include "eventlist/document/EventScriptDump.h"
#include "platform/common/GbkCodePage.h"

namespace xd {
namespace {

// The document loader's refusals, each followed by the path.
std::string_view RefusalText(ScriptFileVerdict verdict) {
    switch (verdict) {
        case ScriptFileVerdict::OldVersion: return kOldVersionText;
        case ScriptFileVerdict::Unreadable: return kUnreadableText;
        default: return kDamagedText;
    }
}

constexpr std::string_view kUsage =
    "usage: mkxtool check FILE\n"
    "       mkxtool dump FILE\n"
    "       mkxtool --help\n"
    "\n"
    "check: reads a .mkx script file and runs the check that precedes a playback.\n"
    "Prints the eight configuration members as name=value lines when the\n"
    "script passes, otherwise the message a user would see.\n"
    "Exit status: 0 passed, 1 syntax error, 2 file refused or wrong usage.\n"
    "\n"
    "dump: prints a binary event-list script as text: the header fields, then\n"
    "one line per event. Exit status: 0 printed, 2 file refused or wrong usage.\n";

// Messages carry CR LF between their lines; the console wants plain line breaks.
std::string AsLines(std::string_view message) {
    std::string text;
    text.reserve(message.size() + 1);
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n') continue;
        text += message[i];
    }
    text += '\n';
    return text;
}

ToolOutput Check(const std::string& path, IFileSystem& files) {
    ToolOutput output;
    const ScriptFileText file = ReadScriptFile(files, path);
    if (file.verdict != ScriptFileVerdict::Ok) {
        output.exitCode = 2;
        output.out = AsLines(std::string(RefusalText(file.verdict)) + path);
        return output;
    }

    ScriptConfig config;
    const ScriptCheck check = CheckScript(file.utf8, config);
    switch (check.status) {
        case ScriptCheckStatus::NotAScript:
            output.exitCode = 2;
            output.out = AsLines(check.message);
            break;
        case ScriptCheckStatus::SyntaxError:
            output.exitCode = 1;
            output.out = AsLines(check.message);
            break;
        case ScriptCheckStatus::Passed:
            for (const std::string& line : FormatScriptConfig(config)) output.out += line + "\n";
            break;
    }
    return output;
}

ToolOutput Dump(const std::string& path, IFileSystem& files) {
    // Event-list scripts come from Chinese systems, so their titles are GBK wherever the tool runs.
    GbkCodePage codePage;
    const EventScriptDump dump = DumpEventScript(files, path, codePage);
    if (dump.refused) return ToolOutput{2, AsLines(dump.text), {}};
    return ToolOutput{0, dump.text, {}};
}

}  // namespace

ToolOutput RunMkxTool(const std::vector<std::string>& args, IFileSystem& files) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) return ToolOutput{0, std::string(kUsage), {}};
    if (args.size() == 2 && args[0] == "check") return Check(args[1], files);
    if (args.size() == 2 && args[0] == "dump") return Dump(args[1], files);
    return ToolOutput{2, {}, std::string(kUsage)};
}

}  // namespace xd
