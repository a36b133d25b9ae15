#include "appcore/unattended/PlayCauses.h"

namespace xd {

PlayExit ExitForBox(std::span<const BoxCause> causes, const ShownBox& box) noexcept {
    for (const BoxCause& cause : causes) {
        if (!cause.caption.empty() && box.caption != cause.caption) continue;
        if (!std::string_view(box.text).starts_with(cause.textStart)) continue;
        return cause.exit;
    }
    // Only the error icon marks a failure nobody listed; a question (save this?) is no failure.
    return (box.flags & 0xF0) == mb::kIconError ? PlayExit::OtherError : PlayExit::Played;
}

PlayExit DecideExit(std::span<const BoxCause> causes, std::span<const ShownBox> boxes, bool stoppedByUser) noexcept {
    for (const ShownBox& box : boxes) {
        if (const PlayExit exit = ExitForBox(causes, box); exit != PlayExit::Played) return exit;
    }
    return stoppedByUser ? PlayExit::StoppedByUser : PlayExit::Played;
}

}  // namespace xd
