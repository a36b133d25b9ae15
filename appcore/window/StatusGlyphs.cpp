#include "appcore/window/StatusGlyphs.h"

#include <array>

#include "appcore/window/MainWindowState.h"

namespace xd {

namespace {

constexpr std::array<std::string_view, 8> kArrows{"↖", "↑", "↗", "→", "↘", "↓", "↙", "←"};

}  // namespace

std::string_view ArrowGlyph(int arrowIndex) {
    return kArrows[static_cast<std::size_t>(((arrowIndex % 8) + 8) % 8)];
}

std::string FunctionKeyName(int virtualKey) { return "F" + std::to_string(virtualKey - (kVkF1 - 1)); }

}  // namespace xd
