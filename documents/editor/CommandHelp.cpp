#include "documents/editor/CommandHelp.h"

#include <string>

namespace xd {

std::array<std::string_view, kCommandCount> CommandNames() {
    std::array<std::string_view, kCommandCount> names{};
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = kCommandHelp[i].name;
    return names;
}

std::optional<int> CommandOfLine(std::string_view line) {
    for (int i = 0; i < kCommandCount; ++i) {
        if (line.starts_with(kCommandHelp[static_cast<std::size_t>(i)].name)) return i;
    }
    return std::nullopt;
}

void ShowCommandHelp(IScriptControls& controls, int index) {
    if (index < 0 || index >= kCommandCount) return;
    const CommandHelp& help = kCommandHelp[static_cast<std::size_t>(index)];
    controls.SetHelpText(std::string(help.name) + std::string(help.description));
    controls.SetTemplateText(std::string(help.name) + std::string(help.templateText));
}

}  // namespace xd
