#include "appcore/playback/RefusedInput.h"

#include <array>
#include <utility>

#include "appcore/playback/DevicePoint.h"

namespace xd {

namespace {

// Each button's down and up flag.
constexpr std::array<std::pair<std::uint32_t, std::uint32_t>, 3> kButtons{{
    {mouseevent::kLeftDown, mouseevent::kLeftUp},
    {mouseevent::kRightDown, mouseevent::kRightUp},
    {mouseevent::kMiddleDown, mouseevent::kMiddleUp},
}};

}  // namespace

std::string RefusedInputText(IWindowSystem& windows, WindowHandle w) {
    std::string name = windows.Title(w);
    if (name.empty()) name = windows.ClassName(w);
    return "无法向窗口“" + name + "”发送鼠标操作。该窗口可能属于以更高权限运行的程序，请以管理员身份运行本程序。";
}

std::uint32_t HeldAfterRecords(const std::vector<MouseInputRecord>& records, std::size_t inserted,
                               std::uint32_t heldBefore) noexcept {
    std::uint32_t held = heldBefore;
    for (std::size_t i = 0; i < inserted && i < records.size(); ++i) {
        for (const auto& [down, up] : kButtons) {
            // Within one record the system presses before it releases.
            if (records[i].flags & down) held |= down;
            if (records[i].flags & up) held &= ~down;
        }
    }
    return held;
}

bool InjectOrRelease(IInput& input, const std::vector<MouseInputRecord>& records, std::uint32_t heldBefore) {
    const unsigned inserted = input.SendMouseInput(records);
    if (inserted >= records.size()) return true;
    const std::uint32_t held = HeldAfterRecords(records, inserted, heldBefore);
    std::vector<MouseInputRecord> release;
    for (const auto& [down, up] : kButtons) {
        if (!(held & down)) continue;
        MouseInputRecord r;
        r.flags = up;
        // At the last record's point, and carrying it as that record did: queued behind it, a release
        // without a point of its own would act wherever the pointer has gone meanwhile.
        if (!records.empty()) {
            r.dx = records.back().dx;
            r.dy = records.back().dy;
            r.flags |= records.back().flags & kPositionedInputFlags;
        }
        release.push_back(r);
    }
    if (!release.empty()) static_cast<void>(input.SendMouseInput(release));
    return false;
}

}  // namespace xd
