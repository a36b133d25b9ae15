// Which exit a box of an unattended playback stands for. Each edition lists its failures by the texts its
// boxes are built from (caption or the start of the text); the first box that matches decides the exit.
#pragma once
#include <span>
#include <string_view>
#include <vector>

#include "appcore/unattended/PlayExit.h"
#include "appcore/unattended/UnattendedBoxes.h"

namespace xd {

struct BoxCause {
    std::string_view caption;    // matches the whole caption; empty: any caption
    std::string_view textStart;  // matches the start of the text; empty: any text
    PlayExit exit;
};

// The exit the first matching cause gives; OtherError for an unmatched box with the error icon;
// Played for an unmatched box without it (a question or a notice, kept for the log only).
[[nodiscard]] PlayExit ExitForBox(std::span<const BoxCause> causes, const ShownBox& box) noexcept;

// How the playback ended: the first box that was a failure decides; without one, a stop by hand is
// StoppedByUser and anything else Played.
[[nodiscard]] PlayExit DecideExit(std::span<const BoxCause> causes, std::span<const ShownBox> boxes,
                                  bool stoppedByUser) noexcept;

}  // namespace xd
