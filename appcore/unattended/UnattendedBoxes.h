// The message boxes of an unattended playback: none is shown. Each is kept for the log and the console, and
// answered so that the playback ends rather than waits: Abort, No or Cancel where the box offers them,
// else OK. Boxes come from the main thread and the player's thread alike.
#pragma once
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

namespace xd {

struct ShownBox {
    std::string text;
    std::string caption;
    std::uint32_t flags = 0;
};

class UnattendedBoxes final : public IMessageBoxes {
public:
    int Show(WindowHandle owner, const std::string& text, const std::string& caption, std::uint32_t flags) override;

    [[nodiscard]] std::vector<ShownBox> Shown() const;

private:
    mutable std::mutex guard_;
    std::vector<ShownBox> shown_;
};

// The answer a box with these MB_* flags gets.
[[nodiscard]] int UnattendedAnswer(std::uint32_t flags) noexcept;

}  // namespace xd
