// Any bytes opened as a script: a verdict and, for Ok, text, without a crash.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "documents/ScriptFileText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view raw(reinterpret_cast<const char*>(data), size);
    xd::ScriptFileText t = xd::DecodeScriptFileBytes(raw);
    if (size <= 30 && t.verdict != xd::ScriptFileVerdict::Damaged) std::abort();
    if (t.verdict != xd::ScriptFileVerdict::Ok && !t.utf8.empty()) std::abort();
    return 0;
}
