#include "engine/Keywords.h"

namespace xd {

const Keyword* FindKeyword(std::string_view strippedLine) noexcept {
    for (const Keyword& keyword : kKeywords) {
        if (strippedLine.starts_with(keyword.text)) return &keyword;
    }
    return nullptr;
}

}  // namespace xd
