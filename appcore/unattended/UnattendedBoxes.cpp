#include "appcore/unattended/UnattendedBoxes.h"

#include "appcore/unattended/PlayLog.h"

namespace xd {
namespace {

// A playback that keeps hitting the same box (a retry loop) must not grow the record without end.
constexpr std::size_t kMaxBoxesKept = 100;
constexpr std::size_t kMaxTextBytes = 4096;

}  // namespace

int UnattendedAnswer(std::uint32_t flags) noexcept {
    switch (flags & 0x0F) {
        case mb::kAbortRetryIgnore: return id::kAbort;
        case mb::kYesNo:
        case mb::kYesNoCancel: return id::kNo;  // never "save", never "force open"
        case mb::kOkCancel:
        case mb::kRetryCancel: return id::kCancel;
        default: return id::kOk;
    }
}

int UnattendedBoxes::Show(WindowHandle, const std::string& text, const std::string& caption, std::uint32_t flags) {
    std::lock_guard lock(guard_);
    if (shown_.size() < kMaxBoxesKept) {
        shown_.push_back(ShownBox{Utf8Prefix(text, kMaxTextBytes), Utf8Prefix(caption, kMaxTextBytes), flags});
    }
    return UnattendedAnswer(flags);
}

std::vector<ShownBox> UnattendedBoxes::Shown() const {
    std::lock_guard lock(guard_);
    return shown_;
}

}  // namespace xd
