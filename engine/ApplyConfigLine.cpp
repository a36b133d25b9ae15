#include "engine/Numbers.h"
#include "engine/ScriptSyntax.h"
#include "engine/ScriptText.h"

namespace xd {

void ApplyConfigLine(std::string_view line, ScriptConfig& config) noexcept {
    // The line is not required to start with "配置.": the loader hands over every
    // early line, and only an exact member name between "." and "=" counts.
    const std::size_t dot = line.find('.');
    if (dot == std::string_view::npos) return;
    const std::string_view rest = line.substr(dot + 1);
    const std::size_t equals = rest.find('=');
    if (equals == std::string_view::npos) return;
    const std::optional<ConfigMember> member = FindConfigMember(StripSpaces(rest.substr(0, equals)));
    if (!member) return;

    std::string_view value = rest.substr(equals + 1);
    const std::size_t comment = value.find('\'');
    if (comment != std::string_view::npos) value = value.substr(0, comment);
    value = StripSpaces(value);

    if (*member == ConfigMember::Speed) {
        config.speed.store(ReadDecimal(value));
    } else {
        IntegerMember(config, *member)->store(ReadInteger(value));
    }
}

}  // namespace xd
