// Any bytes as a configuration line, and the number rules on their own.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/Numbers.h"
#include "engine/ScriptConfig.h"
#include "engine/ScriptSyntax.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    xd::ScriptConfig config;
    xd::ApplyConfigLine(bytes, config);
    (void)xd::FormatScriptConfig(config);
    (void)xd::ReadInteger(bytes);
    const float speed = xd::ReadDecimal(bytes);
    if (speed != speed) __builtin_trap();  // never NaN
    (void)xd::FormatSpeed(speed);
    return 0;
}
